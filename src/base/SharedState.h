#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

namespace ortix {

// The program-wide values that outlive every window. They are read and
// written only from the user-interface thread.
struct SharedState
{
    // Start-up and main menu.
    bool SuoniAttivati = true;
    // The voice that reads the numbers aloud; off at every start.
    bool VoceAttivata = false;
    qint32 NumeroMassimo = 99;

    // Language support.
    QString MLSCurrentLanguage;
    QString LinguaNumeri;
    std::array<QString, 11> ParteUnita;
    std::array<QString, 11> ParteDecina;

    // Texts read once at start-up, in the language current then.
    QString TestoEsatti;
    QString TestoErrati;
    QString TestoOrdine_hk;
    QString TestoOrdine_dak;
    QString TestoOrdine_uk;
    QString TestoOrdine_h;
    QString TestoOrdine_da;
    QString TestoOrdine_u;

    // The score and the item of the open exercise window.
    qint16 ConteggioEsatti = 0;
    qint16 ConteggioErrati = 0;
    qint32 NumeroACaso = 0;
};

SharedState &shared();

// Back to the values of a fresh start (tests start each case from here).
void resetShared();

} // namespace ortix
