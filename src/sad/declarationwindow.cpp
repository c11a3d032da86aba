#include "sad/declarationwindow.h"

#include "platform/databaseerror.h"
#include "platform/dataedit.h"
#include "platform/datasetmodel.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/fielddatalink.h"
#include "platform/reportedcall.h"
#include "platform/table.h"
#include "shell/documentregister.h"
#include "shell/documentroutines.h"
#include "shell/mainstate.h"
#include "shell/reportedcall.h"
#include "shell/twheeldbgrid.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QToolButton>
#include <QWheelEvent>

namespace sad {

namespace {

// Red text, read-only and passed by Tab: values the window keeps itself.
void makeKeptValue(QWidget *widget)
{
    auto *box = qobject_cast<platform::DataEdit *>(widget);
    if (!box)
        return;
    box->dataLink()->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette red = box->palette();
    red.setColor(QPalette::Text, Qt::red);
    box->setPalette(red);
}

} // namespace

DeclarationWindow::DeclarationWindow(shell::DocumentRegister &documentRegister, shell::EntryWindowDefinition definition,
    ItemsLayout items, QWidget *parent)
    : shell::EntryWindow(documentRegister, std::move(definition), parent)
    , m_layout(std::move(items))
{
    for (const QString &name : std::as_const(m_layout.formsAndItemsEdits))
        makeKeptValue(control(name));
    buildItems();
}

DeclarationWindow::~DeclarationWindow()
{
    items().afterScroll = nullptr;
}

platform::Table &DeclarationWindow::items() const
{
    return *documentRegister().positions();
}

void DeclarationWindow::buildItems()
{
    QWidget *surface = scrollBox(0)->widget();
    platform::Table &table = items();
    DBGrid1 = new shell::TWheelDBGrid(surface);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    const int charWidth = DBGrid1->fontMetrics().averageCharWidth();
    QVector<platform::DataSetColumn> columns;
    for (const ItemColumn &column : std::as_const(m_layout.columns))
        columns.append({ column.field, column.caption, column.characters * charWidth + 12 });
    DBGrid1->setModel(new platform::DataSetModel(&table, columns, DBGrid1));
    DBGrid1->setGeometry(m_layout.grid);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    connect(
        DBGrid1, &QAbstractItemView::doubleClicked, this, shell::reported(this, [this] { itemButtons.edit->click(); }));
    DBGrid1->installEventFilter(this);

    itemButtons = createItemButtons(surface, m_layout.buttons.x(), m_layout.buttons.y(), table,
        { [this] { addPosition(); }, [this] { editPosition(); }, [this] { deletePosition(); } }, m_layout.buttonRows,
        m_layout.grid.width());
    table.afterScroll
        = [this](platform::DataSet &dataSet) { itemButtons.updateMoves(static_cast<platform::Table &>(dataSet)); };
    itemButtons.updateMoves(table);
}

void DeclarationWindow::showEvent(QShowEvent *event)
{
    shell::runReported(this, [&] {
        if (!m_shown) {
            m_shown = true;
            shell::runReported(this, [this] { m_templateItems.read(items()); });
        }
        EntryWindow::showEvent(event);
    });
}

void DeclarationWindow::addPosition()
{
    addItem(items(), m_templateItems, isTemplateDocument());
    openItemWindow();
    storeFormsAndItems(head(), items(), m_layout.formsAndItemsFields);
}

void DeclarationWindow::editPosition()
{
    platform::Table &table = items();
    if (!table.isEmpty()) {
        table.edit();
        openItemWindow();
    } else if (!m_layout.formsAndItemsAfterEveryCommand) {
        return;
    }
    storeFormsAndItems(head(), items(), m_layout.formsAndItemsFields);
}

void DeclarationWindow::deletePosition()
{
    if (deleteItem(items()) || m_layout.formsAndItemsAfterEveryCommand)
        storeFormsAndItems(head(), items(), m_layout.formsAndItemsFields);
}

bool DeclarationWindow::formClose()
{
    shell::PostIfEditing(items());
    const bool closing = EntryWindow::formClose();
    if (closing)
        m_templateItems.clear();
    return closing;
}

bool DeclarationWindow::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        const bool onGrid = DBGrid1 && (watched == DBGrid1 || watched == DBGrid1->viewport());
        if (onGrid) {
            if (event->type() == QEvent::Wheel) {
                // The wheel moves the items, one a notch (towards the user: next).
                const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
                shell::runReported(this, [this, delta] {
                    if (delta < 0)
                        items().next();
                    else if (delta > 0)
                        items().prior();
                });
                return true;
            }
            if (event->type() == QEvent::KeyPress) {
                const int key = static_cast<QKeyEvent *>(event)->key();
                if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                    itemButtons.edit->click();
                    return true;
                }
            }
            if (event->type() == QEvent::FocusIn)
                setStatusText(0, m_layout.gridHint);
            else if (event->type() == QEvent::FocusOut)
                setStatusText(0, QString());
        }
        return EntryWindow::eventFilter(watched, event);
    });
}

GoodsItemWindow::GoodsItemWindow(
    DeclarationWindow &declaration, shell::EntryWindowDefinition definition, const QString &numberEdit, QWidget *parent)
    : shell::EntryWindow(
        declaration.documentRegister(), std::move(definition), parent ? parent : &declaration, &declaration.items())
    , m_declaration(declaration)
{
    setNumberText(declaration.statusText(1) + QStringLiteral(" (") + QString::number(itemNumber())
        + QStringLiteral(". Position)"));
    makeKeptValue(control(numberEdit));
}

int GoodsItemWindow::itemNumber() const
{
    return head().field(1).asInteger();
}

QFrame *GoodsItemWindow::createBox44Panel(const Box44Panel &panel, QToolButton **information)
{
    auto *frame = new QFrame(scrollBox(0)->widget());
    frame->setObjectName(QStringLiteral("Panel44"));
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(panel.geometry);
    frame->lower();
    auto *caption = new QLabel(panel.caption, frame);
    caption->setFont(shell::mainState().FormularAnzeigeFont);
    caption->setWordWrap(true);
    caption->setGeometry(panel.captionGeometry);
    for (const QString &name : panel.edits) {
        QWidget *box = control(name);
        const QPoint at = box->pos() - frame->pos();
        box->setParent(frame);
        box->move(at);
    }
    QToolButton *button = createBox44InformationButton(
        frame, this, panel.informationButton, QStringLiteral("?"), panel.informationGeometry);
    if (information)
        *information = button;
    if (itemNumber() == 1 && !m_declaration.isTemplateDocument())
        frame->hide();
    return frame;
}

bool saveOrOfferCorrection(platform::Table &table, const QString &question)
{
    try {
        shell::PostIfEditing(table);
        return true;
    } catch (const platform::AbortException &) {
        // The failed save has been reported.
    }
    if (platform::dialogs().confirmation(question, platform::DialogButtons::YesNo) == platform::DialogAnswer::Yes)
        return false;
    if (table.isEditing())
        table.cancel();
    return true;
}

} // namespace sad
