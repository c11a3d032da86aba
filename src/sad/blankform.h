#pragma once

#include "sad/formdrawing.h"

namespace sad {

// The five customs office options of the main window that make the stamp
// in box A; the stamp is drawn only when all are filled.
struct MainStampOptions {
    QString zollamt1;
    QString zollamt2;
    QString zollamtAn1;
    QString zollamtAn2;
    QString zollamtNr;
    bool complete() const;
};

// A box of a blank-paper form: its outline, its number (bold) at the top
// left and its captions (regular) beside and below the number.
struct FormBox {
    QString number;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    QStringList captions;
    int numberHeight = 22;
    int captionHeight = 22;
};
// The primitives of a list of boxes.
FormDrawing boxesDrawing(const QVector<FormBox> &boxes);

// The export declaration's sheets on blank paper, as primitives.
// First sheet 0733 of copy c (1 .. 4; any other copy without copy texts).
FormDrawing exportFirstSheetForm(int copy);
// "Nr" and the set's form number (two characters, then seven).
FormDrawing formNumberDrawing(const QString &letters, const QString &digits);
// The customs office stamp in box A.
FormDrawing customsOfficeStamp(const MainStampOptions &options);
// Continuation sheet 0734 of copy c, with the watermark on copy 4.
FormDrawing exportContinuationForm(int copy);
// The back of copy 1 (box E) and of copy 4 (the instructions).
FormDrawing exportBackSheet1();
FormDrawing exportBackSheet4();

// Draws the sheets onto the running job.
void drawExportFirstSheet(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets, int copy,
    const QString &numberLetters, const QString &numberDigits, const MainStampOptions &stamp);
void drawExportContinuationSheet(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets, int copy);
void drawExportBackSheet1(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets);
void drawExportBackSheet4(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets);

} // namespace sad
