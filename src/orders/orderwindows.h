#pragma once

namespace orders {

// Registers the order register as the main window's opener of the order
// entries ("&Auftragsdaten", the right-click entry and the tool button).
void registerOrderWindows();

} // namespace orders
