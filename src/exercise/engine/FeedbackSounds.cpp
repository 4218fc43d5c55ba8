#include "exercise/engine/FeedbackSounds.h"

#include "base/ProgramFolder.h"
#include "base/Rnd.h"
#include "base/SharedState.h"
#include "ui/Services.h"

namespace ortix {

void SuonoEsatto()
{
    if (!shared().SuoniAttivati) {
        return;
    }
    const int k = rndBelow(4) + 1;
    ui::playSound(programFile(QStringLiteral("suoni/si%1.wav").arg(k)));
}

void SuonoErrato()
{
    if (!shared().SuoniAttivati) {
        return;
    }
    ui::playSound(programFile(QStringLiteral("suoni/no.wav")));
}

} // namespace ortix
