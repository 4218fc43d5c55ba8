#include "base/SmallOperations.h"

#include "base/Rnd.h"

namespace ortix {

qint16 TastoMaiuscolo(qint16 &keyAscii)
{
    if (keyAscii > 96 && keyAscii < 123) {
        keyAscii = qint16(keyAscii - 32);
    }
    return keyAscii;
}

quint32 ColoreACaso()
{
    const int i = rndBelow(int(kColoriSfondo.size()));
    return kColoriSfondo[std::size_t(i)];
}

QString creditLine()
{
#ifdef ORTIX_VERSION
    return QStringLiteral("Ortix %1").arg(QStringLiteral(ORTIX_VERSION));
#else
    return QStringLiteral("Ortix");
#endif
}

QString informationText(const std::array<QString, 4> &descriptionLines)
{
    const QString lineBreak = QStringLiteral("\r\n");
    QString text;
    for (const QString &line : descriptionLines) {
        if (!line.isEmpty()) {
            text += line + lineBreak;
        }
    }
    if (!text.isEmpty()) {
        text += lineBreak + QString(23, u'-') + lineBreak;
    }
    return text + creditLine();
}

} // namespace ortix
