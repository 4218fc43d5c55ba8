#include "frame/FrameLayout.h"

#include <QTest>

using namespace ortix;

class TestFrameLayout : public QObject
{
    Q_OBJECT

private slots:
    void rodsAndBeads();
};

void TestFrameLayout::rodsAndBeads()
{
    // Worked by hand: step = width / (rods + 1), rod r at Int((rods + 1 - r) * step).
    const QList<int> designWidth{9205, 7671, 6137, 4602, 3068, 1534};
    for (int r = 1; r <= 6; ++r) {
        QCOMPARE(rodX(10740, 6, r), designWidth.at(r - 1));
    }
    QCOMPARE(rodX(1000, 2, 1), 666);
    QCOMPARE(rodX(12000, 1, 1), 6000);

    QCOMPARE(beadSide(6960, 9), 773);
    QCOMPARE(beadSide(6957, 18), 386);
    // A rod too short for its beads still gets beads one twip wide.
    QCOMPARE(beadSide(5, 9), 1);
    QCOMPARE(beadsOfFullRod(10), 10);
    QCOMPARE(beadsOfFullRod(18), 18);
    QCOMPARE(beadsForScrollPosition(11), 18);
    QCOMPARE(scrollPositionForBeads(18), 11);
    QCOMPARE(buttonLeftUnderRod(9000, 821.2), 8590.0);
}

QTEST_MAIN(TestFrameLayout)
#include "test_framelayout.moc"
