#pragma once

#include <QString>

namespace ortix {

class SingleInstance;

// Start-up: refuses a second instance, prepares the shared values and
// opens the start window. False when the program must end at once.
bool Main(SingleInstance &instance);

// Makes every window of the program known by its name.
void registerAllForms();

} // namespace ortix
