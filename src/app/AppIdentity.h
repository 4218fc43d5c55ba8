#pragma once

namespace ortix {

// Names the program to the desktop: its name, version, the id of its
// desktop entry (which ties its windows to the entry in the desktop's menu)
// and the icon of its windows. Needs the application object.
void applyAppIdentity();

} // namespace ortix
