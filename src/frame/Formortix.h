#pragma once

#include "ui/Form.h"

#include <QColor>

#include <array>

namespace ortix {

// The free counting frame: up to six rods, units on the right, on which the
// pupil threads beads with the left button and takes them off with the
// right one. How many rods and how many beads a rod holds are chosen in a
// panel and kept in a settings file from one use to the next; the frame
// can be emptied, printed, and left back to the menu.
class Formortix : public ui::Form
{
    Q_OBJECT
public:
    Formortix();
    static ui::FormBlueprint design();

    // The background of the frame, and of the page while it is printed.
    static inline const QColor kSfondo = QColor(0xFF, 0xC0, 0xFF);

    // The rods' places: bead array, bead and button colour, caption.
    struct Posto
    {
        const char *pallina;
        QColor colorePallina;
        QColor coloreBottone;
        const char *didascalia;
    };
    static const std::array<Posto, 6> &posti();

    int NumeroFili() const { return m_NumeroFili; }
    int PallinePerFilo() const { return m_PallinePerFilo; }
    int DimPallina() const { return m_DimPallina; }
    int PallineSulFilo(int r) const { return m_PallineSulFilo.at(r); }
    // The number the beads show: each shown rod's beads times its place.
    qint64 numeroMostrato() const;
    QString FileIni() const { return m_FileIni; }
    // Bead k (0 at the bottom) of rod r (1 to 6).
    ui::Control *pallina(int r, int k) const;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_Unload() override;

private:
    void DimensionaPalline();
    void DisponiFili();
    void DisponiPalline();
    void SvuotaOrtix();
    void CostruisciOrtix();
    void RicostruisciOrtix();

    void Command2_MouseDown(int index, int button);
    void Command1_Click();
    void HScroll1_Change();
    void HScroll2_Change();
    void mnuConfigura_Click();
    void mnuSvuota_Click();
    void mnuStampa_Click();
    void MenuInformazioni_Click();
    void mnuEsci_Click();

    void RecuperaIni();
    void SalvaIni();
    void CreaCartellaImpostazioni();
    void SuonoMetti();
    void SuonoTogli();
    void SuonoSvuota();

    // Names of the rods, their beads and buttons for assistive technology,
    // and the beads on each rod; again after a change of language.
    void describeForAssistiveTechnology();
    void tellCount(int r);

    ui::Control *filo(int i) const;
    ui::Control *bottone(int i) const;
    void suona(const char *file);

    int m_NumeroFili = 6;
    int m_PallinePerFilo = 9;
    int m_DimPallina = 1;
    std::array<int, 7> m_PallineSulFilo{};
    QString m_FileIni;
    QString m_cartellaImpostazioni;
    // Set once the frame has been built at the first activation.
    bool m_costruito = false;
};

} // namespace ortix
