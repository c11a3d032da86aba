#include "origin/tfrmregieuz.h"

#include "origin/origintables.h"
#include "origin/tfrmursprung.h"
#include "origin/tfrmursprung_d.h"
#include "shell/parameterrecord.h"

namespace origin {

shell::DocumentRegister *frmRegieUZ = nullptr;

const shell::DocumentKind &ursprungKind()
{
    static const shell::DocumentKind kind = [] {
        shell::DocumentKind k;
        k.code = QStringLiteral("5");
        k.registerClass = QStringLiteral("TfrmRegieUZ");
        k.caption = QStringLiteral("Regiezentrum: Ursprungszeugnis");
        k.headTable = Tables::Ursprung;
        k.headComponent = QStringLiteral("tbUrsprung");
        k.numberField = QStringLiteral("Belegnr");
        k.parameter = shell::parameterFieldsFor(k.code);
        k.columns = {
            { QStringLiteral("Belegnr"), QStringLiteral("BelegNr."), 10 },
            { QStringLiteral("Datum"), QString(), 10 },
            { QStringLiteral("We2_1"), QStringLiteral("Empfänger"), 34 },
        };
        k.navigationHints = { QStringLiteral("Erstes Ursprungszeugnis"), QStringLiteral("Vorheriges Ursprungszeugnis"),
            QStringLiteral("Nächstes Ursprungszeugnis"), QStringLiteral("Letztes Ursprungszeugnis") };
        k.printCaptionPrefix = QStringLiteral("Druck Ursprungszeugnis - Belegnummer: ");
        k.search = shell::SearchStyle::Suche;
        k.searchNameField = QStringLiteral("We2_1");
        k.searchNameCaption = QStringLiteral("Empfänger");
        k.instance = &frmRegieUZ;
        k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new TfrmUrsprung(documentRegister, parent);
        };
        k.createPrintWindow = [](shell::DocumentRegister &, QWidget *parent) { return new TfrmUrsprung_d(parent); };
        return k;
    }();
    return kind;
}

TfrmRegieUZ::TfrmRegieUZ(QWidget *parent)
    : shell::DocumentRegister(ursprungKind(), parent)
{
}

void TfrmRegieUZ::OpenDocument(int number)
{
    OpenDocumentIn<TfrmRegieUZ>(number);
}

} // namespace origin
