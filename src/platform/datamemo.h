#pragma once

#include <QPlainTextEdit>

namespace platform {

class DataSet;
class FieldDataLink;

// A multi-line text bound to a field (memo or text): shows the current
// record's value and writes every change into the field, putting the dataset
// into edit state first. Read-only while the dataset cannot be changed.
class DataMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit DataMemo(QWidget *parent = nullptr);

    void bind(DataSet *dataSet, const QString &fieldName);
    FieldDataLink *dataLink() const { return m_link; }

private:
    void load();
    void updateReadOnly();
    void edited();

    FieldDataLink *m_link;
    bool m_loading = false;
};

} // namespace platform
