#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace ortix {

// What the free frame keeps from one use of the program to the next: the
// number of rods and the beads one rod holds. The settings file stores the
// two numbers on two lines.
struct FrameSettings
{
    int NumeroFili = 6;     // 1 to 6
    int PallinePerFilo = 9; // 1 to 10, or 18

    friend bool operator==(const FrameSettings &, const FrameSettings &) = default;
};

// A settings file larger than this is not a settings file at all.
inline constexpr qint64 kFrameSettingsMaxBytes = 64 * 1024;

bool isValidFrameSettings(const FrameSettings &settings);

// Reads the text of the settings file: the first two whole numbers,
// separated by line ends, blanks, tabs or commas; anything after them is
// ignored. Fewer than two numbers, something else in their place, or a
// value out of range gives the defaults 6 and 9.
FrameSettings parseFrameSettings(QByteArrayView text);

// The text of the settings file: each number on a line of its own, CR LF.
QByteArray frameSettingsText(const FrameSettings &settings);

// The whole of an ordinary file, or nothing when it is missing, is not an
// ordinary file, cannot be read or is larger than maxBytes.
std::optional<QByteArray> readSmallFile(const QString &path, qint64 maxBytes);

// The settings stored at path, or the defaults when the file is missing,
// unreadable, too large or wrong.
FrameSettings loadFrameSettings(const QString &path);

// The read-me file of the settings folder, in UTF-8: the three texts
// (string ids "0041", "0042", "0043") with a line of one blank between
// them, every line ending in CR LF.
QByteArray leggimiText(const QString &text0041, const QString &text0042, const QString &text0043);

} // namespace ortix
