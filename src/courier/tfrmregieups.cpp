#include "courier/tfrmregieups.h"

#include "courier/couriertables.h"
#include "courier/tfrmups.h"
#include "courier/tfrmups_d.h"
#include "shell/parameterrecord.h"

namespace courier {

shell::DocumentRegister *frmRegieUPS = nullptr;

const shell::DocumentKind &upsKind()
{
    static const shell::DocumentKind kind = [] {
        shell::DocumentKind k;
        k.code = QStringLiteral("22");
        k.registerClass = QStringLiteral("TfrmRegieUPS");
        k.caption = QStringLiteral("Regiezentrum: UPS - Frachtbrief");
        k.headTable = Tables::Ups;
        k.headComponent = QStringLiteral("tbPdienst");
        k.parameter = shell::parameterFieldsFor(k.code);
        k.columns = {
            { QStringLiteral("BelegNr"), QStringLiteral("BelegNr."), 10 },
            { QStringLiteral("Datum"), QString(), 12 },
            { QStringLiteral("U2_5"), QStringLiteral("Empfänger"), 45 },
        };
        k.navigationHints = { QStringLiteral("Erster Antrag"), QStringLiteral("Vorheriger Antrag"),
            QStringLiteral("Nächster Antrag"), QStringLiteral("Letzter Antrag") };
        k.printCaptionPrefix = QStringLiteral("Druck UPS Frachtbrief - Belegnummer: ");
        k.search = shell::SearchStyle::Suche;
        k.searchNameField = QStringLiteral("U2_5");
        k.templateHiding = shell::TemplateHiding::Range;
        k.templateDateToday = false; // the template's date holds "1"
        k.neuRefreshesTables = true;
        k.storesCurrentNumberOnClose = true;
        k.documentOneDatedToday = false;
        k.instance = &frmRegieUPS;
        k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new Tfrmups(documentRegister, parent);
        };
        k.createPrintWindow = [](shell::DocumentRegister &, QWidget *parent) { return new Tfrmups_d(parent); };
        return k;
    }();
    return kind;
}

TfrmRegieUPS::TfrmRegieUPS(QWidget *parent)
    : shell::DocumentRegister(upsKind(), parent)
{
}

void TfrmRegieUPS::OpenDocument(int number)
{
    OpenDocumentIn<TfrmRegieUPS>(number);
}

} // namespace courier
