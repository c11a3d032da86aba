#pragma once

#include "platform/datasetmodel.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>

class QToolButton;

namespace platform {
class Table;
}

namespace shell {

class TWheelDBGrid;

// The list of a document's positions in its entry window, as data: the
// grid's columns and place, and the row of seven buttons below it (first,
// previous, next, last, add, delete, edit) with their hints.
struct PositionGridDefinition {
    QVector<platform::DataSetColumn> columns;
    QRect geometry;
    QPoint buttonsAt; // the first button
    QSize buttonSize { 28, 25 };
    int buttonStep = 30; // from one button's left edge to the next one's
    QStringList hints; // the seven buttons in their order
    QString statusText; // the box description while the grid has the focus
};

// The position grid and its buttons on an entry window's surface, over the
// register's position table: the move buttons follow the list after every
// move, a double click or Enter in the grid edits the current position, the
// wheel moves one position a step. The grid is reached by the mouse, not by
// Tab. The commands run reported; removing the grid removes its hold on the
// position table.
class PositionGrid : public QObject
{
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Add, Delete, Edit };

    struct Commands {
        std::function<void()> add;
        std::function<void()> remove;
        std::function<void()> edit;
        // Writes the box description into the window's first status panel.
        std::function<void(const QString &)> status;
    };

    PositionGrid(QWidget *surface, platform::Table &lines, const PositionGridDefinition &definition, Commands commands);
    ~PositionGrid() override;

    TWheelDBGrid *grid() const { return m_grid; }
    QToolButton *button(Button which) const { return m_buttons.at(which); }
    void updateMoves();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    platform::Table &m_lines;
    Commands m_commands;
    QString m_statusText;
    TWheelDBGrid *m_grid = nullptr;
    std::array<QToolButton *, 7> m_buttons {};
};

} // namespace shell
