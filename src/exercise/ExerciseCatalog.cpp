#include "exercise/ExerciseCatalog.h"

namespace ortix {

void registerExerciseForms()
{
}

} // namespace ortix
