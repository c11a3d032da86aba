#pragma once

#include "sad/formdrawing.h"

namespace sad {

// The transit set on blank paper, as primitives: sheet s (1 .. 6) of the
// main form 0735 and of the continuation form 0736, and the backs of sheet
// 1, of sheets 2 and 3 and of sheets 4 and 5.
FormDrawing transitMainFront(int sheet);
FormDrawing transitContinuationFront(int sheet);
FormDrawing transitBackSheet1();
FormDrawing transitBackSheets2And3();
FormDrawing transitBackSheets4And5();
// The back a sheet of the set has (1, 2 or 4); 0 for sheet 6.
int transitBackOf(int sheet);
FormDrawing transitBack(int sheet);

// The rotated texts of the set: regular, cell height 3.5 mm unless given.
FormPrimitive DrawRotatedText(const QString &text, int x, int y, int angle, int height = 35);

} // namespace sad
