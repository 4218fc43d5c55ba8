#include "TestSupport.h"

#include "base/SharedState.h"
#include "ui/Form.h"
#include "ui/Forms.h"
#include "ui/PaintedControls.h"
#include "ui/QtMessageBoxes.h"
#include "ui/ToolkitLanguage.h"
#include "ui/WidgetControls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace ortix;
using namespace ortix::ui;

namespace {

FormBlueprint design(const QString &name = QStringLiteral("FormProva"))
{
    FormBlueprint blueprint = test::sampleForm({
        label(QStringLiteral("Label2"), 1500, 150, 1500, 300, QStringLiteral("zero")).at(0),
        label(QStringLiteral("Label2"), 1500, 600, 1500, 300, QStringLiteral("uno")).at(1),
        label(QStringLiteral("Etichetta"), 0, 0, 100, 100, QStringLiteral("x")).sizedToCaption(),
        button(QStringLiteral("Command1"), 3000, 3000, 1500, 600, QStringLiteral("&Esci")),
        button(QStringLiteral("Colore"), 300, 3000, 900, 600, QStringLiteral("k")).withBack(QColor(0xFF, 0, 0)),
        textBox(QStringLiteral("Text1"), 300, 2000, 3000, 450).withMaxLength(5),
        shape(QStringLiteral("pal_u"), ShapeKind::Circle, 300, 300, 600, 600, QColor(0, 0, 0xFF)).at(0),
        menuItem(QStringLiteral("mnuLingue"), QStringLiteral("Lingua")),
        menuItem(QStringLiteral("mnuLingua"), QStringLiteral("Italiano"), QStringLiteral("mnuLingue")).at(0),
        menuItem(QStringLiteral("mnuEsci"), QStringLiteral("Esci")),
    });
    blueprint.name = name;
    blueprint.scaleWidth = 6008; // 400.53 pixels wide
    blueprint.controls[4].graphical = true;
    return blueprint;
}

// Records the handlers of its life in order.
class LifeForm : public Form
{
public:
    explicit LifeForm(QStringList &log, const QString &name)
        : Form(design(name))
        , m_log(log)
    {
    }

protected:
    void Form_Load() override { m_log << name() + QStringLiteral(".Load"); }
    void Form_Activate() override { m_log << name() + QStringLiteral(".Activate"); }
    void Form_Resize() override { m_log << name() + QStringLiteral(".Resize"); }
    void Form_Unload() override { m_log << name() + QStringLiteral(".Unload"); }

private:
    QStringList &m_log;
};

// Asks a Yes/No question with the real message boxes and answers it by
// pressing the button with the given role (Enter for InvalidRole); `seen`
// gets its title, its text and the texts of its buttons.
MsgAnswer ask(QStringList &seen, QMessageBox::ButtonRole role)
{
    QTimer::singleShot(0, [&seen, role] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->icon(), QMessageBox::Question);
        seen = QStringList{box->windowTitle(), box->text()};
        for (QAbstractButton *b : box->buttons()) {
            seen << b->text().remove(u'&');
            if (box->buttonRole(b) == role) {
                QTimer::singleShot(0, b, &QAbstractButton::click);
            }
        }
        if (role == QMessageBox::InvalidRole) {
            QTimer::singleShot(0, box, [box] { QTest::keyClick(box, Qt::Key_Return); });
        }
    });
    return QtMessageBoxes().show(nullptr, QStringLiteral("Vuoi uscire?"), QStringLiteral("Utilizzo dell'ortix"),
                                 MsgButtons::YesNo, MsgIcon::Question);
}

} // namespace

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void designGivesControlsNamesPixelsAndLooks();
    void lifeRunsInOrderOpeningUnloadsTheOpener();
};

