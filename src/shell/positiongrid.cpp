#include "shell/positiongrid.h"

#include "platform/table.h"
#include "shell/positionlist.h"
#include "shell/reportedcall.h"
#include "shell/twheeldbgrid.h"

#include <QEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QToolButton>

namespace shell {

PositionGrid::PositionGrid(
    QWidget *surface, platform::Table &lines, const PositionGridDefinition &definition, Commands commands)
    : QObject(surface)
    , m_lines(lines)
    , m_commands(std::move(commands))
    , m_statusText(definition.statusText)
{
    m_grid = new TWheelDBGrid(surface);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setModel(new platform::DataSetModel(&lines, definition.columns, m_grid));
    m_grid->setGeometry(definition.geometry);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setFocusPolicy(Qt::ClickFocus);
    m_grid->installEventFilter(this);

    const QStyle::StandardPixmap glyphs[] = { QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
        QStyle::SP_MediaSeekForward, QStyle::SP_MediaSkipForward, QStyle::SP_FileIcon, QStyle::SP_TrashIcon,
        QStyle::SP_FileDialogDetailedView };
    const std::function<void()> actions[] = {
        [this] { m_lines.first(); },
        [this] {
            if (!m_lines.bof())
                m_lines.prior();
        },
        [this] {
            if (!m_lines.eof())
                m_lines.next();
        },
        [this] { m_lines.last(); },
        [this] {
            if (m_commands.add)
                m_commands.add();
        },
        [this] {
            if (m_commands.remove)
                m_commands.remove();
        },
        [this] {
            if (m_commands.edit)
                m_commands.edit();
        },
    };
    for (int i = 0; i < 7; ++i) {
        auto *button = new QToolButton(surface);
        button->setObjectName(QStringLiteral("btnPosition%1").arg(i + 1));
        button->setToolTip(definition.hints.value(i));
        button->setIcon(surface->style()->standardIcon(glyphs[i]));
        button->setGeometry(QRect(definition.buttonsAt + QPoint(definition.buttonStep * i, 0), definition.buttonSize));
        button->setFocusPolicy(Qt::NoFocus);
        const std::function<void()> action = actions[i];
        connect(button, &QToolButton::clicked, this, [surface, action] { runReported(surface, action); });
        m_buttons[i] = button;
    }
    connect(m_grid, &QAbstractItemView::doubleClicked, m_buttons[Edit], &QToolButton::click);
    m_lines.afterScroll = [this](platform::DataSet &) { updateMoves(); };
    updateMoves();
}

PositionGrid::~PositionGrid()
{
    // Nothing refers to the closed window afterwards.
    m_lines.afterScroll = nullptr;
}

void PositionGrid::updateMoves()
{
    enableMoveButtons(m_lines, m_buttons[First], m_buttons[Prior], m_buttons[Next], m_buttons[Last]);
}

bool PositionGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid) {
        switch (event->type()) {
        case QEvent::FocusIn:
            if (m_commands.status)
                m_commands.status(m_statusText);
            break;
        case QEvent::FocusOut:
            if (m_commands.status)
                m_commands.status(QString());
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_buttons[Edit]->click();
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace shell
