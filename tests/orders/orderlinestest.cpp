#include "orderfixture.h"

#include "orders/orderlines.h"
#include "orders/orderlistmodel.h"
#include "platform/localformat.h"

using namespace orders;
using platform::Table;

namespace {

struct SumLine {
    QString kind;
    QString amount; // entered for surcharges and discounts
};

// Positions and sum lines of order 7 in their tables, linked to the head as
// in the register.
class OrderLinesTest : public OrderTest
{
protected:
    void SetUp() override
    {
        OrderTest::SetUp();
        insert(Tables::Orders, { { "Belegnr", 7 } });
        head = std::make_unique<Table>(platform::Alias::Data, Tables::Orders);
        head->open();
        head->findKey({ 7 });
        positions = linked(Tables::Positions);
        sumLines = linked(Tables::SumLines);
    }
    void TearDown() override
    {
        sumLines.reset();
        positions.reset();
        head.reset();
        OrderTest::TearDown();
    }

    // A new data directory for the next case of a table.
    void fresh()
    {
        TearDown();
        SetUp();
    }

    std::unique_ptr<Table> linked(const QString &name)
    {
        auto table = std::make_unique<Table>(platform::Alias::Data, name);
        table->setMasterSource(head.get(), "Belegnr", "Belegnr");
        table->open();
        return table;
    }

    void addLines(Table &lines, const QList<int> &numbers)
    {
        for (int number : numbers) {
            lines.append();
            lines.fieldByName("Pos").setAsInteger(number);
            lines.fieldByName(lines.fieldIndex("bez1") >= 0 ? "bez1" : "Bez").setAsString(QString::number(number));
            lines.post();
        }
    }

    void addPositionTotals(const QList<double> &totals)
    {
        int number = 1;
        for (double total : totals) {
            positions->append();
            positions->fieldByName("Pos").setAsInteger(number++);
            positions->fieldByName("quersum").setAsFloat(total);
            positions->post();
        }
    }

    void addSumLines(const QVector<SumLine> &lines)
    {
        int number = 1;
        for (const SumLine &line : lines) {
            sumLines->append();
            sumLines->fieldByName("Pos").setAsInteger(number++);
            sumLines->fieldByName("ken").setAsString(line.kind);
            sumLines->fieldByName("quersum").setAsString(line.amount);
            sumLines->post();
        }
    }

    std::unique_ptr<Table> head;
    std::unique_ptr<Table> positions;
    std::unique_ptr<Table> sumLines;
};

TEST_F(OrderLinesTest, TotalsOfTheSumLines)
{
    struct Case {
        const char *name;
        QList<double> positions;
        QVector<SumLine> lines;
        QStringList amounts;
    };
    const Case cases[] = {
        { "net, VAT and gross", { 100, 50 }, { { "Zwischensumme", "" }, { "MWSt", "" }, { "Endsumme", "" } },
            { "150,00", "28,50", "178,50" } },
        { "a negative discount counts as positive", { 100, 50 },
            { { "Zwischensumme", "" }, { "Abschlag", "-10" }, { "MWSt", "" }, { "Endsumme", "" } },
            { "150,00", "-10", "26,60", "166,60" } },
        { "a surcharge with group separators, rules unchanged", { 1000, 500 },
            { { "Zwischensumme", "" }, { "Strich1", "----------" }, { "Aufschlag", "1.234,50" }, { "Endsumme", "" },
                { "Strich2", "===========" } },
            { "1.500,00", "----------", "1.234,50", "2.734,50", "===========" } },
        { "an empty surcharge counts as 0", { 100 }, { { "Aufschlag", "" }, { "Endsumme", "" } }, { "", "100,00" } },
        { "VAT on the total reached at its place, each time", { 100 },
            { { "MWSt", "" }, { "MWSt", "" }, { "Endsumme", "" } }, { "19,00", "22,61", "141,61" } },
    };
    for (const auto &c : cases) {
        fresh();
        addPositionTotals(c.positions);
        addSumLines(c.lines);
        EXPECT_TRUE(recalcTotals(*positions, *sumLines, 19.0)) << c.name;
        EXPECT_EQ(column(Tables::SumLines, "quersum", 7), c.amounts) << c.name;
        EXPECT_TRUE(dialogs.calls().isEmpty()) << c.name;
    }
}

TEST_F(OrderLinesTest, AnAmountThatIsNoNumberStopsTheCalculationAtItsLine)
{
    addPositionTotals({ 100 });
    addSumLines({ { "Zwischensumme", "" }, { "Aufschlag", "zehn" }, { "Endsumme", "" } });
    EXPECT_FALSE(recalcTotals(*positions, *sumLines, 19.0));
    EXPECT_EQ(column(Tables::SumLines, "quersum", 7), QStringList({ "100,00", "zehn", "" }));
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls().at(0).kind, platform::DialogKind::Error);
    EXPECT_TRUE(dialogs.calls().at(0).text.contains("\"zehn\"")) << dialogs.calls().at(0).text.toStdString();
}

