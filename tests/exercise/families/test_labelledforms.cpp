// The labelled build windows: the rules that split a target into coloured
// labels (which text goes to which place, in which order, in digits and in
// the six languages), the labels in Picture1 each in its place's colour, the
// units window's squares, and long words that must still fit the box: every
// number of each window, in every language and in digits, must stand whole
// inside Picture1 at the screen sizes the program meets, its pieces reading
// as the number's words.
#include "PupilHands.h"
#include "ScriptedItem.h"

#include "app/Main.h"
#include "base/SharedState.h"
#include "exercise/families/CentredRow.h"
#include "exercise/families/LabelledBuildForm.h"
#include "exercise/families/NumberColouring.h"
#include "lang/LanguageSupport.h"
#include "ui/Forms.h"
#include "ui/WidgetControls.h"
#include "words/MaiuscoloPerCarattere.h"
#include "words/NumeroInLettere.h"

#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <numeric>

using namespace ortix;
using namespace ortix::ui;

namespace {

// A label of the coloured target as the pupil sees it.
struct SeenLabel
{
    QString text;
    QColor colour;
    // In pixels of Picture1.
    QRect box;
    double points = 0;
};

// The number words' language, a number and the labels a pupil sees of it.
using Words = std::tuple<int, int, QStringList>;
// A labelled window, the number words' language (0: the digits), the item,
// each label as its place's colour and its text, and the labels' size.
using EdgeRow = std::tuple<QString, int, int, QStringList, double>;

// The labels of EtichettaNumero that show text, from left to right.
std::vector<SeenLabel> seenLabels(const ui::Form *form)
{
    std::vector<SeenLabel> seen;
    for (ui::Control *c : form->controlArray(QStringLiteral("EtichettaNumero"))) {
        if (c->visible() && !c->caption().isEmpty()) {
            auto *label = qobject_cast<ui::LabelControl *>(c);
            seen.push_back({c->caption(), label->label()->palette().color(QPalette::WindowText),
                            label->widget()->geometry(), c->fontSize()});
        }
    }
    std::sort(seen.begin(), seen.end(), [](const SeenLabel &a, const SeenLabel &b) { return a.box.x() < b.box.x(); });
    return seen;
}

// Whether the shown labels stand inside Picture1 side by side with no gap,
// the group centred, no smaller than the readable minimum.
bool laidOut(const LabelledBuildForm *form)
{
    const std::vector<SeenLabel> seen = seenLabels(form);
    const QWidget *picture = form->control(QStringLiteral("Picture1"))->widget();
    bool fits = !seen.empty() && form->shownPoints() >= kMinimumTargetPoints;
    for (std::size_t i = 0; fits && i < seen.size(); ++i) {
        fits = picture->contentsRect().contains(seen[i].box)
               && (i == 0 || seen[i].box.x() == seen[i - 1].box.right() + 1);
    }
    return fits && std::abs(seen.front().box.x() - (picture->width() - 1 - seen.back().box.right())) <= 1;
}

void useLanguage(int lingua)
{
    shared().LinguaNumeri = QString::number(lingua);
    lang::PreparaPartiUndiciDiciannove();
}

// The labels a pupil sees of n, left to right: "u:SE" for the blue units
// label that reads SE.
QStringList described(qint32 n, TargetSplit split, int lingua)
{
    static const char *const codes[] = {"k", "h", "d", "u", "j", "K", "U"};
    QStringList out;
    for (const ColouredText &label : numeroAColori(n, split, lingua, shared().ParteUnita, shared().ParteDecina)) {
        if (label.shown && !label.text.isEmpty()) {
            out << QString::fromLatin1(codes[int(label.part)]) + u':' + label.text;
        }
    }
    return out;
}

// The name of a place's colour, for readable rows.
QString colourName(const QColor &colour)
{
    static const QHash<QRgb, QString> names = {{qRgb(0xC0, 0xC0, 0x00), "olive"}, {qRgb(0x00, 0x80, 0x00), "green"},
                                               {qRgb(0xFF, 0x00, 0x00), "red"},    {qRgb(0x00, 0x00, 0xFF), "blue"},
                                               {qRgb(0x00, 0x00, 0x00), "black"}};
    return names.value(colour.rgb(), colour.name());
}

// Shows `number` as the item of an open labelled window. Some targets of the
// table (4078, 300000) are numbers its draw never gives.
LabelledBuildForm *showItem(const QString &window, bool digits, qint32 number)
{
    auto *form = qobject_cast<LabelledBuildForm *>(Forms::open(window, nullptr));
    if (digits) {
        test::chooseMenu(form, QStringLiteral("MenuCifre"));
    }
    shared().NumeroACaso = number;
    form->MostraObiettivo();
    return form;
}


// Each window's range; for the thousands period every thousands value with
// a long and a varying units period, and every units period with a long
// thousands value.
std::vector<qint32> numbersOf(const QString &window)
{
    std::vector<qint32> numbers;
    if (window == QLatin1String("Periodo1SEM")) {
        for (int k = 1; k <= 999; ++k) {
            numbers.insert(numbers.end(), {k * 1000 + 777, k * 1000 + (k * 389) % 1000, 777000 + k, 378000 + k});
        }
        numbers.insert(numbers.end(), {777000, 378000});
        return numbers;
    }
    numbers.resize(window == QLatin1String("Form99sem") ? 99 : window == QLatin1String("Form999sem") ? 999 : 9999);
    std::iota(numbers.begin(), numbers.end(), 1);
    return numbers;
}

} // namespace

