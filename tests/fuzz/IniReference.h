#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The INI reading rules written a second time, as plainly as possible, so
// that the fuzz targets can compare the program's reader with them.

namespace ortix::fuzz {

// The lines of a text split at CR LF, CR or LF; a text that ends with a
// line end gives one empty line more than the program's splitLines.
QStringList referenceLines(const QString &text);

// The lines of a file's bytes: UTF-8 or else Windows-1252 (decodeText),
// without the byte order marks at its start, however many.
QStringList referenceFileLines(const QByteArray &bytes);

// The key lines of the first section named section (compared without case
// and outer blanks), in their order: the key without outer blanks and the
// text after the "=".
struct IniEntry
{
    QString key;
    QString value;
};
QList<IniEntry> referenceEntries(const QStringList &lines, const QString &section);

// Files up to 64,000 bytes: the value of the first entry of key (compared
// as sections are) without outer blanks and one pair of matching quotes, at
// most 511 characters (one fewer when the 511th would be the first half of
// a surrogate pair). Many keys of one section are looked up quicker in its
// entries than in the whole file.
QString referenceSmallRead(const QList<IniEntry> &entries, const QString &key);

// Larger files: the first line that begins with key (case counts), less the
// key, the character after it and the first and last of the rest.
QString referenceLargeRead(const QStringList &lines, const QString &key);

// The value the small-file rule gives back for a value written as "key=value".
QString referenceReadBack(const QString &written);

// Whether a line "key=value" under a header "[section]" is read back as that
// key of that section: no line ends, no "=" in the key nor "[" at its
// start (it would be a header), no "]" in the section.
bool fitsIniLine(const QString &section, const QString &key, const QString &value);

// Section and key names compare without case and outer blanks.
bool sameIniName(const QString &a, const QString &b);

// The keys a text holds (at most the first 40, so that long texts stay
// quick), each with the section it stands in and then each again in section
// `alsoIn`.
struct IniProbe
{
    QString section;
    QString key;
};
QList<IniProbe> referenceKeys(const QStringList &lines, const QString &alsoIn);

} // namespace ortix::fuzz
