#pragma once

#include <QVector>

namespace transport {

// One page of a delivery note: the positions it carries (their index and the
// line each begins on, 0 to 37) and whether the remark lines follow them,
// from which line.
struct DeliveryNotePage {
    struct Placed {
        int position = 0;
        int line = 0;
        bool operator==(const Placed &other) const = default;
    };
    QVector<Placed> positions;
    int remarksLine = -1; // -1: no remarks on this page
    bool operator==(const DeliveryNotePage &other) const = default;
};

// The form's 38 lines of 4 mm a page: a position takes its number line with
// its filled description lines on it and below it, and an empty line after
// them (one line without description); a position goes whole to the next
// page when it would reach line 38. The filled remark lines follow the last
// position when they end above line 38, else on a further page of their own
// (also when there are none and the last position filled the page).
QVector<DeliveryNotePage> deliveryNotePages(const QVector<int> &descriptionLines, int remarkLines);

} // namespace transport
