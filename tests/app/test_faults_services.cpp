// The machine's own services failing the program: wave files missing or
// damaged, no audio device, no speech engine, no printer. The windows go on
// as usual.

#include "PupilHands.h"
#include "TestSupport.h"

#include "base/SharedState.h"
#include "frame/Formortix.h"
#include "ui/Forms.h"
#include "ui/QtSoundPlayer.h"
#include "ui/QtSpeech.h"
#include "ui/Services.h"

#include <QDir>
#include <QPrinterInfo>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

using namespace ortix;
using namespace ortix::ui;

namespace {

// The program's real player behind a list of what it was asked to play.
class ListeningPlayer : public SoundPlayer
{
public:
    void play(const QString &wavePath) override
    {
        asked.append(QFileInfo(wavePath).fileName());
        real.play(wavePath);
    }
    QtSoundPlayer real;
    QStringList asked;
};

enum class Waves { Missing, Empty, CutShort, Noise, Folders, Whole };

void putWaves(const test::TestRun &run, Waves kind)
{
    if (kind == Waves::Missing) {
        return;
    }
    const QDir suoni(QDir(run.folder()).filePath(QStringLiteral("suoni")));
    QVERIFY(QDir().mkpath(suoni.path()));
    QRandomGenerator noise(2024);
    const QDir shippedWaves(QStringLiteral(ORTIX_RUNTIME_DIR "/suoni"));
    const QStringList names = shippedWaves.entryList({QStringLiteral("*.wav")}, QDir::Files);
    QVERIFY(names.contains(QStringLiteral("no.wav")));
    for (const QString &name : names) {
        const QByteArray whole = test::readBytes(shippedWaves.filePath(name));
        QVERIFY(whole.size() > 1000);
        if (kind == Waves::Folders) {
            QVERIFY(QDir().mkpath(suoni.filePath(name)));
            continue;
        }
        // Cut short, the header promises more sound than the file holds.
        QByteArray bytes = kind == Waves::Whole ? whole : kind == Waves::CutShort ? whole.left(whole.size() / 2) : QByteArray();
        if (kind == Waves::Noise) {
            for (bytes = "RIFF"; bytes.size() < 4000;) {
                bytes.append(char(noise.bounded(256)));
            }
        }
        run.writeFile(suoni.filePath(name), bytes);
    }
    QCOMPARE(suoni.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), names);
}

} // namespace

class TestFaultsServices : public QObject
{
    Q_OBJECT

private slots:
    void wavesMissingOrDamaged_data();
    void wavesMissingOrDamaged();
    void noSpeechEngine();
    void noPrinter();
};

void TestFaultsServices::wavesMissingOrDamaged_data()
{
    QTest::addColumn<Waves>("waves");
    QTest::newRow("no folder suoni") << Waves::Missing;
    QTest::newRow("empty files") << Waves::Empty;
    QTest::newRow("cut short") << Waves::CutShort;
    QTest::newRow("noise") << Waves::Noise;
    QTest::newRow("folders in their place") << Waves::Folders;
    // The machine has no audio device: the whole files cannot be heard.
    QTest::newRow("whole files, no audio device") << Waves::Whole;
}

// Every window that sounds plays its sounds through the program's real
// player, which can play nothing here; scores and beads carry on.
void TestFaultsServices::wavesMissingOrDamaged()
{
    QFETCH(Waves, waves);
    test::ProgramRun program([waves](test::TestRun &run) {
        run.copyShippedLanguageFiles();
        putWaves(run, waves);
    });
    QVERIFY(program.menu);
    ListeningPlayer &player = *test::install<ListeningPlayer>(services().sounds);
    QVERIFY(shared().SuoniAttivati);
    test::visitEveryWindow(program.menu, *program.run.fakes.messages, [](Form *window) {
        test::workWindow(window);
        // The player's loading runs on while the pupil goes on.
        QCoreApplication::processEvents();
    });
    QCoreApplication::processEvents();
    QVERIFY(player.asked.contains(QStringLiteral("no.wav")));
    QVERIFY(player.real.cachedSoundCount() <= QtSoundPlayer::CacheLimit);
    if (waves != Waves::Whole) {
        // Nothing usable was handed on to the sound system.
        QCOMPARE(player.real.cachedSoundCount(), 0);
    }
    // Ending the program lets go of every sound without waiting for one.
    test::closeAllForms();
    services().sounds.reset();
}

