#include "origin/originwindows.h"

#include "origin/tfrmregieatr.h"
#include "origin/tfrmregieeur1.h"
#include "origin/tfrmregieeur2.h"
#include "origin/tfrmregieeur_med.h"
#include "origin/tfrmregieuz.h"
#include "shell/windowfactories.h"

namespace origin {

void registerOriginWindows()
{
    shell::registerDocumentKind(QStringLiteral("EUR1"), [](QWidget *parent) { return new TfrmRegieEUR1(parent); });
    shell::registerDocumentKind(QStringLiteral("EUR2"), [](QWidget *parent) { return new TfrmRegieEUR2(parent); });
    shell::registerDocumentKind(QStringLiteral("ATR"), [](QWidget *parent) { return new TfrmRegieATR(parent); });
    shell::registerDocumentKind(QStringLiteral("UZ"), [](QWidget *parent) { return new TfrmRegieUZ(parent); });
    shell::registerDocumentKind(
        QStringLiteral("Eur_Med"), [](QWidget *parent) { return new TfrmRegieEur_Med(parent); });
}

} // namespace origin
