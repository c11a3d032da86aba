#include "transport/tfrmregielieferschein.h"

#include "shell/parameterrecord.h"
#include "transport/deliverynotetables.h"
#include "transport/tfrmlieferschein.h"
#include "transport/tfrmlieferscheindruck.h"

namespace transport {

shell::DocumentRegister *frmRegieLieferschein = nullptr;

const shell::DocumentKind &deliveryNoteKind()
{
    static const shell::DocumentKind kind = [] {
        shell::DocumentKind k;
        k.code = QStringLiteral("25");
        k.registerClass = QStringLiteral("TfrmRegieLieferschein");
        k.caption = QStringLiteral("Regiezentrum: Lieferschein");
        k.headTable = DeliveryNoteTables::Heads;
        k.headComponent = QStringLiteral("tbLiefer1");
        k.positionTable = DeliveryNoteTables::Positions;
        k.positionComponent = QStringLiteral("tbLiefer2");
        k.parameter = shell::parameterFieldsFor(k.code);
        k.columns = {
            { QStringLiteral("BelegNr"), QStringLiteral("BelegNr."), 10 },
            { QStringLiteral("Datum"), QString(), 12 },
            { QStringLiteral("L1_1"), QStringLiteral("Empfänger"), 37 },
        };
        k.navigationHints = { QStringLiteral("Erster Antrag"), QStringLiteral("Vorheriger Antrag"),
            QStringLiteral("Nächster Antrag"), QStringLiteral("Letzter Antrag") };
        k.statusTemplateText = QStringLiteral("BelegNr: Master-Formular");
        k.printCaptionPrefix = QStringLiteral("Druck Lieferschein - Belegnummer: ");
        k.search = shell::SearchStyle::Suche;
        k.searchNameField = QStringLiteral("L1_1");
        k.copy = shell::CopyStyle::DocumentWithPositions;
        k.neuRefreshesTables = true;
        k.parameterRefreshesTable = true;
        k.positionLimit = DeliveryNotePositionLimit;
        k.positionLimitMessage = QStringLiteral("Sie Haben diese Seite \rbereits vollständig ausgefüllt");
        k.instance = &frmRegieLieferschein;
        k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new TfrmLieferschein(documentRegister, parent);
        };
        k.createPrintWindow
            = [](shell::DocumentRegister &, QWidget *parent) { return new TfrmLieferscheinDruck(parent); };
        return k;
    }();
    return kind;
}

TfrmRegieLieferschein::TfrmRegieLieferschein(QWidget *parent)
    : shell::DocumentRegister(deliveryNoteKind(), parent)
{
}

void TfrmRegieLieferschein::OpenDocument(int number)
{
    OpenDocumentIn<TfrmRegieLieferschein>(number);
}

} // namespace transport
