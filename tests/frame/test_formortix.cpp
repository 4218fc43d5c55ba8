#include "PupilHands.h"

#include "app/Main.h"
#include "app/SingleInstance.h"
#include "base/ProgramFolder.h"
#include "base/SharedState.h"
#include "frame/Formortix.h"
#include "frame/FrameLayout.h"
#include "frame/FrameSettings.h"
#include "lang/LanguageSupport.h"
#include "ui/Forms.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sys/stat.h>

using namespace ortix;
using namespace ortix::ui;

namespace {

const FrameSettings kDefaults{6, 9};

QString id(const char *stringId)
{
    return lang::MLSGetString(QString::fromLatin1(stringId));
}

QString settingsFile(const test::TestRun &run, const char *name = "ortix.INI")
{
    return QDir(run.frameSettingsFolder()).filePath(QString::fromLatin1(name));
}


// The printed picture's colour at a point of the client area, in twips.
QColor printedAt(const test::TestRun &run, const Form &form, QPointF twips)
{
    const QImage &page = run.fakes.printing->lastPage;
    return page.pixelColor((twips * (page.width() / form.scaleWidth())).toPoint());
}

} // namespace

class TestFormortix : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerAllForms(); }
    void firstStart();
    void settingsSurviveARestartAndThePanelsEsci();
    void beadsAreReadAloud();
    // The settings file, which comes from outside the program: however large
    // or strange it is, reading it takes bounded time and memory, and a file
    // that is no settings file gives the defaults.
    void load_data();
    void load();
    void everyValidSettingRoundTrips();
    void notOrdinaryFiles();
};

