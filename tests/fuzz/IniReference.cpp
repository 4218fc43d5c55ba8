#include "IniReference.h"

#include "lang/TextDecoding.h"

#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace ortix::fuzz {

QStringList referenceLines(const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineEnd);
}

QStringList referenceFileLines(const QByteArray &bytes)
{
    static const QRegularExpression marks(QStringLiteral("^\uFEFF*"));
    return referenceLines(lang::decodeText(bytes).remove(marks));
}

namespace {

// The name of a trimmed line that is a section header.
std::optional<QString> headerName(const QString &trimmedLine)
{
    return trimmedLine.startsWith(u'[') ? std::optional(trimmedLine.mid(1).section(u']', 0, 0).trimmed()) : std::nullopt;
}

} // namespace

bool sameIniName(const QString &a, const QString &b)
{
    return QString::compare(a.trimmed(), b.trimmed(), Qt::CaseInsensitive) == 0;
}

QString referenceReadBack(const QString &written)
{
    QString value = written.trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front()) {
        value = value.sliced(1, value.size() - 2);
    }
    return value.size() > 511 ? value.left(value.at(510).isHighSurrogate() ? 510 : 511) : value;
}

QList<IniEntry> referenceEntries(const QStringList &lines, const QString &section)
{
    QList<IniEntry> entries;
    bool inSection = false;
    for (const QString &line : lines) {
        const QString t = line.trimmed();
        if (const auto name = headerName(t)) {
            if (inSection) {
                break;
            }
            inSection = sameIniName(*name, section);
        } else if (const qsizetype equals = t.indexOf(u'='); inSection && equals >= 0) {
            entries.append({t.left(equals).trimmed(), t.mid(equals + 1)});
        }
    }
    return entries;
}

QString referenceSmallRead(const QList<IniEntry> &entries, const QString &key)
{
    const auto entry = std::find_if(entries.begin(), entries.end(), [&](const IniEntry &e) { return sameIniName(e.key, key); });
    return entry == entries.end() ? QString() : referenceReadBack(entry->value);
}

QString referenceLargeRead(const QStringList &lines, const QString &key)
{
    const auto line = std::find_if(lines.begin(), lines.end(), [&](const QString &l) { return l.startsWith(key); });
    const qsizetype first = key.size() + 2;
    return line != lines.end() && line->size() > first ? line->mid(first, line->size() - first - 1) : QString();
}

bool fitsIniLine(const QString &section, const QString &key, const QString &value)
{
    static const QRegularExpression lineEnd(QStringLiteral("[\r\n]"));
    const QString k = key.trimmed();
    return !(section + key + value).contains(lineEnd) && !section.contains(u']') && !k.contains(u'=')
        && !k.startsWith(u'[');
}

QList<IniProbe> referenceKeys(const QStringList &lines, const QString &alsoIn)
{
    QList<IniProbe> probes;
    QString section;
    for (const QString &line : lines) {
        const QString t = line.trimmed();
        if (const auto name = headerName(t)) {
            section = *name;
        } else if (const qsizetype equals = t.indexOf(u'='); equals >= 0 && probes.size() < 40) {
            probes.append({section, t.left(equals)});
        }
    }
    for (qsizetype i = 0, n = probes.size(); i < n; ++i) {
        probes.append({alsoIn, probes.at(i).key});
    }
    return probes;
}

} // namespace ortix::fuzz
