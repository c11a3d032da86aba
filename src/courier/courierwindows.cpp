#include "courier/courierwindows.h"

#include "courier/tfrmregiefedex.h"
#include "courier/tfrmregieups.h"
#include "shell/windowfactories.h"

namespace courier {

void registerCourierWindows()
{
    shell::registerKindFactory(QStringLiteral("FedEx"), [](QWidget *parent) { return new TfrmRegieFedEx(parent); });
    shell::registerKindFactory(QStringLiteral("UPS"), [](QWidget *parent) { return new TfrmRegieUPS(parent); });
}

} // namespace courier
