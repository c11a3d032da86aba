#include "masterdata/keylookup.h"

#include "masterdata/tfrmallgemein.h"
#include "platform/dialogservice.h"
#include "platform/filtercondition.h"
#include "platform/reportedcall.h"
#include "platform/table.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace masterdata {

void filterTypedKey(platform::Table &table, const KeyLookup &lookup, const QString &text)
{
    if (text.isEmpty())
        return;
    platform::FilterCondition condition;
    if (lookup.match == KeyMatch::Number) {
        bool isNumber = false;
        const int number = text.trimmed().toInt(&isNumber);
        // A text that is no number is compared as text and matches no number.
        condition = isNumber ? platform::FilterCondition::equal(lookup.field, number)
                             : platform::FilterCondition::equal(lookup.field, text);
    } else {
        // The text is a bound value: '*', '%' or a quote are plain characters.
        condition = platform::FilterCondition::prefix(lookup.field, text, true);
    }
    table.setFilter({ condition });
    table.setFiltered(true);
    table.first();
}

KeyLookupResult lookUpTypedKey(platform::Table &table, const KeyLookup &lookup, const QString &text, QWidget *parent)
{
    if (text.isEmpty())
        return KeyLookupResult::Empty;
    if (!lookup.exactField.isEmpty()) {
        table.setFilter({ platform::FilterCondition::equal(lookup.exactField, text, true) });
        table.setFiltered(true);
        table.first();
        if (table.recordCount() == 1)
            return KeyLookupResult::Found;
    }
    filterTypedKey(table, lookup, text);
    const int rows = table.recordCount();
    if (rows == 0) {
        platform::dialogs().error(lookup.notFoundMessage);
        return KeyLookupResult::NotFound;
    }
    if (rows == 1)
        return KeyLookupResult::Found;
    TfrmAllgemein frmAllgemein(parent);
    frmAllgemein.setDataSet(&table);
    return frmAllgemein.exec() == QDialog::Accepted ? KeyLookupResult::Chosen : KeyLookupResult::Cancelled;
}

namespace {

// Runs the lookup when the focus leaves the edit for another control of its
// window; not when the window itself loses the focus or closes, nor for
// the "Übernahme" window the lookup opens.
class LeaveLookup : public QObject
{
public:
    LeaveLookup(QLineEdit *edit, std::function<platform::Table *()> table, KeyLookup lookup,
        std::function<void(platform::Table &)> take)
        : QObject(edit)
        , m_edit(edit)
        , m_table(std::move(table))
        , m_lookup(std::move(lookup))
        , m_take(std::move(take))
    {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_edit && event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                leave();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void leave()
    {
        platform::Table *table = m_table();
        if (!table)
            return;
        if (rowTaken(lookUpTypedKey(*table, m_lookup, m_edit->text(), m_edit->window())))
            m_take(*table);
    }

    QLineEdit *m_edit;
    std::function<platform::Table *()> m_table;
    KeyLookup m_lookup;
    std::function<void(platform::Table &)> m_take;
};

} // namespace

void attachKeyLookup(QLineEdit *edit, std::function<platform::Table *()> table, KeyLookup lookup,
    std::function<void(platform::Table &)> take)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, platform::reported(edit, [table, lookup](const QString &text) {
        if (platform::Table *t = table())
            filterTypedKey(*t, lookup, text);
    }));
    new LeaveLookup(edit, std::move(table), std::move(lookup), std::move(take));
}

} // namespace masterdata
