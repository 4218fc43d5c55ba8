#include "lang/LanguageSupport.h"

#include "base/ProgramFolder.h"
#include "base/SharedState.h"
#include "lang/IniFile.h"
#include "ui/QtMessageBoxes.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace ortix::lang {

QString langSettingPath()
{
    return programFile(QString::fromLatin1(kLangSettingFile));
}

QString userLangSettingPath()
{
    return QDir(userFolder()).filePath(QString::fromLatin1(kLangSettingFile));
}

QStringList languageFileNames()
{
    QStringList files = QDir(programFolder())
                            .entryList({QStringLiteral("*") + QString::fromLatin1(kLanguageExtension)},
                                       QDir::Files | QDir::Readable);
    QCollator byName;
    byName.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(files.begin(), files.end(), [&](const QString &a, const QString &b) { return byName.compare(a, b) < 0; });
    return files;
}

std::optional<QString> languageFilePath(const QString &language)
{
    // The choice is a base name only: a path would reach files that are not
    // the program's own.
    if (language.isEmpty() || language.contains(u'/') || language.contains(u'\\')
        || language.contains(QStringLiteral("..")) || language.contains(QChar(0))) {
        return std::nullopt;
    }
    const QString name = language + QString::fromLatin1(kLanguageExtension);
    const QString exact = programFile(name);
    if (QFileInfo::exists(exact)) {
        return exact;
    }
    for (const QString &file : languageFileNames()) {
        if (file.compare(name, Qt::CaseInsensitive) == 0) {
            return programFile(file);
        }
    }
    return exact;
}

namespace {
// A choice that could not be saved (read-only folder, full disk) still holds
// for the rest of the run.
std::optional<QString> &unsavedChoice()
{
    static std::optional<QString> choice;
    return choice;
}

QString readChoice(const QString &file)
{
    return MLSReadIni(file, QStringLiteral("Language"), QStringLiteral("CurrentLanguage")).value_or(QString());
}

bool writeChoice(const QString &file, const QString &language)
{
    return MLSWriteIni(file, QStringLiteral("Language"), QStringLiteral("CurrentLanguage"), language);
}
// Writes a file whose folder may have to be made; a folder made for
// nothing (a full disk) does not stay behind.
bool writeChoiceInNewFolder(const QString &file, const QString &language)
{
    const QString folder = QFileInfo(file).path();
    const bool existed = QFileInfo::exists(folder);
    if (!QDir().mkpath(folder)) {
        return false;
    }
    if (writeChoice(file, language)) {
        return true;
    }
    if (!existed) {
        QDir().rmdir(folder);
    }
    return false;
}
} // namespace

QString readCurrentLanguage()
{
    if (unsavedChoice()) {
        return *unsavedChoice();
    }
    const QString own = readChoice(userLangSettingPath());
    return own.isEmpty() ? readChoice(langSettingPath()) : own;
}

bool writeCurrentLanguage(const QString &language)
{
    const QString own = userLangSettingPath();
    bool saved = false;
    if (QFileInfo::exists(own)) {
        saved = writeChoice(own, language);
    } else {
        // An installed program's folder is read-only for the pupil.
        saved = writeChoice(langSettingPath(), language) || writeChoiceInNewFolder(own, language);
    }
    if (saved) {
        unsavedChoice().reset();
    } else {
        unsavedChoice() = language;
    }
    return saved;
}

void chooseLanguageForThisRun(const QString &language)
{
    unsavedChoice() = language;
}

void forgetUnsavedLanguage()
{
    unsavedChoice().reset();
}

QString MLSGetString(const QString &id)
{
    auto &state = shared();
    if (state.MLSCurrentLanguage.isEmpty()) {
        state.MLSCurrentLanguage = readCurrentLanguage();
    }
    const auto file = languageFilePath(state.MLSCurrentLanguage);
    if (!file) {
        return QString();
    }
    return MLSReadIni(*file, QStringLiteral("Strings"), id).value_or(QString());
}

namespace {
ui::YesNoCaptions yesNoOfTheLanguageFile()
{
    return {MLSGetString(QStringLiteral("0061")), MLSGetString(QStringLiteral("0062"))};
}
// Every program that holds the language support has its question boxes
// answer Yes and No in the current language, tests included.
[[maybe_unused]] const bool yesNoHandedDown = (ui::setYesNoCaptionSource(&yesNoOfTheLanguageFile), true);
} // namespace

void ImpostaLinguaNumeri()
{
    static const std::array<const char *, 6> names = {"ITALIAN", "ENGLISH", "FRENCH",
                                                      "GERMAN",  "SPANISH", "ALBANIAN"};
    const QString name = MLSGetString(QStringLiteral("0000")).trimmed().toUpper();
    auto &state = shared();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (name == QLatin1String(names[i])) {
            state.LinguaNumeri = QString::number(i + 1);
            return;
        }
    }
    if (state.LinguaNumeri.isEmpty()) {
        state.LinguaNumeri = QStringLiteral("1");
    }
}

namespace {

struct ElevenToNineteen
{
    std::array<const char *, 9> unita;
    std::array<const char *, 9> decina;
};

// The two parts of the words 11 to 19 per number-word language, written
// in UTF-8.
const std::array<ElevenToNineteen, 6> kParts = {{
    {{"Un", "Do", "Tre", "Quattor", "Quin", "Se", "ssette", "otto", "nnove"},
     {"dici", "dici", "dici", "dici", "dici", "dici", "Dicia", "Dici", "Dicia"}},
    {{"Ele", "Twe", "Thir", "Four", "Fif", "Six", "Seven", "Eigh", "Nine"},
     {"ven", "lve", "teen", "teen", "teen", "teen", "teen", "teen", "teen"}},
    {{"On", "Dou", "Trei", "Quator", "Quin", "Sei", "sept", "huit", "neuf"},
     {"ze", "ze", "ze", "ze", "ze", "ze", "Dix", "Dix", "Dix"}},
    {{"El", "Zwö", "Drei", "Vier", "Fünf", "Sech", "Sieb", "Acht", "Neun"},
     {"f", "lf", "zehn", "zehn", "zehn", "zehn", "zehn", "zehn", "zehn"}},
    {{"ON", "DO", "TRE", "CATOR", "QUIN", "SEIS", "SIETE", "OCHO", "NUEVE"},
     {"CE", "CE", "CE", "CE", "CE", "DIECI", "DIECI", "DIECI", "DIECI"}},
    {{"NJEMBE", "DYMBE", "TREMBE", "KATERMBE", "PESEMBE", "GJASHTEMBE", "SHTATEMBE", "TETEMBE",
      "NENTEMBE"},
     {"DHJETE", "DHJETE", "DHJETE", "DHJETE", "DHJETE", "DHJETE", "DHJETE", "DHJETE", "DHJETE"}},
}};

} // namespace

void PreparaPartiUndiciDiciannove()
{
    auto &state = shared();
    bool ok = false;
    const int code = state.LinguaNumeri.toInt(&ok);
    if (!ok || code < 1 || code > 6 || state.LinguaNumeri.size() != 1) {
        return;
    }
    const ElevenToNineteen &parts = kParts[std::size_t(code - 1)];
    for (std::size_t k = 1; k <= 9; ++k) {
        state.ParteUnita[k] = QString::fromUtf8(parts.unita[k - 1]);
        state.ParteDecina[k] = QString::fromUtf8(parts.decina[k - 1]);
    }
}

} // namespace ortix::lang
