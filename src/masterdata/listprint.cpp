#include "masterdata/listprint.h"

#include "platform/clock.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/localformat.h"
#include "platform/printcanvas.h"
#include "platform/printerservice.h"
#include "platform/reportedcall.h"
#include "platform/table.h"
#include "platform/tableschema.h"
#include "shell/pdfreport.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QVBoxLayout>

namespace masterdata {

using platform::FontStyle;

namespace {

const QString CourierNew = QStringLiteral("Courier New");
constexpr int TextHeight = -40; // 4 mm
constexpr int TitleHeight = -60; // 6 mm
constexpr int FrameLeft = 100;
constexpr int FrameTop = 150;
constexpr int HeaderY = 50;

int floorHalf(int value)
{
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

} // namespace

ListItem listCaption(int x, int y, const QString &text)
{
    return { ListItem::Kind::Caption, x, y, {}, [text](ListRecord &) { return text; } };
}

ListItem listCaption(int x, int y, ListText text)
{
    return { ListItem::Kind::Caption, x, y, {}, std::move(text) };
}

ListItem listCaption(int x, int y, const QString &text, platform::FontStyles style)
{
    ListItem caption = listCaption(x, y, text);
    caption.style = style;
    return caption;
}

ListItem listValue(int x, int y, const QString &reference, const QString &field)
{
    return { ListItem::Kind::Value, x, y, reference, [field](ListRecord &record) { return record.field(field); } };
}

ListItem listValue(int x, int y, const QString &reference, ListText text)
{
    return { ListItem::Kind::Value, x, y, reference, std::move(text) };
}

ListItem listLine(int y)
{
    return { ListItem::Kind::Line, FrameLeft, y, {}, {} };
}

ListItem listLineBetweenBlocks(int y)
{
    ListItem line = listLine(y);
    line.betweenBlocksOnly = true;
    return line;
}

ListRecord::ListRecord(platform::Table &table, const QVector<ListLookup> &lookups,
    const QVector<std::shared_ptr<platform::Table>> &lookupTables)
    : m_table(table)
    , m_lookups(lookups)
    , m_lookupTables(lookupTables)
{
}

QString ListRecord::field(const QString &name) const
{
    return m_table.fieldByName(name).asString();
}

QString ListRecord::lookup(const QString &lookupName, const QString &fieldName) const
{
    for (int i = 0; i < m_lookups.size(); ++i) {
        const ListLookup &lookup = m_lookups.at(i);
        if (lookup.name != lookupName)
            continue;
        platform::Table &table = *m_lookupTables.at(i);
        const QVariant key = m_table.value(lookup.masterField);
        if (key.isNull() || key.toString().isEmpty() || !table.findKey({ key }))
            return {};
        return table.fieldByName(fieldName).asString();
    }
    return {};
}

int listSheetCount(int records, int recordsPerSheet)
{
    if (records <= 0)
        return 0;
    if (recordsPerSheet <= 0)
        return 1;
    return (records + recordsPerSheet - 1) / recordsPerSheet;
}

QString sheetQuestion(int sheets)
{
    return sheets == 1 ? QStringLiteral("Bitte legen Sie 1 leeres Blatt \rin den Drucker ein! ")
                       : QStringLiteral("Bitte legen Sie %1 leere Blätter \rin den Drucker ein! ").arg(sheets);
}

ListPrintWindow::ListPrintWindow(const ListLayout &layout, QWidget *parent)
    : QDialog(parent)
    , m_layout(layout)
{
    setWindowTitle(QStringLiteral("Druck \"%1\"").arg(layout.listName));

    auto *menuBar = new QMenuBar(this);
    QAction *setup = menuBar->addAction(QStringLiteral("&Drucker einrichten"));
    connect(setup, &QAction::triggered, this, platform::reported(this, &ListPrintWindow::setupPrinter));

    m_progressLabel = new QLabel(layout.progressText, this);
    m_progressLabel->setObjectName(QStringLiteral("Label1"));
    m_progressLabel->hide();
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->hide();
    m_print = new QPushButton(QStringLiteral("Drucken"), this);
    m_print->setObjectName(QStringLiteral("btnDrucken"));
    m_cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    m_cancel->setObjectName(QStringLiteral("btnAbbrechen"));
    for (QPushButton *button : { m_print, m_cancel })
        button->setAutoDefault(false);
    connect(m_print, &QPushButton::clicked, this, platform::reported(this, &ListPrintWindow::print));
    connect(m_cancel, &QPushButton::clicked, this, platform::reported(this, &ListPrintWindow::cancel));
    m_statusBar = new QStatusBar(this);
    m_statusBar->setSizeGripEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_print);
    buttons->addWidget(m_cancel);
    auto *main = new QVBoxLayout(this);
    main->setMenuBar(menuBar);
    main->addWidget(m_progressLabel);
    main->addWidget(m_progress);
    main->addLayout(buttons);
    main->addWidget(m_statusBar);