class TestLabelledForms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerAllForms(); }
    void wordsByPlace_data();
    void wordsByPlace();
    void edgeCases_data();
    void edgeCases();
    void longWordsShrinkToFit();
    void everyNumberFits_data();
    void everyNumberFits();
};

void TestLabelledForms::wordsByPlace_data()
{
    QTest::addColumn<Words>("row");
    // Eleven to nineteen: the units part first or second by language.
    QTest::newRow("it 16") << Words{1, 16, {"u:SE", "d:DICI"}};
    // Language 0: Italian before any language has been chosen, when the parts
    // of eleven to nineteen are unknown: the whole word is still shown.
    QTest::newRow("it 17 without parts") << Words{0, 17, {"d:DICIASSETTE"}};
    QTest::newRow("en 17") << Words{2, 17, {"u:SEVEN", "d:TEEN"}};
    QTest::newRow("fr 17") << Words{3, 17, {"d:DIX", "u:SEPT"}};
    QTest::newRow("de 12") << Words{4, 12, {QString::fromUtf8("u:ZWÖ"), "d:LF"}};
    QTest::newRow("es 16") << Words{5, 16, {"d:DIECI", "u:SEIS"}};
    QTest::newRow("sq 113") << Words{6, 113, {"h:NJEQIND", "u:TREMBE", "d:DHJETE"}};
    // Tens and units.
    QTest::newRow("it 23 keeps its vowel") << Words{1, 23, {"d:VENTI", "u:TRE"}};
    QTest::newRow("it 181") << Words{1, 181, {"h:CENTO", "d:OTTANT", "u:UNO"}};
    QTest::newRow("it 108") << Words{1, 108, {"h:CENTO", "u:OTTO"}};
    QTest::newRow("es 21") << Words{5, 21, {"d:VENTI", "u:UNO"}};
    QTest::newRow("es 130") << Words{5, 130, {"h:CIENTO ", "d:TRENTA"}};
    QTest::newRow("de 31") << Words{4, 31, {"u:EIN", "j:UND", QString::fromUtf8("d:DREIßIG")}};
    QTest::newRow("de 101") << Words{4, 101, {"h:HUNDERT", "u:EINS"}};
    QTest::newRow("es 1016") << Words{5, 1016, {"k:UNMIL ", "d:DIECI", "u:SEIS"}};
}

void TestLabelledForms::wordsByPlace()
{
    QFETCH(Words, row);
    const auto &[lingua, number, labels] = row;
    test::TestRun run;
    if (lingua > 0) {
        useLanguage(lingua);
    }
    QCOMPARE(described(number, TargetSplit::UpToThousands, std::max(lingua, 1)), labels);
    if (number < 1000) {
        QCOMPARE(described(number, TargetSplit::UpToHundreds, std::max(lingua, 1)), labels);
    }
}

void TestLabelledForms::edgeCases_data()
{
    QTest::addColumn<EdgeRow>("row");
    QTest::newRow("it 17") << EdgeRow{"Form99sem", 1, 17, {"red:DICIA", "blue:SSETTE"}, 32.0};
    QTest::newRow("de 21") << EdgeRow{"Form999sem", 4, 21, {"blue:EIN", "black:UND", "red:ZWANZIG"}, 24.0};
    QTest::newRow("de 21 tens") << EdgeRow{"Form99sem", 4, 21, {"blue:EIN", "black:UND", "red:ZWANZIG"}, 32.0};
    QTest::newRow("sq 21") << EdgeRow{"Form999sem", 6, 21, {"red:NJEZET", "black: E ", "blue:NJE"}, 24.0};
    QTest::newRow("2005") << EdgeRow{"F9999SEM", 0, 2005, {"olive:2  ", "green:0", "red:0", "blue:5"}, 36.0};
    QTest::newRow("305") << EdgeRow{"F9999SEM", 0, 305, {"green:3", "red:0", "blue:5"}, 36.0};
    QTest::newRow("7") << EdgeRow{"Form99sem", 0, 7, {"blue:7"}, 48.0};
    QTest::newRow("300000") << EdgeRow{"Periodo1SEM", 0, 300000, {"olive:300  "}, 36.0};
    QTest::newRow("456078") << EdgeRow{"Periodo1SEM", 0, 456078, {"olive:456  ", "blue:78"}, 36.0};
    QTest::newRow("it 4078") << EdgeRow{"Periodo1SEM", 1, 4078, {"olive:QUATTROMILA", "blue:SETTANTOTTO"}, 14.0};
    QTest::newRow("it 999") << EdgeRow{"Form999sem", 1, 999, {"green:NOVECENTO", "red:NOVANTA", "blue:NOVE"}, 24.0};
}

