#include "shell/twheeldbgrid.h"

#include "platform/dataset.h"
#include "platform/datasetmodel.h"
#include "platform/reportedcall.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QScopedValueRollback>
#include <QStyle>
#include <QWheelEvent>

namespace shell {

namespace {
// Rows measured for the width of number and date columns.
constexpr int MeasuredRows = 100;
} // namespace

TWheelDBGrid::TWheelDBGrid(QWidget *parent)
    : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    verticalHeader()->hide();
    connect(verticalScrollBar(), &QScrollBar::sliderPressed, this, platform::reported(this, &TWheelDBGrid::settlePositions));
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (m_settleQueued || !m_model || m_model->positionsSettled())
            return;
        m_settleQueued = true;
        QMetaObject::invokeMethod(
            this, [this] { platform::runReported(this, [this] { settleNearEnd(); }); }, Qt::QueuedConnection);
    });
}

void TWheelDBGrid::settleNearEnd()
{
    m_settleQueued = false;
    if (!m_model || m_model->positionsSettled())
        return;
    const int first = rowAt(0);
    int last = rowAt(viewport()->height() - 1);
    if (last < 0)
        last = m_model->rowCount() - 1;
    if (first >= 0 && m_model->nearUnknownEnd(first, last))
        settlePositions();
}

void TWheelDBGrid::settlePositions()
{
    if (!m_model || m_model->positionsSettled())
        return;
    // The rows known are consecutive: the top row keeps its distance from
    // the current one.
    const int top = rowAt(0);
    const int current = m_model->currentRow();
    m_model->settlePositions();
    const int settled = m_model->currentRow();
    if (top < 0 || current < 0 || settled < 0)
        return;
    const int row = std::clamp(settled - (current - top), 0, std::max(0, m_model->rowCount() - 1));
    scrollTo(m_model->index(row, std::max(0, currentIndex().column())), QAbstractItemView::PositionAtTop);
}

void TWheelDBGrid::setModel(QAbstractItemModel *model)
{
    for (const auto &connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
    QTableView::setModel(model);
    m_model = qobject_cast<platform::DataSetModel *>(model);
    if (m_model) {
        m_connections = {
            connect(m_model, &platform::DataSetModel::currentRowChanged, this, &TWheelDBGrid::showCurrentRow),
            connect(m_model, &QAbstractItemModel::modelReset, this,
                platform::reported(this, &TWheelDBGrid::applyColumnWidths)),
        };
        applyColumnWidths();
        showCurrentRow(m_model->currentRow());
    }
}

void TWheelDBGrid::applyColumnWidths()
{
    if (!m_model)
        return;
    for (int column = 0; column < m_model->columnCount(); ++column) {
        int width = m_model->columnWidth(column);
        // Numbers and dates are never cut: such a column is at least as wide
        // as its title and the values of the first rows.
        const platform::FieldType type = m_model->columnType(column);
        if (platform::isIntegerType(type) || platform::isFloatType(type) || type == platform::FieldType::Date
            || type == platform::FieldType::Time || type == platform::FieldType::DateTime) {
            const QFontMetrics metrics(font());
            const int padding = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 12;
            int content = QFontMetrics(horizontalHeader()->font())
                              .horizontalAdvance(m_model->headerData(column, Qt::Horizontal).toString());
            if (type == platform::FieldType::Date)
                content = std::max(content, metrics.horizontalAdvance(QStringLiteral("00.00.0000")));
            const int rows = std::min(m_model->rowCount(), MeasuredRows);
            for (int row = 0; row < rows; ++row)
                content = std::max(
                    content, metrics.horizontalAdvance(m_model->index(row, column).data(Qt::DisplayRole).toString()));
            width = std::max(width, content + padding);
        }
        if (width > 0)
            setColumnWidth(column, width);
    }
}

void TWheelDBGrid::showCurrentRow(int row)
{
    if (!m_model)
        return;
    QScopedValueRollback<bool> following(m_following, true);
    if (row < 0) {
        selectionModel()->clearSelection();
        return;
    }
    const int column = std::max(0, currentIndex().column());
    const QModelIndex index = m_model->index(row, column);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void TWheelDBGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (m_following || !m_model || !current.isValid() || current.row() == previous.row())
        return;
    m_model->setCurrentRow(current.row());
}

void TWheelDBGrid::wheelEvent(QWheelEvent *event)
{
    platform::runReported(this, [&] {
        platform::DataSet *dataSet = m_model ? m_model->dataSet() : nullptr;
        const QPoint delta = event->angleDelta();
        // A sideways wheel is not a record step.
        if (!dataSet || (delta.y() == 0 && delta.x() != 0)) {
            QTableView::wheelEvent(event);
            return;
        }
        event->accept();
        // Touchpads open and close a scroll with events that carry no step.
        if (!dataSet->isActive() || delta.isNull())
            return;
        if (delta.y() <= 0)
            dataSet->next();
        else
            dataSet->prior();
    });
}

} // namespace shell
