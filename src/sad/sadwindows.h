#pragma once

namespace sad {

// Registers the registers of the export, the import and the transit
// declaration with the main window's kind table (keys "AE", "Import" and
// "T1_T2") and the values the tagged pick lists write into their entry
// windows.
void registerSadWindows();

} // namespace sad
