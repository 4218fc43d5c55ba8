// The counting frame of the exercise windows, on a bare window at its
// designed size. Adding and taking beads is driven through the rods of the
// build windows (test_buildforms).
#include "PupilHands.h"
#include "TestSupport.h"

#include "exercise/engine/Palline.h"
#include "ui/Form.h"
#include "ui/PaintedControls.h"

#include <QTest>

#include <memory>

using namespace ortix;
using namespace ortix::ui;

namespace {

// A window that holds nothing but the frame of `name`, as designed.
struct Frame
{
    explicit Frame(const QString &name)
    {
        FormBlueprint blueprint;
        blueprint.name = name;
        blueprint.scaleWidth = 10800;
        blueprint.scaleHeight = 7800;
        layout = frameLayoutFor(name);
        Palline::addDesign(blueprint.controls, *layout);
        form = std::make_unique<Form>(blueprint);
        palline = std::make_unique<Palline>(*form, *layout);
    }
    QList<int> counts() const
    {
        QList<int> all;
        for (Place place : layout->places) {
            all << palline->count(place);
        }
        return all;
    }
    // Beads shown per rod; -1 for a rod whose beads do not run from the bottom.
    QList<int> shown() const
    {
        QList<int> all;
        for (Place place : layout->places) {
            all << test::beadRun(*form, suffixOf(place));
        }
        return all;
    }
    const FrameLayout *layout = nullptr;
    std::unique_ptr<Form> form;
    std::unique_ptr<Palline> palline;
};

} // namespace

class TestPalline : public QObject
{
    Q_OBJECT

private slots:
    void designedFrame_data();
    void designedFrame();
    void mostraNumero_data();
    void mostraNumero();
    void stacking_data();
    void stacking();
};

void TestPalline::designedFrame_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<double>("rodX");
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<QColor>("border");
    QTest::addColumn<int>("borderWidth");
    const QColor black(0, 0, 0);
    const QColor yellow(0xFFFF00);
    QTest::newRow("Form4 u") << "Form4" << "u" << 5880.0 << QColor(0x0000FF) << black << 1;
    QTest::newRow("Form99a da") << "Form99a" << "da" << 3195.0 << QColor(0xFF0000) << black << 1;
    QTest::newRow("F9999a h") << "F9999a" << "h" << 3000.0 << QColor(0x008000) << black << 1;
    QTest::newRow("F9999a k") << "F9999a" << "k" << 1125.0 << yellow << black << 1;
    // The thousands period: each period's border colour around the place's fill.
    QTest::newRow("Periodo1 dak") << "Periodo1" << "dak" << 1965.0 << yellow << QColor(0xFF0000) << 5;
    QTest::newRow("Periodo1 uk") << "Periodo1" << "uk" << 3165.0 << yellow << QColor(0x0000C0) << 5;
    QTest::newRow("Periodo3 u") << "Periodo3" << "u" << 7395.0 << QColor(0x0000FF) << QColor(0x000080) << 5;
}

void TestPalline::designedFrame()
{
    QFETCH(QString, window);
    QFETCH(QString, suffix);
    QFETCH(double, rodX);
    QFETCH(QColor, fill);
    QFETCH(QColor, border);
    QFETCH(int, borderWidth);
    test::TestRun run;
    Frame frame(window);
    const auto rods = frame.form->controlArray(QStringLiteral("FiloOrtix"));
    QCOMPARE(rods.size(), frame.layout->places.size());
    QCOMPARE(qobject_cast<LineControl *>(rods.back())->borderWidth(), 3);
    QCOMPARE(frame.palline->separator()->borderWidth(), 1);
    const auto beads = frame.form->controlArray(QStringLiteral("pal_") + suffix);
    QCOMPARE(beads.size(), std::size_t(9));
    for (Control *c : beads) {
        auto *bead = qobject_cast<ShapeControl *>(c);
        QCOMPARE(bead->shape(), ShapeKind::Circle);
        QCOMPARE(bead->fillColor(), fill);
        QCOMPARE(bead->borderColor(), border);
        QCOMPARE(bead->borderWidth(), borderWidth);
        QCOMPARE(bead->left() + bead->width() / 2, rodX);
        QVERIFY(bead->visible());
    }
}

