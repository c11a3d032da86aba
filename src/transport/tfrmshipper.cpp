#include "transport/tfrmshipper.h"

#include "masterdata/entrypicks.h"
#include "platform/datasetmodel.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/table.h"
#include "shell/documentregister.h"
#include "shell/documentroutines.h"
#include "shell/mainstate.h"
#include "shell/positionlist.h"
#include "shell/reportedcall.h"
#include "shell/twheeldbgrid.h"
#include "transport/dangerousgoodstables.h"
#include "transport/tfrmshipanl.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollArea>

namespace transport {

using platform::Table;
using shell::EntryControl;
using shell::EntryLabel;

namespace {

enum Pick { ShipperPick, ConsigneePick };

constexpr int Row = 24;
constexpr int EditHeight = 21;
constexpr int GridTop = 680;
constexpr int GridHeight = 196;
constexpr int FootTop = 920;

QString edit(int number)
{
    return QStringLiteral("DBEdit%1").arg(number);
}

// The goods columns of the grid and the heads above them: x and width.
struct GoodsColumn {
    QString field;
    QString caption;
    int width;
};
const GoodsColumn GoodsColumns[] = {
    { QStringLiteral("S9"), QStringLiteral("UN or ID\nNo."), 70 },
    { QStringLiteral("S7"), QStringLiteral("Proper Shipping Name"), 220 },
    { QStringLiteral("S8"), QStringLiteral("Class or\nDivi- sions"), 70 },
    { QStringLiteral("S10"), QStringLiteral("Pack-\ning Group"), 60 },
    { QStringLiteral("S12"), QStringLiteral("Quantity and Type of\nPacking"), 160 },
    { QStringLiteral("S13"), QStringLiteral("Packing\nInst."), 70 },
    { QStringLiteral("S14"), QStringLiteral("Authorization"), 90 },
};

} // namespace

shell::EntryWindowDefinition shipperEntryDefinition()
{
    const shell::MainState &state = shell::mainState();
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmShipper");
    d.caption = ShipperS + QStringLiteral(" Declaration for Dangerous Goods");
    d.size = QSize(784, 564);
    d.pages = { { QString(), FootTop + 230 } };
    d.printCaptionPrefix = QStringLiteral("Druck ") + ShipperS + QStringLiteral(" Declaration - Belegnummer: ");

    QFont warningFont(QStringLiteral("Arial"));
    warningFont.setPointSize(9);
    warningFont.setBold(true);
    QFont bold = state.FormularAnzeigeFont;
    bold.setBold(true);
    const auto boldLabel = [&](const QString &text, int x, int y, int width = 0, int height = 0) {
        return EntryLabel::at(text, 0, x, y, width, height).withFont(bold, state.FormularAnzeigeFontColor);
    };
    d.labels = {
        EntryLabel::at(QStringLiteral("Nur Mitarbeiter mit entsprechend gültiger IATA-Schulungsbescheinigung sind "
                                      "berechtigt, Shipper's declaration zu unterzeichnen! Bei Nichtbeachtung drohen "
                                      "hohe Geldbußen!"),
            0, 10, 4, 740, 34)
            .named(QStringLiteral("Label1"))
            .withFont(warningFont, Qt::red)
            .wrapping(),
        EntryLabel::at(QStringLiteral("Shipper"), 0, 10, 44),
        EntryLabel::at(QStringLiteral("Air Waybill No."), 0, 400, 44),
        EntryLabel::at(QStringLiteral("Page"), 0, 400, 94),
        EntryLabel::at(QStringLiteral("of "), 0, 490, 94),
        EntryLabel::at(QStringLiteral("Pages"), 0, 570, 94),
        EntryLabel::at(ShipperS + QStringLiteral(" Reference Number (optional)"), 0, 400, 120),
        EntryLabel::at(QStringLiteral("Consignee"), 0, 10, 188),
        EntryLabel::at(QStringLiteral("Two completed and signed copies of this declaration must be handled to the "
                                      "operator."),
            0, 10, 336, 370, 34)
            .wrapping(),
        boldLabel(QStringLiteral("TRANSPORT DETAILS"), 10, 372),
        EntryLabel::at(QStringLiteral("This shipment is within the limitations prescribed for:  (delete "
                                      "non-applicable)"),
            0, 10, 392, 370, 34)
            .wrapping(),
        EntryLabel::at(QStringLiteral("Airport of Departure"), 0, 10, 460),
        EntryLabel::at(QStringLiteral("Airport of Destination :"), 0, 10, 578),
        boldLabel(QStringLiteral("WARNING"), 400, 336),
        EntryLabel::at(QStringLiteral("Failure to comply in all respects with the applicable Dangerous Goods "
                                      "Regulations may be in breach of the applicable law, subject to legal "
                                      "penalties."),
            0, 400, 356, 360, 50)
            .wrapping(),
        EntryLabel::at(QStringLiteral("This declaration must not, in any circumstances, be completed and/or signed "
                                      "by a consolidator, a forwarder or an IATA cargo agent."),
            0, 400, 410, 360, 50)
            .wrapping(),
        EntryLabel::at(QStringLiteral("Shipment type : (delete non-applicable)"), 0, 400, 500),
        boldLabel(QStringLiteral("NATURE AND QUANTITY OF DANGEROUS GOODS"), 10, 610),
        EntryLabel::at(QStringLiteral("Dangerous Goods Indifications"), 0, 10, 628),
        EntryLabel::at(QStringLiteral("Additional Handling Information"), 0, 10, FootTop),
        EntryLabel::at(QStringLiteral("I hereby declare that the contens of this consignment are fully and "
                                      "accurately described above by the proper shipping name, and are "
                                      "classified, packaged, marked and labelled/placarded, and are in all "
                                      "respects in proper condition for transport according to applicable "
                                      "international and national governmental regulations."),
            0, 10, FootTop + 104, 370, 110)
            .wrapping(),
        EntryLabel::at(QStringLiteral("Name / Title of Signatory"), 0, 400, FootTop + 100),
        EntryLabel::at(QStringLiteral("Place And Date"), 0, 400, FootTop + 146),
        EntryLabel::at(QStringLiteral("Signature (see warning above)"), 0, 400, FootTop + 192),
    };
    int x = 10;
    for (const GoodsColumn &column : GoodsColumns) {
        d.labels.append(EntryLabel::at(column.caption, 0, x, 644, column.width, 34));
        x += column.width;
    }

    QVector<EntryControl> &c = d.controls;
    const auto line = [&](int number, const QString &field, int left, int y, int width, const QString &hint) {
        c.append(EntryControl::edit(edit(number), field).at(0, left, y, width, EditHeight).hint(hint).plainHint());
        return &c.last();
    };
    for (int i = 0; i < 5; ++i)
        line(1 + i, QStringLiteral("S1_%1").arg(i + 1), 10, 62 + Row * i, 330, QStringLiteral("Shipper - Absender"))
            ->pick(ShipperPick);
    line(11, QStringLiteral("S3_1"), 400, 62, 330, QStringLiteral("Air waybill no."))->scrollOnExit();
    line(12, QStringLiteral("S3_2"), 440, 92, 40, QStringLiteral("Seiten von ... bis ..."))->scrollOnExit();
    line(13, QStringLiteral("S3_3"), 520, 92, 40, QStringLiteral("Seiten von ... bis ..."))->scrollOnExit();
    line(14, QStringLiteral("S3_4"), 400, 138, 170, ShipperS + QStringLiteral(" reference number (optional)"))
        ->scrollOnExit();
    for (int i = 0; i < 5; ++i)
        line(6 + i, QStringLiteral("S2_%1").arg(i + 1), 10, 206 + Row * i, 330, QStringLiteral("Consignee - Empfänger"))
            ->pick(ConsigneePick);
    for (int i = 0; i < 5; ++i)
        line(15 + i, QStringLiteral("S4_%1").arg(i + 1), 400, 206 + Row * i, 260, QString())->scrollOnExit();
    for (int i = 0; i < 4; ++i)
        line(20 + i, QStringLiteral("S5_%1").arg(i + 1), 10, 478 + Row * i, 220, QStringLiteral("Airport of departure"))
            ->scrollOnExit();
    const QColor background = state.HinterGrundFarbe;
    const QColor text = state.FormularAnzeigeFontColor;
    const auto box = [&](int number, const QString &field, const QString &caption, int left, int y, int width,
                         const QString &hint) {
        c.append(EntryControl::checkBox(QStringLiteral("DBCheckBox%1").arg(number), field, caption)
                     .at(0, left, y, width, 22)
                     .hint(hint)
                     .focusColors(Qt::darkBlue, Qt::white)
                     .leaveColors(background, text));
    };
    box(2, QStringLiteral("S5_6"), QStringLiteral("PASSANGER AND CARGO AIRCRAFT"), 10, 430, 228,
        QStringLiteral("Passangers and cargo aircraft"));
    box(3, QStringLiteral("S5_7"), QStringLiteral("CARGO AIRCRAFT ONLY"), 242, 430, 150,
        QStringLiteral("Cargo aircraft only"));
    line(24, QStringLiteral("S5_5"), 170, 576, 220, QStringLiteral("Airport of destination"))->scrollOnExit();
    box(1, QStringLiteral("S6"), QStringLiteral("RADIOACTIVE (Y/N)"), 400, 520, 200,
        QStringLiteral("Radioactive (J/N)"));
    for (int i = 0; i < 3; ++i)
        line(161 + i, QStringLiteral("S15_%1").arg(i + 1), 10, FootTop + 18 + Row * i, 740,
            QStringLiteral("Additional handling information"))
            ->scrollOnExit();
    line(164, QStringLiteral("S16_1"), 400, FootTop + 118, 260, QStringLiteral("Name / Title of signatory"))
        ->scrollOnExit();
    line(165, QStringLiteral("S16_2"), 400, FootTop + 164, 260, QStringLiteral("Place and date"))->scrollOnExit();
    line(166, QStringLiteral("S16_3"), 400, FootTop + 210, 260, QStringLiteral("Signature (see warning above)"))
        ->scrollOnExit();

    const QStringList shipper = { QStringLiteral("S1_1"), QStringLiteral("S1_2"), QStringLiteral("S1_3"),
        QStringLiteral("S1_4"), QStringLiteral("S1_5") };
    const QStringList consignee = { QStringLiteral("S2_1"), QStringLiteral("S2_2"), QStringLiteral("S2_3"),
        QStringLiteral("S2_4"), QStringLiteral("S2_5") };
    shell::EntryPick shipperPick
        = masterdata::customerPick(QStringLiteral("SpeedButton1"), 0, QRect(345, 62, 24, 117), shipper, edit(6));
    shipperPick.focusAfterCancel = edit(6);
    shell::EntryPick consigneePick
        = masterdata::customerPick(QStringLiteral("SpeedButton2"), 0, QRect(345, 206, 24, 117), consignee, edit(11));
    consigneePick.focusAfterCancel = edit(11);
    d.picks = { shipperPick, consigneePick };
    return d;
}

TfrmShipper::TfrmShipper(shell::DocumentRegister &documentRegister, QWidget *parent)
    : shell::EntryWindow(documentRegister, shipperEntryDefinition(), parent)
{
    // The edits write as the form is typed: Courier New at the size of the input font.
    for (const EntryControl &entry : definition().controls) {
        if (entry.kind != shell::EntryControlKind::Edit)
            continue;
        QWidget *widget = control(entry.name);
        QFont font = widget->font();
        font.setFamily(QStringLiteral("Courier New"));
        font.setBold(false);
        font.setItalic(false);
        widget->setFont(font);
    }
    buildGoodsLines();
}

void TfrmShipper::buildGoodsLines()
{
    QWidget *surface = scrollBox(0)->widget();
    Table &lines = *documentRegister().positions();
    QVector<platform::DataSetColumn> columns;
    for (const GoodsColumn &column : GoodsColumns)
        columns.append(
            { column.field, QString(column.caption).replace(QLatin1Char('\n'), QLatin1Char(' ')), column.width });
    DBGrid1 = new shell::TWheelDBGrid(surface);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(new platform::DataSetModel(&lines, columns, DBGrid1));
    DBGrid1->setGeometry(10, GridTop, 742, GridHeight);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->horizontalHeader()->hide();
    for (int i = 0; i < columns.size(); ++i)
        DBGrid1->setColumnWidth(i, columns.at(i).width);
    QPalette palette = DBGrid1->palette();
    palette.setColor(QPalette::Text, Qt::blue);
    DBGrid1->setPalette(palette);
    DBGrid1->installEventFilter(this);
    DBGrid1->viewport()->installEventFilter(this);

    dbv1 = new shell::TMyNav(surface);
    dbv1->setObjectName(QStringLiteral("dbv1"));
    dbv1->setDataSet(&lines);
    dbv1->setVisibleButtons({ shell::TMyNav::First, shell::TMyNav::Prior, shell::TMyNav::Next, shell::TMyNav::Last,
        shell::TMyNav::Insert, shell::TMyNav::Delete, shell::TMyNav::Edit });
    dbv1->setHints({ QStringLiteral("Erste Position"), QStringLiteral("Vorherige Position"),
        QStringLiteral("Nächste Position"), QStringLiteral("Letzte Position"), QStringLiteral("Position hinzufügen"),
        QStringLiteral("Aktuelle Position löschen"), QStringLiteral("Aktuelle Position bearbeiten") });
    dbv1->setGeometry(10, GridTop + GridHeight + 6, 224, 25);
    connect(dbv1, &shell::TMyNav::clicked, this,
        [this](shell::TMyNav::Button which) { shell::runReported(this, [this, which] { navigatorClicked(which); }); });
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this,
        [this] { shell::runReported(this, [this] { navigatorClicked(shell::TMyNav::Edit); }); });

