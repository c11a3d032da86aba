#include "platform/dataedit.h"

#include "platform/databaseerror.h"
#include "platform/fielddatalink.h"
#include "platform/reportedcall.h"

namespace platform {

DataEdit::DataEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_link(new FieldDataLink(this))
{
    connect(m_link, &FieldDataLink::dataChanged, this, &DataEdit::load);
    connect(m_link, &FieldDataLink::editingChanged, this, &DataEdit::updateReadOnly);
    connect(m_link, &FieldDataLink::updateData, this, &DataEdit::writePending);
    connect(this, &QLineEdit::textEdited, this, reported(this, [this](const QString &text) { edited(text); }));
    // A refused text is reported here, on leaving the edit; before a post the
    // same check throws to the post (updateData) and refuses it.
    connect(this, &QLineEdit::editingFinished, this, reported(this, [this] { writePending(); }));
    load();
    updateReadOnly();
}

void DataEdit::bind(DataSet *dataSet, const QString &fieldName)
{
    m_link->setFieldName(fieldName);
    m_link->setDataSet(dataSet);
}

void DataEdit::load()
{
    m_pending = false;
    const int limit = m_link->maxLength();
    setMaxLength(limit > 0 ? limit : 32767);
    const QString text = m_link->text();
    if (this->text() != text)
        setText(text);
}

void DataEdit::updateReadOnly()
{
    setReadOnly(!m_link->canModify());
}

void DataEdit::edited(const QString &text)
{
    try {
        if (!m_link->edit()) {
            load();
            return;
        }
    } catch (...) {
        load();
        throw;
    }
    if (isTextType(m_link->fieldDef().type)) {
        m_link->setText(text);
        return;
    }
    // Numbers and dates are taken when complete: on leaving the edit or
    // before the record is posted.
    m_pending = true;
}

void DataEdit::writePending()
{
    if (!m_pending || !m_link->isEditing())
        return;
    if (m_refusedPending && m_refused == text())
        throw AbortException(); // its message is being shown
    try {
        m_link->setText(text());
    } catch (const AbortException &) {
        throw;
    } catch (...) {
        // The text stays for the user to correct; the focus comes back once
        // the leave that found the fault has run its course.
        m_refused = text();
        m_refusedPending = true;
        selectAll();
        QMetaObject::invokeMethod(
            this,
            [this] {
                setFocus(Qt::OtherFocusReason);
                selectAll();
                m_refusedPending = false;
            },
            Qt::QueuedConnection);
        throw;
    }
    m_pending = false;
    m_refusedPending = false;
}

} // namespace platform
