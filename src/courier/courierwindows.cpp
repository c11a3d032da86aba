#include "courier/courierwindows.h"

#include "courier/tfrmregiefedex.h"
#include "courier/tfrmregieups.h"
#include "shell/windowfactories.h"

namespace courier {

void registerCourierWindows()
{
    // Documents of other kinds are made into them too ("Wechseln").
    shell::registerDocumentKind(QStringLiteral("FedEx"), [](QWidget *parent) { return new TfrmRegieFedEx(parent); });
    shell::registerDocumentKind(QStringLiteral("UPS"), [](QWidget *parent) { return new TfrmRegieUPS(parent); });
}

} // namespace courier
