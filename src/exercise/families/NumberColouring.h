#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

namespace ortix {

// What one label of a coloured target names. Every part is written in the
// colour of its place, so the pupil sees which piece of "DICIASSETTE" is
// the ten and which the seven.
enum class TargetPart { Thousands, Hundreds, Tens, Units, Joiner, ThousandsPeriod, UnitsPeriod };

// The colour of a part, 0xRRGGBB: thousands olive, hundreds green, tens
// red, units blue, the joiner ("UND", " E ") black.
quint32 coloreParte(TargetPart part);

// How a window splits its target: hundreds, tens and units (plus the
// joiner), the same with the thousands in front, or the two periods.
enum class TargetSplit { UpToHundreds, UpToThousands, Periods };

// The labels of a split, in the order of their index (EtichettaNumero(0)...).
std::vector<TargetPart> partsOf(TargetSplit split);

// One label's share of the target.
struct ColouredText
{
    TargetPart part = TargetPart::Units;
    QString text;
    // Only the joiner is ever hidden.
    bool shown = true;
};

// Every label of the split, in the order they stand from left to right.
using ColouredNumber = std::vector<ColouredText>;

// The two parts of the words eleven to nineteen, indexes 1 to 9
// (ParteUnita, ParteDecina).
using PartiUndici = std::array<QString, 11>;

// The number in digits, split by place: leading zero places stay empty,
// from the first non-zero place on every place is written, the thousands
// (or the thousands period) followed by two blanks.
ColouredNumber numeroAColori2(qint32 x, TargetSplit split);

// The number in words, each word or piece of a word in the label of the
// place it names, in language `lingua` (1 to 6). The words eleven to
// nineteen are split into `parteUnita` and `parteDecina`, which come in
// the order of the language.
ColouredNumber numeroAColori(qint32 x, TargetSplit split, int lingua, const PartiUndici &parteUnita,
                             const PartiUndici &parteDecina);

} // namespace ortix
