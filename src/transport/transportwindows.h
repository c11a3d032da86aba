#pragma once

namespace transport {

// Registers the transport registers under their keys of the kind table,
// which enables their main-window entries and makes them targets of the
// document generators.
void registerTransportWindows();

} // namespace transport