void TestPalline::mostraNumero_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("number");
    QTest::addColumn<QList<int>>("counts");
    QTest::newRow("0 empties") << "Form999a" << 0 << QList<int>{0, 0, 0};
    QTest::newRow("1000") << "F9999a" << 1000 << QList<int>{1, 0, 0, 0};
    QTest::newRow("999999") << "Periodo1" << 999999 << QList<int>{9, 9, 9, 9, 9, 9};
    QTest::newRow("205006") << "Periodo1" << 205006 << QList<int>{2, 0, 5, 0, 0, 6};
    QTest::newRow("units") << "Form4" << 7 << QList<int>{7};
    QTest::newRow("tens") << "Form99b" << 90 << QList<int>{9, 0};
}

void TestPalline::mostraNumero()
{
    QFETCH(QString, window);
    QFETCH(int, number);
    QFETCH(QList<int>, counts);
    test::TestRun run;
    Frame frame(window);
    frame.palline->NascondiPalline();
    QCOMPARE(frame.shown(), QList<int>(counts.size(), 0));
    frame.palline->MostraNumero(number);
    QCOMPARE(frame.counts(), counts);
    QCOMPARE(frame.shown(), counts);
    QCOMPARE(frame.palline->numero(), number);
}

void TestPalline::stacking_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("size");
    QTest::addColumn<double>("separatorY");
    // Form999a's rods run from 1500 to 6840: 5340 twips, beads of
    // floor(5340 / 9) = 593, the separator between the fifth and the sixth.
    QTest::newRow("Form999a sizing") << "Form999a" << 593.0 << 593.0 << 6240.0 - 4 * 593.0;
    // Form99a's units rod has its beads 3 and 6 at 4650 and 2850 by design.
    QTest::newRow("Form99a fixed") << "Form99a" << 600.0 << 600.0 << 4080.0;
    QTest::newRow("Form99b stacking") << "Form99b" << 600.0 << 600.0 << 2640.0;
    QTest::newRow("Form4 none") << "Form4" << -1.0 << 705.0 << 3600.0;
}

void TestPalline::stacking()
{
    QFETCH(QString, window);
    QFETCH(double, step);
    QFETCH(double, size);
    QFETCH(double, separatorY);
    test::TestRun run;
    Frame frame(window);
    Palline &p = *frame.palline;
    std::vector<double> designed;
    for (int i = 0; i < 9; ++i) {
        designed.push_back(p.bead(Place::u, i)->top());
    }
    p.ImpilaPalline();
    QCOMPARE(p.isLaidOut(), step > 0);
    const double t0 = p.bead(Place::u, 0)->top();
    QCOMPARE(t0, designed[0]);
    for (Place place : frame.layout->places) {
        for (int i = 0; i < 9; ++i) {
            const ShapeControl *bead = p.bead(place, i);
            QCOMPARE(bead->top(), step < 0 ? designed[std::size_t(i)] : t0 - i * step);
            QCOMPARE(bead->height(), size);
            QCOMPARE(bead->width(), size);
            QCOMPARE(bead->left() + size / 2, p.rod(place)->x1());
        }
    }
    QCOMPARE(p.separator()->y1(), separatorY);
    QCOMPARE(p.separator()->y2(), separatorY);
    if (window == QLatin1String("Form99a")) {
        QCOMPARE(designed[3], 4650.0);
        QCOMPARE(p.bead(Place::u, 3)->top(), 4680.0);
    }
}

QTEST_MAIN(TestPalline)
#include "test_palline.moc"
