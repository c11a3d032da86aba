#include "shell/printoffsets.h"

namespace shell {

PageOffsets PageOffsets::compute(
    int horzSizeMm, int vertSizeMm, int spalte, int zeile, int verticalConstant, int pageWidth, int pageHeight)
{
    // C++ division truncates towards zero, as the offsets must.
    PageOffsets offsets;
    offsets.xoff = (pageWidth - 10 * horzSizeMm) / 2 + spalte;
    offsets.yoff = zeile - (pageHeight - 10 * vertSizeMm) / 2 - verticalConstant;
    return offsets;
}

int SheetItems::pageCount(int items) const
{
    if (items <= onFirstSheet || perSheet <= 0)
        return 1;
    return 1 + (items - onFirstSheet + perSheet - 1) / perSheet;
}

int SheetItems::firstItem(int page) const
{
    if (page <= 1)
        return 1;
    return onFirstSheet + (page - 2) * perSheet + 1;
}

int SheetItems::lastItem(int page) const
{
    if (page <= 1)
        return onFirstSheet;
    return onFirstSheet + (page - 1) * perSheet;
}

} // namespace shell