// The voice switched on where no engine can speak (speech-dispatcher not
// installed or not running, so that nothing answers; no such plug-in):
// every window goes on as usual, nothing reaches an engine, and the speech
// thread ends with the service.
void TestFaultsServices::noSpeechEngine()
{
    // Engines are handed plain digits, which they read as one number in all
    // six languages; with the locale's group separators several of them
    // read the groups one by one.
    for (QLocale::Language language : {QLocale::Italian, QLocale::English, QLocale::French, QLocale::German,
                                       QLocale::Spanish, QLocale::Albanian}) {
        QCOMPARE(QtSpeech::spokenText(345678, QLocale(language)), QStringLiteral("345678"));
        QCOMPARE(QtSpeech::spokenText(0, QLocale(language)), QStringLiteral("0"));
    }
    for (const QString &engine : {QStringLiteral("speechd"), QStringLiteral("ortix-no-such-engine")}) {
        test::ProgramRun program;
        QVERIFY(program.menu);
        // An address where no speech-dispatcher listens (left to itself, the
        // plug-in would start one with the user's settings).
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + QDir(program.run.folder()).filePath(QStringLiteral("none.sock")).toLocal8Bit());
        QtSpeech &speech = *test::install<QtSpeech>(services().speech, engine);
        test::clickCheckBox(program.menu->control(QStringLiteral("Check2")));
        QVERIFY(shared().VoceAttivata);
        // Every window: the voice is heard through their common frames.
        test::visitEveryWindow(program.menu, *program.run.fakes.messages, test::workWindow);
        QVERIFY2(!speech.engineFound(), qPrintable(engine));
        QCOMPARE(speech.handedToEngine(), QStringList());
        // The program's end: the thread goes while the application still
        // exists (after it, the engine's plug-in is already unloaded).
        QVERIFY(speech.threadRunning());
        QTimer::singleShot(0, QCoreApplication::instance(), [] { QCoreApplication::exit(0); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!speech.threadRunning());
        test::closeAllForms();
        services().speech.reset();
        qunsetenv("SPEECHD_ADDRESS");
    }
}

// With no printer the page is kept as a PDF in the pupil's documents; where
// even that folder cannot be made, nothing is printed and nothing breaks.
void TestFaultsServices::noPrinter()
{
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        QSKIP("a printer is installed here; the page would really be printed");
    }
    test::ProgramRun program;
    QVERIFY(program.menu);
    test::TestRun &run = program.run;
    services().printing = std::make_unique<SystemPrinting>();
    auto *frame = qobject_cast<Formortix *>(test::openRoute(program.menu, test::kFreeFrame));
    QVERIFY(frame);
    test::clickFrameRod(*frame, 1, Qt::LeftButton, 3);
    test::clickFrameRod(*frame, 2, Qt::LeftButton);

    const QDir documents(run.fakes.folders->documents());
    for (int printout = 1; printout <= 2; ++printout) {
        run.fakes.messages->shown.clear();
        test::chooseMenu(frame, QStringLiteral("mnuStampa"));
        const QStringList pdfs = documents.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        QCOMPARE(pdfs.size(), printout);
        QCOMPARE(run.fakes.messages->shown.size(), std::size_t(1));
        // The message names the file (how it reads is the frame's own concern).
        QVERIFY(pdfs.contains(QFileInfo(run.fakes.messages->shown.front().text.section(u'\n', -1)).fileName()));
        QCOMPARE(test::pdfPageCount(documents.filePath(pdfs.back())), 1);
        QCOMPARE(frame->backColor(), Formortix::kSfondo);
        QCOMPARE(QList({test::frameBeadRun(*frame, 1), test::frameBeadRun(*frame, 2)}), QList({3, 1}));
    }

    // A file where the documents folder should be.
    QVERIFY(QDir(documents.path()).removeRecursively());
    QVERIFY(QFile(documents.path()).open(QIODevice::WriteOnly));
    run.fakes.messages->shown.clear();
    test::chooseMenu(frame, QStringLiteral("mnuStampa"));
    QVERIFY(run.fakes.messages->shown.empty());
    QCOMPARE(frame->backColor(), Formortix::kSfondo);
    test::clickFrameRod(*frame, 1, Qt::LeftButton);
    QCOMPARE(test::frameBeadRun(*frame, 1), 4);
    QVERIFY(test::leaveWindow(frame, *run.fakes.messages));
}

QTEST_MAIN(TestFaultsServices)
#include "test_faults_services.moc"
