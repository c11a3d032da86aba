#include "transport/packinglistpages.h"

namespace transport {

namespace {

constexpr int FirstPageBase = 1440;
constexpr int FollowPageBase = 270;
constexpr int LineStep = 40;
constexpr int FirstPageCap = 30; // a break after more contents lines than this
constexpr int FollowPageCap = 50;

class PageState
{
public:
    int page = 1;
    int contents = 0;
    int base = FirstPageBase;
    int offset = 0;

    int y() const { return base + offset; }
    int cap() const { return page == 1 ? FirstPageCap : FollowPageCap; }
    // The lowest line the contents cap lets a page print.
    int lowest() const { return base + cap() * LineStep; }

    void newPage()
    {
        ++page;
        contents = 0;
        base = FollowPageBase;
        offset = 0;
    }
    void breakBeforeLowerLine()
    {
        if (y() > lowest())
            newPage();
    }
};

} // namespace

QVector<PackingListPlacement> packingListPlacements(const QVector<int> &contentsLines)
{
    QVector<PackingListPlacement> placements;
    PageState state;
    for (int line = 0; line < contentsLines.size(); ++line) {
        state.breakBeforeLowerLine();
        placements.append({ line, -1, state.page, state.y() });
        for (int k = 0; k < contentsLines.at(line); ++k) {
            // The first contents line stands on the line of its position.
            if (k > 0)
                state.breakBeforeLowerLine();
            placements.append({ line, k, state.page, state.y() });
            state.offset += LineStep;
            ++state.contents;
            if (state.contents > state.cap())
                state.newPage();
        }
        // A line with contents is followed by an empty line.
        state.offset += LineStep;
    }
    return placements;
}

} // namespace transport
