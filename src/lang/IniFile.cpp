#include "lang/IniFile.h"

#include "lang/TextDecoding.h"

#include <QByteArrayView>
#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>

#include <cstring>
#include <list>
#include <memory>

namespace ortix::lang {

namespace {

// What identifies one version of a file on disk: a change of content,
// a replacement by rename or a rewrite in place all change one of these.
struct FileStamp
{
    qint64 size = -1;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 inode = 0;

    bool operator==(const FileStamp &) const = default;
};

std::optional<FileStamp> stampOf(const QString &file)
{
    struct stat info {};
    if (::stat(QFile::encodeName(file).constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    FileStamp stamp;
    stamp.size = info.st_size;
    stamp.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.changedNs = qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    stamp.inode = info.st_ino;
    return stamp;
}

// A window reads three keys per control: the lines of a file (or that it
// has too many) are kept while the file on disk is unchanged, and read
// again as soon as it changes.
struct CachedFile
{
    QString path;
    FileStamp stamp;
    std::optional<QStringList> lines;
};

constexpr std::size_t kCachedFiles = 8;

std::list<CachedFile> &cache()
{
    static std::list<CachedFile> files;
    return files;
}

// The number of lines splitLines makes of the text of bytes: CR LF, CR and
// LF are the same bytes in UTF-8 and in Windows-1252. Files reach 4 MiB,
// so the line ends are found with memchr rather than byte by byte.
qsizetype lineCount(QByteArrayView bytes)
{
    if (bytes.isEmpty()) {
        return 0; // and memchr is never given the null data of an empty file
    }
    const char *const begin = bytes.data();
    const char *const end = begin + bytes.size();
    qsizetype lines = 0;
    for (const char *lf = begin; (lf = static_cast<const char *>(std::memchr(lf, '\n', std::size_t(end - lf)))); ++lf) {
        ++lines;
    }
    // A CR ends a line unless it is the CR of a CR LF.
    for (const char *cr = begin; (cr = static_cast<const char *>(std::memchr(cr, '\r', std::size_t(end - cr)))); ++cr) {
        if (cr + 1 == end || cr[1] != '\n') {
            ++lines;
        }
    }
    if (begin != end && end[-1] != '\n' && end[-1] != '\r') {
        ++lines;
    }
    return lines;
}

struct Lines
{
    QStringList lines;
    qint64 size = 0;
};

std::optional<Lines> readLines(const QString &file)
{
    const auto stamp = stampOf(file);
    if (!stamp || stamp->size > kMaxIniFileSize) {
        return std::nullopt;
    }
    auto &files = cache();
    for (auto it = files.begin(); it != files.end(); ++it) {
        if (it->path == file) {
            if (it->stamp == *stamp) {
                files.splice(files.begin(), files, it);
                if (!it->lines) {
                    return std::nullopt;
                }
                return Lines{*it->lines, stamp->size};
            }
            files.erase(it);
            break;
        }
    }
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    // A buffer of the size the file had a moment ago, and one byte more to
    // notice that it grew since: not one of the largest size accepted for
    // every file, however small.
    QByteArray bytes = in.read(stamp->size + 1);
    if (bytes.size() > stamp->size) {
        bytes += in.read(kMaxIniFileSize + 1 - bytes.size());
    }
    if (bytes.size() > kMaxIniFileSize) {
        return std::nullopt;
    }
    const auto after = stampOf(file);
    std::optional<QStringList> lines;
    if (lineCount(bytes) <= kMaxIniLines) {
        QString text = decodeText(bytes);
        // Byte order marks at the start, however many an editor left there,
        // are not text: kept, a rewrite would turn the next one into a mark
        // and the first line into a section header.
        while (text.startsWith(QChar(0xFEFF))) {
            text.remove(0, 1);
        }
        lines = splitLines(text);
    }
    if (after && *after == *stamp) {
        files.push_front(CachedFile{file, *stamp, lines});
        if (files.size() > kCachedFiles) {
            files.pop_back();
        }
    }
    if (!lines) {
        return std::nullopt;
    }
    return Lines{*lines, qint64(bytes.size())};
}

void forget(const QString &file)
{
    cache().remove_if([&](const CachedFile &cached) { return cached.path == file; });
}

// "[ name ]" gives "name"; anything else is not a section header.
std::optional<QString> sectionName(QStringView trimmedLine)
{
    if (!trimmedLine.startsWith(u'[')) {
        return std::nullopt;
    }
    const qsizetype close = trimmedLine.indexOf(u']');
    const QStringView inner = close < 0 ? trimmedLine.mid(1) : trimmedLine.mid(1, close - 1);
    return inner.trimmed().toString();
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString unquoted(QString value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first) {
            value = value.mid(1, value.size() - 2);
        }
    }
    if (value.size() > kMaxIniValueLength) {
        int cut = kMaxIniValueLength;
        if (value.at(cut - 1).isHighSurrogate()) {
            --cut;
        }
        value.truncate(cut);
    }
    return value;
}

} // namespace

QStringList splitLines(const QString &text)
{
    // The next LF and the next CR are each searched for once (Qt's search
    // is fast on long texts), then the nearer one ends the line.
    QStringList lines;
    qsizetype start = 0;
    qsizetype nextLf = text.indexOf(u'\n');
    qsizetype nextCr = text.indexOf(u'\r');
    while (nextLf >= 0 || nextCr >= 0) {
        const bool crFirst = nextCr >= 0 && (nextLf < 0 || nextCr < nextLf);
        const qsizetype lineEnd = crFirst ? nextCr : nextLf;
        lines.append(text.mid(start, lineEnd - start));
        start = (crFirst && nextLf == lineEnd + 1) ? lineEnd + 2 : lineEnd + 1;
        if (nextLf >= 0 && nextLf < start) {
            nextLf = text.indexOf(u'\n', start);
        }
        if (nextCr >= 0 && nextCr < start) {
            nextCr = text.indexOf(u'\r', start);
        }
    }
    if (start < text.size()) {
        lines.append(text.mid(start));
    }
    return lines;
}

std::optional<QString> findIniValue(const QStringList &lines, const QString &section, const QString &key)
{
    const QString wantedSection = section.trimmed();
    const QString wantedKey = key.trimmed();
    bool inSection = false;
    bool sectionSeen = false;
    for (const QString &line : lines) {
        const QStringView trimmed = QStringView(line).trimmed();
        if (const auto name = sectionName(trimmed)) {
            if (sectionSeen) {
                // Only the first section of a name counts.
                break;
            }
            inSection = sameName(*name, wantedSection);
            sectionSeen = inSection;
            continue;
        }
        if (!inSection) {
            continue;
        }
        const qsizetype equals = trimmed.indexOf(u'=');
        if (equals < 0) {
            continue;
        }
        if (sameName(trimmed.left(equals).trimmed(), wantedKey)) {
            return unquoted(trimmed.mid(equals + 1).trimmed().toString());
        }
    }
    return QString();
}

QString readLargeIniValue(const QStringList &lines, const QString &key)
{
    for (const QString &line : lines) {
        if (line.startsWith(key, Qt::CaseSensitive)) {
            const QString rest = line.mid(key.size() + 1);
            if (rest.size() < 2) {
                return QString();
            }
            return rest.mid(1, rest.size() - 2);
        }
    }
    return QString();
}

std::optional<QString> MLSReadIni(const QString &file, const QString &section, const QString &key)
{
    const auto read = readLines(file);
    if (!read) {
        return std::nullopt;
    }
    if (read->size <= kSmallIniFileLimit) {
        return findIniValue(read->lines, section, key);
    }
    return readLargeIniValue(read->lines, key);
}

QString withIniValue(const QString &text, const QString &section, const QString &key, const QString &value)
{
    const QString newline = (text.contains(u'\n') && !text.contains(u"\r\n")) ? QStringLiteral("\n")
                                                                              : QStringLiteral("\r\n");
    QStringList lines = splitLines(text);
    const QString wantedSection = section.trimmed();
    const QString wantedKey = key.trimmed();
    const QString newLine = wantedKey + u'=' + value;

    qsizetype sectionLine = -1;
    qsizetype lastEntry = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView trimmed = QStringView(lines.at(i)).trimmed();
        if (const auto name = sectionName(trimmed)) {
            if (sectionLine >= 0) {
                break;
            }
            if (sameName(*name, wantedSection)) {
                sectionLine = i;
                lastEntry = i;
            }
            continue;
        }
        if (sectionLine < 0 || trimmed.isEmpty()) {
            continue;
        }
        lastEntry = i;
        const qsizetype equals = trimmed.indexOf(u'=');
        if (equals >= 0 && sameName(trimmed.left(equals).trimmed(), wantedKey)) {
            lines[i] = newLine;
            return lines.join(newline) + newline;
        }
    }
    if (sectionLine >= 0) {
        lines.insert(lastEntry + 1, newLine);
    } else {
        while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) {
            lines.removeLast();
        }
        lines.append(u'[' + wantedSection + u']');
        lines.append(newLine);
    }
    return lines.join(newline) + newline;
}

bool MLSWriteIni(const QString &file, const QString &section, const QString &key, const QString &value)
{
    QString text;
    if (stampOf(file)) {
        const auto read = readLines(file);
        if (!read) {
            // Rewriting a file we cannot read would lose its other lines.
            return false;
        }
        text = read->lines.join(QStringLiteral("\r\n"));
        if (!text.isEmpty()) {
            text += QStringLiteral("\r\n");
        }
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QByteArray bytes = withIniValue(text, section, key, value).toUtf8();
    // A full disk may refuse the bytes only when the buffer is flushed; left
    // to commit(), that refusal would go unnoticed and the cut-short file
    // would replace the old one.
    if (out.write(bytes) != bytes.size() || !out.flush()) {
        out.cancelWriting();
        return false;
    }
    const bool committed = out.commit();
    forget(file);
    return committed;
}

} // namespace ortix::lang
