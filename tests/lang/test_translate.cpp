#include "TestSupport.h"

#include "base/SharedState.h"
#include "lang/LanguageSupport.h"
#include "lang/NumberVoice.h"
#include "lang/TranslateForm.h"
#include "ui/Form.h"

#include <QTest>

using namespace ortix;
using namespace ortix::ui;

namespace {

FormBlueprint sampleDesign()
{
    return test::sampleForm({
        label(QStringLiteral("Label2"), 100, 100, 1500, 300, QStringLiteral("zero")).at(0),
        label(QStringLiteral("Label2"), 100, 500, 1500, 300, QStringLiteral("uno")).at(1),
        button(QStringLiteral("Command1"), 3000, 3000, 1500, 600, QStringLiteral("Esci")),
        button(QStringLiteral("Command2"), 100, 3000, 1500, 600, QStringLiteral("Avanti")).withTip(QStringLiteral("suggerimento")),
        menuItem(QStringLiteral("mnuEsci"), QStringLiteral("Esci")),
    });
}

} // namespace

class TestTranslate : public QObject
{
    Q_OBJECT

private slots:
    void translatesCaptionsTipsAndTags();
    void getStringAndNumberLanguage_data();
    void getStringAndNumberLanguage();
    void elevenToNineteenParts();
    void whatTheVoiceReads_data();
    void whatTheVoiceReads();
};

void TestTranslate::translatesCaptionsTipsAndTags()
{
    test::TestRun run;
    run.writeFile(QStringLiteral("Prova.lng"), "[FormProva]\r\n"
                                               "FormProva.Caption=\"Test window\"\r\n"
                                               "FormProva.Tag=\"form tag\"\r\n"
                                               "Label2.Caption=\"not for array members\"\r\n"
                                               "Label2(1).Caption=\"one\"\r\n"
                                               "Command1.Caption=\"\"\r\n"
                                               "Command2.Caption=\"Next\"\r\n"
                                               "Command2.ToolTipText=\"hint\"\r\n"
                                               "Command2.Tag=\"@L\"\r\n"
                                               "mnuEsci.Caption=\"&Quit\"\r\n");
    shared().MLSCurrentLanguage = QStringLiteral("Prova");
    Form form(sampleDesign());
    lang::MLSTranslateForm(form);
    QCOMPARE(form.caption(), QStringLiteral("Test window"));
    QCOMPARE(form.tag(), QStringLiteral("form tag"));
    QCOMPARE(form.control(QStringLiteral("Label2"), 0)->caption(), QStringLiteral("zero"));
    QCOMPARE(form.control(QStringLiteral("Label2"), 1)->caption(), QStringLiteral("one"));
    QCOMPARE(form.control(QStringLiteral("Command1"))->caption(), QStringLiteral("Esci"));
    QCOMPARE(form.control(QStringLiteral("Command2"))->caption(), QStringLiteral("Next"));
    QCOMPARE(form.control(QStringLiteral("Command2"))->toolTipText(), QStringLiteral("hint"));
    QCOMPARE(form.control(QStringLiteral("Command2"))->widget()->toolTip(), QStringLiteral("hint"));
    QCOMPARE(form.control(QStringLiteral("Command2"))->tag(), QStringLiteral("@L"));
    QCOMPARE(form.control(QStringLiteral("mnuEsci"))->action()->text(), QStringLiteral("&Quit"));

    // A file without the keys: the window's own caption and tag are emptied,
    // the controls keep theirs. (Without any file every window keeps its
    // design: test_faults_language.)
    run.writeFile(QStringLiteral("Vuota.lng"), "[Strings]\r\n0001=\"x\"\r\n");
    shared().MLSCurrentLanguage = QStringLiteral("Vuota");
    Form bare(sampleDesign());
    bare.setTag(QStringLiteral("designed"));
    lang::MLSTranslateForm(bare);
    QCOMPARE(bare.caption(), QString());
    QCOMPARE(bare.tag(), QString());
    QCOMPARE(bare.control(QStringLiteral("Label2"), 1)->caption(), QStringLiteral("uno"));
    QCOMPARE(bare.control(QStringLiteral("Command2"))->toolTipText(), QStringLiteral("suggerimento"));
}

