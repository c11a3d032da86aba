#pragma once

namespace atlas {

// Registers the register of the electronic export declaration under the
// main window's key "Atlas".
void registerAtlasWindows();

} // namespace atlas
