#include "shell/mainstate.h"

namespace shell {

namespace {
MainState &instance()
{
    static MainState state;
    return state;
}
} // namespace

MainState &mainState()
{
    return instance();
}

void resetMainState()
{
    instance() = MainState();
}

} // namespace shell
