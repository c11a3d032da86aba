#include "transport/tfrmregieshippers.h"

#include "shell/parameterrecord.h"
#include "transport/dangerousgoodstables.h"
#include "transport/tfrmship_d.h"
#include "transport/tfrmshipper.h"

namespace transport {

shell::DocumentRegister *frmRegieShippers = nullptr;

const shell::DocumentKind &shippersKind()
{
    static const shell::DocumentKind kind = [] {
        shell::DocumentKind k;
        k.code = QStringLiteral("21_2");
        k.registerClass = QStringLiteral("TfrmRegieShippers");
        k.caption = QStringLiteral("Regiezentrum: ") + ShipperS + QStringLiteral(" Declaration");
        k.headTable = DangerousGoodsTables::Shippers;
        k.headComponent = QStringLiteral("tbShip");
        k.positionTable = DangerousGoodsTables::ShippersLines;
        k.positionComponent = QStringLiteral("tbShip1");
        k.parameter = shell::parameterFieldsFor(k.code);
        k.columns = {
            { QStringLiteral("BelegNr"), QString(), 10 },
            { QStringLiteral("Datum"), QString(), 10 },
            { QStringLiteral("S2_1"), QStringLiteral("Empfänger"), 35 },
        };
        k.printCaptionPrefix = QStringLiteral("Druck ") + ShipperS + QStringLiteral(" Declaration - Belegnummer: ");
        k.search = shell::SearchStyle::Suche;
        k.searchNameField = QStringLiteral("S2_1");
        k.templateHiding = shell::TemplateHiding::Range;
        k.copy = shell::CopyStyle::Record; // the head only: a copy starts without goods lines
        k.storesCurrentNumberOnClose = true;
        k.documentOneDatedToday = false;
        k.positionOneOnClose = false;
        k.positionLimit = ShippersLineLimit;
        k.positionLimitMessage = ShippersLineLimitMessage;
        // The template never holds goods lines.
        k.templatePosition = false;
        k.instance = &frmRegieShippers;
        k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new TfrmShipper(documentRegister, parent);
        };
        k.createPrintWindow = [](shell::DocumentRegister &, QWidget *parent) { return new TfrmShip_d(parent); };
        return k;
    }();
    return kind;
}

TfrmRegieShippers::TfrmRegieShippers(QWidget *parent)
    : shell::DocumentRegister(shippersKind(), parent)
{
}

} // namespace transport
