#include "atlas/tfrmatlasaewaren.h"

#include "atlas/atlastables.h"
#include "atlas/declarationtables.h"
#include "atlas/entryrows.h"
#include "atlas/tfrmatlasaemain.h"
#include "atlas/tfrmregieatlas.h"
#include "atlas/tfrmspecialform.h"
#include "masterdata/pickwrappers.h"
#include "platform/clock.h"
#include "platform/datasetmodel.h"
#include "platform/field.h"
#include "platform/table.h"
#include "shell/documentroutines.h"
#include "shell/editabledatasetmodel.h"
#include "shell/reportedcall.h"
#include "shell/tmynav.h"
#include "shell/twheeldbgrid.h"

#include <QApplication>
#include <QBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace atlas {

using platform::Table;
using shell::EntryLabel;
using shell::EntryWindow;
using shell::PickValues;

namespace {

// Where the fields of the goods-item window stand below their captions.
constexpr int ItemEditX = 190;
// The item's lists and their navigator.
constexpr int ItemListsY = 430;
constexpr int ItemListsHeight = 200;
constexpr QSize ItemSurface(810, 670);

EntryRow row(const char *caption, const char *control, const char *field, int width, RowPick pick = RowPick::None)
{
    return { QString::fromUtf8(caption), QString::fromLatin1(control), QString::fromLatin1(field), width, pick };
}

shell::EntryWindowDefinition listDefinition(const QString &objectName, const QString &caption, QSize size)
{
    shell::EntryWindowDefinition d;
    d.objectName = objectName;
    d.caption = caption;
    d.size = size;
    d.statusBar = false;
    d.fixedFieldList = false;
    d.pickProtocol = shell::PickProtocol::PickEditPost;
    return d;
}

shell::EntryWindowDefinition itemDefinition()
{
    RowBuilder b;
    b.d = listDefinition(
        QStringLiteral("frmAtlasAEWaren"), QStringLiteral("Packstücke und Warenbezeichnung"), QSize(830, 700));
    EntryLabel heading = EntryLabel::at(QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"), 0, 10, 8);
    QFont bold(QStringLiteral("Arial"), 10);
    bold.setBold(true);
    heading.withFont(bold, Qt::black).named(QStringLiteral("lblHeading"));
    b.d.labels.append(heading);

    b.label(QStringLiteral("Warenbezeichnung"), 10, 31);
    b.memo(QStringLiteral("DBMemo1"), QStringLiteral("WarenBez"), 10, 56, 560, 90)
        .hotKeyClicks(QStringLiteral("sbWarenNr"));
    b.button(
        QStringLiteral("sbWarenNr"), 576, 34,
        [](EntryWindow &w) -> std::optional<PickValues> {
            static_cast<TfrmAtlasAEWaren &>(w).PickGoodsNumber();
            return std::nullopt;
        },
        {}, QStringLiteral("W\na\nr\ne"), 26, 140);
    b.label(QStringLiteral("Stat. Waren-Nr."), 10, 154);
    const char *parts[] = { "WarenNr", "WarenNr_TARIC", "WarenNr_Zus1", "WarenNr_Zus2", "WarenNr_nat" };
    const int widths[] = { 80, 30, 45, 45, 45 };
    int x = ItemEditX;
    for (int i = 0; i < 5; ++i) {
        b.edit(QStringLiteral("ExDBEdit%1").arg(i + 1), QString::fromLatin1(parts[i]), x, 154, widths[i]);
        x += widths[i] + 6;
    }
    int y = b.column({ row("Bundesland", "ExDBEdit6", "Bundesland", 30, RowPick::FederalState),
                         row("Rohmasse", "ExDBEdit7", "Rohmasse", 100),
                         row("Verfahren", "ExDBEdit8", "Verfahren_angemeldet", 50, RowPick::ProcedureCode1) },
        10, ItemEditX, 184, 26);
    // The second procedure code stands beside the first.
    b.row(row("", "ExDBEdit9", "Verfahren_weiteres", 40, RowPick::ProcedureCode2), 0, ItemEditX + 120, y - 26);
    EntryRow previous = row("Vorpapier Typ", "Vorpapier_Typ", "Vorpapier_Typ", 70, RowPick::CodeList);
    previous.list = 5;
    b.column({ row("Eigenmasse", "ExDBEdit10", "Eigenmasse", 100), previous, row("Menge", "ExDBEdit11", "Menge", 100),
                 row("Wert", "ExDBEdit12", "Wert", 100),
                 row("Registrier-Nr. Fremdsystem", "ExDBEdit13", "RegisterFremd", 300),
                 row("Vermerk", "ExDBEdit14", "Vermerk", 440) },
        10, ItemEditX, y, 26);
    return b.d;
}

// A small window over one entry of an item list: its rows in tab order, each
// on the line that lines gives (default: one below the other).
void runListWindow(TfrmRegieAtlas &documentRegister, QWidget *parent, const QString &objectName, const QString &caption,
    const QVector<EntryRow> &rows, Table &table, const QVector<int> &lines = {})
{
    int width = 0;
    for (const EntryRow &r : rows)
        width = std::max(width, r.width + (r.pick == RowPick::None ? 0 : 24));
    RowBuilder b;
    b.d = listDefinition(objectName, caption, QSize(170 + width + 30, 70 + 30 * int(rows.size())));
    for (int i = 0; i < rows.size(); ++i)
        b.row(rows.at(i), 10, 170, 10 + 30 * lines.value(i, i));
    {
        AtlasListWindow window(documentRegister, std::move(b.d), table, parent);
        window.exec();
    }
    shell::PostIfEditing(table);
}

} // namespace

AtlasListWindow::AtlasListWindow(
    TfrmRegieAtlas &documentRegister, shell::EntryWindowDefinition definition, Table &table, QWidget *parent)
    : EntryWindow(documentRegister, std::move(definition), parent, &table)
    , m_register(documentRegister)
{
    mnuDrucken->setVisible(false);
}

bool AtlasListWindow::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            auto *key = static_cast<QKeyEvent *>(event);
            // The fixed fields belong to the declaration's head only.
            if (key->key() == Qt::Key_F6)
                return true;
            if (event->type() == QEvent::KeyPress) {
                if (auto *memo = qobject_cast<QPlainTextEdit *>(watched)) {
                    const int limit = m_memoLimits.value(memo->objectName());
                    if (limit > 0 && refusesTypedCharacter(key->text(), int(memo->toPlainText().size()), limit)) {
                        QApplication::beep();
                        return true;
                    }
                }
            }
        }
        return EntryWindow::eventFilter(watched, event);
    });
}

