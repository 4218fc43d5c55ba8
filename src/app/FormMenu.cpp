#include "app/FormMenu.h"

#include "app/Main.h"
#include "base/SharedState.h"
#include "base/SmallOperations.h"
#include "lang/LanguageSupport.h"
#include "lang/ProgramQuestions.h"
#include "lang/TranslateForm.h"
#include "ui/ClsResize.h"
#include "ui/Forms.h"
#include "ui/MenuControl.h"
#include "ui/Services.h"
#include "ui/ToolkitLanguage.h"


#include <algorithm>

namespace ortix {

using namespace ui;

namespace {

constexpr double kColumnLeft[] = {120, 2160, 4200, 6240, 8280};
constexpr double kRowTop[] = {720, 1560, 2400, 3240};
constexpr double kButtonWidth = 2000;
constexpr double kButtonHeight = 700;

struct GridButton
{
    const char *name;
    int row;
    int column;
    const char *caption;
};

// The grid in the order of the window's collection: four rows of exercise
// kinds, five columns of ranges.
constexpr GridButton kGrid[] = {
    {"Command20", 0, 0, "inserisci le palline  - 1"}, {"Command6", 0, 1, "inserisci le palline  - 1"},
    {"Command2", 0, 2, "inserisci le palline  - 1"},  {"Command18", 0, 3, "inserisci le palline  - 1"},
    {"Command19", 0, 4, "inserisci le palline  - 1"}, {"Command17", 1, 0, "inserisci le palline  - 2"},
    {"Command9", 1, 1, "inserisci le palline - 2 "},  {"Command14", 1, 2, "inserisci le palline - 2"},
    {"Command13", 1, 3, "inserisci le palline - 2 "}, {"Command4", 1, 4, "inserisci le palline - 2"},
    {"Command15", 2, 0, "scrivi il numero in lettere"}, {"Command5", 2, 1, "scrivi il numero in lettere"},
    {"Command3", 2, 2, "scrivi il numero in lettere"},  {"Command12", 2, 3, "scrivi il numero in lettere"},
    {"Command7", 2, 4, "scrivi il numero in lettere"},  {"Command16", 3, 0, "scrivi il numero in cifre"},
    {"Command35", 3, 1, "scrivi il numero in cifre"},   {"Command10", 3, 2, "scrivi il numero in cifre"},
    {"Command11", 3, 3, "scrivi il numero in cifre"},   {"Command8", 3, 4, "scrivi il numero in cifre"},
};

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

const std::array<FormMenu::Route, 21> &FormMenu::routes()
{
    static const std::array<Route, 21> table = {{
        {"Command20", "Form4sem"}, {"Command6", "Form99sem"}, {"Command2", "Form999sem"},
        {"Command18", "F9999SEM"}, {"Command19", "Periodo1SEM"}, {"Command17", "Form4"},
        {"Command9", "Form99a"},   {"Command14", "Form999a"},  {"Command13", "F9999a"},
        {"Command4", "Periodo1"},  {"Command15", "Form5"},     {"Command5", "Form99b1"},
        {"Command3", "Form999b1"}, {"Command12", "F9999c"},    {"Command7", "Periodo3"},
        {"Command16", "Form6"},    {"Command35", "Form99b"},   {"Command10", "Form999b"},
        {"Command11", "F9999b"},   {"Command8", "Periodo2"},   {"Command21", "Formortix"},
    }};
    return table;
}

ui::FormBlueprint FormMenu::design()
{
    const QString headingFont = QStringLiteral("MS Sans Serif");
    FormBlueprint blueprint;
    blueprint.name = QStringLiteral("FormMenu");
    blueprint.caption = QStringLiteral("Uso dell'ortix - Menu");
    blueprint.scaleWidth = 10410;
    blueprint.scaleHeight = 5715;
    const struct
    {
        const char *name;
        double left;
        const char *caption;
    } headings[] = {{"Label4", 240, "unità"},
                    {"Label1", 2280, "decine"},
                    {"Label2", 4320, "centinaia"},
                    {"Label3", 6360, "unità di migliaia "},
                    {"Label5", 8400, "periodo migliaia "}};
    for (const auto &h : headings) {
        blueprint.controls.push_back(label(text(h.name), h.left, 240, 1800, 420, text(h.caption))
                                    .withFont(headingFont, 9.75, true)
                                    .centred());
    }
    for (const GridButton &b : kGrid) {
        // The third button of the units column stands a little to the right.
        const double left = (b.column == 0 && b.row == 2) ? 135 : kColumnLeft[b.column];
        blueprint.controls.push_back(button(text(b.name), left, kRowTop[b.row], kButtonWidth, kButtonHeight, text(b.caption)));
    }
    blueprint.controls.push_back(button(QStringLiteral("Command21"), 240, 4560, kButtonWidth, kButtonHeight,
                                   QStringLiteral("ortix libero")));
    blueprint.controls.push_back(checkBox(QStringLiteral("Check1"), 4680, 4680, 3135, 375, QStringLiteral("Suoni attivati")));
    // Under the sound switch: the voice that reads the numbers aloud.
    blueprint.controls.push_back(checkBox(QStringLiteral("Check2"), 4680, 5040, 3135, 375, QStringLiteral("Voce attivata"))
                                     .withTip(QStringLiteral("Una voce legge ad alta voce il numero da formare, ogni "
                                                             "risposta esatta e le palline dell'ortix libero")));
    blueprint.controls.push_back(button(QStringLiteral("Command1"), 8280, 4560, kButtonWidth, kButtonHeight, QStringLiteral("Esci")));
    blueprint.controls.push_back(menuItem(QStringLiteral("mnuLanguages"), QStringLiteral("Lingua")));
    blueprint.controls.push_back(menuItem(QStringLiteral("mnuLanguage"), QStringLiteral("Italiano"), QStringLiteral("mnuLanguages")).at(0));
    return blueprint;
}

FormMenu::FormMenu()
    : Form(design())
{
    for (const Route &route : routes()) {
        control(text(route.button))->onClick = [this, &route] { openRoute(route); };
    }
    nameGridButtons();
    control(QStringLiteral("Check1"))->onClick = [this] { Check1_Click(); };
    control(QStringLiteral("Check2"))->onClick = [this] { Check2_Click(); };
    control(QStringLiteral("Command1"))->onClick = [this] { Command1_Click(); };
    connectLanguageItem(control(QStringLiteral("mnuLanguage"), 0));
}

// Five buttons share each caption ("inserisci le palline  - 1"): a screen
// reader names each by its caption and the heading of its column ("decine"),
// and describes it by its tool tip, which gives the range.
void FormMenu::nameGridButtons()
{
    const char *const headings[] = {"Label4", "Label1", "Label2", "Label3", "Label5"};
    for (const GridButton &b : kGrid) {
        Control *button = control(text(b.name));
        Control *heading = control(text(headings[b.column]));
        const auto name = [button, heading] {
            const QString caption = QString(button->caption()).simplified();
            button->setAccessibleName(caption + QStringLiteral(", ") + heading->caption().trimmed());
        };
        connect(button, &Control::captionChanged, button, name);
        connect(heading, &Control::captionChanged, button, name);
        name();
    }
}

void FormMenu::connectLanguageItem(ui::Control *item)
{
    item->onClick = [this, index = item->index()] { mnuLanguage_Click(index); };
}

void FormMenu::Form_Load()
{
    MLSFillMenuLanguages();
    lang::MLSTranslateForm(*this);
    bindNewResizer(this, 75);
    Control *check = control(QStringLiteral("Check1"));
    check->setValue(shared().SuoniAttivati ? 1 : 0);
    Control *voice = control(QStringLiteral("Check2"));
    voice->setValue(shared().VoceAttivata ? 1 : 0);
    setBackColor(QColor::fromRgb(ColoreACaso()));
    check->setBackColor(backColor());
    voice->setBackColor(backColor());
}

void FormMenu::Form_Activate()
{
    fillScreen();
}

void FormMenu::MLSFillMenuLanguages()
{
    const QStringList files = lang::languageFileNames();
    if (files.isEmpty()) {
        messageBox(this, QStringLiteral("Non è presente alcun file di linguaggio!"), QString(), MsgButtons::Ok,
                   MsgIcon::None);
        return;
    }
    for (int i = 0; i < files.size(); ++i) {
        Control *item = i == 0 ? control(QStringLiteral("mnuLanguage"), 0) : loadMenuArrayMember(QStringLiteral("mnuLanguage"));
        if (i > 0) {
            connectLanguageItem(item);
        }
        item->setVisible(true);
        item->setCaption(files.at(i).left(files.at(i).size() - 4));
    }
    shared().MLSCurrentLanguage = lang::readCurrentLanguage();
    // The item whose file the current language reads is ticked: the one of
    // that very name, else the one that differs only in case.
    const auto items = controlArray(QStringLiteral("mnuLanguage"));
    for (const Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        const auto found = std::find_if(items.begin(), items.end(), [&](const Control *item) {
            return item->caption().compare(shared().MLSCurrentLanguage, cs) == 0;
        });
        if (found != items.end()) {
            (*found)->setChecked(true);
            return;
        }
    }
}

void FormMenu::mnuLanguage_Click(int index)
{
    const auto items = controlArray(QStringLiteral("mnuLanguage"));
    for (Control *item : items) {
        item->setChecked(false);
    }
    Control *chosen = control(QStringLiteral("mnuLanguage"), index);
    if (!chosen) {
        return;
    }
    chosen->setChecked(true);
    const QString language = chosen->caption();
    shared().MLSCurrentLanguage = language;
    const std::vector<Form *> open = Forms::all();
    for (Form *form : open) {
        lang::MLSTranslateForm(*form);
    }
    lang::writeCurrentLanguage(language);
    lang::ImpostaLinguaNumeri();
    ui::installToolkitLanguage(shared().LinguaNumeri.toInt());
    lang::PreparaPartiUndiciDiciannove();
    // The counters' titles and the rod buttons' captions follow the new
    // language in every window opened from now on.
    readSharedTexts();
    for (Form *form : Forms::all()) {
        emit form->languageChanged();
    }
}

void FormMenu::Check1_Click()
{
    shared().SuoniAttivati = control(QStringLiteral("Check1"))->value() == 1;
}

void FormMenu::Check2_Click()
{
    shared().VoceAttivata = control(QStringLiteral("Check2"))->value() == 1;
    if (shared().VoceAttivata) {
        // The engine gets ready in the background while the pupil chooses.
        startSpeech();
    }
}

void FormMenu::Command1_Click()
{
    ConfermaUscita(this);
}

void FormMenu::openRoute(const Route &route)
{
    // A window that is not part of the program yet leaves the menu open.
    if (Forms::isRegistered(text(route.form))) {
        Forms::open(text(route.form), this);
    }
}

} // namespace ortix
