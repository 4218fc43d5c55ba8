#include "exercise/engine/TextWrap.h"

#include <QFontMetrics>
#include <QStringList>

namespace ortix {

namespace {

// The pieces between break opportunities; a blank stays at the end of the
// piece before it.
QStringList pieces(const QString &text, const QList<qsizetype> &softBreaks)
{
    QStringList result;
    QString current;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (softBreaks.contains(i) && !current.isEmpty()) {
            result << current;
            current.clear();
        }
        current += text.at(i);
        if (text.at(i) == u' ') {
            result << current;
            current.clear();
        }
    }
    if (!current.isEmpty()) {
        result << current;
    }
    return result;
}

int widthOf(const QFontMetrics &metrics, const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ') {
        --end;
    }
    return metrics.horizontalAdvance(text.left(end));
}

} // namespace

QString wrapToWidth(const QString &text, const QFontMetrics &metrics, int width, const QList<qsizetype> &softBreaks)
{
    QStringList lines;
    QString line;
    for (QString piece : pieces(text, softBreaks)) {
        if (widthOf(metrics, line + piece) <= width) {
            line += piece;
            continue;
        }
        if (!line.isEmpty()) {
            lines << line.trimmed();
            line.clear();
        }
        // A piece wider than a whole line is cut where the line is full.
        while (piece.size() > 1 && widthOf(metrics, piece) > width) {
            qsizetype fits = 1;
            while (fits < piece.size() && widthOf(metrics, piece.left(fits + 1)) <= width) {
                ++fits;
            }
            lines << piece.left(fits).trimmed();
            piece = piece.mid(fits);
        }
        line = piece;
    }
    if (!line.trimmed().isEmpty()) {
        lines << line.trimmed();
    }
    return lines.join(u'\n');
}

} // namespace ortix
