#pragma once

// A pupil who uses the whole program at random, from a seed: starts it,
// opens windows through the menu, clicks anywhere within reach, types,
// presses Enter and Tab, chooses menu items, languages and maxima, answers
// the message boxes at random, resizes and minimises the window, closes it,
// and starts the program again when it has ended. Spells of working at the
// item (one step at a time towards the right answer) alternate with spells
// of playing about. After every event it checks what must always hold
// (PupilInvariants.h).

#include "TestSupport.h"

#include <QString>

#include <map>

namespace ortix::test {

struct RandomPupilRun
{
    // The first thing that went wrong, or an empty text.
    QString problem;
    // The visits to each window, by its name (0 for a menu button's window
    // never reached).
    std::map<QString, int> visits;
};

// Sends `events` events of the pupil of `seed` to the program whose folder
// is the run's.
RandomPupilRun playAtRandom(TestRun &run, quint32 seed, int events);

} // namespace ortix::test