TEST_F(OrderLinesTest, WithoutPositionsEverySumLineGoes)
{
    addSumLines({ { "Zwischensumme", "150,00" }, { "Endsumme", "178,50" } });
    insert(Tables::SumLines, { { "Belegnr", 8 }, { "Pos", 1 }, { "ken", "Endsumme" } });
    EXPECT_TRUE(recalcTotals(*positions, *sumLines, 19.0));
    EXPECT_EQ(count(Tables::SumLines, 7), 0);
    EXPECT_EQ(count(Tables::SumLines, 8), 1) << "other orders keep theirs";
}

TEST_F(OrderLinesTest, RenumberingAndShiftingKeepTheLinesInOrder)
{
    struct Case {
        const char *name;
        QList<int> numbers;
        std::function<void(Table &)> step;
        QStringList numbersAfter;
        QStringList textsAfter;
    };
    const Case cases[] = {
        { "after deleting line 2", { 1, 2, 3 },
            [](Table &lines) {
                lines.findKey({ 7, 2 });
                lines.deleteRecord();
                renumberLines(lines);
            },
            { "1", "2" }, { "1", "3" } },
        { "gaps closed", { 2, 5, 9 }, [](Table &lines) { renumberLines(lines); }, { "1", "2", "3" },
            { "2", "5", "9" } },
        { "room before line 2", { 1, 2, 3 }, [](Table &lines) { shiftLinesFrom(lines, 2); }, { "1", "3", "4" },
            { "1", "2", "3" } },
    };
    for (const auto &c : cases) {
        fresh();
        addLines(*sumLines, c.numbers);
        c.step(*sumLines);
        EXPECT_EQ(column(Tables::SumLines, "Pos", 7), c.numbersAfter) << c.name;
        EXPECT_EQ(column(Tables::SumLines, "bez1", 7), c.textsAfter) << c.name;
    }
}

TEST_F(OrderLinesTest, ANewLineIsNumberedAfterTheHighest)
{
    EXPECT_EQ(nextLineNumber(*positions), 1);
    addLines(*positions, { 1, 2, 4 });
    EXPECT_EQ(nextLineNumber(*positions), 5) << "a gap does not make the new line collide";
}

TEST(OrderFormats, VolumeAndDisplayFormats)
{
    EXPECT_DOUBLE_EQ(packageVolume(120, 80, 100), 0.96);
    EXPECT_EQ(formatWithPattern(packageVolume(120, 80, 100), "0.000"), "0,960");
    EXPECT_EQ(formatWithPattern(1234.0, "#,##0.#"), "1.234");
    EXPECT_EQ(formatWithPattern(1234.5, "#,##0.#"), "1.234,5");
    EXPECT_EQ(formatWithPattern(12.25, "0.0"), "12,3");
    EXPECT_EQ(formatWithPattern(12345.0, "0.0"), "12345,0");
}

} // namespace
