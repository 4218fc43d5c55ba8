#pragma once

#include "exercise/engine/ExerciseForm.h"

namespace ortix {

// How "Conferma" treats an answer. A1: "Conferma" waits after every check
// until the beads are touched again. A2: a wrong answer may be confirmed
// again at once; a right one moves the focus to "avanti".
enum class CheckVariant { A1, A2 };

// How the target is written in digits: " 305" (a blank, then the digits)
// or "### ###" ("4 725").
enum class DigitsForm { BlankAndDigits, Grouped };

// One row of the build-the-number windows: the common row, then what the
// family adds to it.
struct BuildWindow
{
    ExerciseWindow exercise;
    CheckVariant check = CheckVariant::A1;
    double digitsPoints = 48;
    DigitsForm digitsForm = DigitsForm::BlankAndDigits;
    double wordsPoints = 36;
    // Where the target label stands (twips).
    double targetLeft = 0;
    double targetTop = 0;
    double targetWidth = 0;
    double targetHeight = 0;
    // The display menu and its two items.
    QString menuNumeri = QStringLiteral("MenuNumero");
    QString menuParole = QStringLiteral("MenuParole");
    QString menuCifre = QStringLiteral("MenuCifre");
    QString wordsCaption = QStringLiteral("in lettere");
};

// A build-the-number window: the pupil reads the target (EtichettaNumero,
// in words or in digits), builds it on the frame by clicking the rod
// buttons (left adds a bead, any other button takes one away) and presses
// "Conferma". The labelled windows derive from it and show the target in
// their own controls (MostraObiettivo).
class BuildForm : public ExerciseForm
{
    Q_OBJECT

public:
    explicit BuildForm(const BuildWindow &row);

    const BuildWindow &buildRow() const { return m_build; }
    bool inCifre() const { return m_inCifre; }

    void rodMouseDown(Place place, int button);
    void Bot_ricomincia_Click();
    void BottoneConferma_Click();
    void MenuCifre_Click();
    void MenuParole_Click();
    // A click on the target (its label, or the box that holds it).
    void EtichettaNumero_Click();

    // The target as text: digits (by the row's form) or upper-case words in
    // the number-word language.
    QString digitsText(qint32 number) const;
    static QString wordsText(qint32 number);

protected:
    // For windows that show the target in controls of their own: they pass
    // those controls instead of the single label EtichettaNumero.
    BuildForm(const BuildWindow &row, const std::vector<ui::ControlBlueprint> &targetControls);

    static ui::FormBlueprint design(const BuildWindow &row, const std::vector<ui::ControlBlueprint> &targetControls);
    static std::vector<ui::ControlBlueprint> targetLabel(const BuildWindow &row);

    // Shows NumeroACaso as the target, in the present display mode.
    virtual void MostraObiettivo();

    void startItem() override;
    ui::Control *answerControl() const override;
    void resetMembers() override;
    void afterResize() override;
    VoiceWindow voiceWindow() const override { return VoiceWindow::Build; }

private:
    void connectControls();
    void fitTarget();
    void setDisplay(bool inCifre);

    BuildWindow m_build;
    bool m_inCifre = false;
};

} // namespace ortix
