#include "lang/TextDecoding.h"

#include <QStringDecoder>

namespace ortix::lang {

QString decodeText(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF))) {
            text.remove(0, 1);
        }
        return text;
    }
    QStringDecoder legacy("windows-1252");
    if (legacy.isValid()) {
        return legacy.decode(bytes);
    }
    return QString::fromLatin1(bytes);
}

} // namespace ortix::lang
