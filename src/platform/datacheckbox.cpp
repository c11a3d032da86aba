#include "platform/datacheckbox.h"

#include "platform/fielddatalink.h"
#include "platform/fieldvalue.h"
#include "platform/reportedcall.h"

namespace platform {

DataCheckBox::DataCheckBox(QWidget *parent)
    : DataCheckBox(QString(), parent)
{
}

DataCheckBox::DataCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
    , m_link(new FieldDataLink(this))
{
    connect(m_link, &FieldDataLink::dataChanged, this, &DataCheckBox::load);
    connect(m_link, &FieldDataLink::editingChanged, this, &DataCheckBox::updateReadOnly);
    connect(this, &QCheckBox::clicked, this, reported(this, [this](bool checked) { userClicked(checked); }));
    load();
    updateReadOnly();
}

void DataCheckBox::bind(DataSet *dataSet, const QString &fieldName)
{
    m_link->setFieldName(fieldName);
    m_link->setDataSet(dataSet);
}

void DataCheckBox::setValues(const QVariant &checkedValue, const QVariant &uncheckedValue)
{
    m_checkedValue = checkedValue;
    m_uncheckedValue = uncheckedValue;
    load();
}

bool DataCheckBox::matches(const QVariant &stored) const
{
    const QVariant current = m_link->value();
    if (current.isNull() || !current.isValid())
        return false;
    // Compared in the field's text form, so that "J" matches "j" and "True"
    // matches true.
    const FieldDef def = m_link->fieldDef();
    QVariant wanted;
    try {
        wanted = coerceValue(def, stored);
    } catch (const std::exception &) {
        return false;
    }
    return valueToText(def.type, current).compare(valueToText(def.type, wanted), Qt::CaseInsensitive) == 0;
}

void DataCheckBox::load()
{
    setChecked(m_link->isActive() && matches(m_checkedValue));
}

void DataCheckBox::updateReadOnly()
{
    // A check box has no read-only state of its own: it takes no input.
    const bool readOnly = !m_link->canModify();
    setAttribute(Qt::WA_TransparentForMouseEvents, readOnly);
    setFocusPolicy(readOnly ? Qt::NoFocus : Qt::StrongFocus);
}

void DataCheckBox::userClicked(bool checked)
{
    try {
        if (!m_link->edit()) {
            load();
            return;
        }
        m_link->setValue(checked ? m_checkedValue : m_uncheckedValue);
    } catch (...) {
        load();
        throw;
    }
}

} // namespace platform
