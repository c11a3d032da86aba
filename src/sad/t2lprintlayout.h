#pragma once

#include "shell/printlayout.h"

#include <QVector>

namespace sad {

// The data of the T2L document on the pre-printed form, in 0.1 mm from the
// sheet's left and top edges. The main sheet prints at the nominal places;
// continuation sheets 1 mm higher, which is part of their positions.

// The main sheet: head fields, and the fields of the first item.
const QVector<shell::PrintItem> &t2lMainSheetHead();
const QVector<shell::PrintItem> &t2lMainSheetItem();

// The continuation sheet's head (the page number in T2LPageField) and the
// block of its first item; the second and third items print T2LItemSpacing
// lower.
inline const QString T2LPageField = QStringLiteral("<seite>");
constexpr int T2LItemSpacing = 595;
const QVector<shell::PrintItem> &t2lContinuationHead();
const QVector<shell::PrintItem> &t2lContinuationItem();

} // namespace sad
