#include "shell/radiogroup.h"
#include "platform/reportedcall.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace shell {

RadioGroup::RadioGroup(const QString &title, QWidget *parent)
    : QGroupBox(title, parent)
    , m_group(new QButtonGroup(this))
    , m_layout(new QVBoxLayout(this))
{
    m_group->setExclusive(true);
    m_layout->addStretch();
    connect(m_group, &QButtonGroup::idClicked, this, platform::reported(this, &RadioGroup::itemClicked));
}

void RadioGroup::addItem(const QString &caption)
{
    auto *button = new QRadioButton(caption, this);
    const int index = count();
    m_group->addButton(button, index);
    m_layout->insertWidget(index, button);
    // The group takes the focus on its first button.
    if (index == 0)
        setFocusProxy(button);
}

void RadioGroup::setItems(const QStringList &captions)
{
    const auto buttons = m_group->buttons();
    for (QAbstractButton *button : buttons) {
        m_group->removeButton(button);
        delete button;
    }
    setFocusProxy(nullptr);
    for (const QString &caption : captions)
        addItem(caption);
}

QStringList RadioGroup::items() const
{
    QStringList captions;
    for (int i = 0; i < count(); ++i)
        captions.append(button(i)->text());
    return captions;
}

int RadioGroup::count() const
{
    return int(m_group->buttons().size());
}

QRadioButton *RadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton *>(m_group->button(index));
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QRadioButton *chosen = button(index)) {
        chosen->setChecked(true);
        return;
    }
    // No item: uncheck all, which an exclusive group does not allow directly.
    m_group->setExclusive(false);
    const auto buttons = m_group->buttons();
    for (QAbstractButton *b : buttons)
        b->setChecked(false);
    m_group->setExclusive(true);
}

} // namespace shell
