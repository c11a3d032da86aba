#pragma once

#include "sad/formdrawing.h"

namespace sad {

// The import declaration's sheets on blank paper, as primitives.
// First sheet 0737 of copy n (1: copy 6, 2: copy 7, 3: copy 8; any other
// without copy texts).
FormDrawing importFirstSheetForm(int copy);
// Continuation sheet 0738 of copy i (1 .. 3 as above).
FormDrawing importContinuationForm(int copy);
// The back of sheet 1 (box J) and of sheet 3 (the instructions).
FormDrawing importBackSheet1();
FormDrawing importBackSheet3();

void drawImportFirstSheet(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets, int copy);
void drawImportContinuationSheet(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets, int copy);
void drawImportBackSheet1(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets);
void drawImportBackSheet3(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets);

} // namespace sad
