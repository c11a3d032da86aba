#include "transport/transportwindows.h"

#include "shell/windowfactories.h"
#include "transport/tfrmregielieferschein.h"
#include "transport/tfrmregiepackliste.h"

namespace transport {

void registerTransportWindows()
{
    shell::registerDocumentKind(
        QStringLiteral("Packliste"), [](QWidget *parent) { return new TfrmRegiePackliste(parent); });
    shell::registerDocumentKind(
        QStringLiteral("Lieferschein"), [](QWidget *parent) { return new TfrmRegieLieferschein(parent); });
}

} // namespace transport