void TestLabelledForms::edgeCases()
{
    QFETCH(EdgeRow, row);
    const auto &[window, lingua, number, labels, points] = row;
    test::TestRun run;
    useLanguage(std::max(lingua, 1));
    LabelledBuildForm *form = showItem(window, lingua == 0, number);
    QCOMPARE(form->inCifre(), lingua == 0);
    QStringList seen;
    for (const SeenLabel &label : seenLabels(form)) {
        seen << colourName(label.colour) + u':' + label.text;
        // Form999sem's joiner keeps its own size.
        const bool joiner = label.colour == QColor(Qt::black);
        QCOMPARE(label.points, joiner && window == QLatin1String("Form999sem") ? 26.25 : points);
    }
    QCOMPARE(seen, labels);
    // The joiner, the last label, shows only where it joins.
    const auto all = form->controlArray(QStringLiteral("EtichettaNumero"));
    if (all.size() > 2) {
        QCOMPARE(all.back()->visible(), seen.contains(QStringLiteral("black:UND")) || seen.contains(QStringLiteral("black: E ")));
    }
    QVERIFY(laidOut(form));
}

// The longest words of the thousands period do not fit at 14 pt: they are
// written smaller, never below the readable minimum, and grow back when
// the window does.
void TestLabelledForms::longWordsShrinkToFit()
{
    test::TestRun run;
    useLanguage(6);
    LabelledBuildForm *form = showItem(QStringLiteral("Periodo1SEM"), false, 777777);
    const double full = form->shownPoints();
    QVERIFY(full < 14);
    QVERIFY(full >= kMinimumTargetPoints);

    form->setWidth(12000);
    form->setHeight(9000);
    QVERIFY(form->shownPoints() < full);
    QVERIFY(laidOut(form));

    form->setWidth(15360);
    form->setHeight(11520);
    QCOMPARE(form->shownPoints(), full);

    // A short item is written at the full size again.
    shared().NumeroACaso = 1111;
    form->MostraObiettivo();
    QCOMPARE(form->shownPoints(), 14.0);
}

void TestLabelledForms::everyNumberFits_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("screen");
    // The smallest screen leaves the least room; the longest words come in
    // the thousands period, tried on the usual screen too.
    for (const char *window : {"Form99sem", "Form999sem", "F9999SEM", "Periodo1SEM"}) {
        QTest::addRow("%s 800x600", window) << QString::fromLatin1(window) << QSize(800, 600);
    }
    QTest::newRow("Periodo1SEM 1024x768") << QStringLiteral("Periodo1SEM") << QSize(1024, 768);
}

void TestLabelledForms::everyNumberFits()
{
    QFETCH(QString, window);
    QFETCH(QSize, screen);
    test::TestRun run;
    run.fakes.screen->m_area = QRect(QPoint(0, 0), screen);
    auto *form = qobject_cast<LabelledBuildForm *>(Forms::open(window, nullptr));
    QVERIFY(form);
    const std::vector<qint32> numbers = numbersOf(window);
    // Every language in words, then the digits (0).
    for (int lingua : {1, 2, 3, 4, 5, 6, 0}) {
        if (lingua > 0) {
            useLanguage(lingua);
        } else {
            test::chooseMenu(form, QStringLiteral("MenuCifre"));
            QVERIFY(form->inCifre());
        }
        for (qint32 n : numbers) {
            shared().NumeroACaso = n;
            form->MostraObiettivo();
            QVERIFY2(laidOut(form), qPrintable(QString::number(n)));
            if (lingua > 0) {
                // Read one after the other, the coloured pieces are the number's words.
                QString pieces;
                for (const SeenLabel &label : seenLabels(form)) {
                    pieces += label.text;
                }
                QCOMPARE(pieces, MaiuscoloPerCarattere(NumeroInLettere(n, lingua)));
            }
        }
    }
}

QTEST_MAIN(TestLabelledForms)
#include "test_labelledforms.moc"
