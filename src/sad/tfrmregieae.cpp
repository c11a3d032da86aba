#include "sad/tfrmregieae.h"

#include "sad/exportlist.h"
#include "sad/sadtables.h"
#include "sad/tfrmeinheit.h"
#include "sad/tfrmeinheit_d.h"
#include "shell/parameterrecord.h"
#include "shell/reportedcall.h"

#include <QLayout>
#include <QMenuBar>
#include <QToolButton>

namespace sad {

shell::DocumentRegister *frmRegieAE = nullptr;

const shell::DocumentKind &exportDeclarationKind()
{
    static const shell::DocumentKind kind = [] {
        shell::DocumentKind k;
        k.code = QStringLiteral("1_1");
        k.registerClass = QStringLiteral("TfrmRegieAE");
        k.caption = QStringLiteral("Regiezentrum: Einheitspapier");
        k.headTable = Tables::Einheit;
        k.headComponent = QStringLiteral("tbEinheit");
        k.numberField = QStringLiteral("belegnr");
        k.positionTable = Tables::Einfolg;
        k.positionComponent = QStringLiteral("tbEinfol");
        k.positionLinkField = QStringLiteral("belegnr");
        k.parameter = shell::parameterFieldsFor(k.code);
        k.columns = {
            { QStringLiteral("belegnr"), QStringLiteral("BelegNr."), 10 },
            { QStringLiteral("datum"), QStringLiteral("Datum"), 10 },
            { QStringLiteral("AnzPos"), QStringLiteral("Positionen"), 8 },
            { QStringLiteral("f8_1"), QStringLiteral("Name"), 30 },
            { QStringLiteral("f1_1"), QStringLiteral("Zug"), 3 },
            { QStringLiteral("AENR"), QStringLiteral("AE - Nummer"), 10 },
            { QStringLiteral("NV_AM"), QStringLiteral("NV_AM"), 16 },
            { QStringLiteral("NV_TicketNr"), QStringLiteral("NV_TicketNr"), 16 },
        };
        k.navigationHints = { QStringLiteral("Erste Ausfuhrmeldung"), QStringLiteral("Vorherige Ausfuhrmeldung"),
            QStringLiteral("Nächste Ausfuhrmeldung"), QStringLiteral("Letzte Ausfuhrmeldung") };
        k.printCaptionPrefix = QStringLiteral("Druck Einheitspapier - Belegnummer: ");
        k.search = shell::SearchStyle::Suche;
        k.searchNameField = QStringLiteral("f8_1");
        k.copy = shell::CopyStyle::DocumentWithPositions;
        k.kopierenRefreshesTables = true;
        k.proposalSetBackAfterCopy = true;
        k.searchRefreshesTables = true;
        k.parameterRefreshesTable = true;
        k.hoverHighlight = true;
        k.positionsCountField = QStringLiteral("AnzPos");
        k.newLeavesEmpty = exportHeadFieldsOutsideList();
        k.copyLeavesEmpty = QStringList { QStringLiteral("NV_TicketNr") } + exportHeadFieldsOutsideList();
        k.instance = &frmRegieAE;
        k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new TfrmEinheit(documentRegister, parent);
        };
        k.createPrintWindow = [](shell::DocumentRegister &, QWidget *parent) { return new TfrmEinheit_d(parent); };
        return k;
    }();
    return kind;
}

TfrmRegieAE::TfrmRegieAE(QWidget *parent)
    : shell::DocumentRegister(exportDeclarationKind(), parent)
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    Liste1 = MainMenu1->addAction(QStringLiteral("Liste"));
    Liste1->setObjectName(QStringLiteral("Liste1"));
    layout()->setMenuBar(MainMenu1);
    connect(Liste1, &QAction::triggered, this,
        [this] { shell::runReported(this, [this] { exportDeclarationList(this); }); });
}

void TfrmRegieAE::OpenDocument(int number)
{
    OpenDocumentIn<TfrmRegieAE>(number);
}

} // namespace sad
