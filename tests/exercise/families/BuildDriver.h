#pragma once

#include "app/Rnd.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/MenuControl.h"

#include <QTest>

#include <deque>
#include <utility>
#include <vector>

namespace ortix::test {

// A generator that gives the values it is told to, then seeded ones; it
// counts every draw.
class ScriptedRnd : public Rnd
{
public:
    float next() override
    {
        ++calls;
        if (!script.empty()) {
            const float value = script.front();
            script.pop_front();
            return value;
        }
        return m_fallback.next();
    }
    std::deque<float> script;
    int calls = 0;

private:
    SeededRnd m_fallback{7};
};

inline ScriptedRnd &installScriptedRnd()
{
    auto generator = std::make_unique<ScriptedRnd>();
    ScriptedRnd &installed = *generator;
    setRnd(std::move(generator));
    return installed;
}

// The places of the build windows with their values, highest first.
inline const std::vector<std::pair<QString, int>> &placeValues()
{
    static const std::vector<std::pair<QString, int>> all = {{"hk", 100000}, {"dak", 10000}, {"uk", 1000}, {"k", 1000},
                                                             {"h", 100},     {"da", 10},     {"u", 1}};
    return all;
}

// Rnd values that make Int(Rnd * n) give `whole`.
inline float pick(int whole, int n)
{
    return float((whole + 0.5) / n);
}

// Scripts the next item of a build window to be `number`: a value for the
// background colour, then the window's draw.
void scriptItem(ScriptedRnd &rnd, const QString &window, int number, int numeroMassimo);

// A build window driven as a pupil drives it: clicks under the rods,
// "Conferma", "Ricomincia", "avanti", the menus.
struct Pupil
{
    ui::Form *form = nullptr;

    ui::Control *c(const QString &name, int index = -1) const { return form->control(name, index); }
    void click(const QString &name) const { QTest::mouseClick(c(name)->widget(), Qt::LeftButton); }
    void rod(const QString &suffix, int clicks, Qt::MouseButton button = Qt::LeftButton) const
    {
        for (int i = 0; i < clicks; ++i) {
            QTest::mouseClick(c(QStringLiteral("Bot_") + suffix)->widget(), button);
        }
    }
    void conferma() const { click(QStringLiteral("BottoneConferma")); }
    void ricomincia() const { click(QStringLiteral("Bot_ricomincia")); }
    void avanti() const { click(QStringLiteral("BottoneAvanti")); }
    void menu(const QString &name) const { qobject_cast<ui::MenuControl *>(c(name))->trigger(); }
    // Picks an option of the maximum chooser, clicking its round button.
    void choose(int option) const
    {
        QWidget *w = c(QStringLiteral("OpzioneNumeroMassimo"), option)->widget();
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
    }
    bool enabled(const QString &name) const { return c(name)->enabled(); }
    // The beads shown on a rod; fails the test if they are not a run from the bottom.
    int beads(const QString &suffix) const;
    // The places of the window, highest first.
    std::vector<std::pair<QString, int>> places() const;
    // Clicks each rod as many times as the digit of `number` there.
    void build(int number) const;
    QString target() const { return c(QStringLiteral("EtichettaNumero"))->caption(); }
    QString esatti() const { return c(QStringLiteral("EtichettaEsatti"))->caption(); }
    QString errati() const { return c(QStringLiteral("EtichettaErrati"))->caption(); }
    bool rightIcon() const { return c(QStringLiteral("ComandoIconaSi"))->visible(); }
    bool wrongIcon() const { return c(QStringLiteral("ComandoIconaNo"))->visible(); }
};

} // namespace ortix::test
