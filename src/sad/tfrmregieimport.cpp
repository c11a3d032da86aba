#include "sad/tfrmregieimport.h"

#include "platform/table.h"
#include "sad/sadtables.h"
#include "sad/tfrmeinheit2.h"
#include "sad/tfrmeinheit_d2.h"
#include "shell/documentroutines.h"
#include "shell/parameterrecord.h"

#include <QAction>
#include <QToolButton>

namespace sad {

shell::DocumentRegister *frmRegieImport = nullptr;

const shell::DocumentKind &importDeclarationKind()
{
    static const shell::DocumentKind kind = [] {
        shell::DocumentKind k;
        k.code = QStringLiteral("11");
        k.registerClass = QStringLiteral("TfrmRegieImport");
        k.caption = QStringLiteral("Regiezentrum: Einheitspapier Import");
        k.headTable = Tables::Impein;
        k.headComponent = QStringLiteral("tbeinheit");
        k.numberField = QStringLiteral("BELEGNR");
        k.positionTable = Tables::Impfol;
        k.positionComponent = QStringLiteral("tbEinfol");
        k.positionLinkField = QStringLiteral("BELEGNR");
        k.parameter = shell::parameterFieldsFor(k.code);
        k.columns = {
            { QStringLiteral("BELEGNR"), QStringLiteral("BelegNr."), 10 },
            { QStringLiteral("DATUM"), QStringLiteral("Datum"), 10 },
            { QStringLiteral("Positionen"), QStringLiteral("Positionen"), 8 },
            { QStringLiteral("F2_1"), QStringLiteral("Versender / Ausführer"), 30 },
            { QStringLiteral("F1_1"), QStringLiteral("Zug"), 3 },
            { QStringLiteral("F1_2"), QStringLiteral("Zug"), 3 },
        };
        k.navigationHints = { QStringLiteral("Erste Einfuhrmeldung"), QStringLiteral("Vorherige Einfuhrmeldung"),
            QStringLiteral("Nächste Einfuhrmeldung"), QStringLiteral("Letzte Einfuhrmeldung") };
        // The template shows its number like every declaration.
        k.statusNumberPrefix = QStringLiteral("BelegNr.: ");
        k.statusTemplateText = k.statusNumberPrefix + QString::number(shell::TemplateNumber);
        k.printCaptionPrefix = QStringLiteral("Druck Einheitspapier Import - Belegnummer: ");
        k.search = shell::SearchStyle::Suche;
        k.searchNameField = QStringLiteral("F2_1");
        k.searchNameCaption = QStringLiteral("Versender");
        k.copy = shell::CopyStyle::DocumentWithPositions;
        k.neuRefreshesPositions = false;
        k.positionsCountField = QStringLiteral("Positionen");
        k.positionOneWhenAlone = false;
        k.copyLeavesEmpty = { QStringLiteral("Master") };
        k.instance = &frmRegieImport;
        k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new TfrmEinheit2(documentRegister, parent);
        };
        k.createPrintWindow = [](shell::DocumentRegister &, QWidget *parent) { return new TfrmEinheit_d2(parent); };
        return k;
    }();
    return kind;
}

TfrmRegieImport::TfrmRegieImport(QWidget *parent)
    : shell::DocumentRegister(importDeclarationKind(), parent)
{
}

void TfrmRegieImport::FormShow()
{
    DocumentRegister::FormShow();
    shell::EditIfBrowsing(parameter());
}

} // namespace sad