// The frame as it first opens from the menu; clicks put beads on and take
// them off, with sounds; the page printed; the layout follows the window's
// size and the number of rods.
void TestFormortix::firstStart()
{
    // Worked by hand: step = width / (rods + 1) in single precision, rod r at
    // Int((rods + 1 - r) * step); beads never thinner than one twip.
    const QList<int> designX{9205, 7671, 6137, 4602, 3068, 1534};
    for (int r = 1; r <= 6; ++r) {
        QCOMPARE(rodX(10740, 6, r), designX.at(r - 1));
    }
    QCOMPARE(rodX(12000, 1, 1), 6000);
    QCOMPARE(beadSide(6957, 18), 386);
    QCOMPARE(beadSide(5, 9), 1);

    test::TestRun run;
    run.copyShippedLanguageFiles();
    auto *frame = qobject_cast<Formortix *>(test::openRoute(Forms::open(QStringLiteral("FormMenu"), nullptr), test::kFreeFrame));
    QVERIFY(frame);
    QCOMPARE(frame->width(), 15360.0);

    // The read-me: the three texts of the language in UTF-8, a blank line
    // between them.
    QVERIFY(!id("0041").isEmpty());
    QCOMPARE(run.readFile(settingsFile(run, "leggimi.txt")),
             (id("0041") + "\r\n \r\n" + id("0042") + "\r\n \r\n" + id("0043") + "\r\n").toUtf8());
    QVERIFY(!QFile::exists(settingsFile(run)));

    QCOMPARE(test::frameRodsShown(*frame), 6);
    QVERIFY(!frame->control(QStringLiteral("FiloOrtix"), 0)->visible());
    // The rod buttons show the colours of the beads' table as flat fills, as
    // the printed page does, under the program's style.
    QApplication::setStyle(QStringLiteral("Fusion"));
    const std::pair<const char *, QRgb> buttons[] = {{"u", 0x0000FF},  {"da", 0xFF0000},  {"h", 0x008000},
                                                     {"uk", 0x00FFFF}, {"dak", 0xFFC080}, {"hk", 0x80FF80}};
    for (int r = 1; r <= 6; ++r) {
        const Control *button = frame->control(QStringLiteral("Command2"), r);
        QCOMPARE(button->caption(), QString::fromLatin1(buttons[r - 1].first));
        const QImage shot = button->widget()->grab().toImage();
        QCOMPARE(shot.pixelColor(3, shot.height() / 2), QColor(buttons[r - 1].second));
    }
    QCOMPARE(frame->control(QStringLiteral("Command2"), 1)->widget()->cursor().shape(), Qt::BitmapCursor);

    test::clickFrameRod(*frame, 1, Qt::LeftButton, 10);
    QCOMPARE(test::frameBeadRun(*frame, 1), 9);
    QCOMPARE(run.fakes.sounds->played.size(), 9);
    QVERIFY(run.fakes.sounds->played.at(0).endsWith(QStringLiteral("suoni/pop1.wav")));
    QCOMPARE(run.fakes.messages->shown.size(), std::size_t(1));
    const auto &full = run.fakes.messages->shown[0];
    QCOMPARE(std::tuple(full.text, full.title, full.icon, full.buttons),
             std::tuple(id("0026"), QStringLiteral("Utilizzo dell'ortix"), MsgIcon::Critical, MsgButtons::Ok));

    // The right button takes the top bead; the left one puts it back in place.
    const QPointF place(frame->pallina(1, 8)->left(), frame->pallina(1, 8)->top());
    test::clickFrameRod(*frame, 1, Qt::RightButton);
    QVERIFY(!frame->pallina(1, 8)->visible());
    QVERIFY(run.fakes.sounds->played.last().endsWith(QStringLiteral("suoni/blip01.wav")));
    test::clickFrameRod(*frame, 1, Qt::LeftButton);
    QVERIFY(frame->pallina(1, 8)->visible());
    QCOMPARE(QPointF(frame->pallina(1, 8)->left(), frame->pallina(1, 8)->top()), place);
    test::clickFrameRod(*frame, 1, Qt::MiddleButton);
    QCOMPARE(test::frameBeadRun(*frame, 1), 8);
    // The mouse's back and forward buttons take a bead too, never add one.
    test::clickFrameRod(*frame, 1, Qt::BackButton);
    test::clickFrameRod(*frame, 1, Qt::ForwardButton);
    QCOMPARE(test::frameBeadRun(*frame, 1), 6);

    run.fakes.messages->shown.clear();
    run.fakes.sounds->played.clear();
    test::clickFrameRod(*frame, 2, Qt::RightButton);
    QCOMPARE(run.fakes.messages->shown.size(), std::size_t(1));
    QCOMPARE(run.fakes.messages->shown[0].text, id("0027"));
    QVERIFY(run.fakes.sounds->played.isEmpty());

    test::chooseMenu(frame, QStringLiteral("mnuSvuota"));
    QCOMPARE(test::frameBeadRun(*frame, 1), 0);
    QCOMPARE(run.fakes.sounds->played, QStringList{programFile(QStringLiteral("suoni/up05.wav"))});

    shared().SuoniAttivati = false;
    test::clickFrameRod(*frame, 2, Qt::LeftButton, 2);
    test::clickFrameRod(*frame, 2, Qt::RightButton);
    test::chooseMenu(frame, QStringLiteral("mnuSvuota"));
    QCOMPARE(run.fakes.sounds->played.size(), 1);
    // The voice is off unless the pupil switches it on.
    QVERIFY(run.fakes.speech->said.empty());
    run.fakes.messages->shown.clear();

    // The page shows the frame on white paper: the red bead of rod 2 (beside
    // its rod), the blue button of rod 1. One page, and the window's own
    // colour back afterwards: test_faults_services.
    test::clickFrameRod(*frame, 2, Qt::LeftButton);
    test::chooseMenu(frame, QStringLiteral("mnuStampa"));
    QCOMPARE(run.fakes.printing->files.size(), 1);
    QVERIFY(run.fakes.messages->shown.empty());
    const Control *bead = frame->pallina(2, 0);
    const QPointF inBead(bead->left() + bead->width() / 4, bead->top() + bead->height() / 2);
    QCOMPARE(printedAt(run, *frame, QPointF(30, 30)), QColor(Qt::white));
    QCOMPARE(printedAt(run, *frame, inBead), QColor(0xFF, 0x00, 0x00));
    QCOMPARE(printedAt(run, *frame, inBead - QPointF(0, bead->height())), QColor(Qt::white));
    const Control *button = frame->control(QStringLiteral("Command2"), 1);
    QCOMPARE(printedAt(run, *frame, QPointF(button->left() + 60, button->top() + 60)), QColor(0x00, 0x00, 0xFF));
    const Control *rod = frame->control(QStringLiteral("FiloOrtix"), 3);
    QCOMPARE(printedAt(run, *frame, QPointF(rod->x1(), rod->y1() + 200)), QColor(Qt::black));
    // A page kept as a PDF file is named in a message.
    QCOMPARE(pdfFileName(QStringLiteral("ortix"), QDateTime(QDate(2026, 12, 6), QTime(15, 30, 59))),
             QStringLiteral("ortix-2026-12-06-1530.pdf"));
    run.fakes.printing->answer = PrintOutcome::SavedAsPdf;
    test::chooseMenu(frame, QStringLiteral("mnuStampa"));
    QCOMPARE(run.fakes.messages->shown.size(), std::size_t(1));
    const auto &told = run.fakes.messages->shown[0];
    QCOMPARE(told.icon, MsgIcon::Information);
    QVERIFY(!id("0060").isEmpty() && told.text.startsWith(id("0060")));
    QVERIFY(told.text.endsWith(QDir::toNativeSeparators(run.fakes.printing->files.at(1))));

    // A resize keeps the beads, laid out for the new width:
    // 6 rods on 12000 twips, rod 1 at Int(6 * 12000 / 7) = 10285.
    test::clickFrameRod(*frame, 1, Qt::LeftButton, 3);
    frame->setWidth(12000);
    QCOMPARE(frame->width(), 12000.0);
    QCOMPARE(test::frameBeadRun(*frame, 1), 3);
    const Control *rod1 = frame->control(QStringLiteral("FiloOrtix"), 1);
    QCOMPARE(rod1->x1(), 10285.0);
    QCOMPARE(frame->pallina(1, 2)->left() + frame->DimPallina() / 2.0, 10285.0);
    QCOMPARE(frame->pallina(1, 2)->top() + 3 * frame->DimPallina(), rod1->y2());

    // 3 rods: step 3000, rods at 9000, 6000 and 3000; "Conferma" empties.
    test::configureFrame(*frame, 3, 9);
    QCOMPARE(test::frameRodsShown(*frame), 3);
    QCOMPARE(test::frameBeadRun(*frame, 1), 0);
    const double xs[] = {9000, 6000, 3000};
    for (int r = 1; r <= 3; ++r) {
        const Control *button = frame->control(QStringLiteral("Command2"), r);
        QCOMPARE(frame->control(QStringLiteral("FiloOrtix"), r)->x1(), xs[r - 1]);
        QCOMPARE(frame->control(QStringLiteral("FiloOrtix"), r)->x2(), xs[r - 1]);
        QCOMPARE(button->left(), xs[r - 1] - std::floor(button->width() / 2));
    }
    test::clickFrameRod(*frame, 1, Qt::LeftButton);
    QCOMPARE(frame->pallina(1, 0)->left(), 9000 - frame->DimPallina() / 2.0);

    // Closing by the title bar keeps the settings.
    QVERIFY(QFile::remove(settingsFile(run)));
    frame->close();
    test::flushDeletes();
    QCOMPARE(run.readFile(settingsFile(run)), QByteArray("3\r\n9\r\n"));
}

