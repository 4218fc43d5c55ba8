#include "TestSupport.h"

#include "ui/ClsResize.h"
#include "ui/Form.h"
#include "ui/MenuControl.h"

#include <QTest>

using namespace ortix;
using namespace ortix::ui;

namespace {

FormBlueprint design()
{
    return test::sampleForm({
        button(QStringLiteral("Command1"), 1200, 900, 1500, 600, QStringLiteral("uno")),
        line(QStringLiteral("Line1"), 100, 200, 1100, 200),
        label(QStringLiteral("Label1"), 3000, 3000, 1200, 300, QStringLiteral("fermo")).withTag(QStringLiteral("@l,t")),
        label(QStringLiteral("Label2"), 300, 3000, 1200, 300, QStringLiteral("tutto")).withTag(QStringLiteral("note")),
        frame(QStringLiteral("Frame1"), 3000, 300, 2400, 1800, QStringLiteral("cornice")),
        optionButton(QStringLiteral("Option1"), 0, 150, 450, 1500, 300, QStringLiteral("a")).in(QStringLiteral("Frame1")),
        menuItem(QStringLiteral("mnuEsci"), QStringLiteral("Esci")),
    });
}

// A loaded window of the design with its resizer; the design layout is
// recorded at once unless `record` is false.
struct Bound
{
    explicit Bound(bool record = true)
    {
        form.load();
        resizer.setSourceForm(&form);
        if (record) {
            resizer.ReInitialise();
        }
    }
    double command1Left() const { return form.control(QStringLiteral("Command1"))->left(); }

    Form form{design()};
    ClsResize resizer;
};

// Left, top, width and height of a control, in twips.
QRectF box(const Control *c)
{
    return QRectF(c->left(), c->top(), c->width(), c->height());
}

} // namespace

class TestResize : public QObject
{
    Q_OBJECT

private slots:
    void scalesAllButPinnedEdgesAndNothingDrifts();
    void firstCallRecordsMinimisedIsLeftAloneUserSizeIsFollowed();
};

void TestResize::scalesAllButPinnedEdgesAndNothingDrifts()
{
    test::TestRun run;
    Bound b;
    Form &form = b.form;
    const double designWidth = form.width();
    form.setWidth(designWidth / 2);
    b.resizer.ResizeControls();
    QCOMPARE(box(form.control(QStringLiteral("Command1"))), QRectF(600, 900, 750, 600));
    // Contained controls scale with the window's factors too.
    QCOMPARE(box(form.control(QStringLiteral("Option1"), 0)), QRectF(75, 450, 750, 300));
    for (const double factor : {0.37, 1.91, 1.33, 1.0}) {
        form.setWidth(designWidth * factor);
        b.resizer.ResizeControls();
    }
    QCOMPARE(box(form.control(QStringLiteral("Command1"))), QRectF(1200, 900, 1500, 600));

    form.setWidth(designWidth * 2);
    form.setHeight(form.scaleHeight() * 2 + (form.height() - form.scaleHeight()));
    b.resizer.ResizeControls();
    // "@l,t": only left and top follow; a tag not starting with "@" lets all four.
    QCOMPARE(box(form.control(QStringLiteral("Label1"))), QRectF(6000, 6000, 1200, 300));
    QCOMPARE(box(form.control(QStringLiteral("Label2"))), QRectF(600, 6000, 2400, 600));
    Control *l = form.control(QStringLiteral("Line1"));
    QCOMPARE(QList<double>({l->x1(), l->y1(), l->x2(), l->y2()}), QList<double>({200.0, 400.0, 2200.0, 400.0}));
    QCOMPARE(ClsResize::edgesForTag(QStringLiteral("@wh")).left, false);
    QCOMPARE(ClsResize::edgesForTag(QStringLiteral("@wh")).height, true);
    QCOMPARE(ClsResize::edgesForTag(QStringLiteral("x@L")).width, true);
}

void TestResize::firstCallRecordsMinimisedIsLeftAloneUserSizeIsFollowed()
{
    test::TestRun run;
    Bound first(false);
    QVERIFY(first.resizer.PositionsPending());
    first.form.setWidth(first.form.width() * 2);
    first.resizer.ResizeControls();
    QVERIFY(!first.resizer.PositionsPending());
    QCOMPARE(first.resizer.RecordedWidth(), 12000);
    QCOMPARE(first.command1Left(), 1200.0);

    // Sized to the screen: 1024 x 768 pixels at 15 twips a pixel, 15360 x 11520 twips.
    Bound sized(false);
    sized.resizer.SizeFormToScreen(75);
    const Form &f = sized.form;
    QCOMPARE(QRectF(f.left(), f.top(), f.width(), f.height()), QRectF(1920, 1440, 11520, 8640));
    QCOMPARE(sized.resizer.RecordedWidth(), 6000);
    // The controls follow the new client area.
    QCOMPARE(sized.command1Left(), 1200.0 * f.scaleWidth() / 6000.0);

    Bound b;
    b.form.show();
    b.form.setWindowState(Qt::WindowMinimized);
    QVERIFY(b.form.isMinimised());
    // Half the client area; the outer size may include a window frame.
    b.form.setWidth(b.form.width() - b.form.scaleWidth() / 2);
    b.resizer.ResizeControls();
    QCOMPARE(b.command1Left(), 1200.0);
    b.form.setWindowState(Qt::WindowNoState);
    b.resizer.ResizeControls();
    QCOMPARE(b.command1Left(), 600.0);

    // A size change by the user reaches the controls through the shared resizer.
    auto *form = new Form(design());
    form->load();
    bindNewResizer(form, 75);
    QCOMPARE(Ridimensionatore()->SourceForm(), form);
    form->show();
    form->resize(form->QWidget::width() / 2, form->QWidget::height());
    QCOMPARE(form->control(QStringLiteral("Command1"))->left(), 1200.0 * form->scaleWidth() / 6000.0);
    delete form;
    // The shared object lets go of a window that is gone.
    QCOMPARE(Ridimensionatore()->SourceForm(), nullptr);
    Ridimensionatore()->ResizeControls();
}

QTEST_MAIN(TestResize)
#include "test_resize.moc"
