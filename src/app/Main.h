#pragma once

#include <QString>

namespace ortix {

class SingleInstance;

// Start-up: refuses a second instance, prepares the shared values and
// opens the start window. False when the program must end at once.
bool Main(SingleInstance &instance);

// Reads the texts of the counters' titles and the rod buttons' captions
// (string ids "0002", "0003", "0044" to "0049") into the shared values.
void readSharedTexts();

// Makes every window of the program known by its name.
void registerAllForms();

} // namespace ortix
