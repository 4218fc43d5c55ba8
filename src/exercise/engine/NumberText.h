#pragma once

#include <QString>
#include <QtGlobal>

namespace ortix {

// A number as the counters and the digit targets show it: a position for
// the sign (a blank when not negative), then the decimal digits: " 305".
QString testoConSegno(qint64 number);

// The pattern "### ###": the last three digits after one blank, the digits
// before them in front of it; below 1000 the blank still leads.
// 4725 gives "4 725", 205006 "205 006", 725 " 725".
QString testoATreCifre(qint64 number);

} // namespace ortix
