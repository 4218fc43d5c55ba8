#include "exercise/engine/NumberText.h"

namespace ortix {

QString testoConSegno(qint64 number)
{
    const QString digits = QString::number(number < 0 ? -number : number);
    return (number < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits;
}

QString testoATreCifre(qint64 number)
{
    if (number < 0) {
        return QStringLiteral("-") + testoATreCifre(-number).trimmed();
    }
    const qint64 thousands = number / 1000;
    const qint64 rest = number % 1000;
    if (thousands == 0) {
        return QStringLiteral(" ") + QString::number(rest);
    }
    return QString::number(thousands) + QStringLiteral(" ") + QStringLiteral("%1").arg(rest, 3, 10, QLatin1Char('0'));
}

} // namespace ortix
