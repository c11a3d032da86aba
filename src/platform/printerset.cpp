#include "platform/printerset.h"

namespace platform {

PrinterSet::~PrinterSet() = default;

} // namespace platform
