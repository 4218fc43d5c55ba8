#pragma once

#include <QString>
#include <QtGlobal>

namespace ortix {

inline constexpr qint16 kConteggioMassimo = 32767;

// One answer more on a 16-bit score counter. A counter that has reached
// 32767 stays there: it never wraps to a negative score.
qint16 contaUnaInPiu(qint16 conteggio);

// The caption of a counter after a count: a blank, then the digits (" 1").
// A reset shows "0" instead, with no blank.
QString testoConteggio(qint16 conteggio);
inline QString testoConteggioAzzerato()
{
    return QStringLiteral("0");
}

} // namespace ortix
