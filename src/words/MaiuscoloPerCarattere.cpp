#include "words/MaiuscoloPerCarattere.h"

#include <QChar>

namespace ortix {

QString MaiuscoloPerCarattere(const QString &testo)
{
    QString risultato = testo;
    for (qsizetype i = 0; i < risultato.size(); ++i) {
        const QChar c = risultato.at(i);
        if (c.isHighSurrogate() && i + 1 < risultato.size() && risultato.at(i + 1).isLowSurrogate()) {
            // A letter beyond the 16-bit range is mapped as a whole; its
            // upper case lies beyond that range too.
            const char32_t maiuscola = QChar::toUpper(QChar::surrogateToUcs4(c, risultato.at(i + 1)));
            if (QChar::requiresSurrogates(maiuscola)) {
                risultato[i] = QChar(QChar::highSurrogate(maiuscola));
                risultato[i + 1] = QChar(QChar::lowSurrogate(maiuscola));
            }
            ++i;
            continue;
        }
        risultato[i] = c.toUpper();
    }
    return risultato;
}

} // namespace ortix
