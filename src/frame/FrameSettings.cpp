#include "frame/FrameSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

namespace ortix {

namespace {

bool isDelimiter(char ch)
{
    return ch == '\r' || ch == '\n' || ch == ' ' || ch == '\t' || ch == ',';
}

// Up to `wanted` fields of text, empty ones skipped.
QList<QByteArrayView> firstFields(QByteArrayView text, qsizetype wanted)
{
    QList<QByteArrayView> fields;
    qsizetype pos = 0;
    while (pos < text.size() && fields.size() < wanted) {
        while (pos < text.size() && isDelimiter(text.at(pos))) {
            ++pos;
        }
        const qsizetype start = pos;
        while (pos < text.size() && !isDelimiter(text.at(pos))) {
            ++pos;
        }
        if (pos > start) {
            fields.append(text.sliced(start, pos - start));
        }
    }
    return fields;
}

// An optional sign and decimal digits, nothing else.
std::optional<int> wholeNumber(QByteArrayView field)
{
    const QByteArrayView digits = field.startsWith('+') || field.startsWith('-') ? field.sliced(1) : field;
    if (digits.isEmpty()) {
        return std::nullopt;
    }
    for (char ch : digits) {
        if (ch < '0' || ch > '9') {
            return std::nullopt;
        }
    }
    bool ok = false;
    const int value = field.toInt(&ok, 10);
    return ok ? std::optional(value) : std::nullopt;
}

} // namespace

bool isValidFrameSettings(const FrameSettings &settings)
{
    const bool rodsValid = settings.NumeroFili >= 1 && settings.NumeroFili <= 6;
    const bool beadsValid = (settings.PallinePerFilo >= 1 && settings.PallinePerFilo <= 10)
            || settings.PallinePerFilo == 18;
    return rodsValid && beadsValid;
}

FrameSettings parseFrameSettings(QByteArrayView text)
{
    // A file saved by a text editor may start with a UTF-8 byte order mark.
    constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");
    if (text.startsWith(kByteOrderMark)) {
        text = text.sliced(kByteOrderMark.size());
    }

    const QList<QByteArrayView> fields = firstFields(text, 2);
    if (fields.size() < 2) {
        return {};
    }
    const std::optional<int> rods = wholeNumber(fields.at(0));
    const std::optional<int> beads = wholeNumber(fields.at(1));
    if (!rods || !beads) {
        return {};
    }
    const FrameSettings settings{ *rods, *beads };
    return isValidFrameSettings(settings) ? settings : FrameSettings{};
}

QByteArray frameSettingsText(const FrameSettings &settings)
{
    return QByteArray::number(settings.NumeroFili) + "\r\n" + QByteArray::number(settings.PallinePerFilo) + "\r\n";
}

std::optional<QByteArray> readSmallFile(const QString &path, qint64 maxBytes)
{
    // Only ordinary files: a folder, a pipe or a device is no settings file,
    // and a pipe could keep the window waiting.
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray contents = file.read(maxBytes + 1);
    if (contents.size() > maxBytes || file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return contents;
}

FrameSettings loadFrameSettings(const QString &path)
{
    const std::optional<QByteArray> contents = readSmallFile(path, kFrameSettingsMaxBytes);
    return contents ? parseFrameSettings(*contents) : FrameSettings{};
}

QByteArray leggimiText(const QString &text0041, const QString &text0042, const QString &text0043)
{
    const QByteArray lineEnd("\r\n");
    const QByteArray blankLine = lineEnd + ' ' + lineEnd;
    return text0041.toUtf8() + blankLine + text0042.toUtf8() + blankLine + text0043.toUtf8() + lineEnd;
}

} // namespace ortix