void TestTranslate::getStringAndNumberLanguage_data()
{
    QTest::addColumn<QByteArray>("strings");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blanks and case") << QByteArray("0000=\"  german \"") << "" << "4";
    QTest::newRow("unknown keeps the current one") << QByteArray("0000=\"KLINGON\"") << "3" << "3";
    QTest::newRow("unknown at start is Italian") << QByteArray("0000=\"KLINGON\"") << "" << "1";
}

void TestTranslate::getStringAndNumberLanguage()
{
    QFETCH(QByteArray, strings);
    QFETCH(QString, before);
    QFETCH(QString, expected);
    test::TestRun run;
    run.writeFile(QStringLiteral("LangSetting.ini"), "[Language]\r\nCurrentLanguage=Test\r\n");
    run.writeFile(QStringLiteral("Test.lng"), "[Strings]\r\n" + strings + "\r\n");
    shared().LinguaNumeri = before;
    // The current language is read lazily from LangSetting.ini.
    QVERIFY(shared().MLSCurrentLanguage.isEmpty());
    lang::ImpostaLinguaNumeri();
    QCOMPARE(shared().MLSCurrentLanguage, QStringLiteral("Test"));
    QCOMPARE(shared().LinguaNumeri, expected);
}

void TestTranslate::elevenToNineteenParts()
{
    test::TestRun run;
    shared().LinguaNumeri = QStringLiteral("4");
    lang::PreparaPartiUndiciDiciannove();
    // How the parts split twelve: test_labelledforms.
    QCOMPARE(shared().ParteUnita[0], QString());
    QCOMPARE(shared().ParteUnita[10], QString());
    // A code that names no language leaves the parts as they were.
    shared().LinguaNumeri = QStringLiteral("9");
    lang::PreparaPartiUndiciDiciannove();
    QCOMPARE(shared().ParteUnita[8], QStringLiteral("Acht"));
}

void TestTranslate::whatTheVoiceReads_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<int>("moment");
    QTest::addColumn<bool>("voiceOn");
    QTest::addColumn<QString>("linguaNumeri");
    // "" when nothing is read.
    QTest::addColumn<QString>("read");
    const struct
    {
        VoiceWindow window;
        const char *name;
        // The moments it reads at, of NewItem, TargetClicked, RightAnswer, BeadsChanged.
        bool reads[4];
    } windows[] = {{VoiceWindow::Build, "build", {true, true, true, false}},
                   {VoiceWindow::Write, "write", {false, false, true, false}},
                   {VoiceWindow::FreeFrame, "free frame", {false, false, false, true}}};
    for (const auto &w : windows) {
        for (int moment = 0; moment < 4; ++moment) {
            for (bool on : {true, false}) {
                QTest::addRow("%s, moment %d, %s", w.name, moment, on ? "on" : "off")
                    << int(w.window) << moment << on << "1" << (on && w.reads[moment] ? "47 Italian" : "");
            }
        }
    }
    // The voice speaks the number words' language; a text that names none
    // gives Italian, as the words do.
    const char *languages[][2] = {{"2", "English"}, {"3", "French"}, {"4", "German"}, {"5", "Spanish"},
                                  {"6", "Albanian"}, {"", "Italian"}, {"7", "Italian"}};
    for (const auto &[code, language] : languages) {
        QTest::addRow("language \"%s\"", code) << int(VoiceWindow::Build) << int(VoiceMoment::NewItem) << true << code
                                               << QStringLiteral("47 ") + QString::fromLatin1(language);
    }
}

void TestTranslate::whatTheVoiceReads()
{
    QFETCH(int, window);
    QFETCH(int, moment);
    QFETCH(bool, voiceOn);
    QFETCH(QString, linguaNumeri);
    QFETCH(QString, read);
    const auto said = utteranceFor(VoiceWindow(window), VoiceMoment(moment), 47, voiceOn, linguaNumeri);
    QCOMPARE(said ? QString::number(said->number) + u' ' + QLocale::languageToString(said->language) : QString(), read);
}

QTEST_MAIN(TestTranslate)
#include "test_translate.moc"
