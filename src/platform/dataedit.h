#pragma once

#include <QLineEdit>

namespace platform {

class DataSet;
class FieldDataLink;

// A one-line edit bound to a field: shows the current record's value, puts
// the dataset into edit state on the first change and writes the text into
// the field (text fields at once, other types when the edit is left or the
// record is posted). Read-only while the dataset cannot be changed; takes
// no more characters than a text field holds. Text a number or date field
// refuses stays in the edit with the focus, and its message is shown once.
class DataEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit DataEdit(QWidget *parent = nullptr);

    void bind(DataSet *dataSet, const QString &fieldName);
    FieldDataLink *dataLink() const { return m_link; }

private:
    void load();
    void updateReadOnly();
    void edited(const QString &text);
    void writePending();

    FieldDataLink *m_link;
    bool m_pending = false;
    // A text the field refused and the user has been told of: until the
    // event loop gives the edit back its focus, further attempts to take it
    // (the leave handlers of the window, editingFinished, a post) are
    // refused quietly, so one typo shows one message.
    QString m_refused;
    bool m_refusedPending = false;
};

} // namespace platform
