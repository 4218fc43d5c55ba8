#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace ortix::lang {

inline constexpr auto kLangSettingFile = "LangSetting.ini";
inline constexpr auto kLanguageExtension = ".lng";

// LangSetting.ini in the program's folder: the language every user starts
// in, which a teacher may set for everyone.
QString langSettingPath();
// The user's own LangSetting.ini, in the user's folder; when it names a
// language, it wins over the program folder's.
QString userLangSettingPath();

// The language files of the program's folder ("*.lng", the extension in
// any case), sorted by name without regard to case.
QStringList languageFileNames();

// The file of a language, or nothing when the name cannot name a file of
// the program's folder (empty, or holding a path). The name is matched
// without regard to case, as the listing lists them: "deutsch" finds
// "Deutsch.lng", "Inglese" finds "Inglese.LNG"; a file of exactly that name
// comes first.
std::optional<QString> languageFilePath(const QString &language);

// CurrentLanguage of the user's own LangSetting.ini, else of the program
// folder's; empty when neither names one.
QString readCurrentLanguage();
// Writes the choice back where the next start reads it: into the user's own
// file when there is one, else into the program folder's, and into the
// user's own when the program folder's cannot be written. False when it
// could not be saved, in which case readCurrentLanguage gives the choice
// until the end of the run.
bool writeCurrentLanguage(const QString &language);
// A language for this run only, saved nowhere; a choice made later in the
// menu replaces it and is saved as usual.
void chooseLanguageForThisRun(const QString &language);
// Tests start each case as a new run.
void forgetUnsavedLanguage();

// The text of a four-digit string id in the current language file; empty
// when the file or the id is missing.
QString MLSGetString(const QString &id);

// Number-word language from string id "0000"; Italian when no file names
// a language the number words know.
void ImpostaLinguaNumeri();

// Fills ParteUnita and ParteDecina for the current number-word language.
void PreparaPartiUndiciDiciannove();

} // namespace ortix::lang
