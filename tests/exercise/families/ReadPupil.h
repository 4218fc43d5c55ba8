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
    // Any characters, as a keyboard delivers them.
    void type(const QString &keys) const { typeText(box(), keys); }
    void press(Qt::Key key, const QString &text, QTest::KeyAction action = QTest::Click) const
    {
        QTest::sendKeyEvent(action, box(), key, text, Qt::NoModifier);
    }
    void enter() const { pressEnter(box()); }
    // Empties the box with Backspace, the one editing key every box lets
    // through; a Backspace that takes nothing away fails at once.
    void answer(const QString &keys) const
    {
        pressEnd(box());
        while (!text().isEmpty()) {
            const qsizetype before = text().size();
            pressBackspace(box());
            QVERIFY2(text().size() < before, "Backspace took nothing out of the answer box");
        }
        type(keys);
        enter();
    }
    void avanti() const { leftClick(c(QStringLiteral("BottoneAvanti"))); }
    // The number the beads show, -1 when a rod has a gap.
    int beads() const { return beadsNumber(*form); }
    QString esatti() const { return c(QStringLiteral("EtichettaEsatti"))->caption(); }
    QString errati() const { return c(QStringLiteral("EtichettaErrati"))->caption(); }
    bool avantiEnabled() const { return c(QStringLiteral("BottoneAvanti"))->enabled(); }
};

// Opens a read window whose first item is `number`.
inline Reader openReading(ScriptedRnd &rnd, const QString &window, int number)
{
    return Reader{qobject_cast<ReadBeadsForm *>(openWithItem(rnd, window, number))};
}

} // namespace ortix::test
