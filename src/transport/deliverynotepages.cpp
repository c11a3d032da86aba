#include "transport/deliverynotepages.h"

namespace transport {

namespace {

constexpr int LinesPerPage = 38;

} // namespace

QVector<DeliveryNotePage> deliveryNotePages(const QVector<int> &descriptionLines, int remarkLines)
{
    QVector<DeliveryNotePage> pages;
    int next = 0;
    bool remarksPrinted = false;
    while (next < descriptionLines.size() || !remarksPrinted) {
        DeliveryNotePage page;
        int line = 0;
        while (next < descriptionLines.size() && line + descriptionLines.at(next) < LinesPerPage) {
            page.positions.append({ next, line });
            line += descriptionLines.at(next) + 1;
            ++next;
        }
        if (next >= descriptionLines.size() && line + remarkLines < LinesPerPage) {
            page.remarksLine = line;
            remarksPrinted = true;
        }
        pages.append(page);
    }
    return pages;
}

} // namespace transport
