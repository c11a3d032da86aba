#pragma once

#include "platform/dataset.h"
#include "platform/fieldtype.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

namespace platform {

// The tie between a data-aware control and one field of a dataset: tells the
// control when to show the current record's value anew and when its
// read-only state may have changed, and writes the control's value into the
// field, putting the dataset into edit state first.
class FieldDataLink : public QObject
{
    Q_OBJECT
public:
    explicit FieldDataLink(QObject *parent = nullptr);

    void setDataSet(DataSet *dataSet);
    DataSet *dataSet() const { return m_dataSet; }
    void setFieldName(const QString &name);
    const QString &fieldName() const { return m_fieldName; }
    // The control's own read-only switch.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }

    // The dataset is open and has the field.
    bool isActive() const;
    int fieldIndex() const; // -1 when not active
    FieldDef fieldDef() const;
    // The most characters a text control may take: the size of a String
    // field, 0 for no limit.
    int maxLength() const;
    // The control may change the value: active, not read-only, and the
    // dataset can be modified.
    bool canModify() const;
    bool isEditing() const;

    // Decimals a number is shown with ("0.000": 3); -1 shows the decimals the
    // grids show (two, more when the value has them).
    void setDecimals(int decimals) { m_decimals = decimals; }
    int decimals() const { return m_decimals; }

    QVariant value() const;
    QString text() const; // the value in the program's text form

    // Puts the dataset into edit state when it is browsing; false when the
    // value cannot be changed.
    bool edit();
    // Write into the field (after edit()); the control is not told to show
    // the value again, as it already shows it. Throws DatabaseError when the
    // text is no value of the field's type.
    void setValue(const QVariant &value);
    void setText(const QString &text);

signals:
    // The control shows value() anew.
    void dataChanged();
    // The read-only state (canModify) may have changed.
    void editingChanged();
    // The dataset is about to post: the control writes input it still holds.
    void updateData();

private:
    void stateChanged();
    void fieldChanged(int index);

    QPointer<DataSet> m_dataSet;
    QString m_fieldName;
    bool m_readOnly = false;
    int m_decimals = -1;
    bool m_writing = false;
    QMetaObject::Connection m_connections[5];
};

} // namespace platform
