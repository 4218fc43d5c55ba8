#include "exercise/ExerciseCatalog.h"

#include "exercise/families/BuildWindows.h"

namespace ortix {

void registerExerciseForms()
{
    registerBuildForms();
}

} // namespace ortix
