#include "frame/FrameCatalog.h"

namespace ortix {

void registerFrameForms()
{
}

} // namespace ortix
