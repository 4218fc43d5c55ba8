// Files the program cannot write: a read-only program folder, a settings
// folder that cannot be made or written, a disk that fills up while a file
// is saved. The program goes on and no file is lost or left half-written.

#include "FaultSupport.h"
#include "PupilHands.h"
#include "TestSupport.h"

#include "app/SingleInstance.h"
#include "base/SharedState.h"
#include "frame/Formortix.h"
#include "lang/IniFile.h"
#include "lang/LanguageSupport.h"
#include "ui/Forms.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace ortix;
using namespace ortix::ui;

namespace {

// A window's caption in the shipped English file, read straight from it.
QString englishCaption(const test::TestRun &run, const QString &form)
{
    const QString file = QDir(run.folder()).filePath(QStringLiteral("English.lng"));
    return lang::MLSReadIni(file, form, form + QStringLiteral(".Caption")).value_or(QString());
}

// The main menu shows English, with the English number words.
void inEnglish(const test::TestRun &run, Form *menu)
{
    QCOMPARE(menu->caption(), englishCaption(run, QStringLiteral("FormMenu")));
    QVERIFY(menu->control(QStringLiteral("mnuLanguage"), test::languageItem(menu, QStringLiteral("English")))->checked());
    QCOMPARE(shared().LinguaNumeri, QStringLiteral("2"));
}

// A settings folder that holds its read-me and the settings 2 and 7.
void writeSettingsFolder(const test::TestRun &run)
{
    QVERIFY(QDir().mkpath(run.frameSettingsFolder()));
    run.writeFile(QDir(run.frameSettingsFolder()).filePath(QStringLiteral("leggimi.txt")), "leggimi\r\n");
    run.writeFile(QDir(run.frameSettingsFolder()).filePath(QStringLiteral("ortix.INI")), "2\r\n7\r\n");
}

enum class SettingsFault { RootReadOnly, FileInItsPlace, FolderReadOnly, SettingsFileIsAFolder };

} // namespace

class TestFaultsFiles : public QObject
{
    Q_OBJECT

private slots:
    void readOnlyProgramFolder();
    void settingsFolderRefused_data();
    void settingsFolderRefused();
    void fullDiskWhileSaving();
};

// The language chosen in the menu holds for the whole run, in every window,
// the number words included, while the program folder's LangSetting.ini
// stays as it was; the user's own file keeps the choice for the next start.
void TestFaultsFiles::readOnlyProgramFolder()
{
    test::TestRun run;
    run.copyShippedLanguageFiles();
    // The pupil's own folders stay writable; only the program's is not.
    QDir().mkpath(run.fakes.folders->settingsRoot());
    QDir().mkpath(run.fakes.folders->documents());
    QTemporaryDir lockFolder;
    // The pupil's own folders lie in "user".
    const QString before = test::folderSnapshot(run.folder(), QStringLiteral("user"));
    test::ObeyFilePermissions obey;
    test::setFolderWritable(run.folder(), false);

    SingleInstance instance(QDir(lockFolder.path()).filePath(QStringLiteral("ortix.lock")));
    Form *menu = test::startProgram(instance);
    QVERIFY(menu);
    test::chooseLanguage(menu, QStringLiteral("English"));
    inEnglish(run, menu);
    test::visitEveryWindow(menu, *run.fakes.messages, [&run](Form *window) {
        const QString caption = englishCaption(run, window->name());
        QVERIFY(caption.isEmpty() || window->caption() == caption);
        // In the words windows only the English words are right.
        test::workWindow(window);
    });
    QVERIFY(menu);
    inEnglish(run, menu);

    // The choice went to the user's own LangSetting.ini, and the next start
    // opens in it, the folder still read-only.
    QCOMPARE(test::readBytes(lang::userLangSettingPath()), QByteArray("[Language]\r\nCurrentLanguage=English\r\n"));
    test::startAfresh();
    SingleInstance again(QDir(lockFolder.path()).filePath(QStringLiteral("again.lock")));
    menu = test::startProgram(again);
    QVERIFY(menu);
    inEnglish(run, menu);

    test::setFolderWritable(run.folder(), true);
    // Nothing of the program's folder changed (LangSetting.ini included), and
    // nothing was left in it.
    QCOMPARE(test::folderSnapshot(run.folder(), QStringLiteral("user")), before);
}

void TestFaultsFiles::settingsFolderRefused_data()
{
    QTest::addColumn<SettingsFault>("fault");
    QTest::addColumn<int>("rods");
    QTest::addColumn<int>("beads");
    QTest::newRow("root refuses writing") << SettingsFault::RootReadOnly << 6 << 9;
    QTest::newRow("a file holds the folder's name") << SettingsFault::FileInItsPlace << 6 << 9;
    QTest::newRow("folder refuses writing") << SettingsFault::FolderReadOnly << 2 << 7;
    QTest::newRow("a folder holds the settings file's name") << SettingsFault::SettingsFileIsAFolder << 6 << 9;
}

