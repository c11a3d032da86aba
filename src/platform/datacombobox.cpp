#include "platform/datacombobox.h"

#include "platform/fielddatalink.h"
#include "platform/reportedcall.h"

#include <QLineEdit>
#include <QScopedValueRollback>

namespace platform {

DataComboBox::DataComboBox(QWidget *parent)
    : QComboBox(parent)
    , m_link(new FieldDataLink(this))
{
    connect(m_link, &FieldDataLink::dataChanged, this, &DataComboBox::load);
    connect(m_link, &FieldDataLink::editingChanged, this, &DataComboBox::updateReadOnly);
    connect(this, &QComboBox::activated, this, reported(this, [this](int index) {
        // An item with data stores its code rather than its text.
        const QVariant code = itemData(index);
        write(code.isValid() ? code.toString() : itemText(index));
    }));
    load();
    updateReadOnly();
}

void DataComboBox::bind(DataSet *dataSet, const QString &fieldName)
{
    m_link->setFieldName(fieldName);
    m_link->setDataSet(dataSet);
}

void DataComboBox::setItemsEditable(bool editable)
{
    setEditable(editable);
    // Once per line edit (a lambda cannot be a unique connection).
    if (editable && !lineEdit()->property("writesToField").toBool()) {
        lineEdit()->setProperty("writesToField", true);
        connect(lineEdit(), &QLineEdit::textEdited, this, reported(this, [this](const QString &text) { write(text); }));
    }
    load();
    updateReadOnly();
}

void DataComboBox::showPopup()
{
    if (m_link->canModify())
        QComboBox::showPopup();
}

void DataComboBox::load()
{
    QScopedValueRollback<bool> loading(m_loading, true);
    const QString text = m_link->text();
    if (isEditable()) {
        const int limit = m_link->maxLength();
        lineEdit()->setMaxLength(limit > 0 ? limit : 32767);
        if (currentText() != text) {
            setCurrentIndex(findText(text, Qt::MatchFixedString));
            setEditText(text);
        }
    } else {
        int index = text.isEmpty() ? -1 : findData(text, Qt::UserRole, Qt::MatchFixedString);
        if (index < 0 && !text.isEmpty())
            index = findText(text, Qt::MatchFixedString);
        setCurrentIndex(index);
    }
}

void DataComboBox::updateReadOnly()
{
    if (isEditable())
        lineEdit()->setReadOnly(!m_link->canModify());
}

void DataComboBox::write(const QString &text)
{
    if (m_loading)
        return;
    try {
        if (!m_link->edit()) {
            load();
            return;
        }
        m_link->setText(text);
    } catch (...) {
        load();
        throw;
    }
}

} // namespace platform
