#pragma once

namespace shell {

// Declares the tables of the application shell in platform::SchemaRegistry
// (once; later calls do nothing). The program and the tests call it at start.
void registerShellTables();

} // namespace shell
