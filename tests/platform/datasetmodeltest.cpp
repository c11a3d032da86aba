#include "testtables.h"

#include "platform/datasetmodel.h"
#include "platform/table.h"
#include "support/testprogramdirectory.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace platform;

namespace {

class DataSetModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerPlatformTestTables();
        dir = std::make_unique<testsupport::TestProgramDirectory>();
        table = std::make_unique<Table>(Alias::Data, QStringLiteral("TESTKOPF.DB"));
        table->open();
        for (const auto &[number, name] : { std::pair { 10, "Meier" }, { 20, "Müller" }, { 30, "Schulze" } }) {
            table->append();
            table->setValue("BelegNr", number);
            table->setValue("Name1", QString::fromUtf8(name));
            table->setValue("Betrag", number * 1.5);
            table->post();
        }
        table->first();
    }

    QStringList column(const DataSetModel &model, int column)
    {
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row)
            texts.append(model.data(model.index(row, column)).toString());
        return texts;
    }

    std::unique_ptr<testsupport::TestProgramDirectory> dir;
    std::unique_ptr<Table> table;
};

TEST_F(DataSetModelTest, ShowsChosenColumnsAndEveryFieldWithoutColumns)
{
    DataSetModel model(table.get(), { { "BelegNr", "Beleg-Nr.", 80 }, { "Name1", "", 0 }, { "Betrag", "Betrag", 0 } });
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Beleg-Nr.");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Name1") << "no caption: the field name";
    EXPECT_EQ(model.columnWidth(0), 80);
    EXPECT_EQ(column(model, 1), QStringList({ "Meier", "Müller", "Schulze" }));
    EXPECT_EQ(column(model, 2), QStringList({ "15,00", "30,00", "45,00" })) << "amounts in the program's format";
    EXPECT_EQ(model.data(model.index(0, 2), Qt::TextAlignmentRole).toInt() & Qt::AlignRight, Qt::AlignRight);

    DataSetModel all;
    all.setDataSet(table.get());
    EXPECT_EQ(all.columnCount(), table->fieldCount());
    table->close();
    EXPECT_EQ(all.rowCount(), 0);
}

