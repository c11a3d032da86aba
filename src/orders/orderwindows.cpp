#include "orders/orderwindows.h"

#include "orders/tfrmregieauftragsdaten.h"
#include "shell/windowfactories.h"

namespace orders {

void registerOrderWindows()
{
    shell::registerKindFactory(
        QStringLiteral("Auftragsdaten"), [](QWidget *parent) { return new TfrmRegieAuftragsdaten(parent); });
}

} // namespace orders
