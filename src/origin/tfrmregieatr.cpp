#include "origin/tfrmregieatr.h"

#include "origin/origintables.h"
#include "origin/tfrmatr.h"
#include "origin/tfrmatr_d.h"
#include "shell/parameterrecord.h"

namespace origin {

shell::DocumentRegister *frmRegieATR = nullptr;

const shell::DocumentKind &atrKind()
{
    static const shell::DocumentKind kind = [] {
        shell::DocumentKind k;
        k.code = QStringLiteral("13");
        k.registerClass = QStringLiteral("TfrmRegieATR");
        k.caption = QStringLiteral("Regiezentrum: A.TR.");
        k.headTable = Tables::Atr;
        k.headComponent = QStringLiteral("tbAtr");
        k.numberField = QStringLiteral("Belegnr");
        k.parameter = shell::parameterFieldsFor(k.code);
        k.columns = {
            { QStringLiteral("Belegnr"), QStringLiteral("Belegnr"), 10 },
            { QStringLiteral("Datum"), QString(), 10 },
            { QStringLiteral("Empfaenger_1"), QStringLiteral("Kunde"), 39 },
        };
        k.navigationHints = { QStringLiteral("Erste A.TR."), QStringLiteral("Vorherige A.TR."),
            QStringLiteral("Nächste A.TR."), QStringLiteral("Letzte A.TR.") };
        k.statusNumberPrefix = QStringLiteral("BelegNr.: ");
        k.statusTemplateText = QStringLiteral("BelegNr.: Master-Formular");
        k.printCaptionPrefix = QStringLiteral("Druck A.TR.    - Belegnummer: ");
        k.search = shell::SearchStyle::Suche;
        k.searchNameField = QStringLiteral("Empfaenger_1");
        k.searchNameCaption = QStringLiteral("Empfänger");
        k.hoverHighlight = true;
        k.instance = &frmRegieATR;
        k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new TfrmAtr(documentRegister, parent);
        };
        k.createPrintWindow = [](shell::DocumentRegister &, QWidget *parent) { return new TfrmAtr_d(parent); };
        return k;
    }();
    return kind;
}

TfrmRegieATR::TfrmRegieATR(QWidget *parent)
    : shell::DocumentRegister(atrKind(), parent)
{
}

void TfrmRegieATR::OpenDocument(int number)
{
    OpenDocumentIn<TfrmRegieATR>(number);
}

} // namespace origin
