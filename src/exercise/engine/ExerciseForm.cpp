#include "exercise/engine/ExerciseForm.h"

#include "base/Rnd.h"
#include "base/SharedState.h"
#include "base/SmallOperations.h"
#include "exercise/engine/FeedbackIcons.h"
#include "exercise/engine/FeedbackSounds.h"
#include "exercise/engine/NumberDraw.h"
#include "exercise/engine/Score.h"
#include "lang/AccessibleTexts.h"
#include "lang/ProgramQuestions.h"
#include "lang/TranslateForm.h"
#include "ui/Accessibility.h"
#include "ui/ClsResize.h"
#include "ui/Services.h"
#include "ui/WidgetControls.h"

#include <QLabel>

#include <algorithm>

namespace ortix {

namespace {

const FrameLayout &frameOf(const ExerciseWindow &row)
{
    const FrameLayout *layout = frameLayoutFor(row.name);
    Q_ASSERT_X(layout, "ExerciseForm", "every exercise window has a counting frame");
    return *layout;
}

QString placeText(Place place)
{
    const SharedState &s = shared();
    switch (place) {
    case Place::hk:
        return s.TestoOrdine_hk;
    case Place::dak:
        return s.TestoOrdine_dak;
    case Place::uk:
    case Place::k:
        return s.TestoOrdine_uk;
    case Place::h:
        return s.TestoOrdine_h;
    case Place::da:
        return s.TestoOrdine_da;
    case Place::u:
        break;
    }
    return s.TestoOrdine_u;
}

} // namespace

ExerciseForm::ExerciseForm(const ExerciseWindow &row, const ui::FormBlueprint &blueprint)
    : ui::Form(blueprint)
    , m_row(row)
    , m_palline(*this, frameOf(row))
{
    connectCommonControls();
}

void ExerciseForm::connectCommonControls()
{
    if (auto *icon = controlAs<ui::ImageControl>(QStringLiteral("ComandoIconaSi"))) {
        icon->setPicture(drawRightIcon);
    }
    if (auto *icon = controlAs<ui::ImageControl>(QStringLiteral("ComandoIconaNo"))) {
        icon->setPicture(drawWrongIcon);
    }
    for (const char *name : {"EtichettaEsatti", "EtichettaErrati"}) {
        if (auto *count = controlAs<ui::LabelControl>(QString::fromLatin1(name))) {
            count->label()->setAlignment(Qt::AlignCenter);
        }
    }
    ui::markAsNotice(control(QStringLiteral("ComandoIconaSi")));
    ui::markAsNotice(control(QStringLiteral("ComandoIconaNo")));
    ui::labelWithTitle(control(QStringLiteral("EtichettaEsatti")), control(QStringLiteral("LabelEST")));
    ui::labelWithTitle(control(QStringLiteral("EtichettaErrati")), control(QStringLiteral("LabelErt")));
    describeForAssistiveTechnology();
    connect(this, &ui::Form::languageChanged, this, &ExerciseForm::describeForAssistiveTechnology);
    control(QStringLiteral("BottoneAvanti"))->onClick = [this] { BottoneAvanti_Click(); };
    control(QStringLiteral("MenuAzzera"))->onClick = [this] { MenuAzzera_Click(); };
    control(QStringLiteral("MenuInformazioni"))->onClick = [this] { MenuInformazioni_Click(); };
    control(QStringLiteral("mnuEsci"))->onClick = [this] { mnuEsci_Click(); };
    if (ui::Control *massimo = control(QStringLiteral("mnuMassimo"))) {
        massimo->onClick = [this] { ScegliMassimo(); };
    }
    for (ui::Control *option : controlArray(QStringLiteral("OpzioneNumeroMassimo"))) {
        option->onClick = [this, index = option->index()] { OpzioneNumeroMassimo_Click(index); };
    }
}

void ExerciseForm::describeForAssistiveTechnology()
{
    m_palline.describeForAssistiveTechnology();
    control(QStringLiteral("ComandoIconaSi"))->setAccessibleName(lang::rightPictureName());
    control(QStringLiteral("ComandoIconaNo"))->setAccessibleName(lang::wrongPictureName());
}

void ExerciseForm::Form_Load()
{
    for (OpeningStep step : m_row.onLoad) {
        runOpeningStep(step);
    }
}

void ExerciseForm::Form_Activate()
{
    // A window's frame is known only once it is shown: a window that took
    // the whole screen while it loaded takes it again, frame included.
    if (std::find(m_row.onLoad.begin(), m_row.onLoad.end(), OpeningStep::FillScreen) != m_row.onLoad.end()) {
        fillScreen();
    }
    for (OpeningStep step : m_row.onActivate) {
        runOpeningStep(step);
    }
}

void ExerciseForm::runOpeningStep(OpeningStep step)
{
    SharedState &s = shared();
    switch (step) {
    case OpeningStep::Translate:
        lang::MLSTranslateForm(*this);
        break;
    case OpeningStep::Resizer:
        ui::bindNewResizer(this, 75);
        break;
    case OpeningStep::FillScreen:
        fillScreen();
        break;
    case OpeningStep::ShowAvanti:
        control(QStringLiteral("BottoneAvanti"))->setVisible(true);
        break;
    case OpeningStep::CounterLabelsToZero:
        setCounterCaptions(testoConteggioAzzerato(), testoConteggioAzzerato());
        break;
    case OpeningStep::CountersToZero:
        s.ConteggioEsatti = 0;
        s.ConteggioErrati = 0;
        break;
    case OpeningStep::MembersToZero:
        m_palline.resetCounts();
        resetMembers();
        break;
    case OpeningStep::DefaultMaximum:
        if (m_row.startMaximum) {
            s.NumeroMassimo = *m_row.startMaximum;
        } else if (m_row.maximum) {
            s.NumeroMassimo = defaultMaximum(*m_row.maximum);
        }
        break;
    case OpeningStep::LayOutFrame:
        m_palline.ImpilaPalline();
        break;
    case OpeningStep::RodCaptions:
        for (Place place : m_palline.layout().places) {
            if (ui::Control *button = control(QStringLiteral("Bot_") + suffixOf(place))) {
                button->setCaption(placeText(place));
            }
        }
        break;
    case OpeningStep::CounterTitles:
        control(QStringLiteral("LabelEST"))->setCaption(s.TestoEsatti);
        control(QStringLiteral("LabelErt"))->setCaption(s.TestoErrati);
        break;
    case OpeningStep::FirstItem:
        NuovoNumero();
        break;
    }
}

void ExerciseForm::Form_Resize()
{
    ui::Form::Form_Resize();
    if (isMinimised()) {
        return;
    }
    m_palline.keepLayoutAfterResize();
    if (ui::Control *chooser = control(QStringLiteral("CorniceNumeroMassimo")); chooser && chooser->visible()) {
        coverWithChooser();
    }
    afterResize();
}

void ExerciseForm::NuovoNumero()
{
    setBackColor(QColor::fromRgb(ColoreACaso()));
    startItem();
    readAloud(VoiceMoment::NewItem);
}

void ExerciseForm::readAloud(VoiceMoment moment)
{
    if (const auto said = utteranceNow(voiceWindow(), moment, shared().NumeroACaso)) {
        ui::sayNumber(said->number, said->language);
    }
}

void ExerciseForm::drawNumeroACaso()
{
    const DrawRule rule = drawRuleFor(name()).value_or(DrawRule::UnitsOneToNine);
    shared().NumeroACaso = drawNumber(rule, shared().NumeroMassimo, rnd());
}

void ExerciseForm::setCounterCaptions(const QString &right, const QString &wrong)
{
    control(QStringLiteral("EtichettaEsatti"))->setCaption(right);
    control(QStringLiteral("EtichettaErrati"))->setCaption(wrong);
}

void ExerciseForm::SegnaEsatto()
{
    control(QStringLiteral("ComandoIconaSi"))->setVisible(true);
    control(QStringLiteral("ComandoIconaNo"))->setVisible(false);
    SuonoEsatto();
    SharedState &s = shared();
    s.ConteggioEsatti = contaUnaInPiu(s.ConteggioEsatti);
    control(QStringLiteral("EtichettaEsatti"))->setCaption(testoConteggio(s.ConteggioEsatti));
    readAloud(VoiceMoment::RightAnswer);
    announceFeedback(control(QStringLiteral("ComandoIconaSi")));
    emit scored(true);
}

void ExerciseForm::SegnaErrato()
{
    control(QStringLiteral("ComandoIconaSi"))->setVisible(false);
    control(QStringLiteral("ComandoIconaNo"))->setVisible(true);
    SuonoErrato();
    SharedState &s = shared();
    s.ConteggioErrati = contaUnaInPiu(s.ConteggioErrati);
    control(QStringLiteral("EtichettaErrati"))->setCaption(testoConteggio(s.ConteggioErrati));
    announceFeedback(control(QStringLiteral("ComandoIconaNo")));
    emit scored(false);
}

// A screen reader reads the picture as an alert, with the score after it.
void ExerciseForm::announceFeedback(ui::Control *picture)
{
    picture->setAccessibleDescription(control(QStringLiteral("EtichettaEsatti"))->accessibleName() + QStringLiteral(", ")
                                      + control(QStringLiteral("EtichettaErrati"))->accessibleName());
    ui::announceNotice(picture);
}

void ExerciseForm::BottoneAvanti_Click()
{
    if (ui::Control *answer = answerControl()) {
        answer->setEnabled(true);
    }
    control(QStringLiteral("BottoneAvanti"))->setEnabled(false);
    NuovoNumero();
    afterAvanti();
}

void ExerciseForm::MenuAzzera_Click()
{
    setCounterCaptions(testoConteggioAzzerato(), testoConteggioAzzerato());
    shared().ConteggioEsatti = 0;
    shared().ConteggioErrati = 0;
}

void ExerciseForm::MenuInformazioni_Click()
{
    MostraInformazioni(this);
}

void ExerciseForm::mnuEsci_Click()
{
    Esci(*this);
}

void ExerciseForm::ScegliMassimo()
{
    if (ui::Control *chooser = control(QStringLiteral("CorniceNumeroMassimo"))) {
        coverWithChooser();
        chooser->setVisible(true);
        // The keyboard goes on in the chooser, at its first option.
        if (ui::Control *first = control(QStringLiteral("OpzioneNumeroMassimo"), 0)) {
            first->setFocus();
        }
    }
}

void ExerciseForm::coverWithChooser()
{
    ui::Control *chooser = control(QStringLiteral("CorniceNumeroMassimo"));
    chooser->setLeft(0);
    chooser->setTop(0);
    if (!m_row.chooserKeepsDesignedSize) {
        chooser->setWidth(width());
        chooser->setHeight(height());
    }
}

void ExerciseForm::OpzioneNumeroMassimo_Click(int index)
{
    if (!m_row.maximum) {
        return;
    }
    shared().NumeroMassimo = maximumOption(*m_row.maximum, index);
    NuovoNumero();
    control(QStringLiteral("CorniceNumeroMassimo"))->setVisible(false);
}

} // namespace ortix
