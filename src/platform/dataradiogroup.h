#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;

namespace platform {

class DataSet;
class FieldDataLink;

// A group of radio buttons bound to a field: each item has a caption and the
// value it stores (the caption itself when no values are given). A stored
// value that matches no item leaves every button unchecked.
class DataRadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit DataRadioGroup(QWidget *parent = nullptr);
    DataRadioGroup(const QString &title, QWidget *parent = nullptr);

    void bind(DataSet *dataSet, const QString &fieldName);
    FieldDataLink *dataLink() const { return m_link; }

    void setItems(const QStringList &captions, const QStringList &values = {});
    const QStringList &items() const { return m_captions; }
    const QStringList &values() const { return m_values; }
    void setColumns(int columns);
    int itemIndex() const; // -1 when none is checked

private:
    void rebuild();
    void load();
    void updateReadOnly();
    void userClicked(int index);

    FieldDataLink *m_link;
    QButtonGroup *m_group;
    QGridLayout *m_layout;
    QStringList m_captions;
    QStringList m_values;
    int m_columns = 1;
};

} // namespace platform
