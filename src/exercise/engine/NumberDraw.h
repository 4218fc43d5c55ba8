#pragma once

#include <QStringView>

#include <optional>

namespace ortix {

class Rnd;

// How an exercise window draws the number of a new item (NumeroACaso).
// M is NumeroMassimo; every product Rnd * M is formed in double precision.
enum class DrawRule {
    UnitsOneToNine,     // Int(Rnd * 9) + 1: 1 to 9
    OneToMaximum,       // Int(Rnd * M) + 1: 1 to M
    ZeroBelowMaximum,   // Int(Rnd * M): 0 to M - 1
    FourDigitPattern,   // CalcolaNumeroACasoQuattroCifre: 1 to M
    ThousandsPeriodPattern, // CalcolaNumeroACasoPeriodo: 1111 to 999 999
};

// The rule of each of the twenty exercise windows, by window name
// ("Form4", "Form99b", "F9999SEM", "Periodo3", ...); nothing for any other
// name. F9999c repeats its draw while it gives 0, which FourDigitPattern
// never does, so it shares the rule of the other four-digit windows.
std::optional<DrawRule> drawRuleFor(QStringView windowName);

// One draw by rule. numeroMassimo is read by OneToMaximum, ZeroBelowMaximum
// and FourDigitPattern only; a negative maximum counts as 0.
int drawNumber(DrawRule rule, int numeroMassimo, Rnd &rnd);

// Four-digit windows: picks one of twenty place patterns, then a non-zero
// digit for every place of the pattern, thousands first. The thousands
// digit is 1 to L, L = numeroMassimo / 1000 (1 when L is 0).
int CalcolaNumeroACasoQuattroCifre(int numeroMassimo, Rnd &rnd);

// Thousands-period windows: picks one of fifteen patterns of four to six
// places, then a non-zero digit for every place, highest place first.
int CalcolaNumeroACasoPeriodo(Rnd &rnd);

} // namespace ortix