void TestFormortix::settingsSurviveARestartAndThePanelsEsci()
{
    test::TestRun run;
    run.copyShippedLanguageFiles();
    // A settings folder made by hand, without the read-me: the read-me is
    // added and the settings kept.
    QVERIFY(QDir().mkpath(QFileInfo(settingsFile(run)).path()));
    run.writeFile(settingsFile(run), "2\r\n7\r\n");
    auto *frame = qobject_cast<Formortix *>(Forms::open(QStringLiteral("Formortix"), nullptr));
    QVERIFY(QFile::exists(settingsFile(run, "leggimi.txt")));
    QCOMPARE(test::frameRodsShown(*frame), 2);
    QCOMPARE(frame->PallinePerFilo(), 7);

    test::configureFrame(*frame, 4, 11);
    QVERIFY(!frame->control(QStringLiteral("Frame1"))->visible());
    QCOMPARE(run.readFile(settingsFile(run)), QByteArray("4\r\n18\r\n"));
    QCOMPARE(test::frameRodsShown(*frame), 4);
    QCOMPARE(frame->control(QStringLiteral("Command2"), 1)->caption(), QString());

    // 18 beads fill a rod, each on the one below; the 19th is refused.
    test::clickFrameRod(*frame, 4, Qt::LeftButton, 19);
    QCOMPARE(test::frameBeadRun(*frame, 4), 18);
    const Control *rod = frame->control(QStringLiteral("FiloOrtix"), 4);
    QCOMPARE(frame->pallina(4, 17)->top(), rod->y1());
    QCOMPARE(frame->pallina(4, 0)->top() + frame->DimPallina(), rod->y2());

    // The panel shows the settings in force; leaving it by "Esci" keeps them.
    test::chooseMenu(frame, QStringLiteral("mnuConfigura"));
    QCOMPARE(frame->control(QStringLiteral("Label2"))->caption(), QStringLiteral("4"));
    QCOMPARE(frame->control(QStringLiteral("HScroll2"))->value(), 11);
    QCOMPARE(frame->control(QStringLiteral("Label4"))->caption(), id("0038"));
    test::scrollArrow(*frame, "HScroll2", false);
    QCOMPARE(frame->control(QStringLiteral("Label4"))->caption(), QStringLiteral("10"));
    run.fakes.messages->answers = {MsgAnswer::No};
    test::chooseMenu(frame, QStringLiteral("mnuEsci"));
    QCOMPARE(run.fakes.messages->shown.back().text, id("0001"));
    QCOMPARE(Forms::find(QStringLiteral("Formortix")), frame);
    QVERIFY(test::leaveWindow(frame, *run.fakes.messages));
    QCOMPARE(run.readFile(settingsFile(run)), QByteArray("4\r\n18\r\n"));

    frame = qobject_cast<Formortix *>(Forms::open(QStringLiteral("Formortix"), nullptr));
    QCOMPARE(frame->PallinePerFilo(), 18);
    QCOMPARE(test::frameRodsShown(*frame), 4);
    QCOMPARE(test::frameBeadRun(*frame, 4), 0);
}

