#pragma once

#include <QString>

namespace ortix {

// Upper case one character at a time, so that the text keeps its length:
// "ü" becomes "Ü" while "ß", which has no single upper-case letter, stays
// "ß" (QString::toUpper would make it "SS"). The number words and the
// pupil's answers are compared in this form.
QString MaiuscoloPerCarattere(const QString &testo);

} // namespace ortix
