#include "origin/tfrmregieeur1.h"

#include "origin/origintables.h"
#include "origin/tfrmeur1.h"
#include "origin/tfrmeur1_d.h"
#include "shell/parameterrecord.h"

namespace origin {

shell::DocumentRegister *frmRegieEUR1 = nullptr;

const shell::DocumentKind &eur1Kind()
{
    static const shell::DocumentKind kind = [] {
        shell::DocumentKind k;
        k.code = QStringLiteral("3");
        k.registerClass = QStringLiteral("TfrmRegieEUR1");
        k.caption = QStringLiteral("Regiezentrum: EUR. 1");
        k.headTable = Tables::Eur1;
        k.headComponent = QStringLiteral("tbEur1");
        k.numberField = QStringLiteral("Belegnr");
        k.parameter = shell::parameterFieldsFor(k.code);
        k.columns = {
            { QStringLiteral("Belegnr"), QStringLiteral("BelegNr."), 10 },
            { QStringLiteral("Datum"), QString(), 10 },
            { QStringLiteral("we3_1"), QStringLiteral("Empfänger"), 39 },
        };
        k.navigationHints = { QStringLiteral("Erstes EUR 1"), QStringLiteral("Vorheriges EUR 1"),
            QStringLiteral("Nächtes EUR 1"), QStringLiteral("Letztes EUR 1") };
        k.statusNumberPrefix = QStringLiteral("BelegNr. : ");
        k.statusTemplateText = QStringLiteral("BelegNr. : Master-Formular");
        k.printCaptionPrefix = QStringLiteral("Druck Eur1 - Belegnummer: ");
        k.search = shell::SearchStyle::SearchAsYouType;
        k.searchNameField = QStringLiteral("we3_1");
        k.nameIndex = QStringLiteral("iName");
        k.instance = &frmRegieEUR1;
        k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new TfrmEur1(documentRegister, parent);
        };
        k.createPrintWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new TfrmEur1_d(&documentRegister, parent);
        };
        return k;
    }();
    return kind;
}

TfrmRegieEUR1::TfrmRegieEUR1(QWidget *parent)
    : shell::DocumentRegister(eur1Kind(), parent)
{
}

void TfrmRegieEUR1::OpenDocument(int number)
{
    OpenDocumentIn<TfrmRegieEUR1>(number);
}

} // namespace origin
