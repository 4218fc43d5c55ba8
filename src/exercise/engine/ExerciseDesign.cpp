#include "exercise/engine/ExerciseDesign.h"

#include "exercise/engine/FrameLayouts.h"
#include "exercise/engine/Palline.h"

#include <utility>

namespace ortix {

using namespace ui;
using namespace exerciseDesign;

namespace {

const QColor kChooserBack(0xFF, 0xF8, 0xDC);

void addScore(std::vector<ControlBlueprint> &controls)
{
    controls.push_back(pictureBox(QStringLiteral("PicturesattiErrati"), kPanelLeft, kIconTop, kPanelWidth, kIconHeight)
                           .withBack(Qt::white));
    for (const char *icon : {"ComandoIconaSi", "ComandoIconaNo"}) {
        controls.push_back(image(QString::fromLatin1(icon), 60, 60, kPanelWidth - 120, kIconHeight - 120)
                               .in(QStringLiteral("PicturesattiErrati"))
                               .hidden());
    }
    const double half = kPanelWidth / 2;
    // Each count with its title on one white card, readable on any
    // background colour.
    controls.push_back(label(QStringLiteral("LabelEST"), kPanelLeft + 60, kScoreTitleTop, half - 120, 360,
                             QStringLiteral("Esatti"))
                           .withFont(kFace, 10, true)
                           .withFore(QColor(0x00, 0x64, 0x00))
                           .withBack(Qt::white)
                           .centred());
    controls.push_back(label(QStringLiteral("LabelErt"), kPanelLeft + half + 60, kScoreTitleTop, half - 120, 360,
                             QStringLiteral("Errati"))
                           .withFont(kFace, 10, true)
                           .withFore(QColor(0xB0, 0x00, 0x00))
                           .withBack(Qt::white)
                           .centred());
    for (const auto &[name, left] : {std::pair("EtichettaEsatti", kPanelLeft), std::pair("EtichettaErrati", kPanelLeft + half)}) {
        ControlBlueprint count = label(QString::fromLatin1(name), left + 60, kScoreTop, half - 120, 600, QStringLiteral("0"))
                                .withFont(kFace, 16, true)
                                .withBack(Qt::white)
                                .centred();
        count.wordWrap = false;
        controls.push_back(count);
    }
    controls.push_back(button(QStringLiteral("BottoneAvanti"), kPanelLeft, kAvantiTop, kPanelWidth, kAvantiHeight,
                              QStringLiteral("avanti"))
                           .withFont(kFace, 14, true)
                           .hidden()
                           .disabled());
}

void addChooser(std::vector<ControlBlueprint> &controls, MaximumRange range)
{
    controls.push_back(frame(QStringLiteral("CorniceNumeroMassimo"), 1200, 1200, 8400, 5400,
                             QStringLiteral("Scegli il numero massimo entro il quale lavorare"))
                           .withFont(kFace, 12, true)
                           .withBack(kChooserBack)
                           .hidden());
    for (int i = 0; i < kMaximumOptions; ++i) {
        const int column = i % 3;
        const int row = i / 3;
        controls.push_back(optionButton(QStringLiteral("OpzioneNumeroMassimo"), i, 600 + column * 2640, 1080 + row * 1320,
                                        2160, 840, maximumOptionCaption(range, i))
                               .in(QStringLiteral("CorniceNumeroMassimo"))
                               .withFont(kFace, 16, true));
    }
}

ControlBlueprint maximumMenu(MaximumRange range)
{
    return menuItem(QStringLiteral("mnuMassimo"), range == MaximumRange::FourDigits ? QStringLiteral("Scegli il numero massimo")
                                                                                   : QStringLiteral("Numero massimo"));
}

} // namespace

FormBlueprint exerciseFormBlueprint(const ExerciseWindow &row, const std::vector<ControlBlueprint> &familyControls,
                                    const std::vector<ControlBlueprint> &familyMenus)
{
    FormBlueprint blueprint;
    blueprint.name = row.name;
    blueprint.caption = row.caption;
    blueprint.scaleWidth = kWidth;
    blueprint.scaleHeight = kHeight;
    blueprint.backColor = QColor(0x00, 0xFF, 0xFF);

    if (const FrameLayout *layout = frameLayoutFor(row.name)) {
        Palline::addDesign(blueprint.controls, *layout);
    }
    blueprint.controls.insert(blueprint.controls.end(), familyControls.begin(), familyControls.end());
    addScore(blueprint.controls);
    // Last of the widgets, so that it covers the exercise when shown.
    if (row.maximum) {
        addChooser(blueprint.controls, *row.maximum);
    }

    blueprint.controls.push_back(menuItem(QStringLiteral("MenuAzzera"), QStringLiteral("Azzera conteggio")));
    const bool maximumFirst = row.maximum && *row.maximum == MaximumRange::FourDigits;
    if (maximumFirst) {
        blueprint.controls.push_back(maximumMenu(*row.maximum));
    }
    blueprint.controls.insert(blueprint.controls.end(), familyMenus.begin(), familyMenus.end());
    if (row.maximum && !maximumFirst) {
        blueprint.controls.push_back(maximumMenu(*row.maximum));
    }
    blueprint.controls.push_back(menuItem(QStringLiteral("MenuInformazioni"), QStringLiteral("Informazioni")));
    blueprint.controls.push_back(menuItem(QStringLiteral("mnuEsci"), QStringLiteral("Esci")));
    return blueprint;
}

} // namespace ortix
