#pragma once

#include <QString>

namespace platform {

// Whether "the file exists in the folder" as the program means it: a file of
// that name, or, for a table file name ("Rechnung.DB"), that table in the
// database of the folder. Opens no database that is not there.
bool tableFileExists(const QString &directory, const QString &fileName);

} // namespace platform
