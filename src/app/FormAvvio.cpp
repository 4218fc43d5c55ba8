#include "app/FormAvvio.h"

#include "base/SmallOperations.h"
#include "lang/TranslateForm.h"
#include "ui/ClsResize.h"
#include "ui/Forms.h"

namespace ortix {

using namespace ui;

ui::FormBlueprint FormAvvio::design()
{
    const QString comic = QStringLiteral("Comic Sans MS");
    FormBlueprint blueprint;
    blueprint.name = QStringLiteral("FormAvvio");
    blueprint.caption = QStringLiteral("Uso dell'ortix");
    blueprint.scaleWidth = 9795;
    blueprint.scaleHeight = 7200;
    blueprint.controls = {
        label(QStringLiteral("Label2"), 1080, 960, 8310, 3855, QStringLiteral("Uso dell'ortix"))
            .at(0)
            .withFont(comic, 72, true)
            .centred(),
        label(QStringLiteral("Label2"), 2640, 360, 4935, 855, QStringLiteral("Esercitazioni matematiche"))
            .at(1)
            .withFont(comic, 18, true)
            .centred(),
        label(QStringLiteral("Label1"), 7200, 5640, 2415, 975, QStringLiteral("07/03/2005")).withFont(comic, 14.25, true),
        button(QStringLiteral("BottoneAvvio"), 2760, 5280, 4410, 1425, QStringLiteral("Avvio")).withFont(comic, 24, true),
    };
    return blueprint;
}

FormAvvio::FormAvvio()
    : Form(design())
{
    control(QStringLiteral("BottoneAvvio"))->onClick = [this] { BottoneAvvio_Click(); };
}

void FormAvvio::Form_Load()
{
    lang::MLSTranslateForm(*this);
    bindNewResizer(this, 75);
    setBackColor(QColor::fromRgb(ColoreACaso()));
}

void FormAvvio::Form_Activate()
{
    fillScreen();
    control(QStringLiteral("BottoneAvvio"))->setFocus();
}

void FormAvvio::BottoneAvvio_Click()
{
    Forms::open(QStringLiteral("FormMenu"), this);
}

} // namespace ortix
