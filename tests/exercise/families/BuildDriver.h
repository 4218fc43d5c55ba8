#pragma once

#include "PupilHands.h"
#include "TestSupport.h"

#include "exercise/engine/ExerciseForm.h"
#include "exercise/families/BuildForm.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/Forms.h"

#include <QTest>

#include <algorithm>
#include <utility>
#include <vector>

namespace ortix::test {

// The maximum a window draws its first item with: 99, 999 or 9999.
inline int startMaximum(const QString &window)
{
    return window.startsWith(u"Form999") ? 999 : window.startsWith(u"Form99") ? 99 : 9999;
}

// Scripts the next item of any exercise window to be `number`: a value for
// the background colour, then the window's draw with the given maximum
// (-1: the window's start maximum).
inline void scriptItem(ScriptedRnd &rnd, const QString &window, int number, int numeroMassimo = -1)
{
    const int maximum = numeroMassimo < 0 ? startMaximum(window) : numeroMassimo;
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

// A build window driven as a pupil drives it: clicks under the rods,
// "Conferma", "Ricomincia", "avanti", the menus.
struct Pupil
{
    ui::Form *form = nullptr;

    ui::Control *c(const QString &name, int index = -1) const { return form->control(name, index); }
    void click(const QString &name) const { leftClick(c(name)); }
    void rod(const QString &suffix, int clicks, Qt::MouseButton button = Qt::LeftButton) const
    {
        for (int i = 0; i < clicks; ++i) {
            QTest::mouseClick(c(QStringLiteral("Bot_") + suffix)->widget(), button);
        }
    }
    void conferma() const { click(QStringLiteral("BottoneConferma")); }
    void ricomincia() const { click(QStringLiteral("Bot_ricomincia")); }
    void avanti() const { click(QStringLiteral("BottoneAvanti")); }
    void menu(const QString &name) const { chooseMenu(form, name); }
    void choose(int option) const { pickMaximumOption(form, option); }
    bool enabled(const QString &name) const { return c(name)->enabled(); }
    // Which of "Conferma", "Ricomincia" and "avanti" can be pressed, in that order.
    QString buttons() const
    {
        QStringList on;
        for (const auto &[name, shortName] : {std::pair{"BottoneConferma", "conferma"},
                                              std::pair{"Bot_ricomincia", "ricomincia"},
                                              std::pair{"BottoneAvanti", "avanti"}}) {
            if (enabled(QString::fromLatin1(name))) {
                on << QString::fromLatin1(shortName);
            }
        }
        return on.join(u' ');
    }
    // The beads shown on a rod; -1 when they are not a run from the bottom.
    int beads(const QString &suffix) const { return beadRun(*form, suffix); }
    // The places of the window (suffix and value), highest first.
    std::vector<std::pair<QString, int>> places() const
    {
        std::vector<std::pair<QString, int>> all;
        for (Place place : qobject_cast<ExerciseForm *>(form)->palline().layout().places) {
            all.emplace_back(suffixOf(place), valueOf(place));
        }
        return all;
    }
    void build(int number) const { buildNumber(qobject_cast<BuildForm *>(form), number); }
    QString target() const { return c(QStringLiteral("EtichettaNumero"))->caption(); }
    QString esatti() const { return c(QStringLiteral("EtichettaEsatti"))->caption(); }
    QString errati() const { return c(QStringLiteral("EtichettaErrati"))->caption(); }
    bool rightIcon() const { return c(QStringLiteral("ComandoIconaSi"))->visible(); }
    bool wrongIcon() const { return c(QStringLiteral("ComandoIconaNo"))->visible(); }
};

} // namespace ortix::test
