#include "atlas/tfrmatlasaewaren.h"

#include "atlas/atlastables.h"
#include "atlas/declarationtables.h"
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
using shell::EntryControl;
using shell::EntryLabel;
using shell::EntryPick;
using shell::EntryWindow;
using shell::PickValues;

namespace {

constexpr int EditHeight = 21;

EntryControl edit(const QString &name, const QString &field, int x, int y, int width)
{
    return EntryControl::edit(name, field).at(0, x, y, width, EditHeight);
}

EntryLabel caption(const QString &text, int x, int y)
{
    return EntryLabel::at(text, 0, x, y + 3);
}

EntryPick button(const QString &name, int x, int y, std::function<std::optional<PickValues>(EntryWindow &)> run,
    const QString &focusAfter, const QString &text = {}, int width = 22, int height = EditHeight)
{
    EntryPick pick;
    pick.name = name;
    pick.geometry = QRect(x, y, width, height);
    pick.run = std::move(run);
    pick.focusAfter = focusAfter;
    return pick;
}

// A pick of the master data that starts on the field's value.
std::optional<PickValues> valuePick(EntryWindow &window, const QString &field, bool (*pick)(QString &, QWidget *))
{
    QString value = window.head().fieldByName(field).asString();
    if (!pick(value, &window) || value.isEmpty())
        return std::nullopt;
    return PickValues { { field, value } };
}

// The date pick of a supporting document: "YYYYMMDD", started on the
// field's date or today.
std::optional<PickValues> datePick(EntryWindow &window, const QString &field)
{
    const QString text = window.head().fieldByName(field).asString();
    QDate start = QDate::fromString(text.left(8), QStringLiteral("yyyyMMdd"));
    if (!start.isValid())
        start = platform::Clock::today();
    QString value;
    masterdata::PickDate(value, start);
    if (value.isEmpty())
        return std::nullopt;
    return PickValues { { field, value } };
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
    shell::EntryWindowDefinition d = listDefinition(
        QStringLiteral("frmAtlasAEWaren"), QStringLiteral("Packstücke und Warenbezeichnung"), QSize(820, 640));
    EntryLabel heading = EntryLabel::at(QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"), 0, 10, 8);
    QFont bold(QStringLiteral("Arial"), 10);
    bold.setBold(true);
    heading.withFont(bold, Qt::black).named(QStringLiteral("lblHeading"));
    d.labels.append(heading);

    d.labels.append(caption(QStringLiteral("Warenbezeichnung"), 10, 34));
    d.controls.append(EntryControl::memo(QStringLiteral("DBMemo1"), QStringLiteral("WarenBez"))
                          .at(0, 10, 56, 560, 90)
                          .hotKeyClicks(QStringLiteral("sbWarenNr")));
    d.picks.append(button(
        QStringLiteral("sbWarenNr"), 576, 34,
        [](EntryWindow &w) -> std::optional<PickValues> {
            static_cast<TfrmAtlasAEWaren &>(w).PickGoodsNumber();
            return std::nullopt;
        },
        {}, QStringLiteral("W\na\nr\ne"), 26, 140));
    d.labels.append(caption(QStringLiteral("Stat. Waren-Nr."), 10, 154));
    const char *parts[] = { "WarenNr", "WarenNr_TARIC", "WarenNr_Zus1", "WarenNr_Zus2", "WarenNr_nat" };
    const int widths[] = { 80, 30, 45, 45, 45 };
    int x = 130;
    for (int i = 0; i < 5; ++i) {
        d.controls.append(
            edit(QStringLiteral("ExDBEdit%1").arg(i + 1), QString::fromLatin1(parts[i]), x, 154, widths[i]));
        x += widths[i] + 6;
    }
    struct Row {
        const char *caption;
        const char *control;
        const char *field;
        int width;
        int pick; // 0 none, 1 federal state, 2 procedure 1, 3 procedure 2, 4 code list 5
    };
    const Row rows[] = {
        { "Bundesland", "ExDBEdit6", "Bundesland", 30, 1 },
        { "Rohmasse", "ExDBEdit7", "Rohmasse", 100, 0 },
        { "Verfahren", "ExDBEdit8", "Verfahren_angemeldet", 50, 2 },
        { "", "ExDBEdit9", "Verfahren_weiteres", 40, 3 },
        { "Eigenmasse", "ExDBEdit10", "Eigenmasse", 100, 0 },
        { "Vorpapier Typ", "Vorpapier_Typ", "Vorpapier_Typ", 60, 4 },
        { "Menge", "ExDBEdit11", "Menge", 100, 0 },
        { "Wert", "ExDBEdit12", "Wert", 100, 0 },
        { "Registrier-Nr. Fremdsystem", "ExDBEdit13", "RegisterFremd", 300, 0 },
        { "Vermerk", "ExDBEdit14", "Vermerk", 440, 0 },
    };
    int y = 184;
    for (const Row &row : rows) {
        const QString control = QString::fromLatin1(row.control);
        const QString field = QString::fromLatin1(row.field);
        int ex = 130;
        if (*row.caption)
            d.labels.append(caption(QString::fromUtf8(row.caption), 10, y));
        else {
            y -= 26;
            ex = 250;
        }
        EntryControl c = edit(control, field, ex, y, row.width);
        if (row.pick) {
            const QString name = QStringLiteral("sb") + control;
            c.hotKeyClicks(name);
            std::function<std::optional<PickValues>(EntryWindow &)> run;
            switch (row.pick) {
            case 1:
                run = [field](EntryWindow &w) { return valuePick(w, field, &masterdata::PickFederalState); };
                break;
            case 2:
                run = [field](EntryWindow &w) { return valuePick(w, field, &masterdata::PickProcedureCode1); };
                break;
            case 3:
                run = [field](EntryWindow &w) { return valuePick(w, field, &masterdata::PickProcedureCode2); };
                break;
            default:
                run = [control, field](EntryWindow &w) -> std::optional<PickValues> {
                    const QString code = TfrmSpecialForm::pickCode(5, w.control(control), &w);
                    if (code.isEmpty())
                        return std::nullopt;
                    return PickValues { { field, code } };
                };
            }
            d.picks.append(button(name, ex + row.width + 2, y, run, control));
        }
        d.controls.append(c);
        y += 26;
    }
    return d;
}

void runListWindow(
    TfrmRegieAtlas &documentRegister, QWidget *parent, shell::EntryWindowDefinition definition, Table &table)
{
    {
        AtlasListWindow window(documentRegister, std::move(definition), table, parent);
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
    surface->resize(surface->width(), 640);
    PageControl1 = new QTabWidget(surface);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(10, 450, 790, 150);
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
    DBNavigator1->move(10, 605);
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
    shell::EntryWindowDefinition d
        = listDefinition(QStringLiteral("frmAtlas_Vorpapier"), QStringLiteral("Vorpapiere"), QSize(460, 170));
    d.labels = { caption(QStringLiteral("Typ"), 10, 10), caption(QStringLiteral("Referenz"), 10, 40),
        caption(QStringLiteral("Zusatz"), 10, 70) };
    d.controls = { edit(QStringLiteral("DBEdit1"), QStringLiteral("Referenz"), 100, 40, 320),
        edit(QStringLiteral("DBEdit2"), QStringLiteral("Zusatz"), 100, 70, 240),
        edit(QStringLiteral("DBEdit3"), QStringLiteral("Typ"), 100, 10, 50) };
    runListWindow(documentRegister, parent, d, documentRegister.tbVorpapier());
}

void ShowPackstueck(TfrmRegieAtlas &documentRegister, QWidget *parent)
{
    shell::EntryWindowDefinition d
        = listDefinition(QStringLiteral("frmAtlas_Packst"), QStringLiteral("Packstücke"), QSize(480, 170));
    d.labels = { caption(QStringLiteral("Anzahl"), 10, 10), caption(QStringLiteral("Verpackungsart"), 10, 40),
        caption(QStringLiteral("ZeichenNummern"), 10, 70) };
    d.controls = { edit(QStringLiteral("DBEdit1"), QStringLiteral("Anzahl"), 130, 10, 60),
        edit(QStringLiteral("ExDBEdit1"), QStringLiteral("Verpackungsart"), 130, 40, 50)
            .hotKeyClicks(QStringLiteral("sbVerpackungsart")),
        edit(QStringLiteral("DBEdit3"), QStringLiteral("ZeichenNummern"), 130, 70, 320) };
    d.picks = { button(
        QStringLiteral("sbVerpackungsart"), 182, 40,
        [](EntryWindow &w) { return valuePick(w, QStringLiteral("Verpackungsart"), &masterdata::PickPackageKind); },
        QStringLiteral("ExDBEdit1")) };
    runListWindow(documentRegister, parent, d, documentRegister.tbPackSt());
}

void ShowUnterlage(TfrmRegieAtlas &documentRegister, QWidget *parent)
{
    shell::EntryWindowDefinition d
        = listDefinition(QStringLiteral("frmAtlas_Unterlagen"), QStringLiteral("Unterlagen"), QSize(480, 260));
    d.labels = { caption(QStringLiteral("Typ"), 10, 10), caption(QStringLiteral("Qualifikation"), 10, 40),
        caption(QStringLiteral("Referenz"), 10, 70), caption(QStringLiteral("Zusatz"), 10, 100),
        caption(QStringLiteral("Datum der Ausstellung"), 10, 130),
        caption(QStringLiteral("Datum Gueltigende"), 10, 160) };
    d.controls
        = { edit(QStringLiteral("ExDBEdit1"), QStringLiteral("Typ"), 170, 10, 50).hotKeyClicks(QStringLiteral("sbTyp")),
              edit(QStringLiteral("DBEdit2"), QStringLiteral("Quali"), 170, 40, 50),
              edit(QStringLiteral("DBEdit3"), QStringLiteral("Referenz"), 170, 70, 280),
              edit(QStringLiteral("DBEdit4"), QStringLiteral("Zusatz"), 170, 100, 280),
              edit(QStringLiteral("ExDBEdit2"), QStringLiteral("DatumAusstellung"), 170, 130, 90)
                  .hotKeyClicks(QStringLiteral("sbDatumAusstellung")),
              edit(QStringLiteral("ExDBEdit3"), QStringLiteral("DatumGueltigEnde"), 170, 160, 90)
                  .hotKeyClicks(QStringLiteral("sbDatumGueltigEnde")) };
    d.picks = {
        button(
            QStringLiteral("sbTyp"), 222, 10,
            [](EntryWindow &) -> std::optional<PickValues> {
                masterdata::TDocumentCodeRecord record;
                if (!masterdata::PickDocument(record))
                    return std::nullopt;
                return PickValues { { QStringLiteral("Typ"), record.Code }, { QStringLiteral("Quali"), record.Quali } };
            },
            QStringLiteral("ExDBEdit1")),
        button(
            QStringLiteral("sbDatumAusstellung"), 262, 130,
            [](EntryWindow &w) { return datePick(w, QStringLiteral("DatumAusstellung")); },
            QStringLiteral("ExDBEdit2")),
        button(
            QStringLiteral("sbDatumGueltigEnde"), 262, 160,
            [](EntryWindow &w) { return datePick(w, QStringLiteral("DatumGueltigEnde")); },
            QStringLiteral("ExDBEdit3")),
    };
    runListWindow(documentRegister, parent, d, documentRegister.tbUnterlage());
}

} // namespace atlas