// With the voice on, every bead put on or taken off is followed by the
// number the beads show, in the number words' language (each language's
// voice is checked in the exercise windows, which read through the same rule).
void TestFormortix::beadsAreReadAloud()
{
    test::TestRun run;
    SingleInstance instance(run.lockPath());
    Form *menu = test::startProgramWithVoice(run, instance, QStringLiteral("Deutsch"));
    QVERIFY(menu);
    auto *frame = qobject_cast<Formortix *>(test::openRoute(menu, test::kFreeFrame));
    QVERIFY(frame);
    test::clickFrameRod(*frame, 2, Qt::LeftButton, 3);
    test::clickFrameRod(*frame, 1, Qt::LeftButton);
    test::clickFrameRod(*frame, 2, Qt::RightButton);
    test::clickFrameRod(*frame, 6, Qt::LeftButton);
    const QStringList expected{"10/German", "20/German", "30/German", "31/German", "21/German", "100021/German"};
    QCOMPARE(run.fakes.speech->heard(), expected);
    // A click that changes no bead, and emptying the frame, read nothing.
    test::clickFrameRod(*frame, 3, Qt::RightButton);
    test::chooseMenu(frame, QStringLiteral("mnuSvuota"));
    QCOMPARE(run.fakes.speech->heard(), expected);
    QVERIFY(test::leaveWindow(frame, *run.fakes.messages));
}

