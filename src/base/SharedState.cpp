#include "base/SharedState.h"

namespace ortix {

SharedState &shared()
{
    static SharedState state;
    return state;
}

void resetShared()
{
    shared() = SharedState();
}

} // namespace ortix
