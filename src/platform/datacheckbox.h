#pragma once

#include <QCheckBox>
#include <QVariant>

namespace platform {

class DataSet;
class FieldDataLink;

// A check box bound to a field with the values it stores when checked and
// unchecked ("j"/"n" on document heads; true/false for Boolean fields, which
// is also the default). A value that matches neither shows unchecked.
class DataCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit DataCheckBox(QWidget *parent = nullptr);
    DataCheckBox(const QString &text, QWidget *parent = nullptr);

    void bind(DataSet *dataSet, const QString &fieldName);
    FieldDataLink *dataLink() const { return m_link; }

    void setValues(const QVariant &checkedValue, const QVariant &uncheckedValue);
    const QVariant &checkedValue() const { return m_checkedValue; }
    const QVariant &uncheckedValue() const { return m_uncheckedValue; }

private:
    void load();
    void updateReadOnly();
    void userClicked(bool checked);
    bool matches(const QVariant &stored) const;

    FieldDataLink *m_link;
    QVariant m_checkedValue = true;
    QVariant m_uncheckedValue = false;
};

} // namespace platform
