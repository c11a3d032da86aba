#pragma once

namespace platform {
class Table;
}

namespace shell {

// The system-wide failed-save message on a table of a register, entry or
// print window: the database's message followed by "\rDaten konnten nicht
// gespeichert werden!" as an error, and the post is abandoned with the
// record still in edit state.
void watchFailedSaves(platform::Table &table);

} // namespace shell
