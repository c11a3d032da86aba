#include "platform/datalookupcombobox.h"

#include "platform/dataset.h"
#include "platform/fielddatalink.h"
#include "platform/fieldvalue.h"
#include "platform/reportedcall.h"

#include <QScopedValueRollback>

namespace platform {

DataLookupComboBox::DataLookupComboBox(QWidget *parent)
    : QComboBox(parent)
    , m_link(new FieldDataLink(this))
{
    connect(m_link, &FieldDataLink::dataChanged, this, &DataLookupComboBox::load);
    connect(this, &QComboBox::activated, this, reported(this, [this](int index) { userActivated(index); }));
}

void DataLookupComboBox::bind(DataSet *dataSet, const QString &fieldName)
{
    m_link->setFieldName(fieldName);
    m_link->setDataSet(dataSet);
}

void DataLookupComboBox::setListSource(DataSet *list, const QString &keyField, const QString &displayField)
{
    for (auto &connection : m_listConnections)
        disconnect(connection);
    m_list = list;
    m_keyField = keyField;
    m_displayField = displayField;
    if (list) {
        m_listConnections[0] = connect(list, &DataSet::dataSetChanged, this, &DataLookupComboBox::loadList);
        m_listConnections[1] = connect(list, &DataSet::stateChanged, this, &DataLookupComboBox::loadList);
    }
    loadList();
}

void DataLookupComboBox::showPopup()
{
    if (m_link->canModify())
        QComboBox::showPopup();
}

void DataLookupComboBox::loadList()
{
    {
        QScopedValueRollback<bool> loading(m_loading, true);
        clear();
        if (m_list && m_list->isActive()) {
            const int key = m_list->fieldIndex(m_keyField);
            const int display = m_list->fieldIndex(m_displayField);
            if (key >= 0 && display >= 0) {
                const FieldType keyType = m_list->fieldDef(key).type;
                const FieldType displayType = m_list->fieldDef(display).type;
                const int count = m_list->recordCount();
                for (int i = 0; i < count; ++i) {
                    const QVector<QVariant> row = m_list->rowAt(i);
                    addItem(valueToText(displayType, row.value(display)), valueToText(keyType, row.value(key)));
                }
            }
        }
    }
    load();
}

void DataLookupComboBox::load()
{
    QScopedValueRollback<bool> loading(m_loading, true);
    const QString key = m_link->text();
    int index = -1;
    if (!key.isEmpty()) {
        for (int i = 0; i < count() && index < 0; ++i) {
            if (itemData(i).toString().compare(key, Qt::CaseInsensitive) == 0)
                index = i;
        }
    }
    setCurrentIndex(index);
}

void DataLookupComboBox::userActivated(int index)
{
    if (m_loading)
        return;
    try {
        if (!m_link->edit()) {
            load();
            return;
        }
        m_link->setText(itemData(index).toString());
    } catch (...) {
        load();
        throw;
    }
}

} // namespace platform
