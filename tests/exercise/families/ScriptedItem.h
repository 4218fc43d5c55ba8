#pragma once

// The generator scripted so that an exercise window's next item is a
// number of the test's choice, through the window's own draw rule.

#include "TestSupport.h"

#include "ui/Form.h"
#include "ui/Forms.h"

#include <QTest>

#include <algorithm>
#include <vector>

namespace ortix::test {

// Scripts the next item of any exercise window to be `number`: a value for
// the background colour, then the window's draw with the given maximum
// (-1: the maximum the window draws its first item with, 99, 999 or 9999).
inline void scriptItem(ScriptedRnd &rnd, const QString &window, int number, int numeroMassimo = -1)
{
    const int start = window.startsWith(u"Form999") ? 999 : window.startsWith(u"Form99") ? 99 : 9999;
    const int maximum = numeroMassimo < 0 ? start : numeroMassimo;
    rnd.script.push_back(0.5f);
    const bool fourDigits = window.startsWith(u"F9999");
    if (fourDigits || window.startsWith(u"Periodo")) {
        // The row of the pattern table with the places of `number` (as bits,
        // units = 1), then its digits from the highest place down.
        static const std::vector<int> fourRows = {15, 7, 11, 13, 14, 3, 5, 6, 9, 10, 12, 8, 4, 2, 1};
        static const std::vector<int> periodRows = {31, 47, 55, 59, 61, 62, 15, 23, 63, 27, 29, 30, 39, 43, 45};
        const std::vector<int> &rows = fourDigits ? fourRows : periodRows;
        const std::vector<int> values = fourDigits ? std::vector<int>{1000, 100, 10, 1}
                                                   : std::vector<int>{100000, 10000, 1000, 100, 10, 1};
        int set = 0;
        for (int value : values) {
            set = set * 2 + ((number / value) % 10 != 0 ? 1 : 0);
        }
        const auto row = std::find(rows.begin(), rows.end(), set) - rows.begin();
        QVERIFY2(row < 15, "no digit pattern has these places");
        rnd.script.push_back(pick(int(row), fourDigits ? 20 : 15));
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (const int digit = (number / values[i]) % 10) {
                rnd.script.push_back(pick(digit - 1, fourDigits && i == 0 ? std::max(1, maximum / 1000) : 9));
            }
        }
    } else if (window == u"Form99b" || window == u"Form999b") {
        rnd.script.push_back(pick(number, maximum)); // 0 to M - 1
    } else if (window.startsWith(u"Form99")) {
        rnd.script.push_back(pick(number - 1, maximum)); // 1 to M
    } else {
        rnd.script.push_back(pick(number - 1, 9)); // the units windows
    }
}

// Opens a window whose first item is `number`.
inline ui::Form *openWithItem(ScriptedRnd &rnd, const QString &window, int number)
{
    scriptItem(rnd, window, number);
    return ui::Forms::open(window, nullptr);
}

} // namespace ortix::test
