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

// The window's caption and tag, then the texts of its controls.
QStringList textsOf(const Form &form)
{
    const Control *next = form.control(QStringLiteral("Command2"));
    return {form.caption(), form.tag(), form.control(QStringLiteral("Label2"), 0)->caption(),
            form.control(QStringLiteral("Label2"), 1)->caption(), form.control(QStringLiteral("Command1"))->caption(),
            next->caption(), next->toolTipText(), next->widget()->toolTip(), next->tag(),
            form.control(QStringLiteral("mnuEsci"))->action()->text()};
}

} // namespace

class TestTranslate : public QObject
{
    Q_OBJECT

private slots:
    void translatesCaptionsTipsAndTags();
    void numberLanguageAndWhatTheVoiceReads();
};

void TestTranslate::translatesCaptionsTipsAndTags()
{
    test::TestRun run;
    run.writeFile(QStringLiteral("Prova.lng"),
                  "[FormProva]\r\nFormProva.Caption=\"Test window\"\r\nFormProva.Tag=\"form tag\"\r\n"
                  "Label2.Caption=\"not for array members\"\r\nLabel2(1).Caption=\"one\"\r\nCommand1.Caption=\"\"\r\n"
                  "Command2.Caption=\"Next\"\r\nCommand2.ToolTipText=\"hint\"\r\nCommand2.Tag=\"@L\"\r\n"
                  "mnuEsci.Caption=\"&Quit\"\r\n");
    shared().MLSCurrentLanguage = QStringLiteral("Prova");
    Form form(sampleDesign());
    lang::MLSTranslateForm(form);
    QCOMPARE(textsOf(form), QStringList({"Test window", "form tag", "zero", "one", "Esci", "Next", "hint", "hint", "@L",
                                         "&Quit"}));

    // A file without the keys: the window's own caption and tag are emptied,
    // the controls keep theirs. (Without any file every window keeps its
    // design: test_faults_language.)
    run.writeFile(QStringLiteral("Vuota.lng"), "[Strings]\r\n0001=\"x\"\r\n");
    shared().MLSCurrentLanguage = QStringLiteral("Vuota");
    Form bare(sampleDesign());
    bare.setTag(QStringLiteral("designed"));
    lang::MLSTranslateForm(bare);
    QCOMPARE(textsOf(bare), QStringList({"", "", "zero", "uno", "Esci", "Avanti", "suggerimento", "suggerimento", "",
                                         "Esci"}));
}

void TestTranslate::numberLanguageAndWhatTheVoiceReads()
{
    const char *const rows[][3] = {
        {"0000=\"  german \"", "", "4"}, // blanks and case do not count
        {"0000=\"KLINGON\"", "3", "3"},  // unknown keeps the current one
        {"0000=\"KLINGON\"", "", "1"},   // unknown at start is Italian
    };
    for (const auto &[strings, before, expected] : rows) {
        test::TestRun run;
        run.writeFile(QStringLiteral("LangSetting.ini"), "[Language]\r\nCurrentLanguage=Test\r\n");
        run.writeFile(QStringLiteral("Test.lng"), "[Strings]\r\n" + QByteArray(strings) + "\r\n");
        shared().LinguaNumeri = QString::fromLatin1(before);
        // The current language is read lazily from LangSetting.ini.
        QVERIFY(shared().MLSCurrentLanguage.isEmpty());
        lang::ImpostaLinguaNumeri();
        QCOMPARE(QStringList({shared().MLSCurrentLanguage, shared().LinguaNumeri}), QStringList({"Test", expected}));
    }

    // The parts of eleven to nineteen follow the number language.
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

    // What the voice reads: "" when nothing.
    const auto heard = [](VoiceWindow window, int moment, bool voiceOn, const QString &linguaNumeri) {
        const auto said = utteranceFor(window, VoiceMoment(moment), 47, voiceOn, linguaNumeri);
        return said ? QString::number(said->number) + u' ' + QLocale::languageToString(said->language) : QString();
    };
    // What each window reads at NewItem, TargetClicked, RightAnswer and BeadsChanged.
    const QString it = QStringLiteral("47 Italian");
    const std::pair<VoiceWindow, QStringList> windows[] = {{VoiceWindow::Build, {it, it, it, ""}},
                                                           {VoiceWindow::Write, {"", "", it, ""}},
                                                           {VoiceWindow::FreeFrame, {"", "", "", it}}};
    for (const auto &[window, expected] : windows) {
        QStringList said;
        for (int moment = 0; moment < 4; ++moment) {
            QCOMPARE(heard(window, moment, false, QStringLiteral("1")), QString());
            said << heard(window, moment, true, QStringLiteral("1"));
        }
        QCOMPARE(said, expected);
    }
    // The voice speaks the number words' language; a text that names none
    // gives Italian, as the words do.
    QStringList languages;
    for (const char *code : {"2", "3", "4", "5", "6", "", "7"}) {
        languages << heard(VoiceWindow::Build, 0, true, QString::fromLatin1(code));
    }
    QCOMPARE(languages, QStringList({"47 English", "47 French", "47 German", "47 Spanish", "47 Albanian", "47 Italian",
                                     "47 Italian"}));
}

QTEST_MAIN(TestTranslate)
#include "test_translate.moc"
