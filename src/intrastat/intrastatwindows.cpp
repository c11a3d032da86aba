#include "intrastat/intrastatwindows.h"

#include "intrastat/intrastatfromorders.h"
#include "intrastat/tfrmregieintrastat.h"
#include "shell/windowfactories.h"

namespace intrastat {

void registerIntrastatWindows()
{
    shell::registerKindFactory(QStringLiteral("Intrastat"), createIntrastatRegister);
    registerOrderCommands();
}

} // namespace intrastat
