#include "frame/FrameCatalog.h"

#include "frame/Formortix.h"
#include "ui/Forms.h"

namespace ortix {

void registerFrameForms()
{
    ui::Forms::registerForm(QStringLiteral("Formortix"), [] { return new Formortix(); });
}

} // namespace ortix