TfrmAtlasAEWaren::TfrmAtlasAEWaren(TfrmRegieAtlas &documentRegister, QWidget *parent)
    : AtlasListWindow(documentRegister, itemDefinition(), documentRegister.tbWarenPos(), parent)
{
    m_memoLimits.insert(QStringLiteral("DBMemo1"), 280);
    if (auto *goodsButton = findChild<QToolButton *>(QStringLiteral("sbWarenNr")))
        goodsButton->setText(QStringLiteral("W\na\nr\ne"));
    QWidget *surface = scrollBox(0)->widget();
    surface->resize(ItemSurface);
    PageControl1 = new QTabWidget(surface);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(10, ItemListsY, 790, ItemListsHeight);
    const int charWidth = fontMetrics().averageCharWidth();
    const QString pos = Fields::Pos;
    const QString position = QStringLiteral("Position");
    const QVector<QVector<platform::DataSetColumn>> columns = {
        { { pos, position, 8 * charWidth }, { QStringLiteral("Typ"), QString(), 50 },
            { QStringLiteral("Referenz"), QString(), 200 }, { QStringLiteral("Zusatz"), QString(), 64 } },
        { { pos, position, 8 * charWidth }, { QStringLiteral("Anzahl"), QString(), 50 },
            { QStringLiteral("Verpackungsart"), QString(), 100 },
            { QStringLiteral("ZeichenNummern"), QStringLiteral("Zeichen und Nummer"), 150 } },
        { { pos, position, 8 * charWidth }, { QStringLiteral("Nummer"), QString(), 200 } },
        { { pos, position, 8 * charWidth }, { QStringLiteral("Typ"), QString(), 60 },
            { QStringLiteral("Quali"), QStringLiteral("Qualifikation"), 80 },
            { QStringLiteral("Referenz"), QString(), 64 }, { QStringLiteral("Zusatz"), QString(), 64 },
            { QStringLiteral("DatumAusstellung"), QStringLiteral("Datum der Ausstellung"), 150 },
            { QStringLiteral("DatumGueltigEnde"), QStringLiteral("Datum Gültigkeitsende"), 150 } },
    };
    const QStringList captions = { QStringLiteral("Vorpapier"), QStringLiteral("Packstücke"),
        QStringLiteral("Container"), QStringLiteral("Unterlagen") };
    for (int tab = 0; tab < 4; ++tab) {
        auto *grid = new shell::TWheelDBGrid;
        grid->setObjectName(QStringLiteral("DBGrid%1").arg(tab + 1));
        grid->horizontalHeader()->setStyleSheet(
            QStringLiteral("QHeaderView::section { color: red; font-family: Arial; }"));
        grid->setSelectionBehavior(QAbstractItemView::SelectRows);
        if (tab == 2) {
            auto *model = new shell::EditableDataSetModel(&list(tab), columns.at(tab), grid);
            model->setReadOnlyFields({ pos });
            grid->setModel(model);
            grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
        } else {
            grid->setModel(new platform::DataSetModel(&list(tab), columns.at(tab), grid));
            connect(grid, &QAbstractItemView::doubleClicked, this, [this] {
                shell::runReported(this, [this] {
                    DBNavigator1->btnClick(shell::TMyNav::Edit);
                    EditListEntry();
                });
            });
        }
        grids[tab] = grid;
        PageControl1->addTab(grid, captions.at(tab));
    }
    DBNavigator1 = new shell::TMyNav(surface);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->setVisibleButtons({ shell::TMyNav::First, shell::TMyNav::Prior, shell::TMyNav::Next,
        shell::TMyNav::Last, shell::TMyNav::Insert, shell::TMyNav::Delete, shell::TMyNav::Edit });
    DBNavigator1->setDataSet(&list(0));
    DBNavigator1->move(10, ItemListsY + ItemListsHeight + 6);
    DBNavigator1->adjustSize();
    connect(PageControl1, &QTabWidget::currentChanged, this,
        platform::reported(this, [this](int tab) { DBNavigator1->setDataSet(&list(tab)); }));
    for (auto which : { shell::TMyNav::Insert, shell::TMyNav::Edit })
        connect(DBNavigator1->button(which), &QToolButton::clicked, this,
            [this] { shell::runReported(this, [this] { EditListEntry(); }); });
}

