#pragma once

namespace ortix {

// Makes the free counting frame known by its name.
void registerFrameForms();

} // namespace ortix
