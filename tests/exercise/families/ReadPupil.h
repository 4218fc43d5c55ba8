#pragma once

#include "BuildDriver.h"

#include "exercise/families/ReadBeadsForm.h"
#include "ui/Forms.h"
#include "ui/WidgetControls.h"

#include <QLineEdit>
#include <QTest>

namespace ortix::test {

// A read-the-beads window driven as a pupil drives it: reads the beads,
// types into the answer box, presses Enter and "avanti".
struct Reader
{
    ReadBeadsForm *form = nullptr;

    ui::Control *c(const QString &name, int index = -1) const { return form->control(name, index); }
    QLineEdit *box() const { return form->answerBox()->lineEdit(); }
    QString text() const { return box()->text(); }
    // ASCII keys, one click each.
    void type(const QString &ascii) const { QTest::keyClicks(box(), ascii); }
    // Any other character, as a keyboard layout delivers it.
    void typeChar(const QString &ch) const
    {
        QTest::sendKeyEvent(QTest::Click, box(), Qt::Key_unknown, ch, Qt::NoModifier);
    }
    void press(Qt::Key key, const QString &text, QTest::KeyAction action = QTest::Click) const
    {
        QTest::sendKeyEvent(action, box(), key, text, Qt::NoModifier);
    }
    void enter() const { press(Qt::Key_Return, QStringLiteral("\r")); }
    // Empties the box with Backspace, the one editing key every box lets through.
    void erase() const
    {
        QTest::keyClick(box(), Qt::Key_End);
        while (!text().isEmpty()) {
            press(Qt::Key_Backspace, QStringLiteral("\b"));
        }
    }
    void answer(const QString &ascii) const
    {
        erase();
        type(ascii);
        enter();
    }
    void avanti() const { QTest::mouseClick(c(QStringLiteral("BottoneAvanti"))->widget(), Qt::LeftButton); }
    // The number the beads show, rod by rod.
    int beads() const
    {
        int number = 0;
        for (Place place : form->palline().layout().places) {
            int shown = 0;
            for (ui::Control *bead : form->controlArray(QStringLiteral("pal_") + suffixOf(place))) {
                shown += bead->visible() ? 1 : 0;
            }
            number += shown * valueOf(place);
        }
        return number;
    }
    QString esatti() const { return c(QStringLiteral("EtichettaEsatti"))->caption(); }
    QString errati() const { return c(QStringLiteral("EtichettaErrati"))->caption(); }
    bool avantiEnabled() const { return c(QStringLiteral("BottoneAvanti"))->enabled(); }
};

// Opens a read window whose first item is `number`.
inline Reader openReading(ScriptedRnd &rnd, const QString &window, int number)
{
    scriptItem(rnd, window, number);
    return Reader{qobject_cast<ReadBeadsForm *>(ui::Forms::open(window, nullptr))};
}

} // namespace ortix::test
