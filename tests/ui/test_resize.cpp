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
    FormBlueprint blueprint;
    blueprint.name = QStringLiteral("FormProva");
    blueprint.caption = QStringLiteral("Prova");
    blueprint.scaleWidth = 6000;
    blueprint.scaleHeight = 4500;
    blueprint.controls = {
        button(QStringLiteral("Command1"), 1200, 900, 1500, 600, QStringLiteral("uno")),
        line(QStringLiteral("Line1"), 100, 200, 1100, 200),
        label(QStringLiteral("Label1"), 3000, 3000, 1200, 300, QStringLiteral("fermo")).withTag(QStringLiteral("@l,t")),
        label(QStringLiteral("Label2"), 300, 3000, 1200, 300, QStringLiteral("tutto")).withTag(QStringLiteral("note")),
        frame(QStringLiteral("Frame1"), 3000, 300, 2400, 1800, QStringLiteral("cornice")),
        optionButton(QStringLiteral("Option1"), 0, 150, 450, 1500, 300, QStringLiteral("a")).in(QStringLiteral("Frame1")),
        menuItem(QStringLiteral("mnuEsci"), QStringLiteral("Esci")),
    };
    return blueprint;
}

struct Bound
{
    std::unique_ptr<Form> form;
    ClsResize resizer;
};

std::unique_ptr<Bound> bound()
{
    auto b = std::make_unique<Bound>();
    b->form = std::make_unique<Form>(design());
    b->form->load();
    b->resizer.setSourceForm(b->form.get());
    b->resizer.ReInitialise();
    return b;
}

} // namespace

class TestResize : public QObject
{
    Q_OBJECT

private slots:
    void recordsDesignLayout();
    void halfWidthHalvesLeftAndWidthOnly();
    void lineEndPointsScale();
    void tagDirectivesSteerEdges();
    void repeatedResizingDoesNotDrift();
    void minimisedFormIsLeftAlone();
    void firstCallOnlyRecords();
    void sizeFormToScreen();
    void windowResizeRescalesThroughSharedObject();
};

void TestResize::recordsDesignLayout()
{
    test::TestRun run;
    auto b = bound();
    QCOMPARE(b->resizer.RecordedWidth(), 6000);
    QCOMPARE(b->resizer.RecordedHeight(), 4500);
    QCOMPARE(b->resizer.ControlRecords().size(), b->form->controls().size());
    const auto &records = b->resizer.ControlRecords();
    QCOMPARE(records[1].Left, 100);
    QCOMPARE(records[1].Width, 1100);
    // A menu item has no position: its values stay 0.
    QCOMPARE(records.back().Left, 0);
    QCOMPARE(records.back().Height, 0);
}

void TestResize::halfWidthHalvesLeftAndWidthOnly()
{
    test::TestRun run;
    auto b = bound();
    b->form->setWidth(b->form->width() / 2);
    b->resizer.ResizeControls();
    Control *c = b->form->control(QStringLiteral("Command1"));
    QCOMPARE(c->left(), 600.0);
    QCOMPARE(c->width(), 750.0);
    QCOMPARE(c->top(), 900.0);
    QCOMPARE(c->height(), 600.0);
    // Contained controls scale with the window's factors too.
    Control *option = b->form->control(QStringLiteral("Option1"), 0);
    QCOMPARE(option->left(), 75.0);
    QCOMPARE(option->width(), 750.0);
}

void TestResize::lineEndPointsScale()
{
    test::TestRun run;
    auto b = bound();
    b->form->setWidth(b->form->width() * 2);
    b->resizer.ResizeControls();
    Control *l = b->form->control(QStringLiteral("Line1"));
    QCOMPARE(l->x1(), 200.0);
    QCOMPARE(l->y1(), 200.0);
    QCOMPARE(l->x2(), 2200.0);
    QCOMPARE(l->y2(), 200.0);
}

