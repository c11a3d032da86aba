#pragma once

#include <QString>
#include <QVector>

#include <functional>

namespace platform {
class DataSet;
}

namespace masterdata {

// One value a pick list writes into an open entry window when it is opened
// with a tag: the target window's data-bound edit on that field takes the
// text computed from the chosen row.
struct PickTargetValue {
    QString field;
    std::function<QString(platform::DataSet &row)> value;
    // Written only when this field of the chosen row is neither null nor
    // empty (empty: always).
    QString onlyWhenFilled {};

    // The row's field as text.
    static PickTargetValue fromField(const QString &field, const QString &sourceField);
    // One character of the row's field (empty when the text is shorter).
    static PickTargetValue character(const QString &field, const QString &sourceField, int index);
};

// What a list writes for one tag: the object name of the open window
// ("frmEinheit") and the values.
struct PickTarget {
    QString window;
    QVector<PickTargetValue> values;
};

// The document kinds register the targets of their windows here; the pick
// lists know none of them. list: the list's class name ("TfrmLnder_e").
// A second registration of the same list and tag replaces the first.
void registerPickTarget(const QString &list, int tag, PickTarget target);
void unregisterPickTarget(const QString &list, int tag);
const PickTarget *pickTarget(const QString &list, int tag);

// Writes the chosen row into the registered target as if typed into its
// edits, so that the values reach the document when the target posts.
// False when nothing is registered for the tag or the window is not open;
// a field the window has no edit for is skipped.
bool writePickTarget(const QString &list, int tag, platform::DataSet &row);

} // namespace masterdata
