#pragma once

#include <QVector>

namespace transport {

// Where one printed line of a packing list stands: the line of the list
// (its index), which of its contents lines (-1: the line with number,
// packages, weights and measures, on which the first contents line stands
// too), the page and the height in 0.1 mm from the top of the sheet.
struct PackingListPlacement {
    int line = 0;
    int contentsLine = -1;
    int page = 1;
    int y = 0;
    bool operator==(const PackingListPlacement &other) const = default;
};

// The pages of a packing list whose lines have the given numbers of
// contents lines. The first page's lines begin at 1440, a follow page's at
// 270, 40 apart; a line with contents is followed by an empty line. A page
// takes at most 31 contents lines (follow pages 51), and no line stands
// lower than the last of those would (2640, follow pages 2270), so a list
// of many lines without contents breaks before the sheet ends too.
QVector<PackingListPlacement> packingListPlacements(const QVector<int> &contentsLines);

} // namespace transport