// Rods 1 to 6; beads 1 to 10 or 18; anything else gives the defaults 6 and 9.
void TestFormortix::load_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<FrameSettings>("expected");
    const auto rows = [](FrameSettings expected, std::initializer_list<QByteArray> files) {
        for (const QByteArray &bytes : files) {
            QTest::addRow("%d,%d from %s", expected.NumeroFili, expected.PallinePerFilo, bytes.left(24).toPercentEncoding().constData())
                << bytes << expected;
        }
    };
    // Any line end or none, a comma, a tab, blanks, empty lines, plus signs,
    // text after the two numbers, a byte order mark.
    rows({4, 18}, {"4\r\n18\r\n", "4\r\n18", "+4\r\n+18\r\n", "\xEF\xBB\xBF" "4\r\n18\r\n"});
    rows({6, 10}, {"6\n10\n"});
    rows({2, 5}, {"2\r5\r"});
    rows({3, 7}, {"3,7", "3\t7"});
    rows({5, 10}, {"  5  \r\n  10  \r\n"});
    rows({1, 1}, {"\r\n\r\n1\r\n\r\n1\r\n"});
    rows({3, 9}, {"3\r\n9\r\nhello"});
    // One number, text, digits then text, rods or beads out of range (11 is
    // the scroll position of 18 beads), a huge number, a sign alone, a NUL
    // inside a number or before the numbers, UTF-16.
    rows(kDefaults, {"", "4\r\n", "4\r\nabc\r\n", "4x\r\n9\r\n", "0\r\n9\r\n", "7\r\n9\r\n", "-3\r\n9\r\n",
                     "4\r\n0\r\n", "4\r\n11\r\n", "4\r\n17\r\n", "4\r\n19\r\n", "99999999999999999999\r\n9\r\n",
                     "+\r\n9\r\n", QByteArray("4\0" "5\r\n", 5), QByteArray(100, '\0') + "4\r\n5\r\n",
                     QByteArray("\xFF\xFE" "4\0\r\0\n\0" "5\0", 10)});
    rows({4, 5}, {QByteArray("4\r\n5\r\n") + QByteArray(60000, '\0')});
    // One line without line end, at the bound (64 KiB) and one byte past it.
    const qsizetype bound = kFrameSettingsMaxBytes;
    rows({2, 7}, {"2,7," + QByteArray(bound - 4, 'x')});
    rows({5, 10}, {QByteArray(bound - 4, ' ') + "5 10"});
    rows(kDefaults, {"2,7," + QByteArray(bound - 3, 'x'), "3," + QByteArray(bound - 2, '4'),
                     QByteArray(4 * 1024 * 1024, '1')});
    // Noise after the numbers, or alone.
    QByteArray noise;
    for (int i = 0; i < 5000; ++i) {
        noise += char((i * 131 + 7) % 256);
    }
    rows({1, 18}, {"1,18," + noise});
    rows(kDefaults, {noise});
}

void TestFormortix::load()
{
    QFETCH(QByteArray, bytes);
    QFETCH(FrameSettings, expected);
    QTemporaryDir dir;
    const QString path = test::writeFileIn(dir.path(), QStringLiteral("ortix.INI"), bytes);
    QVERIFY(!path.isEmpty());
    QCOMPARE(loadFrameSettings(path), expected);
    // A file that cannot be read gives the defaults (whoever may read any
    // file, root, reads it all the same).
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    if (!QFile(path).open(QIODevice::ReadOnly)) {
        QCOMPARE(loadFrameSettings(path), kDefaults);
    }
}

// 18 beads are written as 18, not as the scroll position 11.
void TestFormortix::everyValidSettingRoundTrips()
{
    QCOMPARE(frameSettingsText(FrameSettings{4, 18}), QByteArray("4\r\n18\r\n"));
    for (int rods = 1; rods <= 6; ++rods) {
        for (int beads : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 18}) {
            const FrameSettings settings{rods, beads};
            QCOMPARE(parseFrameSettings(frameSettingsText(settings)), settings);
        }
    }
}

// No file, 300 MB that use no disk (a hole, read as NUL bytes: neither read
// whole nor kept), an endless device and a pipe nobody writes to: each gives
// the defaults at once, in little memory. (The frame reads its file through
// loadFrameSettings.)
void TestFormortix::notOrdinaryFiles()
{
    QCOMPARE(loadFrameSettings(QString()), kDefaults);
    QTemporaryDir dir;
    const qint64 size = qint64(300) * 1024 * 1024;
    const QString sparse = test::sparseFile(dir.path(), QStringLiteral("sparse.INI"), "3\r\n18\r\n", size);
    QCOMPARE(QFileInfo(sparse).size(), size);
    const QString device = dir.filePath(QStringLiteral("device.INI"));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), device));
    const QString pipe = dir.filePath(QStringLiteral("pipe.INI"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const qint64 before = test::peakMemoryMiB();
    for (const QString &path : {dir.filePath(QStringLiteral("none.INI")), sparse, device, pipe}) {
        QCOMPARE(readSmallFile(path, kFrameSettingsMaxBytes), std::nullopt);
        QCOMPARE(loadFrameSettings(path), kDefaults);
    }
    QVERIFY(test::peakMemoryMiB() - before < 32);
}

QTEST_MAIN(TestFormortix)
#include "test_formortix.moc"
