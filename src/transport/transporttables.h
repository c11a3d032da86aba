#pragma once

namespace transport {

// Declares the tables of every transport document kind in the schema
// registry.
void registerTransportTables();

} // namespace transport
