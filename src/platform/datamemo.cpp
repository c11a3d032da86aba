#include "platform/datamemo.h"

#include "platform/fielddatalink.h"
#include "platform/reportedcall.h"

#include <QScopedValueRollback>

namespace platform {

DataMemo::DataMemo(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_link(new FieldDataLink(this))
{
    connect(m_link, &FieldDataLink::dataChanged, this, &DataMemo::load);
    connect(m_link, &FieldDataLink::editingChanged, this, &DataMemo::updateReadOnly);
    connect(this, &QPlainTextEdit::textChanged, this, reported(this, [this] { edited(); }));
    load();
    updateReadOnly();
}

void DataMemo::bind(DataSet *dataSet, const QString &fieldName)
{
    m_link->setFieldName(fieldName);
    m_link->setDataSet(dataSet);
}

void DataMemo::load()
{
    const QString text = m_link->text();
    if (toPlainText() == text)
        return;
    QScopedValueRollback<bool> loading(m_loading, true);
    setPlainText(text);
}

void DataMemo::updateReadOnly()
{
    setReadOnly(!m_link->canModify());
}

void DataMemo::edited()
{
    if (m_loading)
        return;
    try {
        if (!m_link->edit()) {
            load();
            return;
        }
    } catch (...) {
        load();
        throw;
    }
    QString text = toPlainText();
    const int limit = m_link->maxLength();
    if (limit > 0 && text.size() > limit) {
        // A text field holds no more than its size: the surplus is not kept.
        text.truncate(limit);
        QScopedValueRollback<bool> loading(m_loading, true);
        setPlainText(text);
        moveCursor(QTextCursor::End);
    }
    m_link->setText(text);
}

} // namespace platform
