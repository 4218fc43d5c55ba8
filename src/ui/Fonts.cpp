#include "ui/Fonts.h"

#include <QFont>
#include <QStringList>

namespace ortix::ui {

void installFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               QStringList{QStringLiteral("Comic Neue"), QStringLiteral("Liberation Sans")});
}

} // namespace ortix::ui
