#pragma once

#include "exercise/engine/ExerciseForm.h"
#include "exercise/families/AnswerRules.h"
#include "ui/ControlBlueprint.h"

#include <vector>

namespace ortix::ui {
class TextBoxControl;
}

namespace ortix {

// What the pupil writes the number of the beads in.
enum class ReadAnswer { Digits, Words };

// When the answer is checked: when Enter is released in the box, or as
// soon as Enter is typed.
enum class CheckOn { KeyUp, KeyPress };

// What the answer box does with a typed character.
enum class KeyFilter {
    None,     // every character reaches the box
    Digits,   // only what admitsDigitsKey admits
    Capitals, // letters become capitals one by one ("ü" to "Ü", "ß" stays)
};

// One row of the read-the-beads windows: the common row, then what the
// family adds to it.
struct ReadWindow
{
    ExerciseWindow exercise;
    ReadAnswer answer = ReadAnswer::Digits;
    // How a digits answer is judged.
    AnswerRule rule = AnswerRule::Value;
    CheckOn checkOn = CheckOn::KeyUp;
    KeyFilter filter = KeyFilter::Digits;
    // The answer box: one line, centred, bold Arial, first in the tab order.
    QString boxName = QStringLiteral("TestoNumero");
    int maxLength = 5;
    double points = 24;
    double boxLeft = 0;
    double boxTop = 0;
    double boxWidth = 0;
    double boxHeight = 0;
    // The title label and, under a single rod, the label of its place.
    std::vector<ui::ControlBlueprint> labels;
    // NuovoNumero ends by giving the (enabled) box the focus; otherwise the
    // focus stays where it is.
    bool focusOnNewItem = false;
    // The number is drawn again while the draw gives 0.
    bool redrawZero = false;
};

// A read-the-beads window: the frame shows NumeroACaso as beads and the
// pupil writes that number, in digits or in words, into the answer box and
// presses Enter. A right answer disables the box and enables "avanti"; a
// wrong one keeps the text for the pupil to correct.
class ReadBeadsForm : public ExerciseForm
{
    Q_OBJECT

public:
    explicit ReadBeadsForm(const ReadWindow &row);

    const ReadWindow &readRow() const { return m_read; }
    ui::TextBoxControl *answerBox() const;
    // The answer the present item expects, as it would be typed: the words,
    // or the digits (grouped by the locale where the rule groups them).
    QString expectedAnswer() const;

    // TestoNumero_KeyPress / Text1_KeyPress: the key filter, and in the
    // windows that check on key press, the check on Enter.
    void answerKeyPress(int &keyAscii);
    // TestoNumero_KeyUp / Text1_KeyUp: the check on Enter.
    void answerKeyUp(int keyCode, int shift);

protected:
    void startItem() override;
    ui::Control *answerControl() const override;
    void afterAvanti() override;
    void afterResize() override;
    VoiceWindow voiceWindow() const override { return VoiceWindow::Write; }

private:
    static ui::FormBlueprint design(const ReadWindow &row);
    void checkAnswer();
    bool isRight(const QString &answer) const;
    void fitAnswerFont();

    ReadWindow m_read;
};

} // namespace ortix
