#include "PupilHands.h"
#include "TestSupport.h"

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
#include <QTest>

using namespace ortix;
using namespace ortix::ui;

namespace {

QString id(const char *stringId)
{
    return lang::MLSGetString(QString::fromLatin1(stringId));
}

QString settingsFile(const test::TestRun &run, const char *name = "ortix.INI")
{
    return QDir(run.frameSettingsFolder()).filePath(QString::fromLatin1(name));
}

Formortix *openFrame()
{
    registerAllForms();
    return qobject_cast<Formortix *>(Forms::open(QStringLiteral("Formortix"), nullptr));
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
    void firstStart();
    void settingsSurviveARestartAndThePanelsEsci();
    void layoutFollowsTheWindow();
    void clicksAddAndRemoveBeadsWithSounds();
    void beadsAreReadAloud_data();
    void beadsAreReadAloud();
    void printsTheFrameOnWhite();
};

void TestFormortix::firstStart()
{
    test::TestRun run;
    run.copyShippedLanguageFiles();
    registerAllForms();
    auto *frame = qobject_cast<Formortix *>(test::openRoute(Forms::open(QStringLiteral("FormMenu"), nullptr), test::kFreeFrame));
    QVERIFY(frame);
    QCOMPARE(frame->width(), 15360.0);

    QVERIFY(!id("0041").isEmpty());
    QCOMPARE(run.readFile(settingsFile(run, "leggimi.txt")), leggimiText(id("0041"), id("0042"), id("0043")));
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

    // Closing by the title bar keeps the settings.
    frame->close();
    test::flushDeletes();
    QCOMPARE(run.readFile(settingsFile(run)), QByteArray("6\r\n9\r\n"));
}

void TestFormortix::settingsSurviveARestartAndThePanelsEsci()
{
    test::TestRun run;
    run.copyShippedLanguageFiles();
    // A settings folder made by hand, without the read-me: the read-me is
    // added and the settings kept.
    QVERIFY(QDir().mkpath(QFileInfo(settingsFile(run)).path()));
    run.writeFile(settingsFile(run), "2\r\n7\r\n");
    Formortix *frame = openFrame();
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

    frame = openFrame();
    QCOMPARE(frame->PallinePerFilo(), 18);
    QCOMPARE(test::frameRodsShown(*frame), 4);
    QCOMPARE(test::frameBeadRun(*frame, 4), 0);
}

void TestFormortix::layoutFollowsTheWindow()
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
    Formortix *frame = openFrame();
    // A resize keeps the beads, laid out for the new width:
    // 6 rods on 12000 twips, rod 1 at Int(6 * 12000 / 7) = 10285.
    test::clickFrameRod(*frame, 1, Qt::LeftButton, 3);
    frame->setWidth(12000);
    QCOMPARE(frame->width(), 12000.0);
    QCOMPARE(test::frameBeadRun(*frame, 1), 3);
    const Control *rod = frame->control(QStringLiteral("FiloOrtix"), 1);
    QCOMPARE(rod->x1(), 10285.0);
    QCOMPARE(frame->pallina(1, 2)->left() + frame->DimPallina() / 2.0, 10285.0);
    QCOMPARE(frame->pallina(1, 2)->top() + 3 * frame->DimPallina(), rod->y2());

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
}

void TestFormortix::clicksAddAndRemoveBeadsWithSounds()
{
    test::TestRun run;
    run.copyShippedLanguageFiles();
    Formortix *frame = openFrame();
    test::clickFrameRod(*frame, 1, Qt::LeftButton, 10);
    QCOMPARE(test::frameBeadRun(*frame, 1), 9);
    QCOMPARE(run.fakes.sounds->played.size(), 9);
    QVERIFY(run.fakes.sounds->played.at(0).endsWith(QStringLiteral("suoni/pop1.wav")));
    QCOMPARE(run.fakes.messages->shown.size(), std::size_t(1));
    const auto &full = run.fakes.messages->shown[0];
    QCOMPARE(full.text, id("0026"));
    QCOMPARE(full.title, QStringLiteral("Utilizzo dell'ortix"));
    QCOMPARE(full.icon, MsgIcon::Critical);
    QCOMPARE(full.buttons, MsgButtons::Ok);

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
}

