#pragma once

#include "exercise/families/BuildForm.h"

#include <QStringView>

namespace ortix {

// The rows of the five build-the-number windows: Form4, Form99a, Form999a,
// F9999a, Periodo1; nothing for any other name. The labelled windows start
// from the row of their twin.
const BuildWindow *buildWindowFor(QStringView name);

// Makes the five windows known by name, so the main menu opens them.
void registerBuildForms();

} // namespace ortix
