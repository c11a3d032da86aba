#pragma once

namespace courier {

// Registers the courier registers under their keys of the kind table
// ("FedEx", "UPS"), which enables their main-window entries.
void registerCourierWindows();

} // namespace courier
