#pragma once

#include "exercise/families/ReadBeadsForm.h"

#include <QStringView>

namespace ortix {

// The rows of the ten read-the-beads windows: in digits Form6, Form99b,
// Form999b, F9999b, Periodo2; in words Form5, Form99b1, Form999b1, F9999c,
// Periodo3. Nothing for any other name.
const ReadWindow *readWindowFor(QStringView name);

// Makes the ten windows known by name, so the main menu opens them.
void registerReadForms();

} // namespace ortix
