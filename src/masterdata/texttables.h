#pragma once

namespace masterdata {

// Declares the supporting documents, payment terms, invoice clauses and the
// fixed texts of the order print (part of registerMasterdataTables).
void registerTextTables();

} // namespace masterdata
