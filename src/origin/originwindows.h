#pragma once

namespace origin {

// Registers the registers of the origin and preference documents with the
// main window's kind table (keys "EUR1", "EUR2", "ATR", "UZ", "Eur_Med").
void registerOriginWindows();

} // namespace origin
