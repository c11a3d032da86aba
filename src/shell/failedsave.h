#pragma once

namespace platform {
class Table;
}

namespace shell {

// The failed-save message on a table of the entry and print windows: the
// database's message followed by "\rDaten konnten nicht gespeichert
// werden!", and the post is abandoned with the record still in edit state.
// The windows of this folder install it only through this function.
void watchFailedSaves(platform::Table &table);

} // namespace shell
