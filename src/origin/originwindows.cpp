#include "origin/originwindows.h"

#include "origin/tfrmregieeur1.h"
#include "origin/tfrmregieeur2.h"
#include "shell/windowfactories.h"

namespace origin {

void registerOriginWindows()
{
    shell::registerDocumentKind(QStringLiteral("EUR1"), [](QWidget *parent) { return new TfrmRegieEUR1(parent); });
    shell::registerDocumentKind(QStringLiteral("EUR2"), [](QWidget *parent) { return new TfrmRegieEUR2(parent); });
}

} // namespace origin
