#include "sad/tfrmregiet1_t2.h"

#include "platform/table.h"
#include "sad/sadtables.h"
#include "sad/tfrmeversand.h"
#include "sad/tfrmeversand_d.h"
#include "shell/documentroutines.h"
#include "shell/parameterrecord.h"

#include <QAction>
#include <QToolButton>

namespace sad {

shell::DocumentRegister *frmRegieT1_T2 = nullptr;

const shell::DocumentKind &transitDeclarationKind()
{
    static const shell::DocumentKind kind = [] {
        shell::DocumentKind k;
        k.code = QStringLiteral("20");
        k.registerClass = QStringLiteral("TfrmRegieT1_T2");
        k.caption = QStringLiteral("Regiezentrum: Versandmeldung");
        k.headTable = Tables::Ausfuhr;
        k.headComponent = QStringLiteral("tbEinheit");
        k.numberField = QStringLiteral("belegnr");
        k.positionTable = Tables::Ausfolg;
        k.positionComponent = QStringLiteral("tbEinfol");
        k.positionLinkField = QStringLiteral("belegnr");
        k.parameter = shell::parameterFieldsFor(k.code);
        k.columns = {
            { QStringLiteral("belegnr"), QStringLiteral("Beleg-Nr"), 10 },
            { QStringLiteral("datum"), QStringLiteral("Datum"), 10 },
            { QStringLiteral("f8_1"), QStringLiteral("Empfänger"), 30 },
        };
        k.navigationHints = { QStringLiteral("Erste Versandmeldung"), QStringLiteral("Vorherige Versandmeldung"),
            QStringLiteral("Nächste Versandmeldung"), QStringLiteral("Letzte Versandmeldung") };
        k.statusNumberPrefix = QStringLiteral("BelegNr. : ");
        k.statusTemplateText = QStringLiteral("BelegNr. : Master-Formular");
        k.printCaptionPrefix = QStringLiteral("Druck Einheitspapier - Belegnummer: ");
        k.search = shell::SearchStyle::Suche;
        k.searchNameField = QStringLiteral("f8_1");
        k.copy = shell::CopyStyle::DocumentWithPositions;
        k.neuRefreshesPositions = false;
        // Closing over the template alone leaves declaration 1 with its item (1, 1).
        k.positionOneWhenAlone = false;
        k.newLeavesEmpty = transitHeadFieldsOutsideList();
        k.copyLeavesEmpty = QStringList { QStringLiteral("F29") } + transitHeadFieldsOutsideList();
        k.instance = &frmRegieT1_T2;
        k.createPrintWindow = [](shell::DocumentRegister &, QWidget *parent) { return new TfrmEVersand_d(parent); };
        k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new TfrmEversand(documentRegister, parent);
        };
        return k;
    }();
    return kind;
}

TfrmRegieT1_T2::TfrmRegieT1_T2(QWidget *parent)
    : shell::DocumentRegister(transitDeclarationKind(), parent)
{
}

void TfrmRegieT1_T2::OpenDocument(int number)
{
    OpenDocumentIn<TfrmRegieT1_T2>(number);
}

bool TfrmRegieT1_T2::createDocument(int number)
{
    if (!DocumentRegister::createDocument(number))
        return false;
    shell::EditIfBrowsing(head());
    return true;
}

} // namespace sad
