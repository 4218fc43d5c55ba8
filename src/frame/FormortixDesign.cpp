#include "frame/Formortix.h"

#include "frame/FrameLayout.h"

#include <cmath>

namespace ortix {

using namespace ui;

namespace {

constexpr double kLarghezza = 10740;
constexpr double kAltezza = 7950;
// Design ends of the rods; their places across the window and their tops
// are computed whenever the frame is built.
constexpr double kCimaFilo = 240;
constexpr double kBaseFilo = 7200;
constexpr double kLarghezzaBottone = 735;
constexpr double kAltezzaBottone = 495;
// Beads as a full frame of 18 would show them.
constexpr double kPallinaDisegno = 386;

const QString kSansSerif = QStringLiteral("MS Sans Serif");

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// Rod r as six rods stand across the design width; rod 0 is never shown.
double xDisegno(int r)
{
    return r == 0 ? kLarghezza - 540 : std::floor((kMaxFili + 1 - r) * kLarghezza / (kMaxFili + 1));
}

} // namespace

const std::array<Formortix::Posto, 6> &Formortix::posti()
{
    static const std::array<Posto, 6> table = {{
        {"pal_u", QColor(0x00, 0x00, 0xFF), QColor(0x00, 0x00, 0xFF), "u"},
        {"pal_da", QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0x00, 0x00), "da"},
        {"pal_h", QColor(0x00, 0x80, 0x00), QColor(0x00, 0x80, 0x00), "h"},
        {"pal_k", QColor(0x00, 0xFF, 0xFF), QColor(0x00, 0xFF, 0xFF), "uk"},
        {"pal_dak", QColor(0xFF, 0xC0, 0x80), QColor(0xFF, 0xC0, 0x80), "dak"},
        {"pal_hk", QColor(0x00, 0xFF, 0x00), QColor(0x80, 0xFF, 0x80), "hk"},
    }};
    return table;
}

FormBlueprint Formortix::design()
{
    FormBlueprint blueprint;
    blueprint.name = QStringLiteral("Formortix");
    blueprint.caption = text("Uso dell'ortix - ortix libero");
    blueprint.scaleWidth = kLarghezza;
    blueprint.scaleHeight = kAltezza;
    blueprint.backColor = kSfondo;
    auto &c = blueprint.controls;

    for (int i = 0; i <= kMaxFili; ++i) {
        auto rod = line(QStringLiteral("FiloOrtix"), xDisegno(i), kCimaFilo, xDisegno(i), kBaseFilo, 3).at(i);
        if (i == 0) {
            rod.hidden();
        }
        c.push_back(rod);
    }
    for (int r = 1; r <= kMaxFili; ++r) {
        const Posto &posto = posti().at(r - 1);
        for (int k = 0; k < kPallinePerArray; ++k) {
            c.push_back(shape(text(posto.pallina), ShapeKind::Circle, xDisegno(r) - kPallinaDisegno / 2,
                              kBaseFilo - (k + 1) * kPallinaDisegno, kPallinaDisegno, kPallinaDisegno,
                              posto.colorePallina)
                            .at(k)
                            .hidden());
        }
    }
    const QString tip = text("Click sinistro per inserire le palline, click destro per toglierle.");
    for (int i = 0; i <= kMaxFili; ++i) {
        const QColor colour = i == 0 ? QColor(0xC0, 0xC0, 0xC0) : posti().at(i - 1).coloreBottone;
        auto b = button(QStringLiteral("Command2"), xDisegno(i) - std::floor(kLarghezzaBottone / 2), kBaseFilo,
                        kLarghezzaBottone, kAltezzaBottone, i == 0 ? QString() : text(posti().at(i - 1).didascalia))
                     .at(i)
                     .withFont(QStringLiteral("Arial"), 15.75, true)
                     .withBack(colour)
                     .withTip(tip);
        b.graphical = true;
        if (i == 0) {
            b.hidden();
        }
        c.push_back(b);
    }

    c.push_back(frame(QStringLiteral("Frame1"), 0, 0, kLarghezza, kAltezza, QString())
                    .withBack(QColor(0xFF, 0xE0, 0xFF))
                    .hidden());
    const QString panel = QStringLiteral("Frame1");
    c.push_back(label(QStringLiteral("Label1"), 840, 480, 1815, 255, text("numero delle aste")).in(panel));
    c.push_back(label(QStringLiteral("Label2"), 2640, 360, 615, 495, QStringLiteral("6"))
                    .in(panel)
                    .centred()
                    .withFont(kSansSerif, 13.5, true));
    c.push_back(hScrollBar(QStringLiteral("HScroll1"), 720, 840, 3495, 375, 1, kMaxFili, kMaxFili).in(panel));
    c.push_back(label(QStringLiteral("Label5"), 720, 1680, 1815, 255, text("palline su un'asta")).in(panel));
    c.push_back(label(QStringLiteral("Label4"), 3000, 1560, 975, 360, QStringLiteral("9"))
                    .in(panel)
                    .centred()
                    .sizedToCaption()
                    .withFont(kSansSerif, 13.5, true));
    c.push_back(hScrollBar(QStringLiteral("HScroll2"), 720, 2040, 3495, 375, 1, 11, 9).in(panel));
    c.push_back(button(QStringLiteral("Command1"), 7080, 5640, 2175, 855, QStringLiteral("Conferma"))
                    .in(panel)
                    .withFont(kSansSerif, 13.5, true));

    // The trailing blanks widen the items of the menu bar.
    c.push_back(menuItem(QStringLiteral("mnuSvuota"), text("Svuota l'ortix") + QString(11, u' ')));
    c.push_back(menuItem(QStringLiteral("mnuConfigura"), text("Configura l'ortix") + QString(12, u' ')));
    c.push_back(menuItem(QStringLiteral("mnuStampa"), QStringLiteral("Stampa") + QString(10, u' ')));
    c.push_back(menuItem(QStringLiteral("MenuInformazioni"), QStringLiteral("Informazioni") + QString(10, u' ')));
    c.push_back(menuItem(QStringLiteral("mnuEsci"), QStringLiteral("Esci")));
    return blueprint;
}

} // namespace ortix
