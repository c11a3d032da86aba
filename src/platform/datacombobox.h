#pragma once

#include <QComboBox>

namespace platform {

class DataSet;
class FieldDataLink;

// A combo box bound to a text field: the field stores the chosen item's text,
// or its data where the item has some (a code standing for the text).
// When editable, other texts may be typed too (no longer than the field).
// A stored text that is no item shows no selection in a non-editable box.
class DataComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DataComboBox(QWidget *parent = nullptr);

    void bind(DataSet *dataSet, const QString &fieldName);
    FieldDataLink *dataLink() const { return m_link; }

    // Call after setEditable(true), so that typed text is written too.
    void setItemsEditable(bool editable);
    void showPopup() override;

private:
    void load();
    void updateReadOnly();
    void write(const QString &text);

    FieldDataLink *m_link;
    bool m_loading = false;
};

} // namespace platform
