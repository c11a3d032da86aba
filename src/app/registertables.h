#pragma once

// The one place where the libraries of the program are joined: their tables,
// the steps that fill a data directory, and the windows the main window
// opens. A new library adds its line here.
void registerTables();
void registerWindows();
