#include "transport/tfrmregieimo.h"

#include "shell/parameterrecord.h"
#include "transport/dangerousgoodstables.h"
#include "transport/tfrmimo.h"
#include "transport/tfrmimo_d.h"

namespace transport {

shell::DocumentRegister *frmRegieIMO = nullptr;

const shell::DocumentKind &imoKind()
{
    static const shell::DocumentKind kind = [] {
        shell::DocumentKind k;
        k.code = QStringLiteral("12");
        k.registerClass = QStringLiteral("TfrmRegieIMO");
        k.caption = QStringLiteral("Regiezentrum: IMO - Erklärung");
        k.headTable = DangerousGoodsTables::Imo;
        k.headComponent = QStringLiteral("tbgsee");
        k.numberField = QStringLiteral("belegnr");
        k.parameter = shell::parameterFieldsFor(k.code);
        k.columns = {
            { QStringLiteral("belegnr"), QStringLiteral("BelegNr"), 10 },
            { QStringLiteral("datum"), QStringLiteral("Datum"), 10 },
            { QStringLiteral("em1"), QStringLiteral("Name"), 35 },
        };
        k.navigationHints = { QStringLiteral("Erster Antrag"), QStringLiteral("Vorheriger Antrag"),
            QStringLiteral("Nächster Antrag"), QStringLiteral("Letzter Antrag") };
        k.printCaptionPrefix = QStringLiteral("Druck IMO-ERKLÄRUNG - Belegnummer: ");
        k.search = shell::SearchStyle::Suche;
        k.searchNameField = QStringLiteral("em1");
        k.instance = &frmRegieIMO;
        k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new Tfrmimo(documentRegister, parent);
        };
        k.createPrintWindow = [](shell::DocumentRegister &, QWidget *parent) { return new Tfrmimo_d(parent); };
        return k;
    }();
    return kind;
}

TfrmRegieIMO::TfrmRegieIMO(QWidget *parent)
    : shell::DocumentRegister(imoKind(), parent)
{
}

} // namespace transport
