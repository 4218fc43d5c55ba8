#pragma once

#include "exercise/engine/ExerciseWindow.h"
#include "exercise/engine/Palline.h"
#include "lang/NumberVoice.h"
#include "ui/Form.h"

namespace ortix {

// The frame every exercise window shares: its opening (split between load
// and first showing as the window's row says), the score and the right and
// wrong feedback, "avanti", "Azzera conteggio", "Informazioni", "Esci",
// the maximum chooser and the counting frame (palline()). A family derives
// from it, adds its own controls to the design (exerciseFormBlueprint) and
// supplies the rest of a new item (startItem) and its answer control.
class ExerciseForm : public ui::Form
{
    Q_OBJECT

public:
    ExerciseForm(const ExerciseWindow &row, const ui::FormBlueprint &blueprint);

    const ExerciseWindow &row() const { return m_row; }
    Palline &palline() { return m_palline; }
    const Palline &palline() const { return m_palline; }

    // A new item: a new background colour, then the family's part.
    void NuovoNumero();
    // The family's check found the answer right / wrong: icon, sound, count.
    void SegnaEsatto();
    void SegnaErrato();

    void BottoneAvanti_Click();
    void MenuAzzera_Click();
    void MenuInformazioni_Click();
    void mnuEsci_Click();
    void ScegliMassimo();
    void OpzioneNumeroMassimo_Click(int index);

signals:
    // A check has just been scored, right or wrong; it is told even when
    // the counter has stopped at its largest value.
    void scored(bool right);

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;

    // Runs one opening step; a family may add to a step or handle its own.
    virtual void runOpeningStep(OpeningStep step);
    // The rest of NuovoNumero: clear, draw, show the item.
    virtual void startItem() = 0;
    // What "avanti" enables again ("Conferma" or the answer box).
    virtual ui::Control *answerControl() const = 0;
    // The window's own members back to their opening values.
    virtual void resetMembers() {}
    // After "avanti" has drawn the new item.
    virtual void afterAvanti() {}
    // After the controls have been rescaled to a new size.
    virtual void afterResize() {}
    // How the voice treats the window: whether its item may be heard
    // before it is answered.
    virtual VoiceWindow voiceWindow() const = 0;

    // Reads NumeroACaso aloud when the voice speaks at that moment.
    void readAloud(VoiceMoment moment);

    // NumeroACaso = a number drawn by the window's rule.
    void drawNumeroACaso();
    // Names for assistive technology in the current language (the rods and
    // their beads, the pictures); run again after a change of language.
    virtual void describeForAssistiveTechnology();

private:
    void connectCommonControls();
    void setCounterCaptions(const QString &right, const QString &wrong);
    void announceFeedback(ui::Control *picture);
    void coverWithChooser();

    ExerciseWindow m_row;
    Palline m_palline;
};

} // namespace ortix
