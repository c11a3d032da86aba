#pragma once

namespace sad {

// Registers the registers of the export and the import declaration with the
// main window's kind table (keys "AE" and "Import") and the values the
// tagged pick lists write into their entry windows.
void registerSadWindows();

} // namespace sad
