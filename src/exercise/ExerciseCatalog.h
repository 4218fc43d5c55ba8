#pragma once

namespace ortix {

// Makes the twenty exercise windows known by their names.
void registerExerciseForms();

} // namespace ortix
