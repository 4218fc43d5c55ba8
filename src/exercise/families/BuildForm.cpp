#include "exercise/families/BuildForm.h"

#include "base/SharedState.h"
#include "exercise/engine/ExerciseDesign.h"
#include "exercise/engine/NumberText.h"
#include "exercise/engine/TextWrap.h"
#include "ui/PaintedControls.h"
#include "ui/WidgetControls.h"
#include "words/MaiuscoloPerCarattere.h"
#include "words/NumeroInLettere.h"

#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

namespace ortix {

using namespace ui;
using namespace exerciseDesign;

namespace {

const QString kRodTip = QStringLiteral("Click sinistro per inserire le palline, click destro per toglierle.");
// Wide enough to click easily, narrow enough for six rods 1200 twips apart.
constexpr double kRodButtonWidth = 1080;

std::vector<ControlBlueprint> familyControls(const BuildWindow &row, const std::vector<ControlBlueprint> &targetControls)
{
    std::vector<ControlBlueprint> controls = targetControls;
    const FrameLayout *layout = frameLayoutFor(row.exercise.name);
    for (int i = 0; layout && i < layout->rodCount(); ++i) {
        const Place place = layout->places[std::size_t(i)];
        controls.push_back(button(QStringLiteral("Bot_") + suffixOf(place), layout->rodX[std::size_t(i)] - kRodButtonWidth / 2,
                                  kUnderRodsTop, kRodButtonWidth, kUnderRodsHeight, suffixOf(place))
                               .withFont(kFace, 11, true)
                               .withTip(kRodTip));
    }
    controls.push_back(button(QStringLiteral("BottoneConferma"), kPanelLeft, kAnswerTop, kPanelWidth, kAnswerHeight,
                              QStringLiteral("Conferma"))
                           .withFont(kFace, 14, true));
    controls.push_back(button(QStringLiteral("Bot_ricomincia"), kPanelLeft, kSecondTop, kPanelWidth, kSecondHeight,
                              QStringLiteral("Ricomincia"))
                           .withFont(kFace, 11, true));
    return controls;
}

std::vector<ControlBlueprint> displayMenus(const BuildWindow &row)
{
    return {
        menuItem(row.menuNumeri, QStringLiteral("Numeri")),
        menuItem(row.menuParole, row.wordsCaption, row.menuNumeri).ticked(),
        menuItem(row.menuCifre, QStringLiteral("in cifre"), row.menuNumeri),
    };
}

} // namespace

ui::FormBlueprint BuildForm::design(const BuildWindow &row, const std::vector<ControlBlueprint> &targetControls)
{
    return exerciseFormBlueprint(row.exercise, familyControls(row, targetControls), displayMenus(row));
}

std::vector<ControlBlueprint> BuildForm::targetLabel(const BuildWindow &row)
{
    return {label(QStringLiteral("EtichettaNumero"), row.targetLeft, row.targetTop, row.targetWidth, row.targetHeight,
                  QStringLiteral("Forma il numero"))
                .withFont(kFace, row.wordsPoints, true)
                .withBack(Qt::white)
                .centred()};
}

BuildForm::BuildForm(const BuildWindow &row)
    : BuildForm(row, targetLabel(row))
{
}

BuildForm::BuildForm(const BuildWindow &row, const std::vector<ControlBlueprint> &targetControls)
    : ExerciseForm(row.exercise, design(row, targetControls))
    , m_build(row)
{
    connectControls();
}

void BuildForm::connectControls()
{
    for (Place place : palline().layout().places) {
        Control *rodButton = control(QStringLiteral("Bot_") + suffixOf(place));
        rodButton->onMouseDown = [this, place](int button, int, double, double) { rodMouseDown(place, button); };
        // The rod cannot be clicked (the mouse passes through it); assistive
        // technology raises and lowers it as the button does.
        palline().rod(place)->onMouseDown = rodButton->onMouseDown;
    }
    control(QStringLiteral("Bot_ricomincia"))->onClick = [this] { Bot_ricomincia_Click(); };
    control(QStringLiteral("BottoneConferma"))->onClick = [this] { BottoneConferma_Click(); };
    control(m_build.menuCifre)->onClick = [this] { MenuCifre_Click(); };
    control(m_build.menuParole)->onClick = [this] { MenuParole_Click(); };
    if (auto *target = controlAs<LabelControl>(QStringLiteral("EtichettaNumero"))) {
        target->label()->setAlignment(Qt::AlignCenter);
    }
    // The labels inside Picture1 pass their clicks on to it, so each click
    // on the target is heard once.
    const auto clicked = [this](int, int, double, double) { EtichettaNumero_Click(); };
    for (const char *name : {"EtichettaNumero", "Picture1"}) {
        if (Control *target = control(QString::fromLatin1(name))) {
            target->onMouseDown = clicked;
        }
    }
}

void BuildForm::EtichettaNumero_Click()
{
    readAloud(VoiceMoment::TargetClicked);
}

ui::Control *BuildForm::answerControl() const
{
    return control(QStringLiteral("BottoneConferma"));
}

void BuildForm::resetMembers()
{
    m_inCifre = false;
}

void BuildForm::startItem()
{
    control(QStringLiteral("Bot_ricomincia"))->setEnabled(true);
    palline().NascondiPalline();
    drawNumeroACaso();
    MostraObiettivo();
}

QString BuildForm::digitsText(qint32 number) const
{
    return m_build.digitsForm == DigitsForm::Grouped ? testoATreCifre(number) : testoConSegno(number);
}

QString BuildForm::wordsText(qint32 number)
{
    return MaiuscoloPerCarattere(NumeroInLettere(number, shared().LinguaNumeri));
}

void BuildForm::MostraObiettivo()
{
    Control *target = control(QStringLiteral("EtichettaNumero"));
    const qint32 number = shared().NumeroACaso;
    if (m_inCifre) {
        target->setFontSize(m_build.digitsPoints);
        target->setCaption(digitsText(number));
    } else {
        target->setFontSize(m_build.wordsPoints);
        target->setCaption(wordsText(number));
    }
    fitTarget();
}

void BuildForm::afterResize()
{
    fitTarget();
}

// The caption holds the target as it is; the label shows it broken into
// lines that fit, since fonts keep their size on any screen and long words
// (Italian and German write a number as one word) must still show whole.
void BuildForm::fitTarget()
{
    auto *target = controlAs<LabelControl>(QStringLiteral("EtichettaNumero"));
    if (!target) {
        return;
    }
    QLabel *shown = target->label();
    const QString text = target->caption();
    QList<qsizetype> softBreaks;
    const qint32 number = shared().NumeroACaso;
    if (!m_inCifre && number >= 1000 && number % 1000 != 0) {
        // Preferably after the thousands: "SETTEMILA" / "TRECENTO".
        const QString thousands = wordsText(number / 1000 * 1000).trimmed();
        if (text.startsWith(thousands)) {
            softBreaks << thousands.size();
        }
    }
    const int width = std::max(1, shown->contentsRect().width() - 8);
    shown->setText(wrapToWidth(text.trimmed(), QFontMetrics(shown->font()), width, softBreaks));
}

void BuildForm::rodMouseDown(Place place, int button)
{
    Control *conferma = control(QStringLiteral("BottoneConferma"));
    if (m_build.check == CheckVariant::A1 && !conferma->enabled()) {
        conferma->setEnabled(true);
    }
    if (button == LeftButton) {
        palline().AggiungiPallina(place);
    } else {
        palline().TogliPallina(place);
    }
}

void BuildForm::Bot_ricomincia_Click()
{
    Control *conferma = control(QStringLiteral("BottoneConferma"));
    if (m_build.check == CheckVariant::A1 && !conferma->enabled()) {
        conferma->setEnabled(true);
    }
    palline().NascondiPalline();
}

void BuildForm::BottoneConferma_Click()
{
    Control *conferma = control(QStringLiteral("BottoneConferma"));
    Control *avanti = control(QStringLiteral("BottoneAvanti"));
    Control *ricomincia = control(QStringLiteral("Bot_ricomincia"));
    const bool right = palline().numero() == shared().NumeroACaso;
    if (m_build.check == CheckVariant::A1) {
        conferma->setEnabled(false);
        if (right) {
            SegnaEsatto();
            avanti->setEnabled(true);
            ricomincia->setEnabled(false);
        } else {
            SegnaErrato();
        }
        return;
    }
    if (right) {
        SegnaEsatto();
        avanti->setEnabled(true);
        conferma->setEnabled(false);
        ricomincia->setEnabled(false);
        avanti->setFocus();
    } else {
        SegnaErrato();
    }
}

void BuildForm::setDisplay(bool inCifre)
{
    control(m_build.menuCifre)->setChecked(inCifre);
    control(m_build.menuParole)->setChecked(!inCifre);
    m_inCifre = inCifre;
    NuovoNumero();
}

void BuildForm::MenuCifre_Click()
{
    if (!control(m_build.menuCifre)->checked()) {
        setDisplay(true);
    }
}

void BuildForm::MenuParole_Click()
{
    if (!control(m_build.menuParole)->checked()) {
        setDisplay(false);
    }
}

} // namespace ortix
