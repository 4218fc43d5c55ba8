#pragma once

#include <QString>
#include <QtGlobal>

namespace ortix {

// The ranges whose windows let the pupil choose the largest number
// (TabellaMassimi): option i of nine gives NumeroMassimo its value.
enum class MaximumRange { Tens, Hundreds, FourDigits };

inline constexpr int kMaximumOptions = 9;

// 19 + 10 i, 199 + 100 i, 1999 + 1000 i.
qint32 maximumOption(MaximumRange range, int index);
// The option's caption, with a point between thousands: "19", "199", "1.999".
QString maximumOptionCaption(MaximumRange range, int index);
// The value a window of the range starts with: 99, 999, 9999.
qint32 defaultMaximum(MaximumRange range);

} // namespace ortix
