#pragma once

namespace intrastat {

// The main window's "Intrastat" (the direction chooser, then the register)
// and the order side's two generators.
void registerIntrastatWindows();

} // namespace intrastat
