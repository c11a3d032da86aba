#include "platform/germantext.h"
#include "platform/localformat.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(LocalFormatTest, AmountsAndNumbersInTheGermanWorkstationFormat)
{
    EXPECT_EQ(formatAmount(1234.5), "1.234,50");
    EXPECT_EQ(formatAmount(-0.001), "0,00");
    EXPECT_EQ(formatAmount(178.5), "178,50");
    EXPECT_EQ(formatPlainNumber(1234.5), "1234,5");
    EXPECT_EQ(formatPlainNumber(3.0), "3");
    EXPECT_EQ(formatPlainNumber(0.1 + 0.2), "0,3");

    struct Case {
        QString text;
        bool ok;
        double value;
    };
    const QVector<Case> cases = {
        {"1.234,56", true, 1234.56}, {"1234,56", true, 1234.56}, {"-10", true, -10},
        {"", false, 0}, {"12a", false, 0}, {"1,2,3", false, 0}, {" 7 ", true, 7}, {"1.000.000", true, 1e6},
    };
    for (const auto &c : cases) {
        bool ok = false;
        const double v = parseNumber(c.text, &ok);
        EXPECT_EQ(ok, c.ok) << c.text.toStdString();
        EXPECT_DOUBLE_EQ(v, c.value) << c.text.toStdString();
    }
    bool ok = false;
    EXPECT_DOUBLE_EQ(parseAmount("", &ok), 0.0);
    EXPECT_TRUE(ok);
}

TEST(LocalFormatTest, RoundingRulesAndDates)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfAwayFromZero(2.5), 3);
    EXPECT_EQ(roundHalfAwayFromZero(-2.5), -3);
    EXPECT_DOUBLE_EQ(roundToDecimals(2.675, 2), 2.68);
    EXPECT_EQ(parseDate("5.3.2024"), QDate(2024, 3, 5));
    EXPECT_EQ(parseDate("2024-03-05"), QDate(2024, 3, 5));
    EXPECT_FALSE(parseDate("31.02.2024").isValid());
    EXPECT_EQ(formatDate(QDate(2024, 3, 5)), "05.03.2024");
}

TEST(GermanTextTest, CaseInsensitiveOrderKeepsUmlautsBesideTheirLetters)
{
    EXPECT_EQ(compareCaseInsensitive("müller", "MÜLLER"), 0);
    EXPECT_LT(compareCaseInsensitive("Mueller", "Müller"), 0);
    EXPECT_LT(compareCaseInsensitive("Müller", "Muster"), 0);
    EXPECT_LT(compareCaseInsensitive("anton", "Berta"), 0);
}

} // namespace