void TestResize::tagDirectivesSteerEdges()
{
    test::TestRun run;
    auto b = bound();
    b->form->setWidth(b->form->width() * 2);
    b->form->setHeight(b->form->scaleHeight() * 2 + (b->form->height() - b->form->scaleHeight()));
    b->resizer.ResizeControls();
    Control *fixedSize = b->form->control(QStringLiteral("Label1"));
    QCOMPARE(fixedSize->left(), 6000.0);
    QCOMPARE(fixedSize->top(), 6000.0);
    QCOMPARE(fixedSize->width(), 1200.0);
    QCOMPARE(fixedSize->height(), 300.0);
    Control *full = b->form->control(QStringLiteral("Label2"));
    QCOMPARE(full->width(), 2400.0);
    QCOMPARE(full->height(), 600.0);

    QCOMPARE(ClsResize::edgesForTag(QStringLiteral("@wh")).left, false);
    QCOMPARE(ClsResize::edgesForTag(QStringLiteral("@wh")).height, true);
    QCOMPARE(ClsResize::edgesForTag(QStringLiteral("x@L")).width, true);
}

void TestResize::repeatedResizingDoesNotDrift()
{
    test::TestRun run;
    auto b = bound();
    const double designWidth = b->form->width();
    for (const double factor : {0.37, 1.91, 0.5, 1.33, 1.0}) {
        b->form->setWidth(designWidth * factor);
        b->resizer.ResizeControls();
    }
    QCOMPARE(b->form->control(QStringLiteral("Command1"))->left(), 1200.0);
    QCOMPARE(b->form->control(QStringLiteral("Command1"))->width(), 1500.0);
}

void TestResize::minimisedFormIsLeftAlone()
{
    test::TestRun run;
    auto b = bound();
    b->form->show();
    b->form->setWindowState(Qt::WindowMinimized);
    QVERIFY(b->form->isMinimised());
    // Half the client area; the outer size may include a window frame.
    b->form->setWidth(b->form->width() - b->form->scaleWidth() / 2);
    b->resizer.ResizeControls();
    QCOMPARE(b->form->control(QStringLiteral("Command1"))->left(), 1200.0);
    b->form->setWindowState(Qt::WindowNoState);
    b->resizer.ResizeControls();
    QCOMPARE(b->form->control(QStringLiteral("Command1"))->left(), 600.0);
}

void TestResize::firstCallOnlyRecords()
{
    test::TestRun run;
    Form form(design());
    form.load();
    ClsResize resizer;
    resizer.setSourceForm(&form);
    QVERIFY(resizer.PositionsPending());
    form.setWidth(form.width() * 2);
    resizer.ResizeControls();
    QVERIFY(!resizer.PositionsPending());
    QCOMPARE(resizer.RecordedWidth(), 12000);
    QCOMPARE(form.control(QStringLiteral("Command1"))->left(), 1200.0);
}

void TestResize::sizeFormToScreen()
{
    test::TestRun run;
    // 1024 x 768 pixels at 15 twips a pixel: 15360 x 11520 twips.
    Form form(design());
    form.load();
    ClsResize resizer;
    resizer.setSourceForm(&form);
    resizer.SizeFormToScreen(75);
    QCOMPARE(form.width(), 11520.0);
    QCOMPARE(form.height(), 8640.0);
    QCOMPARE(form.left(), 1920.0);
    QCOMPARE(form.top(), 1440.0);
    QCOMPARE(resizer.RecordedWidth(), 6000);
    // The controls follow the new client area.
    const double factor = form.scaleWidth() / 6000.0;
    QCOMPARE(form.control(QStringLiteral("Command1"))->left(), 1200.0 * factor);
}

void TestResize::windowResizeRescalesThroughSharedObject()
{
    test::TestRun run;
    auto *form = new Form(design());
    form->load();
    bindNewResizer(form, 75);
    QCOMPARE(Ridimensionatore()->SourceForm(), form);
    // A size change by the user reaches the controls as well.
    form->show();
    form->resize(form->QWidget::width() / 2, form->QWidget::height());
    const double expected = 1200.0 * form->scaleWidth() / 6000.0;
    QCOMPARE(form->control(QStringLiteral("Command1"))->left(), expected);
    delete form;
    // The shared object lets go of a window that is gone.
    QCOMPARE(Ridimensionatore()->SourceForm(), nullptr);
    Ridimensionatore()->ResizeControls();
}

QTEST_MAIN(TestResize)
#include "test_resize.moc"
