#include "platform/dataradiogroup.h"

#include "platform/fielddatalink.h"
#include "platform/reportedcall.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace platform {

DataRadioGroup::DataRadioGroup(QWidget *parent)
    : DataRadioGroup(QString(), parent)
{
}

DataRadioGroup::DataRadioGroup(const QString &title, QWidget *parent)
    : QGroupBox(title, parent)
    , m_link(new FieldDataLink(this))
    , m_group(new QButtonGroup(this))
    , m_layout(new QGridLayout(this))
{
    connect(m_link, &FieldDataLink::dataChanged, this, &DataRadioGroup::load);
    connect(m_link, &FieldDataLink::editingChanged, this, &DataRadioGroup::updateReadOnly);
    connect(m_group, &QButtonGroup::idClicked, this, reported(this, [this](int id) { userClicked(id); }));
}

void DataRadioGroup::bind(DataSet *dataSet, const QString &fieldName)
{
    m_link->setFieldName(fieldName);
    m_link->setDataSet(dataSet);
}

void DataRadioGroup::setItems(const QStringList &captions, const QStringList &values)
{
    m_captions = captions;
    m_values = values;
    rebuild();
}

void DataRadioGroup::setColumns(int columns)
{
    m_columns = std::max(1, columns);
    rebuild();
}

int DataRadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void DataRadioGroup::rebuild()
{
    const auto buttons = m_group->buttons();
    for (QAbstractButton *button : buttons) {
        m_group->removeButton(button);
        delete button;
    }
    const int rows = (int(m_captions.size()) + m_columns - 1) / m_columns;
    for (int i = 0; i < m_captions.size(); ++i) {
        auto *button = new QRadioButton(m_captions.at(i), this);
        m_group->addButton(button, i);
        m_layout->addWidget(button, rows > 0 ? i % rows : 0, rows > 0 ? i / rows : 0);
    }
    load();
    updateReadOnly();
}

void DataRadioGroup::load()
{
    const QString stored = m_link->text();
    int index = -1;
    for (int i = 0; i < m_captions.size() && index < 0 && !stored.isEmpty(); ++i) {
        const QString value = i < m_values.size() ? m_values.at(i) : m_captions.at(i);
        if (value.compare(stored, Qt::CaseInsensitive) == 0)
            index = i;
    }
    // Exclusive groups cannot show "none" otherwise.
    m_group->setExclusive(false);
    for (QAbstractButton *button : m_group->buttons())
        button->setChecked(m_group->id(button) == index);
    m_group->setExclusive(true);
}

void DataRadioGroup::updateReadOnly()
{
    const bool readOnly = !m_link->canModify();
    for (QAbstractButton *button : m_group->buttons()) {
        button->setAttribute(Qt::WA_TransparentForMouseEvents, readOnly);
        button->setFocusPolicy(readOnly ? Qt::NoFocus : Qt::StrongFocus);
    }
}

void DataRadioGroup::userClicked(int index)
{
    try {
        if (!m_link->edit()) {
            load();
            return;
        }
        m_link->setText(index < m_values.size() ? m_values.at(index) : m_captions.at(index));
    } catch (...) {
        load();
        throw;
    }
}

} // namespace platform
