#include "app/AppIdentity.h"

#include <QApplication>
#include <QIcon>

namespace ortix {

void applyAppIdentity()
{
    QApplication::setApplicationName(QStringLiteral("ortix"));
    // No display name: Qt would append it to every window's and message
    // box's title, which must read exactly as the language file gives them.
    QApplication::setApplicationVersion(QStringLiteral(ORTIX_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ORTIX_APP_ID));
    // The PNGs made at build time from the one drawn icon, built into the
    // program so the windows show it wherever the program runs from.
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/" ORTIX_APP_ID ".png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
}

} // namespace ortix
