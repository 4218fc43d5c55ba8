#include "exercise/engine/NumberDraw.h"

#include "base/Rnd.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace ortix {

namespace {

// Int(Rnd * n) with the product in double precision: in single precision a
// product a hair below a whole number can round up to it and move the draw
// (2649034 / 2^24 * 19 would give 3 instead of 2).
int intOfRndTimes(Rnd &rnd, int n)
{
    return static_cast<int>(std::floor(static_cast<double>(rnd.next()) * n));
}

// Int(Rnd * rows); kept inside the table even for a generator that breaks
// its promise of values below 1.
std::size_t rowIndex(Rnd &rnd, std::size_t rows)
{
    const int row = intOfRndTimes(rnd, static_cast<int>(rows));
    return static_cast<std::size_t>(std::clamp(row, 0, static_cast<int>(rows) - 1));
}

int nonZeroDigit(Rnd &rnd)
{
    return intOfRndTimes(rnd, 9) + 1;
}

// A pattern (SchemaCifre) is the set of places that get a non-zero digit,
// one bit per place. The digits are drawn from the highest place down.
enum Place : int {
    u = 1 << 0,
    da = 1 << 1,
    h = 1 << 2,
    k = 1 << 3,
    uk = 1 << 3,
    dak = 1 << 4,
    hk = 1 << 5,
};

// Fifteen non-empty sets of the four places, then the first five again, so
// those shapes come twice as often.
constexpr std::array<int, 20> kSchemiQuattroCifre = {
    k | h | da | u,
    h | da | u,
    k | da | u,
    k | h | u,
    k | h | da,
    da | u,
    h | u,
    h | da,
    k | u,
    k | da,
    k | h,
    k,
    h,
    da,
    u,
    k | h | da | u,
    h | da | u,
    k | da | u,
    k | h | u,
    k | h | da,
};

// At least four non-zero places, so every number has four to six digits.
constexpr std::array<int, 15> kSchemiPeriodo = {
    dak | uk | h | da | u,
    hk | uk | h | da | u,
    hk | dak | h | da | u,
    hk | dak | uk | da | u,
    hk | dak | uk | h | u,
    hk | dak | uk | h | da,
    uk | h | da | u,
    dak | h | da | u,
    hk | dak | uk | h | da | u,
    dak | uk | da | u,
    dak | uk | h | u,
    dak | uk | h | da,
    hk | h | da | u,
    hk | uk | da | u,
    hk | uk | h | u,
};

struct WindowRule
{
    QStringView name;
    DrawRule rule;
};

constexpr std::array<WindowRule, 20> kWindowRules = {{
    { u"Form4", DrawRule::UnitsOneToNine },
    { u"Form4sem", DrawRule::UnitsOneToNine },
    { u"Form6", DrawRule::UnitsOneToNine },
    { u"Form5", DrawRule::UnitsOneToNine },
    { u"Form99a", DrawRule::OneToMaximum },
    { u"Form99sem", DrawRule::OneToMaximum },
    { u"Form99b", DrawRule::ZeroBelowMaximum },
    { u"Form99b1", DrawRule::OneToMaximum },
    { u"Form999a", DrawRule::OneToMaximum },
    { u"Form999sem", DrawRule::OneToMaximum },
    { u"Form999b", DrawRule::ZeroBelowMaximum },
    { u"Form999b1", DrawRule::OneToMaximum },
    { u"F9999a", DrawRule::FourDigitPattern },
    { u"F9999SEM", DrawRule::FourDigitPattern },
    { u"F9999b", DrawRule::FourDigitPattern },
    { u"F9999c", DrawRule::FourDigitPattern },
    { u"Periodo1", DrawRule::ThousandsPeriodPattern },
    { u"Periodo1SEM", DrawRule::ThousandsPeriodPattern },
    { u"Periodo2", DrawRule::ThousandsPeriodPattern },
    { u"Periodo3", DrawRule::ThousandsPeriodPattern },
}};

} // namespace

std::optional<DrawRule> drawRuleFor(QStringView windowName)
{
    for (const WindowRule &entry : kWindowRules) {
        if (entry.name == windowName) {
            return entry.rule;
        }
    }
    return std::nullopt;
}

int drawNumber(DrawRule rule, int numeroMassimo, Rnd &rnd)
{
    const int maximum = std::max(numeroMassimo, 0);
    switch (rule) {
    case DrawRule::UnitsOneToNine:
        return nonZeroDigit(rnd);
    case DrawRule::OneToMaximum:
        return intOfRndTimes(rnd, maximum) + 1;
    case DrawRule::ZeroBelowMaximum:
        return intOfRndTimes(rnd, maximum);
    case DrawRule::FourDigitPattern:
        return CalcolaNumeroACasoQuattroCifre(maximum, rnd);
    case DrawRule::ThousandsPeriodPattern:
        return CalcolaNumeroACasoPeriodo(rnd);
    }
    Q_UNREACHABLE();
    return 0;
}

int CalcolaNumeroACasoQuattroCifre(int numeroMassimo, Rnd &rnd)
{
    const int thousandsBound = std::max(numeroMassimo, 0) / 1000;
    const int schema = kSchemiQuattroCifre[rowIndex(rnd, kSchemiQuattroCifre.size())];

    int number = 0;
    if (schema & k) {
        number += 1000 * (intOfRndTimes(rnd, thousandsBound) + 1);
    }
    for (const auto &[place, value] : { std::pair(h, 100), std::pair(da, 10), std::pair(u, 1) }) {
        if (schema & place) {
            number += value * nonZeroDigit(rnd);
        }
    }
    return number;
}

int CalcolaNumeroACasoPeriodo(Rnd &rnd)
{
    const int schema = kSchemiPeriodo[rowIndex(rnd, kSchemiPeriodo.size())];

    int number = 0;
    for (const auto &[place, value] : { std::pair(hk, 100000), std::pair(dak, 10000), std::pair(uk, 1000),
                                        std::pair(h, 100), std::pair(da, 10), std::pair(u, 1) }) {
        if (schema & place) {
            number += value * nonZeroDigit(rnd);
        }
    }
    return number;
}

} // namespace ortix
