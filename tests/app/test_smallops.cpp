#include "TestSupport.h"

#include "base/Rnd.h"
#include "base/SmallOperations.h"
#include "lang/ProgramQuestions.h"

#include <QTest>

#include <algorithm>
#include <map>

using namespace ortix;

class TestSmallOperations : public QObject
{
    Q_OBJECT

private slots:
    void tastoMaiuscolo();
    void coloreACasoFollowsTheTable();
    void rndNeverReachesOne();
    void informationBox();
};

// a to z become capitals, the characters beside them stay (capitals and
// other letters pass unchanged: test_readforms types them); the caller's
// key changes as well.
void TestSmallOperations::tastoMaiuscolo()
{
    const std::pair<int, int> rows[] = {{'a', 'A'}, {'z', 'Z'}, {'`', '`'}, {'{', '{'}};
    for (const auto &[typed, expected] : rows) {
        qint16 key = qint16(typed);
        QCOMPARE(int(TastoMaiuscolo(key)), expected);
        QCOMPARE(int(key), expected);
    }
}

void TestSmallOperations::coloreACasoFollowsTheTable()
{
    setRnd(std::make_unique<FixedSeedRnd>(2024));
    std::map<quint32, int> counts;
    const int draws = 180000;
    for (int i = 0; i < draws; ++i) {
        ++counts[ColoreACaso()];
    }
    // Every entry comes up (that none lies outside the table the random
    // pupil checks on every window).
    QCOMPARE(counts.size(), std::size_t(13));
    // One entry is 1/18 of the draws: 10 000 here. Three entries, three times as often.
    QVERIFY(qAbs(counts[0xFFC0C0] - 10000) < 500);
    QVERIFY(qAbs(counts[0xFFC0FF] - 30000) < 900);
    QVERIFY(qAbs(counts[0xFF8080] - 20000) < 700);
    QVERIFY(qAbs(counts[0xFF00FF] - 10000) < 500);
}

void TestSmallOperations::rndNeverReachesOne()
{
    SeededRnd generator(7);
    std::vector<float> draws(200000);
    std::generate(draws.begin(), draws.end(), [&generator] { return generator.next(); });
    const auto [lowest, highest] = std::minmax_element(draws.begin(), draws.end());
    QVERIFY(*lowest >= 0.0f && *lowest < 0.001f);
    QVERIFY(*highest < 1.0f && *highest > 0.999f);
    // The same seed gives the same draws; randomize leaves a fixed seed alone.
    FixedSeedRnd a(99);
    FixedSeedRnd b(99);
    b.randomize();
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(a.next(), b.next());
    }
}

// The description's lines (empty and missing ones left out), a rule, then
// the credit line with the version.
void TestSmallOperations::informationBox()
{
    const std::pair<QByteArray, QString> rows[] = {
        {"0001=\"x\"", QString()},
        {"9996=\"a\"\r\n9997=\"b\"\r\n9998=\"c\"\r\n9999=\"d\"", "a\r\nb\r\nc\r\nd\r\n\r\n-----------------------\r\n"},
        {"9996=\"a\"\r\n9997=\"\"\r\n9999=\"d\"", "a\r\nd\r\n\r\n-----------------------\r\n"},
    };
    QVERIFY(creditLine().contains(QStringLiteral(ORTIX_VERSION)));
    for (const auto &[strings, description] : rows) {
        test::TestRun run;
        run.writeFile(QStringLiteral("LangSetting.ini"), "[Language]\r\nCurrentLanguage=Test\r\n");
        run.writeFile(QStringLiteral("Test.lng"), "[Strings]\r\n" + strings + "\r\n");
        MostraInformazioni();
        QCOMPARE(run.fakes.messages->shown.size(), std::size_t(1));
        const test::Shown information{description + creditLine(), "Utilizzo dell'ortix", ui::MsgButtons::Ok, ui::MsgIcon::Information};
        QCOMPARE(run.fakes.messages->shown[0], information);
    }
}

QTEST_MAIN(TestSmallOperations)
#include "test_smallops.moc"
