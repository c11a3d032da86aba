#include "courier/tfrmregiefedex.h"

#include "courier/couriertables.h"
#include "courier/tfrmfedex.h"
#include "courier/tfrmfedex_d.h"
#include "shell/parameterrecord.h"

namespace courier {

shell::DocumentRegister *frmRegieFedEx = nullptr;

const shell::DocumentKind &fedExKind()
{
    static const shell::DocumentKind kind = [] {
        shell::DocumentKind k;
        k.code = QStringLiteral("30");
        k.registerClass = QStringLiteral("TfrmRegieFedEx");
        k.caption = QStringLiteral("Regiezentrum: Fedex - Frachtbrief");
        k.headTable = Tables::FedEx;
        k.headComponent = QStringLiteral("tbPdienst");
        k.parameter = shell::parameterFieldsFor(k.code);
        k.columns = {
            { QStringLiteral("BelegNr"), QStringLiteral("BelegNr."), 10 },
            { QStringLiteral("Datum"), QString(), 12 },
            { QStringLiteral("F2_1"), QStringLiteral("Auftrags-Nr."), 20 },
            { QStringLiteral("F3_3"), QStringLiteral("Empfänger"), 30 },
        };
        k.navigationHints = { QStringLiteral("Erster Antrag"), QStringLiteral("Vorheriger Antrag"),
            QStringLiteral("Nächster Antrag"), QStringLiteral("Letzter Antrag") };
        k.printCaptionPrefix = QStringLiteral("Druck FedEx - Belegnummer: ");
        k.search = shell::SearchStyle::Suche;
        k.searchNameField = QStringLiteral("F3_3");
        k.templateHiding = shell::TemplateHiding::Range;
        k.templateDateToday = true;
        k.neuRefreshesTables = false;
        k.storesCurrentNumberOnClose = true;
        k.documentOneDatedToday = false;
        k.instance = &frmRegieFedEx;
        k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new TfrmFedex(documentRegister, parent);
        };
        k.createPrintWindow = [](shell::DocumentRegister &, QWidget *parent) { return new TfrmFedex_d(parent); };
        return k;
    }();
    return kind;
}

TfrmRegieFedEx::TfrmRegieFedEx(QWidget *parent)
    : shell::DocumentRegister(fedExKind(), parent)
{
}

void TfrmRegieFedEx::OpenDocument(int number)
{
    OpenDocumentIn<TfrmRegieFedEx>(number);
}

} // namespace courier
