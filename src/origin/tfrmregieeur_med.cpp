#include "origin/tfrmregieeur_med.h"

#include "origin/origintables.h"
#include "origin/tfrmeur_med.h"
#include "origin/tfrmeur_med_d.h"
#include "origin/tfrmregieeur1.h"
#include "shell/parameterrecord.h"

namespace origin {

shell::DocumentRegister *frmRegieEur_Med = nullptr;

const shell::DocumentKind &eurMedKind()
{
    static const shell::DocumentKind kind = [] {
        shell::DocumentKind k = eur1Kind();
        k.code = QStringLiteral("EURMED");
        k.registerClass = QStringLiteral("TfrmRegieEur_Med");
        k.caption = QStringLiteral("Regiezentrum: EUR-MED");
        k.headTable = Tables::EurMed;
        k.numberField = QStringLiteral("belegnr");
        k.parameter = shell::parameterFieldsFor(k.code);
        k.columns.first().field = k.numberField;
        k.navigationHints = { QStringLiteral("Erstes EUR-MED"), QStringLiteral("Vorheriges EUR-MED"),
            QStringLiteral("Nächstes EUR-MED"), QStringLiteral("Letztes EUR-MED") };
        k.printCaptionPrefix = QStringLiteral("Druck EUR-MED - Belegnummer: ");
        k.instance = &frmRegieEur_Med;
        k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new TfrmEur_Med(documentRegister, parent);
        };
        k.createPrintWindow = [](shell::DocumentRegister &, QWidget *parent) { return new TfrmEur_Med_d(parent); };
        return k;
    }();
    return kind;
}

TfrmRegieEur_Med::TfrmRegieEur_Med(QWidget *parent)
    : shell::DocumentRegister(eurMedKind(), parent)
{
}

} // namespace origin