    // The grid stands in the tab order after the shipment type.
    QWidget::setTabOrder(control(QStringLiteral("DBCheckBox1")), DBGrid1);
    QWidget::setTabOrder(DBGrid1, control(edit(161)));
}

void TfrmShipper::navigatorClicked(shell::TMyNav::Button which)
{
    Table &lines = *documentRegister().positions();
    switch (which) {
    case shell::TMyNav::Insert:
        addLine();
        break;
    case shell::TMyNav::Edit:
        lines.cancel();
        editLine();
        break;
    case shell::TMyNav::Delete:
        shell::renumberLines(lines);
        break;
    default:
        break;
    }
}

void TfrmShipper::addLine()
{
    Table &lines = *documentRegister().positions();
    // The line the navigator started is taken up numbered at the end, or refused.
    lines.cancel();
    if (documentRegister().isTemplate()) {
        platform::dialogs().information(ShippersLineLimitMessage);
        return;
    }
    if (documentRegister().refusesFurtherPosition())
        return;
    shell::PostIfEditing(head());
    shell::appendLine(lines);
    lines.field(0).setAsInteger(documentRegister().currentNumber());
    lines.post();
    TfrmShipanl dialog(*this, this);
    dialog.exec();
}

void TfrmShipper::editLine()
{
    Table &lines = *documentRegister().positions();
    if (lines.isEmpty() || documentRegister().isTemplate())
        return;
    TfrmShipanl dialog(*this, this);
    dialog.exec();
}

bool TfrmShipper::formClose()
{
    if (Table *lines = documentRegister().positions())
        shell::PostIfEditing(*lines);
    return shell::EntryWindow::formClose();
}

bool TfrmShipper::eventFilter(QObject *watched, QEvent *event)
{
    const bool onGrid = DBGrid1 && (watched == DBGrid1 || watched == DBGrid1->viewport());
    if (onGrid) {
        switch (event->type()) {
        case QEvent::FocusIn:
            setStatusText(0, QStringLiteral("Positionnen - Erfassung"));
            break;
        case QEvent::FocusOut:
            setStatusText(0, QString());
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                shell::runReported(this, [this] { navigatorClicked(shell::TMyNav::Edit); });
                return true;
            }
            break;
        }
        default:
            break;
        }
        return false;
    }
    return shell::EntryWindow::eventFilter(watched, event);
}

} // namespace transport
