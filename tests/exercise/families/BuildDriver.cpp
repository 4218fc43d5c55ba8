#include "BuildDriver.h"

#include <QtTest>

#include <algorithm>

namespace ortix::test {

namespace {

// The place sets of the digit patterns, as bits k/uk 8, h 4, da 2, u 1 and,
// for the thousands period, hk 32, dak 16, uk 8.
constexpr int kFourDigitRows[15] = {15, 7, 11, 13, 14, 3, 5, 6, 9, 10, 12, 8, 4, 2, 1};
constexpr int kPeriodRows[15] = {31, 47, 55, 59, 61, 62, 15, 23, 63, 27, 29, 30, 39, 43, 45};

int placeSet(int number, const std::vector<int> &values)
{
    int set = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if ((number / values[i]) % 10 != 0) {
            set |= 1 << (values.size() - 1 - i);
        }
    }
    return set;
}

void scriptDigits(ScriptedRnd &rnd, int number, const std::vector<int> &values, int firstBound)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int digit = (number / values[i]) % 10;
        if (digit != 0) {
            rnd.script.push_back(pick(digit - 1, i == 0 ? firstBound : 9));
        }
    }
}

} // namespace

void scriptItem(ScriptedRnd &rnd, const QString &window, int number, int numeroMassimo)
{
    rnd.script.push_back(0.5f);
    if (window == QLatin1String("Form4")) {
        rnd.script.push_back(pick(number - 1, 9));
    } else if (window == QLatin1String("Form99a") || window == QLatin1String("Form999a")) {
        rnd.script.push_back(pick(number - 1, numeroMassimo));
    } else if (window == QLatin1String("F9999a")) {
        const std::vector<int> values = {1000, 100, 10, 1};
        const int set = placeSet(number, values);
        const int row = int(std::find(std::begin(kFourDigitRows), std::end(kFourDigitRows), set) - std::begin(kFourDigitRows));
        QVERIFY2(row < 15, "no four-digit pattern has these places");
        rnd.script.push_back(pick(row, 20));
        scriptDigits(rnd, number, values, std::max(1, numeroMassimo / 1000));
    } else if (window == QLatin1String("Periodo1")) {
        const std::vector<int> values = {100000, 10000, 1000, 100, 10, 1};
        const int set = placeSet(number, values);
        const int row = int(std::find(std::begin(kPeriodRows), std::end(kPeriodRows), set) - std::begin(kPeriodRows));
        QVERIFY2(row < 15, "no pattern of the thousands period has these places");
        rnd.script.push_back(pick(row, 15));
        scriptDigits(rnd, number, values, 9);
    }
}

int Pupil::beads(const QString &suffix) const
{
    const auto all = form->controlArray(QStringLiteral("pal_") + suffix);
    int shown = 0;
    while (shown < int(all.size()) && all[std::size_t(shown)]->visible()) {
        ++shown;
    }
    for (std::size_t i = std::size_t(shown); i < all.size(); ++i) {
        if (all[i]->visible()) {
            QTest::qFail("a bead is shown above a hidden one", __FILE__, __LINE__);
        }
    }
    return shown;
}

std::vector<std::pair<QString, int>> Pupil::places() const
{
    std::vector<std::pair<QString, int>> present;
    for (const auto &place : placeValues()) {
        if (c(QStringLiteral("Bot_") + place.first)) {
            present.push_back(place);
        }
    }
    return present;
}

void Pupil::build(int number) const
{
    int rest = number;
    for (const auto &[suffix, value] : places()) {
        rod(suffix, rest / value);
        rest %= value;
    }
}

} // namespace ortix::test
