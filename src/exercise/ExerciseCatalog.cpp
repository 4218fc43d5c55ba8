#include "exercise/ExerciseCatalog.h"

#include "exercise/families/BuildWindows.h"
#include "exercise/families/LabelledWindows.h"
#include "exercise/families/ReadWindows.h"

namespace ortix {

void registerExerciseForms()
{
    registerBuildForms();
    registerLabelledBuildForms();
    registerReadForms();
}

} // namespace ortix
