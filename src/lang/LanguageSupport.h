#pragma once

#include <QString>

#include <optional>

namespace ortix::lang {

inline constexpr auto kLangSettingFile = "LangSetting.ini";
inline constexpr auto kLanguageExtension = ".lng";

// LangSetting.ini in the program's folder.
QString langSettingPath();

// The file of a language, or nothing when the name cannot name a file of
// the program's folder (empty, or holding a path).
std::optional<QString> languageFilePath(const QString &language);

// CurrentLanguage of LangSetting.ini; empty when the file or key is missing.
QString readCurrentLanguage();
// Writes the choice back; false when it could not be saved, in which case
// readCurrentLanguage gives the choice until the end of the run.
bool writeCurrentLanguage(const QString &language);
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