// The free frame works as usual; what was on disk stays exactly as it was.
void TestFaultsFiles::settingsFolderRefused()
{
    QFETCH(SettingsFault, fault);
    QFETCH(int, rods);
    QFETCH(int, beads);
    test::ObeyFilePermissions obey;
    QString before;
    test::ProgramRun program([&](test::TestRun &run) {
        run.copyShippedLanguageFiles();
        const QString root = run.fakes.folders->settingsRoot();
        const QString folder = run.frameSettingsFolder();
        QVERIFY(QDir().mkpath(root));
        if (fault == SettingsFault::RootReadOnly) {
            test::setFolderWritable(root, false);
        } else if (fault == SettingsFault::FileInItsPlace) {
            run.writeFile(folder, "not a folder\r\n");
        } else if (fault == SettingsFault::FolderReadOnly) {
            writeSettingsFolder(run);
            test::setFolderWritable(folder, false);
        } else {
            QVERIFY(QDir().mkpath(QDir(folder).filePath(QStringLiteral("ortix.INI"))));
            run.writeFile(QDir(folder).filePath(QStringLiteral("leggimi.txt")), "leggimi\r\n");
        }
        before = test::folderSnapshot(root);
    });
    test::TestRun &run = program.run;
    Form *menu = program.menu;
    QVERIFY(menu);
    // Twice: what the first visit could not save does not come back half-done.
    for (int visit = 0; visit < 2; ++visit) {
        auto *frame = qobject_cast<Formortix *>(test::openRoute(menu, test::kFreeFrame));
        QVERIFY(frame);
        QCOMPARE(test::frameRodsShown(*frame), rods);
        QCOMPARE(frame->PallinePerFilo(), beads);
        test::configureFrame(*frame, 4, 5);
        QCOMPARE(test::frameRodsShown(*frame), 4);
        run.fakes.messages->shown.clear();
        test::clickFrameRod(*frame, 4, Qt::LeftButton, 6);
        QCOMPARE(test::frameBeadRun(*frame, 4), 5);
        QCOMPARE(run.fakes.messages->shown.size(), std::size_t(1));
        menu = test::leaveWindow(frame, *run.fakes.messages);
        QVERIFY(menu);
    }
    test::setFolderWritable(run.fakes.folders->settingsRoot(), true);
    test::setFolderWritable(run.frameSettingsFolder(), true);
    QCOMPARE(test::folderSnapshot(run.fakes.folders->settingsRoot()), before);
}

// LangSetting.ini and ortix.INI keep what they held; the choices made hold
// for the run.
void TestFaultsFiles::fullDiskWhileSaving()
{
    // Full from the first byte, or after three bytes.
    for (const int room : {0, 3}) {
        test::TestRun run;
        run.copyShippedLanguageFiles();
        writeSettingsFolder(run);
        QTemporaryDir lockFolder;
        const QString before = test::folderSnapshot(run.folder());

        SingleInstance instance(QDir(lockFolder.path()).filePath(QStringLiteral("ortix.lock")));
        Form *menu = test::startProgram(instance);
        QVERIFY(menu);
        {
            test::FullDisk full{rlim_t(room)};
            QVERIFY(full.active());
            QVERIFY(test::FullDisk::refusesWriting(run.folder(), 16));
            test::chooseLanguage(menu, QStringLiteral("English"));
        }
        inEnglish(run, menu);
        QCOMPARE(test::folderSnapshot(run.folder()), before);

        auto *frame = qobject_cast<Formortix *>(test::openRoute(menu, test::kFreeFrame));
        QVERIFY(frame);
        QCOMPARE(test::frameRodsShown(*frame), 2);
        {
            test::FullDisk full{rlim_t(room)};
            QVERIFY(test::FullDisk::refusesWriting(run.frameSettingsFolder(), 16));
            // "Conferma" saves, and so does leaving the window.
            test::configureFrame(*frame, 5, 3);
            QCOMPARE(test::frameRodsShown(*frame), 5);
            QCOMPARE(frame->PallinePerFilo(), 3);
            menu = test::leaveWindow(frame, *run.fakes.messages);
        }
        QVERIFY(menu);
        inEnglish(run, menu);
        QCOMPARE(test::folderSnapshot(run.folder()), before);

        frame = qobject_cast<Formortix *>(test::openRoute(menu, test::kFreeFrame));
        QVERIFY(frame);
        QCOMPARE(test::frameRodsShown(*frame), 2);
        QCOMPARE(frame->PallinePerFilo(), 7);
    }
}

QTEST_MAIN(TestFaultsFiles)
#include "test_faults_files.moc"
