#pragma once

#include "platform/dataset.h"
#include <QComboBox>
#include <QPointer>

namespace platform {

class FieldDataLink;

// A combo box bound to a field whose value is the key of a record in another
// dataset (the list): it shows the list's display field and stores the key
// field of the chosen record. The list is read without moving it and read
// again when its rows change.
class DataLookupComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DataLookupComboBox(QWidget *parent = nullptr);

    void bind(DataSet *dataSet, const QString &fieldName);
    FieldDataLink *dataLink() const { return m_link; }
    void setListSource(DataSet *list, const QString &keyField, const QString &displayField);
    DataSet *listSource() const { return m_list; }

    void showPopup() override;

private:
    void loadList();
    void load();
    void userActivated(int index);

    FieldDataLink *m_link;
    QPointer<DataSet> m_list;
    QString m_keyField;
    QString m_displayField;
    QMetaObject::Connection m_listConnections[2];
    bool m_loading = false;
};

} // namespace platform
