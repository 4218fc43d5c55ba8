#pragma once

namespace ortix::ui {

// The designed faces map to free, metric-compatible ones installed with the
// program's packages.
void installFontSubstitutes();

} // namespace ortix::ui
