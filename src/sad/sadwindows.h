#pragma once

namespace sad {

// Registers the register of the export declaration with the main window's
// kind table (key "AE") and the values the tagged pick lists write into its
// entry window.
void registerSadWindows();

} // namespace sad
