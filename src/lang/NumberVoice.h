#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace ortix {

// The windows as the voice treats them. A build window shows its target,
// which the pupil may hear at any time; a write window shows beads whose
// number is the answer, so it is heard only once answered; the free frame
// reads what its beads show.
enum class VoiceWindow { Build, Write, FreeFrame };

// When a window may read a number aloud.
enum class VoiceMoment {
    NewItem,       // a new item is shown (the words/digits switch draws one too)
    TargetClicked, // the pupil clicked the target
    RightAnswer,   // a check found the answer right
    BeadsChanged,  // a bead was put on or taken off
};

// A number to read aloud, and the language of the voice that reads it.
struct Utterance
{
    qint64 number = 0;
    QLocale::Language language = QLocale::Italian;

    bool operator==(const Utterance &) const = default;
};

// The voice's language for the number words' language (LinguaNumeri): the
// voice reads in the language the words are written in, Italian included
// for a text that names no language.
QLocale::Language voiceLanguage(const QString &linguaNumeri);

// What is read aloud at that moment: the number in the voice's language,
// or nothing (the voice is off, or that window keeps quiet then).
std::optional<Utterance> utteranceFor(VoiceWindow window, VoiceMoment moment, qint64 number, bool voiceOn,
                                      const QString &linguaNumeri);

// The same with the program's switch and language as they are now
// (VoceAttivata, LinguaNumeri).
std::optional<Utterance> utteranceNow(VoiceWindow window, VoiceMoment moment, qint64 number);

} // namespace ortix
