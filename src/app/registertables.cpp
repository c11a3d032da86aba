#include "registertables.h"

#include "masterdata/masterdatatables.h"
#include "masterdata/masterdatawindows.h"
#include "shell/parameterrecord.h"
#include "shell/printsettings.h"
#include "shell/shelltables.h"
#include "shell/users.h"

void registerTables()
{
    shell::registerShellTables();
    shell::registerPrintTables();
    masterdata::registerMasterdataTables();

    shell::addDataDirectoryStep([](platform::Session &session) { shell::ensureParameterRecord(session); });
}

void registerWindows()
{
    masterdata::registerMasterdataWindows();
}