TEST(DataSetModelTextTest, GridsShowNumbersDatesAndBooleansInTheProgramsFormat)
{
    struct Case {
        FieldType type;
        QVariant value;
        QString text;
    };
    const QList<Case> cases = {
        { FieldType::Float, 125.5, "125,50" },
        { FieldType::Float, 1255.0, "1.255,00" },
        { FieldType::Currency, -1234567.891, "-1.234.567,891" },
        { FieldType::Float, 0.125, "0,125" },
        { FieldType::Float, 0.0, "0,00" },
        { FieldType::Float, QVariant(), "" },
        { FieldType::Integer, 2000000000, "2000000000" },
        { FieldType::Boolean, true, "Ja" },
        { FieldType::Boolean, false, "Nein" },
        { FieldType::Date, QDate(2024, 12, 11), "11.12.2024" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(DataSetModel::displayText(c.type, c.value), c.text) << c.text.toStdString();
}

TEST_F(DataSetModelTest, FollowsTheCurrentRecordAndMovesIt)
{
    DataSetModel model(table.get(), { { "Name1", "Name", 0 } });
    QSignalSpy moved(&model, &DataSetModel::currentRowChanged);
    EXPECT_EQ(model.currentRow(), 0);
    table->last();
    EXPECT_EQ(model.currentRow(), 2);
    ASSERT_EQ(moved.size(), 1);
    EXPECT_EQ(moved.at(0).at(0).toInt(), 2);

    model.setCurrentRow(1);
    EXPECT_EQ(table->value("Name1").toString(), "Müller");
    EXPECT_EQ(model.currentRow(), 1);
}

TEST_F(DataSetModelTest, FollowsEditsInsertsDeletesAndMovedKeys)
{
    DataSetModel model(table.get(), { { "BelegNr", "", 0 }, { "Name1", "", 0 } });
    table->setRecNo(2);
    table->edit();
    table->setValue("Name1", QStringLiteral("Mahler"));
    EXPECT_EQ(column(model, 1), QStringList({ "Meier", "Mahler", "Schulze" })) << "the edited record shows its input";
    table->cancel();
    EXPECT_EQ(column(model, 1), QStringList({ "Meier", "Müller", "Schulze" }));

    table->append();
    table->setValue("BelegNr", 25);
    table->setValue("Name1", QStringLiteral("Neu"));
    table->post();
    EXPECT_EQ(column(model, 1), QStringList({ "Meier", "Müller", "Neu", "Schulze" }));
    EXPECT_EQ(model.currentRow(), 2);

    table->setIndexName(QStringLiteral("iName"));
    EXPECT_EQ(column(model, 1), QStringList({ "Meier", "Müller", "Neu", "Schulze" }));
    table->first();
    table->edit();
    table->setValue("Name1", QStringLiteral("Zander")); // moves the record to the end
    table->post();
    EXPECT_EQ(column(model, 1), QStringList({ "Müller", "Neu", "Schulze", "Zander" }));
    EXPECT_EQ(model.currentRow(), 3);

    table->deleteRecord();
    EXPECT_EQ(column(model, 1), QStringList({ "Müller", "Neu", "Schulze" }));
    EXPECT_EQ(model.currentRow(), 2);

    table->setIndexName(QString());
    table->setRange({ QVariant(21) }, { QVariant(30) });
    EXPECT_EQ(column(model, 0), QStringList({ "25", "30" }));
}

TEST_F(DataSetModelTest, OnDemandRowsAroundTheCurrentRecordThenEveryRowWhenSettled)
{
    // Three records fit into the rows read around the current one: the
    // positions are known at once.
    {
        DataSetModel small;
        small.setPositionsOnDemand(true);
        small.setDataSet(table.get());
        EXPECT_TRUE(small.positionsSettled());
        EXPECT_EQ(small.rowCount(), 3);
    }

    for (int number = 100; number < 400; ++number) {
        table->append();
        table->setValue("BelegNr", number);
        table->setValue("Name1", QStringLiteral("Name %1").arg(number));
        table->post();
    }
    ASSERT_TRUE(table->findKey({ 250 }));
    DataSetModel model;
    model.setPositionsOnDemand(true);
    model.setColumns({ { "BelegNr", "", 0 }, { "Name1", "", 0 } });
    model.setDataSet(table.get());
    ASSERT_FALSE(model.positionsSettled());
    EXPECT_LT(model.rowCount(), 303) << "not every record is counted on opening";
    const auto shown = [&model](int row) { return model.data(model.index(row, 0)).toInt(); };
    const int current = model.currentRow();
    EXPECT_EQ(shown(current), 250);
    EXPECT_EQ(shown(current - 1), 249);
    EXPECT_EQ(shown(current + 1), 251);

    // A click on a row moves the table; an edit shows in its row.
    model.setCurrentRow(current + 3);
    EXPECT_EQ(table->value("BelegNr").toInt(), 253);
    table->edit();
    table->setValue("Name1", QStringLiteral("Geändert"));
    table->post();
    EXPECT_EQ(model.data(model.index(model.currentRow(), 1)).toString(), "Geändert");
    EXPECT_EQ(shown(model.currentRow()), 253);

    // A move beyond the rows read: the rows around the new record.
    table->last();
    EXPECT_EQ(shown(model.currentRow()), 399);
    EXPECT_EQ(model.currentRow(), model.rowCount() - 1);

    // Settled (the clerk takes the scroll bar): every row, the current one kept.
    model.settlePositions();
    EXPECT_TRUE(model.positionsSettled());
    EXPECT_EQ(model.rowCount(), 303);
    EXPECT_EQ(model.currentRow(), 302);
    EXPECT_EQ(shown(0), 10);
}

} // namespace
