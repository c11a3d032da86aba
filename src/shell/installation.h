#pragma once

#include <QString>

namespace shell {

// Where the program keeps its files (Export.ini, the user directories and,
// on a first start, "Data"): beside the executable when an Export.ini lies
// there already (a portable installation) or when that folder is an
// ordinary writable folder; otherwise, for an installed program (its folder
// is not writable or is a "bin" folder) and for a build tree, the folder
// "exportversand" of the user's XDG data directory. With a trailing
// separator.
QString chooseProgramDirectory(const QString &executableDirectory);

// The HTML manual: "Handbuch/Handbuch.html" beside the executable (the
// build tree) or in the installation's share folder. The first place when
// neither holds it.
QString manualFile(const QString &executableDirectory);

// Qt's own texts (file dialogs, the edit fields' menu) in German.
void loadGermanQtTranslations();

} // namespace shell
