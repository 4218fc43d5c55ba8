#include "exercise/engine/Score.h"

#include "exercise/engine/NumberText.h"

namespace ortix {

qint16 contaUnaInPiu(qint16 conteggio)
{
    return conteggio >= kConteggioMassimo ? kConteggioMassimo : qint16(conteggio + 1);
}

QString testoConteggio(qint16 conteggio)
{
    return testoConSegno(conteggio);
}

} // namespace ortix
