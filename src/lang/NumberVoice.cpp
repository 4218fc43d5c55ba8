#include "lang/NumberVoice.h"

#include "base/SharedState.h"
#include "words/NumeroInLettere.h"

namespace ortix {

namespace {

bool speaksAt(VoiceWindow window, VoiceMoment moment)
{
    switch (window) {
    case VoiceWindow::Build:
        return moment == VoiceMoment::NewItem || moment == VoiceMoment::TargetClicked
               || moment == VoiceMoment::RightAnswer;
    case VoiceWindow::Write:
        return moment == VoiceMoment::RightAnswer;
    case VoiceWindow::FreeFrame:
        return moment == VoiceMoment::BeadsChanged;
    }
    return false;
}

} // namespace

QLocale::Language voiceLanguage(const QString &linguaNumeri)
{
    switch (CodiceLingua(linguaNumeri)) {
    case LinguaInglese:
        return QLocale::English;
    case LinguaFrancese:
        return QLocale::French;
    case LinguaTedesco:
        return QLocale::German;
    case LinguaSpagnolo:
        return QLocale::Spanish;
    case LinguaAlbanese:
        return QLocale::Albanian;
    default:
        return QLocale::Italian;
    }
}

std::optional<Utterance> utteranceFor(VoiceWindow window, VoiceMoment moment, qint64 number, bool voiceOn,
                                      const QString &linguaNumeri)
{
    if (!voiceOn || !speaksAt(window, moment)) {
        return std::nullopt;
    }
    return Utterance{number, voiceLanguage(linguaNumeri)};
}

std::optional<Utterance> utteranceNow(VoiceWindow window, VoiceMoment moment, qint64 number)
{
    return utteranceFor(window, moment, number, shared().VoceAttivata, shared().LinguaNumeri);
}

} // namespace ortix
