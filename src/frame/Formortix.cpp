#include "frame/Formortix.h"

#include "base/ProgramFolder.h"
#include "base/SharedState.h"
#include "base/SmallOperations.h"
#include "frame/BeadCursor.h"
#include "frame/FrameFiles.h"
#include "frame/FrameLayout.h"
#include "frame/FramePicture.h"
#include "lang/AccessibleTexts.h"
#include "lang/LanguageSupport.h"
#include "lang/NumberVoice.h"
#include "lang/ProgramQuestions.h"
#include "lang/TranslateForm.h"
#include "ui/Accessibility.h"
#include "ui/ClsResize.h"
#include "ui/Services.h"

#include <QDir>
#include <QMouseEvent>
#include <QPainter>

namespace ortix {

using namespace ui;

namespace {

QString testo(const char *id)
{
    return lang::MLSGetString(QString::fromLatin1(id));
}

QString cartellaImpostazioni()
{
    const QString root = settingsRoot();
    // Without a known root the settings are not kept, rather than written
    // into whatever the current folder happens to be.
    return root.isEmpty() ? QString() : QDir(root).filePath(QString::fromLatin1(kCartellaImpostazioni));
}

} // namespace

Formortix::Formortix()
    : Form(design())
{
    const QCursor pointer = beadPointer();
    for (int i = 0; i <= kMaxFili; ++i) {
        Control *b = bottone(i);
        b->onMouseDown = [this, i](int button, int, double, double) { Command2_MouseDown(i, button); };
        b->widget()->setCursor(pointer);
        // The rod cannot be clicked (the mouse passes through it); assistive
        // technology raises and lowers it as the button does.
        filo(i)->onMouseDown = b->onMouseDown;
    }
    // The keyboard goes through the rods as the number is read: from the
    // highest place on the left to the units on the right.
    for (int r = kMaxFili; r > 1; --r) {
        setTabOrder(bottone(r)->widget(), bottone(r - 1)->widget());
    }
    // The panel's scroll bars are named by the labels above them.
    labelWithTitle(control(QStringLiteral("HScroll1")), control(QStringLiteral("Label1")));
    labelWithTitle(control(QStringLiteral("HScroll2")), control(QStringLiteral("Label5")));
    describeForAssistiveTechnology();
    connect(this, &Form::languageChanged, this, &Formortix::describeForAssistiveTechnology);
    control(QStringLiteral("Command1"))->onClick = [this] { Command1_Click(); };
    control(QStringLiteral("HScroll1"))->onChange = [this] { HScroll1_Change(); };
    control(QStringLiteral("HScroll2"))->onChange = [this] { HScroll2_Change(); };
    control(QStringLiteral("mnuSvuota"))->onClick = [this] { mnuSvuota_Click(); };
    control(QStringLiteral("mnuConfigura"))->onClick = [this] { mnuConfigura_Click(); };
    control(QStringLiteral("mnuStampa"))->onClick = [this] { mnuStampa_Click(); };
    control(QStringLiteral("MenuInformazioni"))->onClick = [this] { MenuInformazioni_Click(); };
    control(QStringLiteral("mnuEsci"))->onClick = [this] { mnuEsci_Click(); };
}

Control *Formortix::filo(int i) const
{
    return control(QStringLiteral("FiloOrtix"), i);
}

Control *Formortix::bottone(int i) const
{
    return control(QStringLiteral("Command2"), i);
}

Control *Formortix::pallina(int r, int k) const
{
    if (r < 1 || r > kMaxFili) {
        return nullptr;
    }
    return control(QString::fromLatin1(posti().at(r - 1).pallina), k);
}

void Formortix::describeForAssistiveTechnology()
{
    for (int r = 1; r <= kMaxFili; ++r) {
        // Rod r holds the place of value 10^(r - 1).
        filo(r)->setAccessibleName(lang::placeName(r - 1));
        const QString bead = lang::beadName(r - 1);
        for (int k = 0; k < kPallinePerArray; ++k) {
            pallina(r, k)->setAccessibleName(bead);
        }
        bottone(r)->setAccessibleDescription(lang::rodKeysHint());
        tellCount(r);
    }
}

void Formortix::tellCount(int r)
{
    const int beads = m_PallineSulFilo.at(std::size_t(r));
    filo(r)->setAccessibleValue(beads, m_PallinePerFilo);
    bottone(r)->setAccessibleName(lang::rodButtonName(r - 1, beads));
}

// Life of the window ----------------------------------------------------

void Formortix::Form_Load()
{
    lang::MLSTranslateForm(*this);
    bindNewResizer(this, 75);
    m_cartellaImpostazioni = cartellaImpostazioni();
    if (!m_cartellaImpostazioni.isEmpty()) {
        const QDir cartella(m_cartellaImpostazioni);
        m_FileIni = cartella.filePath(QString::fromLatin1(kNomeFileIni));
        if (!Se_esiste(cartella.filePath(QString::fromLatin1(kNomeFileLeggimi)))) {
            CreaCartellaImpostazioni();
        }
    }
    RecuperaIni();
}

void Formortix::Form_Activate()
{
    fillScreen();
    RicostruisciOrtix();
    m_costruito = true;
}

void Formortix::Form_Resize()
{
    Form::Form_Resize();
    // The rescaling puts rods, buttons and beads back at their design
    // places; laying the frame out again keeps it as the pupil built it.
    if (m_costruito) {
        DimensionaPalline();
        DisponiFili();
        DisponiPalline();
        CostruisciOrtix();
    }
}

void Formortix::Form_Unload()
{
    SalvaIni();
}

// Building the frame ----------------------------------------------------

void Formortix::DimensionaPalline()
{
    const double lunghezza = filo(1)->y2() - filo(1)->y1();
    m_DimPallina = beadSide(lunghezza, m_PallinePerFilo);
    for (int k = 0; k < kPallinePerArray; ++k) {
        for (int r = 1; r <= kMaxFili; ++r) {
            pallina(r, k)->setWidth(m_DimPallina);
            pallina(r, k)->setHeight(m_DimPallina);
        }
    }
}

void Formortix::DisponiFili()
{
    for (int r = 1; r <= m_NumeroFili; ++r) {
        const int x = rodX(width(), m_NumeroFili, r);
        filo(r)->setX1(x);
        filo(r)->setX2(x);
        bottone(r)->setLeft(buttonLeftUnderRod(x, bottone(r)->width()));
    }
}

void Formortix::DisponiPalline()
{
    for (int k = 0; k < kPallinePerArray; ++k) {
        for (int r = 1; r <= kMaxFili; ++r) {
            Control *bead = pallina(r, k);
            bead->setLeft(filo(r)->x1() - m_DimPallina / 2.0);
            bead->setTop(filo(r)->y2() - (k + 1) * m_DimPallina);
        }
    }
}

void Formortix::SvuotaOrtix()
{
    for (int k = 0; k < kPallinePerArray; ++k) {
        for (int r = 1; r <= kMaxFili; ++r) {
            pallina(r, k)->setVisible(false);
        }
    }
    m_PallineSulFilo.fill(0);
    for (int r = 1; r <= kMaxFili; ++r) {
        tellCount(r);
    }
}

void Formortix::CostruisciOrtix()
{
    for (int r = 1; r <= kMaxFili; ++r) {
        bottone(r)->setCaption(m_PallinePerFilo == 9 ? QString::fromLatin1(posti().at(r - 1).didascalia) : QString());
    }
    for (int i = 0; i <= kMaxFili; ++i) {
        bottone(i)->setVisible(false);
        filo(i)->setVisible(false);
    }
    for (int r = 1; r <= m_NumeroFili; ++r) {
        bottone(r)->setVisible(true);
        filo(r)->setVisible(true);
    }
    const int n = beadsOfFullRod(m_PallinePerFilo);
    for (int i = 0; i <= kMaxFili; ++i) {
        filo(i)->setY1(filo(i)->y2() - double(m_DimPallina) * n);
    }
}

void Formortix::RicostruisciOrtix()
{
    // The bead size is taken from rod 1 before the rods are cut to it.
    DimensionaPalline();
    DisponiFili();
    DisponiPalline();
    SvuotaOrtix();
    CostruisciOrtix();
}

// Clicks and menus ------------------------------------------------------

void Formortix::Command2_MouseDown(int index, int button)
{
    if (index < 1 || index > kMaxFili) {
        return;
    }
    const int r = index;
    const int p = m_PallineSulFilo.at(r);
    const QString titolo = QString::fromUtf8(kTitoloMessaggi);
    if (button == LeftButton) {
        if (p >= m_PallinePerFilo || p >= kPallinePerArray) {
            messageBox(this, testo("0026"), titolo, MsgButtons::Ok, MsgIcon::Critical);
            return;
        }
        pallina(r, p)->setVisible(true);
        m_PallineSulFilo.at(r) = p + 1;
        tellCount(r);
        SuonoMetti();
    } else {
        if (p <= 0) {
            messageBox(this, testo("0027"), titolo, MsgButtons::Ok, MsgIcon::Critical);
            return;
        }
        m_PallineSulFilo.at(r) = p - 1;
        pallina(r, p - 1)->setVisible(false);
        tellCount(r);
        SuonoTogli();
    }
    if (const auto said = utteranceNow(VoiceWindow::FreeFrame, VoiceMoment::BeadsChanged, numeroMostrato())) {
        sayNumber(said->number, said->language);
    }
}

qint64 Formortix::numeroMostrato() const
{
    qint64 numero = 0;
    qint64 posto = 1;
    for (int r = 1; r <= m_NumeroFili; ++r, posto *= 10) {
        numero += m_PallineSulFilo.at(r) * posto;
    }
    return numero;
}

void Formortix::mnuConfigura_Click()
{
    control(QStringLiteral("Frame1"))->move(0, 0, width(), height());
    control(QStringLiteral("Frame1"))->setVisible(true);
    // The keyboard goes on in the panel that covers the frame.
    control(QStringLiteral("HScroll1"))->setFocus();
    control(QStringLiteral("HScroll1"))->setValue(m_NumeroFili);
    control(QStringLiteral("Label2"))->setCaption(QString::number(m_NumeroFili));
    control(QStringLiteral("HScroll2"))->setValue(scrollPositionForBeads(m_PallinePerFilo));
    HScroll2_Change();
}

void Formortix::HScroll1_Change()
{
    control(QStringLiteral("Label2"))->setCaption(QString::number(control(QStringLiteral("HScroll1"))->value()));
}

void Formortix::HScroll2_Change()
{
    const int position = control(QStringLiteral("HScroll2"))->value();
    control(QStringLiteral("Label4"))->setCaption(position == scrollPositionForBeads(kPallinePerArray)
                                                      ? testo("0038")
                                                      : QString::number(position));
}

void Formortix::Command1_Click()
{
    m_NumeroFili = control(QStringLiteral("HScroll1"))->value();
    m_PallinePerFilo = beadsForScrollPosition(control(QStringLiteral("HScroll2"))->value());
    control(QStringLiteral("Frame1"))->setVisible(false);
    RicostruisciOrtix();
    SalvaIni();
}

void Formortix::mnuSvuota_Click()
{
    SvuotaOrtix();
    SuonoSvuota();
}

void Formortix::mnuStampa_Click()
{
    // The page shows the frame on white paper; the window keeps its colour.
    setBackColor(Qt::white);
    const PrintResult result = printPage(PrintJob{QStringLiteral("ortix"), QSizeF(scaleWidth(), scaleHeight()),
                                                  [this](QPainter &painter) { paintFramePicture(*this, painter); }});
    setBackColor(kSfondo);
    if (result.outcome == PrintOutcome::SavedAsPdf) {
        messageBox(this, testo("0060") + QStringLiteral("\n\n") + QDir::toNativeSeparators(result.pdfFile),
                   QString::fromUtf8(kTitoloMessaggi), MsgButtons::Ok, MsgIcon::Information);
    }
}

void Formortix::MenuInformazioni_Click()
{
    MostraInformazioni(this);
}

void Formortix::mnuEsci_Click()
{
    Esci(*this);
}

// Settings and sounds ---------------------------------------------------

void Formortix::RecuperaIni()
{
    const FrameSettings settings = loadFrameSettings(m_FileIni);
    m_NumeroFili = settings.NumeroFili;
    m_PallinePerFilo = settings.PallinePerFilo;
}

void Formortix::SalvaIni()
{
    // A folder without rights or a full disk only means the settings are
    // not kept; the previous file stays whole.
    saveFrameSettings(m_FileIni, FrameSettings{m_NumeroFili, m_PallinePerFilo});
}

void Formortix::CreaCartellaImpostazioni()
{
    makeSettingsFolder(m_cartellaImpostazioni, leggimiText(testo("0041"), testo("0042"), testo("0043")));
}

void Formortix::suona(const char *file)
{
    if (!shared().SuoniAttivati) {
        return;
    }
    playSound(programFile(QStringLiteral("suoni/") + QString::fromLatin1(file)));
}

void Formortix::SuonoMetti()
{
    suona("pop1.wav");
}

void Formortix::SuonoTogli()
{
    suona("blip01.wav");
}

void Formortix::SuonoSvuota()
{
    suona("up05.wav");
}

} // namespace ortix