Table &TfrmAtlasAEWaren::list(int tab) const
{
    const QVector<Table *> lists = m_register.tables().itemLists();
    return *lists.value(std::clamp(tab, 0, 3));
}

void TfrmAtlasAEWaren::ShowItem(TfrmRegieAtlas &documentRegister, QWidget *parent)
{
    {
        TfrmAtlasAEWaren window(documentRegister, parent);
        window.exec();
    }
    shell::PostIfEditing(documentRegister.tbWarenPos());
}

void TfrmAtlasAEWaren::PickGoodsNumber()
{
    masterdata::TGoodsNumberRecord record;
    if (!masterdata::PickGoodsNumber(record, this))
        return;
    Table &item = head();
    shell::EditIfBrowsing(item);
    item.fieldByName(QStringLiteral("WarenNr")).setAsString(record.waren);
    item.fieldByName(QStringLiteral("WarenNr_TARIC")).setAsString(record.Waren2);
    item.fieldByName(QStringLiteral("WarenNr_Zus1")).setAsString(record.Waren3);
    item.fieldByName(QStringLiteral("WarenNr_Zus2")).setAsString(record.Waren4);
    item.fieldByName(QStringLiteral("WarenNr_nat")).setAsString(record.Waren5);
    item.fieldByName(QStringLiteral("WarenBez")).setAsString(record.bez);
    shell::PostIfEditing(item);
}

void TfrmAtlasAEWaren::EditListEntry()
{
    // The item gets its number before its lists refer to it.
    const int tab = PageControl1->currentIndex();
    Table &entries = list(tab);
    if (!entries.isEditing() && entries.isEmpty())
        return;
    switch (tab) {
    case 0:
        ShowVorpapier(m_register, this);
        break;
    case 1:
        ShowPackstueck(m_register, this);
        break;
    case 3:
        ShowUnterlage(m_register, this);
        break;
    default:
        break; // containers are edited in the grid
    }
}

void ShowVorpapier(TfrmRegieAtlas &documentRegister, QWidget *parent)
{
    // "Typ" stands on top but comes last in the tab order.
    runListWindow(documentRegister, parent, QStringLiteral("frmAtlas_Vorpapier"), QStringLiteral("Vorpapiere"),
        { row("Referenz", "DBEdit1", "Referenz", 320), row("Zusatz", "DBEdit2", "Zusatz", 240),
            row("Typ", "DBEdit3", "Typ", 50) },
        documentRegister.tbVorpapier(), { 1, 2, 0 });
}

void ShowPackstueck(TfrmRegieAtlas &documentRegister, QWidget *parent)
{
    runListWindow(documentRegister, parent, QStringLiteral("frmAtlas_Packst"), QStringLiteral("Packstücke"),
        { row("Anzahl", "DBEdit1", "Anzahl", 60),
            row("Verpackungsart", "ExDBEdit1", "Verpackungsart", 50, RowPick::PackageKind),
            row("ZeichenNummern", "DBEdit3", "ZeichenNummern", 280) },
        documentRegister.tbPackSt());
}

void ShowUnterlage(TfrmRegieAtlas &documentRegister, QWidget *parent)
{
    runListWindow(documentRegister, parent, QStringLiteral("frmAtlas_Unterlagen"), QStringLiteral("Unterlagen"),
        { row("Typ", "ExDBEdit1", "Typ", 50, RowPick::Document), row("Qualifikation", "DBEdit2", "Quali", 50),
            row("Referenz", "DBEdit3", "Referenz", 280), row("Zusatz", "DBEdit4", "Zusatz", 280),
            row("Datum der Ausstellung", "ExDBEdit2", "DatumAusstellung", 90, RowPick::Date),
            row("Datum Gueltigende", "ExDBEdit3", "DatumGueltigEnde", 90, RowPick::Date) },
        documentRegister.tbUnterlage());
}

} // namespace atlas
