#include "sad/tformregieeinheitzusatz.h"

#include "sad/sadtables.h"
#include "sad/tformeinheitzusatz.h"
#include "sad/tformeinheitzusatz_druck.h"
#include "shell/parameterrecord.h"

namespace sad {

shell::DocumentRegister *FormRegieEinheitZusatz = nullptr;

const shell::DocumentKind &supplementarySheetKind()
{
    static const shell::DocumentKind kind = [] {
        shell::DocumentKind k;
        k.code = QStringLiteral("EinheitZusatz");
        k.registerClass = QStringLiteral("TFormRegieEinheitZusatz");
        k.caption = QStringLiteral("Regiezentrum: Zusatzblatt zum Einheitspapier für die Abfertigung von Waren");
        k.headTable = Tables::EinZus;
        k.headComponent = QStringLiteral("tbEinheit");
        k.numberField = QStringLiteral("BelegNr");
        k.parameter = shell::parameterFieldsFor(k.code);
        k.columns = {
            { QStringLiteral("BelegNr"), QStringLiteral("BelegNr"), 10 },
            { QStringLiteral("Datum"), QStringLiteral("Datum"), 10 },
        };
        k.navigationHints = { QStringLiteral("Erste Ausfuhrmeldung"), QStringLiteral("Vorherige Ausfuhrmeldung"),
            QStringLiteral("Nächste Ausfuhrmeldung"), QStringLiteral("Letzte Ausfuhrmeldung") };
        k.printCaptionPrefix = QStringLiteral("Druck Einheitspapier - Belegnummer: ");
        k.search = shell::SearchStyle::Suche;
        // The sheet has no consignee (its F8_1 is box 8's mark): the search
        // offers "Empfänger" as every register does and finds no sheet by it.
        k.searchNameField.clear();
        k.copy = shell::CopyStyle::Record;
        k.instance = &FormRegieEinheitZusatz;
        k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new TFormEinheitZusatz(documentRegister, parent);
        };
        k.createPrintWindow
            = [](shell::DocumentRegister &, QWidget *parent) { return new TFormEinheitZusatz_Druck(parent); };
        return k;
    }();
    return kind;
}

TFormRegieEinheitZusatz::TFormRegieEinheitZusatz(QWidget *parent)
    : shell::DocumentRegister(supplementarySheetKind(), parent)
{
}

} // namespace sad