    m_table = new platform::Table(platform::Alias::Data, layout.table, this);
    m_table->setObjectName(QStringLiteral("Table1"));
    if (!layout.order.isEmpty())
        m_table->setIndexFieldNames(layout.order);
    m_table->open();
    for (const ListLookup &lookup : layout.lookups) {
        auto table = std::make_shared<platform::Table>(platform::Alias::Data, lookup.table);
        table->setIndexFieldNames(lookup.keyField);
        table->open();
        m_lookupTables.append(table);
    }
    showPrinterName();
}

ListPrintWindow::~ListPrintWindow() = default;

void ListPrintWindow::showPrinterName()
{
    m_statusBar->showMessage(QStringLiteral("Drucker: ") + platform::PrinterService::instance().currentPrinterName());
}

void ListPrintWindow::setupPrinter()
{
    auto &printers = platform::PrinterService::instance();
    const int chosen = platform::dialogs().printerSetup(printers.printerNames(), printers.currentIndex());
    if (chosen >= 0)
        printers.setCurrentIndex(chosen);
    showPrinterName();
}

void ListPrintWindow::cancel()
{
    if (m_layout.cancelAbortsJob)
        platform::PrinterService::instance().abortJob();
    reject();
}

void ListPrintWindow::print()
{
    const int records = m_table->recordCount();
    const QString question = m_layout.fixedQuestion.isEmpty()
        ? sheetQuestion(listSheetCount(records, m_layout.recordsPerSheet))
        : m_layout.fixedQuestion;
    if (platform::dialogs().confirmation(question, platform::DialogButtons::OkCancel,
            platform::DialogService::standardCaption(platform::DialogKind::Information))
        != platform::DialogAnswer::Ok)
        return;

    m_progressLabel->show();
    m_progress->setRange(0, std::max(records, 1));
    m_progress->setValue(0);
    m_progress->show();
    ListRecord record(*m_table, m_layout.lookups, m_lookupTables);
    m_table->first();
    platform::PrinterService::takeWrittenPdfFiles();
    {
        auto clearLabel = qScopeGuard([] { platform::PrinterService::setJobLabel(QString()); });
        for (int page = 1; !m_table->eof(); ++page) {
            platform::PrinterService::setJobLabel(QStringLiteral("Seite %1").arg(page));
            printSheet(page, record);
        }
    }
    shell::reportWrittenPdfFiles();
    accept();
}

void ListPrintWindow::printSheet(int page, ListRecord &record)
{
    auto &printers = platform::PrinterService::instance();
    platform::PrintCanvas &canvas = printers.beginJob(m_layout.jobTitle);

    // Positions are laid out on A4 and moved by half of what the printer
    // cannot reach; y grows upwards on the canvas.
    const int mx = floorHalf(2100 - printers.horzSize() * 10);
    const int my = floorHalf(2970 - printers.vertSize() * 10);
    auto textAt = [&](int x, int y, const QString &text) { canvas.textOut(x - mx, -y + my, text); };
    auto setFont = [&](const QString &name, int height, platform::FontStyles style) {
        platform::CanvasFont font = canvas.font();
        font.name = name;
        font.height = height;
        font.style = style;
        font.angle = 0;
        font.color = Qt::black;
        canvas.setFont(font);
    };

    // The blank at the origin starts the page; in the list's own font, so
    // that every printing of a list gives the same sheets.
    setFont(CourierNew, TextHeight, {});
    canvas.setPen(platform::CanvasPen());
    canvas.textOut(0, 0, QStringLiteral(" "));

    setFont(QStringLiteral("Arial"), TitleHeight, FontStyle::Bold);
    const int titleX = m_layout.titleX >= 0 ? m_layout.titleX : 1050 - canvas.textWidth(m_layout.title) / 2;
    textAt(titleX, HeaderY, m_layout.title);
    setFont(CourierNew, TextHeight, {});
    textAt(1700, HeaderY, QStringLiteral("Seite : ") + QString::number(page));
    textAt(150, HeaderY, platform::formatDate(platform::Clock::today()));
    canvas.setBrushNone();
    canvas.rectangle(FrameLeft - mx, -FrameTop + my, m_layout.frameRight - mx, -m_layout.frameBottom + my);

    for (int block = 0; m_layout.recordsPerSheet <= 0 || block < m_layout.recordsPerSheet; ++block) {
        const int offset = block * m_layout.step;
        for (const ListItem &item : m_layout.items) {
            const int y = item.y + offset;
            if (item.when && !item.when(record))
                continue;
            if (item.betweenBlocksOnly && block == m_layout.recordsPerSheet - 1)
                continue;
            switch (item.kind) {
            case ListItem::Kind::Caption:
                setFont(CourierNew, TextHeight, item.style.value_or(m_layout.captionStyle));
                textAt(item.x, y, item.text(record));
                break;
            case ListItem::Kind::Value:
                setFont(CourierNew, TextHeight, FontStyle::Bold);
                textAt(item.x + canvas.textWidth(item.reference), y, item.text(record));
                break;
            case ListItem::Kind::Line:
                canvas.moveTo(item.x - mx, -y + my);
                canvas.lineTo(m_layout.frameRight - mx, -y + my);
                break;
            }
        }
        m_progress->setValue(m_progress->value() + 1);
        m_table->next();
        if (m_table->eof())
            break;
    }
    canvas.endDoc();
}

void showListPrint(const ListLayout &layout, QWidget *parent)
{
    ListPrintWindow window(layout, parent);
    window.exec();
}

} // namespace masterdata
