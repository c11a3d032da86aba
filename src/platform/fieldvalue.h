#pragma once

#include "platform/fieldtype.h"

#include <QString>
#include <QVariant>

namespace platform {

// The text form of field values, used by field access and by every routine
// that copies records through text: numbers in the workstation's plain
// format, dates "dd.MM.yyyy", Booleans "True"/"False", empty for null.
QString valueToText(FieldType type, const QVariant &value);

// Converts text into a value of the type. Empty text gives null. ok is false
// (and the result null) when the text is no value of the type; error then
// holds the German message.
QVariant textToValue(const FieldDef &field, const QString &text, bool *ok, QString *error = nullptr);

// Brings any value into the type's form (QString, int, double, QDate, ...).
// Throws DatabaseError when it cannot be converted.
QVariant coerceValue(const FieldDef &field, const QVariant &value);

} // namespace platform
