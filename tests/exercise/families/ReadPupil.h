#pragma once

#include "BuildDriver.h"

#include "exercise/families/ReadBeadsForm.h"
#include "exercise/families/ReadWindows.h"
#include "ui/Forms.h"
#include "ui/WidgetControls.h"

#include <QLineEdit>
#include <QTest>

namespace ortix::test {

// Scripts the next item of a read-the-beads window to be `number`: a value
// for the background colour, then the window's draw.
inline void scriptReadItem(ScriptedRnd &rnd, const QString &window, int number, int numeroMassimo)
{
    if (window == u"Form6" || window == u"Form5") {
        scriptItem(rnd, QStringLiteral("Form4"), number, 9);
    } else if (window == u"Form99b" || window == u"Form999b") {
        rnd.script.push_back(0.5f);
        rnd.script.push_back(pick(number, numeroMassimo));
    } else if (window == u"Form99b1" || window == u"Form999b1") {
        scriptItem(rnd, QStringLiteral("Form99a"), number, numeroMassimo);
    } else if (window == u"F9999b" || window == u"F9999c") {
        scriptItem(rnd, QStringLiteral("F9999a"), number, numeroMassimo);
    } else {
        scriptItem(rnd, QStringLiteral("Periodo1"), number, 0);
    }
}

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

// The maximum a window draws its first item with.
inline int startMaximumOf(const QString &window)
{
    const ExerciseWindow &row = readWindowFor(window)->exercise;
    if (row.startMaximum) {
        return *row.startMaximum;
    }
    return row.maximum ? defaultMaximum(*row.maximum) : 0;
}

// Opens a read window whose first item is `number`.
inline Reader openReading(ScriptedRnd &rnd, const QString &window, int number)
{
    scriptReadItem(rnd, window, number, startMaximumOf(window));
    return Reader{qobject_cast<ReadBeadsForm *>(ui::Forms::open(window, nullptr))};
}

} // namespace ortix::test
