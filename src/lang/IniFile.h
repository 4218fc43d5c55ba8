#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace ortix::lang {

// Files up to this size are read as INI files (sections and keys); larger
// ones by the line rule of readLargeIniValue.
inline constexpr qint64 kSmallIniFileLimit = 64000;
// Files larger than this are treated as unreadable: no language or choice
// file of the program comes near it, and reading one would cost seconds.
inline constexpr qint64 kMaxIniFileSize = 4 * 1024 * 1024;
// Files of more lines than this are unreadable too: every read runs
// through the lines, three reads for each control of a window. Only files
// read by the line rule can have that many.
inline constexpr qsizetype kMaxIniLines = 65536;
// Longest value a read returns, as the platform's 512-character buffer did.
inline constexpr int kMaxIniValueLength = 511;

// Reads one key of an INI-style file. The read fails (no value at all) when
// the file is missing, unreadable, not an ordinary file, or too large (in
// bytes or in lines); a missing section or key gives an empty text.
std::optional<QString> MLSReadIni(const QString &file, const QString &section, const QString &key);

// Sets one key of an INI-style file, keeping every other line; creates the
// section or the file when missing. The file is replaced atomically, so a
// failed write leaves the old file as it was. Returns whether it succeeded.
bool MLSWriteIni(const QString &file, const QString &section, const QString &key, const QString &value);

// The rules behind MLSReadIni, on text already in memory.
// Small files: sections and keys match regardless of case and of blanks
// around them, the value loses its outer blanks and one pair of matching
// quotes, and is cut to kMaxIniValueLength characters.
std::optional<QString> findIniValue(const QStringList &lines, const QString &section, const QString &key);
// Large files: the first line that begins with the key, exactly, gives the
// value; the character after the key (the "=") and then the first and last
// character of the rest (the quotes) are dropped. Sections play no part.
QString readLargeIniValue(const QStringList &lines, const QString &key);

// Splits text into lines at CR LF, CR or LF.
QStringList splitLines(const QString &text);

// The text of a file with one key set, as MLSWriteIni writes it.
QString withIniValue(const QString &text, const QString &section, const QString &key, const QString &value);

} // namespace ortix::lang
