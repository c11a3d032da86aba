#pragma once

#include "shell/printlayout.h"

#include <QBitArray>
#include <QVector>

namespace sad {

// The data of the transit declaration on its sheets, in 0.1 mm from the
// sheet's left and top edges. The form's own constants are part of the
// positions: the main sheet prints 1 mm right and 4 mm up of the nominal
// place, continuation sheets 2 mm right.

// Which sheets of the blank-paper set carry a field (the pre-printed form
// counts as sheet 1).
enum class TransitSheets {
    All,
    FirstAndLast, // sheets 1 and 6
    WithBoxA, // sheets 1, 2, 3 and 6
};
bool transitSheetCarries(TransitSheets sheets, int sheetOfSet);

// A group of the main sheet under its box's pre-stamp flag (-1: printed in
// every case), its fields read from the head or from the first item.
struct TransitGroup {
    int box = -1;
    TransitSheets sheets = TransitSheets::All;
    bool fromItem = false;
    QVector<shell::PrintItem> items;
};

// Field names the print fills itself: box 44's cross and its currency.
inline const QString TransitCrossField = QStringLiteral("<kreuz>");
inline const QString TransitCurrencyField = QStringLiteral("<waehrung>");
inline const QString TransitFormNumberField = QStringLiteral("<nummer>");
inline const QString TransitPageField = QStringLiteral("<seite>");

const QVector<TransitGroup> &transitMainSheetGroups();
// The continuation sheet's head and the block of its first item; the second
// and third items print 590 lower.
const QVector<TransitGroup> &transitContinuationHead();
const QVector<TransitGroup> &transitContinuationItem();

// The pre-stamp mask of the main sheet's 56 boxes (0 is box A) from the
// lines of the list of boxes printed in advance: lines that are no whole
// number from 0 to 55 are passed over; a listed box does not print, and the
// template prints the listed boxes only.
QBitArray transitPreStampMask(const QStringList &printedInAdvance, bool isTemplate);

// "DEM" when the item's DM is true, else "EUR" when its EURO is true.
QString transitCurrency(bool dm, bool euro);

} // namespace sad
