#pragma once

#include "shell/printlayout.h"

#include <QString>
#include <QVector>

namespace platform {
class DataSet;
}

namespace sad {

// The data of the import declaration on its sheets, in 0.1 mm from the
// sheet's left and top edges, in the print font at height 40 unless an item
// says otherwise. Amounts and the duty lines' base and rate end at their x.

// What the print puts where a layout names these instead of a field.
inline const QString ImportCurrencyField = QStringLiteral("<waehrung>"); // box 46: "DEM", "EUR" or nothing
inline const QString ImportTickField = QStringLiteral("<haken44>"); // box 44: "x" when F44_10 is "j"
inline const QString ImportPlaceDateField = QStringLiteral("<ort_datum>"); // box 54: F54_1, two blanks, date
inline const QString ImportFormNumberField = QStringLiteral("<nummer>"); // continuation head: the form number
inline const QString ImportPageField = QStringLiteral("<seite>"); // continuation head: the page

// The first sheet: the head's fields and those of the first item.
const QVector<shell::PrintItem> &importFirstSheetHead();
const QVector<shell::PrintItem> &importFirstSheetItem();

// The continuation sheet: its head, the block of the sheet's first item
// (the second and third lie ImportItemSpacing lower), the duty table of the
// k-th item of the sheet (not moved) and the summary box of the first item.
constexpr int ImportItemSpacing = 590;
const QVector<shell::PrintItem> &importContinuationHead();
const QVector<shell::PrintItem> &importContinuationItem();
const QVector<shell::PrintItem> &importContinuationDuties(int itemOfSheet);
const QVector<shell::PrintItem> &importContinuationSummary();

// The printed text of an import field: amounts stored as "0,00" stay blank,
// F5 and POS print as whole numbers, null F5 prints nothing, and the
// markers above are filled from the record (head or item).
QString importHeadValue(platform::DataSet &head, const QString &field);
QString importItemValue(platform::DataSet &item, const QString &field);

} // namespace sad