void TestFormortix::beadsAreReadAloud_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("voice");
    QTest::newRow("it") << "Italiano" << "Italian";
    QTest::newRow("en") << "English" << "English";
    QTest::newRow("fr") << QString::fromUtf8("Français") << "French";
    QTest::newRow("de") << "Deutsch" << "German";
    QTest::newRow("es") << QString::fromUtf8("Español") << "Spanish";
    QTest::newRow("sq") << "Shqip" << "Albanian";
}

// With the voice on, every bead put on or taken off is followed by the
// number the beads show, in the number words' language.
void TestFormortix::beadsAreReadAloud()
{
    QFETCH(QString, language);
    QFETCH(QString, voice);
    test::TestRun run;
    SingleInstance instance(run.lockPath());
    Form *menu = test::startProgramWithVoice(run, instance, language);
    QVERIFY(menu);
    auto *frame = qobject_cast<Formortix *>(test::openRoute(menu, test::kFreeFrame));
    QVERIFY(frame);
    test::clickFrameRod(*frame, 2, Qt::LeftButton, 3);
    test::clickFrameRod(*frame, 1, Qt::LeftButton);
    test::clickFrameRod(*frame, 2, Qt::RightButton);
    test::clickFrameRod(*frame, 6, Qt::LeftButton);
    QStringList expected;
    for (const char *number : {"10", "20", "30", "31", "21", "100021"}) {
        expected << QString::fromLatin1(number) + u'/' + voice;
    }
    QCOMPARE(run.fakes.speech->heard(), expected);
    // A click that changes no bead, and emptying the frame, read nothing.
    test::clickFrameRod(*frame, 3, Qt::RightButton);
    test::chooseMenu(frame, QStringLiteral("mnuSvuota"));
    QCOMPARE(run.fakes.speech->heard(), expected);
    QVERIFY(test::leaveWindow(frame, *run.fakes.messages));
}

// The page shows the frame on white paper; a page kept as a PDF file is
// named in a message.
void TestFormortix::printsTheFrameOnWhite()
{
    QCOMPARE(pdfFileName(QStringLiteral("ortix"), QDateTime(QDate(2026, 12, 6), QTime(15, 30, 59))),
             QStringLiteral("ortix-2026-12-06-1530.pdf"));
    test::TestRun run;
    run.copyShippedLanguageFiles();
    Formortix *frame = openFrame();
    test::clickFrameRod(*frame, 2, Qt::LeftButton);
    test::chooseMenu(frame, QStringLiteral("mnuStampa"));
    // One page, and the window's own colour back afterwards: test_faults_services.
    QCOMPARE(run.fakes.printing->files.size(), 1);
    QVERIFY(run.fakes.messages->shown.empty());

    // White paper, the red bead of rod 2 (beside its rod), the blue button of rod 1.
    const Control *bead = frame->pallina(2, 0);
    const QPointF inBead(bead->left() + bead->width() / 4, bead->top() + bead->height() / 2);
    QCOMPARE(printedAt(run, *frame, QPointF(30, 30)), QColor(Qt::white));
    QCOMPARE(printedAt(run, *frame, inBead), QColor(0xFF, 0x00, 0x00));
    QCOMPARE(printedAt(run, *frame, inBead - QPointF(0, bead->height())), QColor(Qt::white));
    const Control *button = frame->control(QStringLiteral("Command2"), 1);
    QCOMPARE(printedAt(run, *frame, QPointF(button->left() + 60, button->top() + 60)), QColor(0x00, 0x00, 0xFF));
    const Control *rod = frame->control(QStringLiteral("FiloOrtix"), 3);
    QCOMPARE(printedAt(run, *frame, QPointF(rod->x1(), rod->y1() + 200)), QColor(Qt::black));

    run.fakes.printing->answer = PrintOutcome::SavedAsPdf;
    test::chooseMenu(frame, QStringLiteral("mnuStampa"));
    QCOMPARE(run.fakes.messages->shown.size(), std::size_t(1));
    const auto &told = run.fakes.messages->shown[0];
    QCOMPARE(told.icon, MsgIcon::Information);
    QVERIFY(!id("0060").isEmpty());
    QVERIFY(told.text.startsWith(id("0060")));
    QVERIFY(told.text.endsWith(QDir::toNativeSeparators(run.fakes.printing->files.at(1))));
}

QTEST_MAIN(TestFormortix)
#include "test_formortix.moc"
