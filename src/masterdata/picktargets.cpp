#include "masterdata/picktargets.h"

#include "platform/dataedit.h"
#include "platform/dataset.h"
#include "platform/field.h"
#include "platform/fielddatalink.h"

#include <QApplication>
#include <QHash>
#include <QPair>
#include <QWidget>

namespace masterdata {

namespace {

using Key = QPair<QString, int>;

QHash<Key, PickTarget> &targets()
{
    static QHash<Key, PickTarget> registry;
    return registry;
}

QWidget *openWindow(const QString &objectName)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->objectName() == objectName && window->isVisible())
            return window;
    }
    return nullptr;
}

platform::DataEdit *editOnField(QWidget *window, const QString &field)
{
    const auto edits = window->findChildren<platform::DataEdit *>();
    for (platform::DataEdit *edit : edits) {
        if (edit->dataLink()->fieldName().compare(field, Qt::CaseInsensitive) == 0)
            return edit;
    }
    return nullptr;
}

} // namespace

PickTargetValue PickTargetValue::fromField(const QString &field, const QString &sourceField)
{
    return { field, [sourceField](platform::DataSet &row) { return row.fieldByName(sourceField).asString(); } };
}

PickTargetValue PickTargetValue::character(const QString &field, const QString &sourceField, int index)
{
    return { field, [sourceField, index](platform::DataSet &row) {
                return row.fieldByName(sourceField).asString().mid(index, 1);
            } };
}

void registerPickTarget(const QString &list, int tag, PickTarget target)
{
    targets().insert({ list, tag }, std::move(target));
}

void unregisterPickTarget(const QString &list, int tag)
{
    targets().remove({ list, tag });
}

const PickTarget *pickTarget(const QString &list, int tag)
{
    const auto it = targets().constFind({ list, tag });
    return it == targets().cend() ? nullptr : &it.value();
}

bool writePickTarget(const QString &list, int tag, platform::DataSet &row)
{
    const PickTarget *target = pickTarget(list, tag);
    if (!target)
        return false;
    QWidget *window = openWindow(target->window);
    if (!window)
        return false;
    for (const PickTargetValue &value : target->values) {
        if (!value.onlyWhenFilled.isEmpty() && row.fieldByName(value.onlyWhenFilled).asString().isEmpty())
            continue;
        platform::DataEdit *edit = editOnField(window, value.field);
        if (!edit)
            continue;
        const QString text = value.value(row);
        edit->setText(text);
        // As if typed: the edit puts the document into edit state and hands
        // the text on as its field's type requires.
        emit edit->textEdited(text);
    }
    return true;
}

} // namespace masterdata
