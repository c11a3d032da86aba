#include "transport/deliverynotepages.h"
#include "transport/packinglistpages.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace transport;

namespace {

// The pages of the placements of one line and contents line.
int pageOf(const QVector<PackingListPlacement> &placements, int line, int contentsLine)
{
    for (const PackingListPlacement &placed : placements) {
        if (placed.line == line && placed.contentsLine == contentsLine)
            return placed.page;
    }
    return 0;
}

} // namespace

TEST(PackingListPages, LinesBreakByContentsAndBeforeTheSheetEnds)
{
    // Lines of 10, 15 and 8 contents lines: the third line's contents would
    // run below 2640 after its fourth line, so page 2 takes the rest from 270.
    const QVector<PackingListPlacement> mixed = packingListPlacements({ 10, 15, 8 });
    EXPECT_EQ(mixed.first(), (PackingListPlacement { 0, -1, 1, 1440 }));
    EXPECT_EQ(mixed.at(1), (PackingListPlacement { 0, 0, 1, 1440 }));
    const auto third = std::find_if(mixed.begin(), mixed.end(), [](const auto &p) { return p.line == 2; });
    ASSERT_NE(third, mixed.end());
    EXPECT_EQ(third->y, 1440 + (10 + 1 + 15 + 1) * 40);
    EXPECT_EQ(pageOf(mixed, 2, 3), 1);
    EXPECT_EQ(pageOf(mixed, 2, 4), 2);
    const auto carried = std::find_if(mixed.begin(), mixed.end(), [](const auto &p) { return p.page == 2; });
    EXPECT_EQ(carried->y, 270);
    EXPECT_EQ(carried->contentsLine, 4) << "no line of number and packages on the follow page";

    // 31 contents lines fill page 1, 51 a follow page.
    const QVector<PackingListPlacement> long1 = packingListPlacements({ 90 });
    EXPECT_EQ(pageOf(long1, 0, 30), 1);
    EXPECT_EQ(pageOf(long1, 0, 31), 2);
    EXPECT_EQ(pageOf(long1, 0, 81), 2);
    EXPECT_EQ(pageOf(long1, 0, 82), 3);

    // 60 lines without contents: 31 on page 1 (down to 2640), the rest on page 2.
    const QVector<PackingListPlacement> bare = packingListPlacements(QVector<int>(60, 0));
    EXPECT_EQ(pageOf(bare, 30, -1), 1);
    EXPECT_EQ(bare.at(30).y, 2640);
    EXPECT_EQ(pageOf(bare, 31, -1), 2);
    EXPECT_EQ(bare.at(31).y, 270);
    for (const PackingListPlacement &placed : bare)
        EXPECT_LE(placed.y, placed.page == 1 ? 2640 : 2270);

    // A line without contents takes one line, one with contents an empty line more.
    const QVector<PackingListPlacement> spacing = packingListPlacements({ 0, 1, 0 });
    EXPECT_EQ(spacing.at(1).y - spacing.at(0).y, 40);
    EXPECT_EQ(spacing.at(3).y - spacing.at(1).y, 80);
    EXPECT_TRUE(packingListPlacements({}).isEmpty());
}

TEST(DeliveryNotePages, PositionsGoWholeAndRemarksFollowWhenTheyFit)
{
    using Placed = DeliveryNotePage::Placed;
    struct Case {
        const char *name;
        QVector<int> description;
        int remarks;
        QVector<int> positionsPerPage;
        QVector<int> remarksLine;
    };
    const Case cases[] = {
        { "empty note: the head alone", {}, 0, { 0 }, { 0 } },
        { "nine of four lines fit, the tenth goes on", QVector<int>(10, 3), 0, { 9, 1 }, { -1, 4 } },
        { "38 without description fill a page; a head-only page follows", QVector<int>(38, 0), 0, { 38, 0 },
            { -1, 0 } },
        { "remarks up to line 37 stay", QVector<int>(33, 0), 4, { 33 }, { 33 } },
        { "remarks reaching line 38 go on", QVector<int>(33, 0), 5, { 33, 0 }, { -1, 0 } },
    };
    for (const Case &c : cases) {
        const QVector<DeliveryNotePage> pages = deliveryNotePages(c.description, c.remarks);
        QVector<int> counts;
        QVector<int> remarks;
        for (const DeliveryNotePage &page : pages) {
            counts.append(page.positions.size());
            remarks.append(page.remarksLine);
        }
        EXPECT_EQ(counts, c.positionsPerPage) << c.name;
        EXPECT_EQ(remarks, c.remarksLine) << c.name;
    }
    const QVector<DeliveryNotePage> three = deliveryNotePages({ 3, 0, 3 }, 0);
    EXPECT_EQ(three.first().positions, (QVector<Placed> { { 0, 0 }, { 1, 4 }, { 2, 5 } }));
}
