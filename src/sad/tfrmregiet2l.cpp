#include "sad/tfrmregiet2l.h"

#include "platform/table.h"
#include "sad/sadtables.h"
#include "sad/tfrmeinht2l.h"
#include "sad/tfrmeint2lprint.h"
#include "shell/documentroutines.h"
#include "shell/parameterrecord.h"

namespace sad {

shell::DocumentRegister *frmRegieT2L = nullptr;

const shell::DocumentKind &t2lKind()
{
    static const shell::DocumentKind kind = [] {
        shell::DocumentKind k;
        k.code = QStringLiteral("T2L");
        k.registerClass = QStringLiteral("TfrmRegieT2L");
        k.caption = QStringLiteral("Regiezentrum: Einheitspapier");
        k.headTable = Tables::EinHT2L;
        k.headComponent = QStringLiteral("tbEinheit");
        k.positionTable = Tables::EinFT2L;
        k.positionComponent = QStringLiteral("tbEinfol");
        k.parameter = shell::parameterFieldsFor(k.code);
        k.columns = {
            { QStringLiteral("BelegNr"), QStringLiteral("BelegNr"), 10 },
            // The date is text: room for all ten characters.
            { QStringLiteral("Datum"), QStringLiteral("Datum"), 12 },
            { QStringLiteral("F8_2"), QStringLiteral("Empfänger"), 30 },
        };
        k.navigationHints = { QStringLiteral("Erste Ausfuhrmeldung"), QStringLiteral("Vorherige Ausfuhrmeldung"),
            QStringLiteral("Nächste Ausfuhrmeldung"), QStringLiteral("Letzte Ausfuhrmeldung") };
        k.printCaptionPrefix = QStringLiteral("Druck Einheitspapier T2L - Belegnummer: ");
        k.search = shell::SearchStyle::Suche;
        k.searchNameField = QStringLiteral("F8_2");
        k.copy = shell::CopyStyle::DocumentWithPositions;
        // The copy leaves the last line of box 54 empty.
        k.copyLeavesEmpty = { QStringLiteral("F54_6") };
        k.proposalSetBackAfterCopy = true;
        k.hoverHighlight = true;
        k.instance = &frmRegieT2L;
        k.createPrintWindow = [](shell::DocumentRegister &, QWidget *parent) { return new TfrmEinT2LPrint(parent); };
        k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new TfrmEinHT2L(documentRegister, parent);
        };
        return k;
    }();
    return kind;
}

TfrmRegieT2L::TfrmRegieT2L(QWidget *parent)
    : shell::DocumentRegister(t2lKind(), parent)
{
}

void TfrmRegieT2L::bbtAendernClick()
{
    shell::DocumentRegister::bbtAendernClick();
    if (head().isEmpty())
        return;
    shell::EditIfBrowsing(head());
    head().post();
}

} // namespace sad