void TestControls::designGivesControlsNamesPixelsAndLooks()
{
    test::TestRun run;
    Form form(design());
    QStringList names;
    for (Control *c : form.controls()) {
        names << c->objectName();
    }
    QCOMPARE(names, QStringList({"Label2(0)", "Label2(1)", "Etichetta", "Command1", "Colore", "Text1", "pal_u(0)",
                                 "mnuLingue", "mnuLingua(0)", "mnuEsci"}));
    QCOMPARE(form.control(QStringLiteral("Label2"), 1)->caption(), QStringLiteral("uno"));
    QCOMPARE(form.control(QStringLiteral("Label2")), nullptr);
    QCOMPARE(form.controlArray(QStringLiteral("Label2")).size(), std::size_t(2));
    QWidget *b = form.control(QStringLiteral("Command1"))->widget();
    QCOMPARE(form.findChild<QWidget *>(QStringLiteral("Command1")), b);
    QCOMPARE(b->accessibleName(), QStringLiteral("Esci"));
    // Twips to pixels, at 15 twips a pixel, rounded; positions keep their fractions.
    QCOMPARE(form.clientArea()->size(), QSize(401, 300));
    QCOMPARE(b->geometry(), QRect(200, 200, 100, 40));
    form.control(QStringLiteral("Command1"))->setLeft(1507.5);
    QCOMPARE(form.control(QStringLiteral("Command1"))->left(), 1507.5);
    QCOMPARE(b->x(), 101);

    // A label sized to its caption follows its text and font.
    Control *l = form.control(QStringLiteral("Etichetta"));
    const double narrow = l->width();
    l->setCaption(QStringLiteral("QUATTROCENTOSETTANTAMILA"));
    QVERIFY(l->width() > narrow * 5);
    const double wide = l->width();
    l->setFontSize(24);
    QVERIFY(l->width() > wide);
    QVERIFY(l->widget()->width() >= QFontMetrics(l->widget()->font()).horizontalAdvance(l->caption()));
    // A graphical button shows its back colour.
    Control *coloured = form.control(QStringLiteral("Colore"));
    QCOMPARE(coloured->widget()->palette().color(QPalette::Button), QColor(0xFF, 0, 0));
    coloured->setBackColor(QColor(0, 0x80, 0));
    QCOMPARE(coloured->widget()->palette().color(QPalette::Button), QColor(0, 0x80, 0));
    // Shapes (the beads) let clicks through to what lies under them.
    auto *bead = qobject_cast<ShapeControl *>(form.control(QStringLiteral("pal_u"), 0));
    QVERIFY(bead->widget()->testAttribute(Qt::WA_TransparentForMouseEvents));
    // A circle takes the smaller side of its box, centred.
    QCOMPARE(bead->outline(QSizeF(40, 20)), QRectF(10.5, 0.5, 19, 19));

    // A text box's key filter replaces and drops keys.
    form.show();
    auto *box = qobject_cast<TextBoxControl *>(form.control(QStringLiteral("Text1")));
    box->onKeyPress = [](int &key) { key = key == 'x' ? 0 : int(QChar::toUpper(char32_t(key))); };
    QTest::keyClicks(box->widget(), QStringLiteral("abxc12345"));
    // Five characters at most; "x" dropped, letters raised.
    QCOMPARE(box->text(), QStringLiteral("ABC12"));
    QTest::sendKeyEvent(QTest::Click, box->widget(), Qt::Key_unknown, QString::fromUtf8("ü"), Qt::NoModifier);
    QCOMPARE(box->text(), QStringLiteral("ABC12"));
    // Enter with no text in the event still reaches the key-press handler.
    // (Enter with its text, its release and the characters a filter keeps:
    // the read windows of test_readforms.)
    QList<int> pressed;
    box->onKeyPress = [&](int &key) { pressed << key; };
    QKeyEvent bare(QEvent::KeyPress, Qt::Key_Enter, Qt::NoModifier, QString());
    QApplication::sendEvent(box->widget(), &bare);
    QCOMPARE(pressed, QList<int>{13});
}

void TestControls::lifeRunsInOrderOpeningUnloadsTheOpener()
{
    test::TestRun run;
    QStringList log;
    for (const QString &name : {QStringLiteral("FormUno"), QStringLiteral("FormDue")}) {
        Forms::registerForm(name, [&log, name] { return new LifeForm(log, name); });
    }
    Form *first = Forms::open(QStringLiteral("FormUno"), nullptr);
    first->setWidth(first->width() / 2);
    // Showing again, or a message box over it, does not activate it again.
    first->showForm();
    messageBox(first, QStringLiteral("?"), QString(), MsgButtons::Ok, MsgIcon::None);
    Form *second = Forms::open(QStringLiteral("FormDue"), first);
    QCOMPARE(Forms::all(), std::vector<Form *>{second});
    QCOMPARE(log, QStringList({"FormUno.Load", "FormUno.Activate", "FormUno.Resize", "FormDue.Load",
                               "FormDue.Activate", "FormUno.Unload"}));
    QCOMPARE(run.fakes.end->ends, 0);
    // Opening a window that is already open shows the same instance.
    QCOMPARE(Forms::open(QStringLiteral("FormDue"), nullptr), second);
    QCOMPARE(Forms::open(QStringLiteral("Sconosciuta"), second), nullptr);
    QCOMPARE(Forms::all().size(), std::size_t(1));
    // Closing the last window ends the program.
    second->close();
    QCOMPARE(log.last(), QStringLiteral("FormDue.Unload"));
    QVERIFY(Forms::all().empty());
    QCOMPARE(run.fakes.end->ends, 1);

    // The real message boxes: the question's texts; Yes and No as the language
    // file has them, else the toolkit's in the program's language; Enter is Yes.
    installToolkitLanguage(4);
    QStringList german;
    QCOMPARE(ask(german, QMessageBox::YesRole), MsgAnswer::Yes);
    installToolkitLanguage(2);
    QStringList english;
    QCOMPARE(ask(english, QMessageBox::NoRole), MsgAnswer::No);
    QCOMPARE(english.mid(0, 2), QStringList({"Utilizzo dell'ortix", "Vuoi uscire?"}));
    QVERIFY(english.contains(QStringLiteral("Yes")));

    run.writeFile(QStringLiteral("Test.lng"), "[Strings]\r\n0061=\"S\xc3\xac\"\r\n0062=\"No\"\r\n");
    shared().MLSCurrentLanguage = QStringLiteral("Test");
    QStringList translated;
    QCOMPARE(ask(translated, QMessageBox::InvalidRole), MsgAnswer::Yes);
    QVERIFY(translated.contains(QString::fromUtf8("S\xc3\xac")));
    // Where the toolkit's German texts are installed, its buttons speak German.
    QVERIFY(german.mid(2) == english.mid(2) || german.contains(QStringLiteral("Ja")));
}

QTEST_MAIN(TestControls)
#include "test_controls.moc"
