#include "IniReference.h"

#include "lang/TextDecoding.h"

#include <QRegularExpression>

namespace ortix::fuzz {

QString referenceText(const QByteArray &bytes)
{
    QString text = lang::decodeText(bytes);
    qsizetype marks = 0;
    while (marks < text.size() && text.at(marks) == QChar(0xFEFF)) {
        ++marks;
    }
    return text.mid(marks);
}

QStringList referenceLines(const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineEnd);
}

namespace {

bool isHeader(const QString &trimmedLine)
{
    return trimmedLine.startsWith(u'[');
}

QString headerName(const QString &trimmedLine)
{
    const QString inner = trimmedLine.mid(1);
    const qsizetype close = inner.indexOf(u']');
    return (close < 0 ? inner : inner.left(close)).trimmed();
}

bool sameText(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

} // namespace

QString referenceReadBack(const QString &written)
{
    QString value = written.trimmed();
    const bool quoted = value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front();
    if (quoted) {
        value = value.sliced(1, value.size() - 2);
    }
    if (value.size() > 511) {
        value = value.left(value.at(510).isHighSurrogate() ? 510 : 511);
    }
    return value;
}

QString referenceSmallRead(const QStringList &lines, const QString &section, const QString &key)
{
    // Find the first header of the section, then the first key line after
    // it and before the next header.
    qsizetype i = 0;
    while (i < lines.size()) {
        const QString t = lines.at(i).trimmed();
        ++i;
        if (isHeader(t) && sameText(headerName(t), section.trimmed())) {
            break;
        }
        if (i == lines.size()) {
            return QString();
        }
    }
    for (; i < lines.size(); ++i) {
        const QString t = lines.at(i).trimmed();
        if (isHeader(t)) {
            return QString();
        }
        const qsizetype equals = t.indexOf(u'=');
        if (equals >= 0 && sameText(t.left(equals).trimmed(), key.trimmed())) {
            return referenceReadBack(t.mid(equals + 1));
        }
    }
    return QString();
}

QList<IniEntry> referenceEntries(const QStringList &lines, const QString &section)
{
    QList<IniEntry> entries;
    bool inSection = false;
    for (const QString &line : lines) {
        const QString t = line.trimmed();
        if (isHeader(t)) {
            if (inSection) {
                break;
            }
            inSection = sameText(headerName(t), section.trimmed());
        } else if (const qsizetype equals = t.indexOf(u'='); inSection && equals >= 0) {
            entries.append({t.left(equals).trimmed(), t.mid(equals + 1)});
        }
    }
    return entries;
}

QString referenceSmallRead(const QList<IniEntry> &entries, const QString &key)
{
    const QString wanted = key.trimmed();
    for (const IniEntry &entry : entries) {
        if (sameText(entry.key, wanted)) {
            return referenceReadBack(entry.value);
        }
    }
    return QString();
}

QString referenceLargeRead(const QStringList &lines, const QString &key)
{
    for (const QString &line : lines) {
        if (line.startsWith(key)) {
            const qsizetype first = key.size() + 2;
            return line.size() >= first + 1 ? line.mid(first, line.size() - first - 1) : QString();
        }
    }
    return QString();
}

bool fitsIniLine(const QString &section, const QString &key, const QString &value)
{
    const auto hasLineEnd = [](const QString &text) { return text.contains(u'\r') || text.contains(u'\n'); };
    const QString k = key.trimmed();
    return !hasLineEnd(section) && !hasLineEnd(key) && !hasLineEnd(value) && !section.contains(u']')
        && !k.contains(u'=') && !k.startsWith(u'[');
}

bool sameIniName(const QString &a, const QString &b)
{
    return sameText(a.trimmed(), b.trimmed());
}

QList<IniProbe> referenceKeys(const QStringList &lines)
{
    QList<IniProbe> probes;
    QString section;
    for (const QString &line : lines) {
        const QString t = line.trimmed();
        if (isHeader(t)) {
            section = headerName(t);
        } else if (const qsizetype equals = t.indexOf(u'='); equals >= 0) {
            probes.append({section, t.left(equals)});
            if (probes.size() == 40) {
                break;
            }
        }
    }
    return probes;
}

} // namespace ortix::fuzz
