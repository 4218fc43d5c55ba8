#include "exercise/families/NumberColouring.h"

#include "words/MaiuscoloPerCarattere.h"
#include "words/NumeroInLettere.h"

namespace ortix {

namespace {

QString words(qint32 n, int lingua)
{
    return MaiuscoloPerCarattere(NumeroInLettere(n, lingua));
}

// Whether the units part of eleven to nineteen is written first:
// "UN|DICI" but "DICIA|SSETTE" in Italian, always "SIEB|ZEHN" in German.
bool unitsPartFirst(int lingua, int u)
{
    switch (lingua) {
    case LinguaInglese:
    case LinguaTedesco:
    case LinguaAlbanese:
        return true;
    case LinguaSpagnolo:
        return u < 6;
    default:
        return u < 7;
    }
}

struct Places
{
    qint32 k = 0;
    int h = 0;
    int d = 0;
    int u = 0;
};

Places placesOf(qint32 x, TargetSplit split)
{
    Places p;
    qint32 rest = x;
    if (split == TargetSplit::UpToThousands) {
        p.k = rest / 1000;
        rest -= 1000 * p.k;
    }
    p.h = int(rest / 100);
    rest -= 100 * p.h;
    p.d = int(rest / 10);
    p.u = int(rest - 10 * p.d);
    return p;
}

ColouredNumber periods(qint32 x, bool inWords, int lingua)
{
    const qint32 k = x / 1000;
    const qint32 r = x - 1000 * k;
    ColouredText thousands{TargetPart::ThousandsPeriod, {}, true};
    ColouredText units{TargetPart::UnitsPeriod, {}, true};
    if (inWords) {
        thousands.text = k > 0 ? words(k * 1000, lingua) : QString();
        units.text = r > 0 ? words(r, lingua) : QString();
    } else {
        // Each period as its own value: 456078 reads "456  " and "78".
        thousands.text = k > 0 ? QString::number(k) + QStringLiteral("  ") : QString();
        units.text = r > 0 ? QString::number(r) : QString();
    }
    return {thousands, units};
}

} // namespace

quint32 coloreParte(TargetPart part)
{
    switch (part) {
    case TargetPart::Thousands:
    case TargetPart::ThousandsPeriod:
        return 0xC0C000;
    case TargetPart::Hundreds:
        return 0x008000;
    case TargetPart::Tens:
        return 0xFF0000;
    case TargetPart::Units:
    case TargetPart::UnitsPeriod:
        return 0x0000FF;
    case TargetPart::Joiner:
        break;
    }
    return 0x000000;
}

std::vector<TargetPart> partsOf(TargetSplit split)
{
    switch (split) {
    case TargetSplit::UpToHundreds:
        return {TargetPart::Hundreds, TargetPart::Tens, TargetPart::Units, TargetPart::Joiner};
    case TargetSplit::UpToThousands:
        return {TargetPart::Thousands, TargetPart::Hundreds, TargetPart::Tens, TargetPart::Units, TargetPart::Joiner};
    case TargetSplit::Periods:
        break;
    }
    return {TargetPart::ThousandsPeriod, TargetPart::UnitsPeriod};
}

ColouredNumber numeroAColori2(qint32 x, TargetSplit split)
{
    if (split == TargetSplit::Periods) {
        return periods(x, false, LinguaItaliano);
    }
    const Places p = placesOf(x, split);
    ColouredNumber labels;
    bool written = false;
    if (split == TargetSplit::UpToThousands) {
        written = p.k > 0;
        labels.push_back({TargetPart::Thousands, written ? QString::number(p.k) + QStringLiteral("  ") : QString(), true});
    }
    // From the first non-zero place on, zeros are written too: 2005, 305.
    written = written || p.h > 0;
    labels.push_back({TargetPart::Hundreds, written ? QString::number(p.h) : QString(), true});
    written = written || p.d > 0;
    labels.push_back({TargetPart::Tens, written ? QString::number(p.d) : QString(), true});
    labels.push_back({TargetPart::Units, QString::number(p.u), true});
    labels.push_back({TargetPart::Joiner, QString(), false});
    return labels;
}

ColouredNumber numeroAColori(qint32 x, TargetSplit split, int lingua, const PartiUndici &parteUnita,
                             const PartiUndici &parteDecina)
{
    if (split == TargetSplit::Periods) {
        return periods(x, true, lingua);
    }
    const Places p = placesOf(x, split);
    ColouredText tens{TargetPart::Tens, {}, true};
    ColouredText units{TargetPart::Units, {}, true};
    ColouredText joiner{TargetPart::Joiner, {}, false};
    bool unitsFirst = false;
    if (p.d == 1 && p.u > 0) {
        tens.text = MaiuscoloPerCarattere(parteDecina[std::size_t(p.u)]);
        units.text = MaiuscoloPerCarattere(parteUnita[std::size_t(p.u)]);
        if (tens.text.isEmpty() && units.text.isEmpty()) {
            // No language has given its parts yet: the whole word, as a ten.
            tens.text = words(10 + p.u, lingua);
        }
        unitsFirst = unitsPartFirst(lingua, p.u);
    } else {
        tens.text = p.d > 0 ? words(10 * p.d, lingua) : QString();
        units.text = p.u > 0 ? words(p.u, lingua) : QString();
        const bool compound = p.d > 1 && p.u > 0;
        if (lingua == LinguaItaliano && (p.u == 1 || p.u == 8) && !tens.text.isEmpty()) {
            tens.text.chop(1); // VENT|UNO, VENT|OTTO
        }
        if (lingua == LinguaSpagnolo && compound) {
            tens.text.chop(1);
            tens.text += u'I'; // VENTI|UNO
        }
        if (lingua == LinguaTedesco && compound) {
            joiner = {TargetPart::Joiner, QStringLiteral("UND"), true};
            unitsFirst = true;
            if (p.u == 1) {
                units.text.chop(1); // EINS loses its s inside EINUNDZWANZIG
            }
        }
        if (lingua == LinguaAlbanese && compound) {
            joiner = {TargetPart::Joiner, QStringLiteral(" E "), true};
        }
    }

    ColouredNumber labels;
    if (split == TargetSplit::UpToThousands) {
        labels.push_back({TargetPart::Thousands, p.k > 0 ? words(p.k * 1000, lingua) : QString(), true});
    }
    labels.push_back({TargetPart::Hundreds, p.h > 0 ? words(p.h * 100, lingua) : QString(), true});
    if (unitsFirst) {
        labels.insert(labels.end(), {units, joiner, tens});
    } else {
        labels.insert(labels.end(), {tens, joiner, units});
    }
    return labels;
}

} // namespace ortix
