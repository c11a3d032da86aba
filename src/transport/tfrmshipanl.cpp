#include "transport/tfrmshipanl.h"

#include "platform/field.h"
#include "platform/table.h"
#include "shell/documentregister.h"
#include "transport/tfrmshipper.h"

#include <QFont>

namespace transport {

using shell::EntryControl;
using shell::EntryLabel;

namespace {

constexpr int EditHeight = 21;

} // namespace

shell::EntryWindowDefinition shipanlEntryDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmShipanl");
    d.caption = QStringLiteral("Packstücke und Warenbezeichnung");
    d.size = QSize(466, 267);
    d.fixedFieldList = false;
    struct Cell {
        QString name;
        QString field;
        QString caption;
        QString hint;
        int x;
        int y;
        int width;
    };
    const Cell cells[] = {
        { QStringLiteral("DBEdit1"), QStringLiteral("S9"), QStringLiteral("UN or ID No."),
            QStringLiteral("UN or ID no."), 10, 10, 80 },
        { QStringLiteral("DBEdit26"), QStringLiteral("S7"), QStringLiteral("Proper Shipping Name"),
            QStringLiteral("Proper shipping name"), 10, 58, 220 },
        { QStringLiteral("DBEdit27"), QStringLiteral("S8"), QStringLiteral("Class or Divisions"),
            QStringLiteral("Class or divisions"), 10, 106, 60 },
        { QStringLiteral("DBEdit2"), QStringLiteral("S10"), QStringLiteral("Packing Group"),
            QStringLiteral("Packing group"), 10, 154, 60 },
        { QStringLiteral("DBEdit4"), QStringLiteral("S12"), QStringLiteral("Quantity and Type of Packing"),
            QStringLiteral("Quantity and type of packing"), 250, 10, 200 },
        { QStringLiteral("DBEdit5"), QStringLiteral("S13"), QStringLiteral("Packing Inst."),
            QStringLiteral("Packing Inst."), 250, 58, 80 },
        { QStringLiteral("DBEdit6"), QStringLiteral("S14"), QStringLiteral("Authorization"),
            QStringLiteral("Authorization"), 250, 106, 120 },
    };
    for (const Cell &cell : cells) {
        d.labels.append(EntryLabel::at(cell.caption, 0, cell.x, cell.y));
        d.controls.append(EntryControl::edit(cell.name, cell.field)
                              .at(0, cell.x, cell.y + 18, cell.width, EditHeight)
                              .hint(cell.hint)
                              .plainHint());
    }
    return d;
}

TfrmShipanl::TfrmShipanl(TfrmShipper &headWindow, QWidget *parent)
    : shell::EntryWindow(
        headWindow.documentRegister(), shipanlEntryDefinition(), parent, headWindow.documentRegister().positions())
{
    mnuDrucken->setVisible(false);
    for (const EntryControl &entry : definition().controls) {
        QWidget *widget = control(entry.name);
        QFont font = widget->font();
        font.setFamily(QStringLiteral("Courier New"));
        widget->setFont(font);
    }
    setNumberText(headWindow.statusText(1) + QStringLiteral(" (") + head().fieldByName(QStringLiteral("Pos")).asString()
        + QStringLiteral(". Position)"));
}

} // namespace transport
