#pragma once

#include "platform/reportedcall.h"

namespace shell {

// The guard of every event handler and slot (see platform/reportedcall.h);
// the program's application object reports what it catches in the error
// dialog.
using platform::reported;
using platform::runReported;

} // namespace shell
