#pragma once

#include <QList>
#include <QString>

class QFontMetrics;

namespace ortix {

// Lays a text out in lines no wider than `width` pixels, for a label that
// must show long number words whole. Lines break at blanks and at the
// positions in `softBreaks` (indexes into the text where a line may start
// without a blank, e.g. after the thousands); a piece that is still too
// long is cut where the line is full. Lines are joined by "\n".
QString wrapToWidth(const QString &text, const QFontMetrics &metrics, int width, const QList<qsizetype> &softBreaks = {});

} // namespace ortix
