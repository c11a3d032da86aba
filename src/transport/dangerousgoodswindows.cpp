#include "transport/dangerousgoodswindows.h"

#include "shell/windowfactories.h"
#include "transport/tfrmregieimo.h"
#include "transport/tfrmregieshippers.h"

namespace transport {

void registerDangerousGoodsWindows()
{
    shell::registerDocumentKind(QStringLiteral("IMO"), [](QWidget *parent) { return new TfrmRegieIMO(parent); });
    shell::registerDocumentKind(
        QStringLiteral("Shippers"), [](QWidget *parent) { return new TfrmRegieShippers(parent); });
}

} // namespace transport
