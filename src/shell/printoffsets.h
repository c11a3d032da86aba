#pragma once

#include <QPoint>

namespace shell {

// An A4 sheet in portrait, in 0.1 mm.
constexpr int A4Width = 2100;
constexpr int A4Height = 2970;

// Where a form position lands on the print canvas. Forms are laid out in
// 0.1 mm from the left and top edges of the sheet (Y downwards); the canvas
// counts from the printable area with y upwards. The printable area is
// centred on the sheet, and the user's corrections shift everything: a
// larger spalte moves the print left, a larger zeile moves it down, and the
// form's vertical constant moves it up.
struct PageOffsets {
    int xoff = 0;
    int yoff = 0;

    // horzSizeMm, vertSizeMm: the printable area (HORZSIZE, VERTSIZE).
    // Halves are truncated towards zero, as the printers were set up with.
    static PageOffsets compute(int horzSizeMm, int vertSizeMm, int spalte, int zeile, int verticalConstant = 0,
        int pageWidth = A4Width, int pageHeight = A4Height);

    QPoint toDevice(int x, int y) const { return { x - xoff, -y - yoff }; }
};

// How the items of a form spread over its sheets: the first sheet carries a
// few, every continuation sheet a fixed number (the single administrative
// document: one, then three).
struct SheetItems {
    int onFirstSheet = 1;
    int perSheet = 3;

    // Sheets for a number of items; at least one.
    int pageCount(int items) const;
    // The 1-based numbers of the first and last item a sheet may carry.
    int firstItem(int page) const;
    int lastItem(int page) const;
};

} // namespace shell
