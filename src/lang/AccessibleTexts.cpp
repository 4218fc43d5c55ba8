#include "lang/AccessibleTexts.h"

#include "lang/LanguageSupport.h"

namespace ortix::lang {

namespace {

QString text(int id)
{
    return MLSGetString(QStringLiteral("%1").arg(id, 4, 10, QLatin1Char('0')));
}

} // namespace

QString placeName(int power)
{
    return power >= 0 && power <= 5 ? text(200 + power) : QString();
}

QString periodName(bool thousands)
{
    return text(thousands ? 206 : 207);
}

QString rodButtonName(int power, int beads)
{
    QString pattern = text(208);
    if (!pattern.contains(QStringLiteral("%1")) || !pattern.contains(QStringLiteral("%2"))) {
        pattern = QStringLiteral("%1: %2");
    }
    return pattern.arg(placeName(power), QString::number(beads));
}

QString rodKeysHint()
{
    return text(209);
}

QString beadName(int power)
{
    return QStringLiteral("%1, %2").arg(text(210), placeName(power));
}

QString rightPictureName()
{
    return text(211);
}

QString wrongPictureName()
{
    return text(212);
}

QString squareName()
{
    return text(213);
}

} // namespace ortix::lang
