#include "shell/tmynav.h"

#include "platform/dataset.h"
#include "platform/dialogservice.h"
#include "platform/reportedcall.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace shell {

namespace {
struct ButtonLook {
    const char *glyph;
    const char *hint;
};
// Glyphs and hints in the order of TMyNav::Button.
const ButtonLook Looks[TMyNav::ButtonCount] = {
    { "|◀", "Erster Datensatz" },
    { "◀", "Vorheriger Datensatz" },
    { "▶", "Nächster Datensatz" },
    { "▶|", "Letzter Datensatz" },
    { "+", "Datensatz einfügen" },
    { "−", "Datensatz löschen" },
    { "▲", "Datensatz bearbeiten" },
    { "✓", "Daten zurückschreiben" },
    { "✗", "Bearbeitung abbrechen" },
    { "↻", "Daten aktualisieren" },
};
} // namespace

TMyNav::TMyNav(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < ButtonCount; ++i) {
        auto *button = new QToolButton(this);
        button->setText(QString::fromUtf8(Looks[i].glyph));
        button->setToolTip(QString::fromUtf8(Looks[i].hint));
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        connect(button, &QToolButton::clicked, this, platform::reported(this, [this, i] { btnClick(Button(i)); }));
        layout->addWidget(button);
        m_buttons.append(button);
    }
    updateButtons();
}

void TMyNav::setDataSet(platform::DataSet *dataSet)
{
    for (const auto &connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
    m_dataSet = dataSet;
    if (dataSet) {
        m_connections = {
            connect(dataSet, &platform::DataSet::stateChanged, this, &TMyNav::updateButtons),
            connect(dataSet, &platform::DataSet::recordChanged, this, &TMyNav::updateButtons),
            connect(dataSet, &platform::DataSet::dataSetChanged, this, &TMyNav::updateButtons),
            connect(dataSet, &QObject::destroyed, this, &TMyNav::updateButtons),
        };
    }
    updateButtons();
}

void TMyNav::setVisibleButtons(const QVector<Button> &buttons)
{
    for (int i = 0; i < ButtonCount; ++i)
        m_buttons.at(i)->setVisible(buttons.contains(Button(i)));
}

void TMyNav::setHints(const QStringList &hints)
{
    for (int i = 0; i < ButtonCount && i < hints.size(); ++i)
        m_buttons.at(i)->setToolTip(hints.at(i));
}

void TMyNav::setColor(const QColor &color)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Button, color);
    setPalette(palette);
    setAutoFillBackground(true);
    m_parentColor = false;
}

QColor TMyNav::color() const
{
    return palette().color(QPalette::Window);
}

void TMyNav::setParentColor(bool on)
{
    m_parentColor = on;
    if (on) {
        // An unset palette follows the parent's.
        setPalette(QPalette());
        setAutoFillBackground(false);
    }
}

void TMyNav::btnClick(Button which)
{
    platform::DataSet *dataSet = m_dataSet;
    if (!dataSet || !dataSet->isActive())
        return;
    switch (which) {
    case First:
        dataSet->first();
        break;
    case Prior:
        dataSet->prior();
        break;
    case Next:
        dataSet->next();
        break;
    case Last:
        dataSet->last();
        break;
    case Insert:
        dataSet->insert();
        break;
    case Delete:
        if (!m_confirmDelete
            || platform::dialogs().confirmation(QStringLiteral("Datensatz löschen?"), platform::DialogButtons::OkCancel)
                == platform::DialogAnswer::Ok)
            dataSet->deleteRecord();
        break;
    case Edit:
        dataSet->edit();
        break;
    case Post:
        dataSet->post();
        break;
    case Cancel:
        dataSet->cancel();
        break;
    case Refresh:
        dataSet->refresh();
        break;
    }
    emit clicked(which);
}

void TMyNav::updateButtons()
{
    platform::DataSet *dataSet = m_dataSet;
    const bool active = dataSet && dataSet->isActive();
    const bool editing = active && dataSet->isEditing();
    const bool canModify = active && dataSet->canModify();
    const bool up = active && !dataSet->bof();
    const bool down = active && !dataSet->eof();
    const bool empty = active && dataSet->bof() && dataSet->eof();
    const bool enabled[ButtonCount] = {
        up, up, down, down,
        canModify, // insert
        canModify && !empty, // delete
        canModify && !editing, // edit
        canModify && editing, // post
        canModify && editing, // cancel
        active && !editing, // refresh
    };
    for (int i = 0; i < ButtonCount; ++i)
        m_buttons.at(i)->setEnabled(enabled[i]);
}

} // namespace shell
