#include "exercise/engine/MaximumTable.h"

#include <algorithm>

namespace ortix {

namespace {
qint32 step(MaximumRange range)
{
    switch (range) {
    case MaximumRange::Tens:
        return 10;
    case MaximumRange::Hundreds:
        return 100;
    case MaximumRange::FourDigits:
        break;
    }
    return 1000;
}
} // namespace

qint32 maximumOption(MaximumRange range, int index)
{
    const int i = std::clamp(index, 0, kMaximumOptions - 1);
    return 2 * step(range) - 1 + step(range) * i;
}

QString maximumOptionCaption(MaximumRange range, int index)
{
    const qint32 value = maximumOption(range, index);
    if (value < 1000) {
        return QString::number(value);
    }
    return QStringLiteral("%1.%2").arg(value / 1000).arg(value % 1000, 3, 10, QLatin1Char('0'));
}

qint32 defaultMaximum(MaximumRange range)
{
    return maximumOption(range, kMaximumOptions - 1);
}

} // namespace ortix
