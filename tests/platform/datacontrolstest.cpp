#include "platform/controlstate.h"
#include "platform/datacheckbox.h"
#include "platform/datacombobox.h"
#include "platform/dataedit.h"
#include "platform/datalookupcombobox.h"
#include "platform/datamemo.h"
#include "platform/dataradiogroup.h"
#include "platform/field.h"
#include "platform/fielddatalink.h"
#include "platform/query.h"
#include "platform/reportedcall.h"
#include "platform/schemaregistry.h"
#include "platform/table.h"
#include "support/testprogramdirectory.h"

#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>

#include <gtest/gtest.h>

using namespace platform;

namespace {

// A record with one field of each shape the controls are bound to, and a
// country list for the lookup.
void registerControlTables()
{
    auto &registry = SchemaRegistry::instance();
    if (registry.contains(QStringLiteral("TESTCTRL")))
        return;
    registry.add(TableSchema(QStringLiteral("TESTCTRL.DB"), Alias::Data)
                     .integer(QStringLiteral("Nr"))
                     .string(QStringLiteral("Name"), 10)
                     .string(QStringLiteral("Flag"), 1)
                     .boolean(QStringLiteral("Erledigt"))
                     .floating(QStringLiteral("Betrag"))
                     .string(QStringLiteral("Lkz"), 3)
                     .memo(QStringLiteral("Notiz"))
                     .primaryKey({ QStringLiteral("Nr") }));
    registry.add(TableSchema(QStringLiteral("TESTLAND.DB"), Alias::Data)
                     .string(QStringLiteral("Lkz"), 3)
                     .string(QStringLiteral("Bez"), 29)
                     .primaryKey({ QStringLiteral("Lkz") }));
}

class DataControlsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerControlTables();
        dir = std::make_unique<testsupport::TestProgramDirectory>();
        table = std::make_unique<Table>(Alias::Data, QStringLiteral("TESTCTRL.DB"));
        table->open();
        addRecord(1, "Erster", "j", true, 1.5, "DE");
        addRecord(2, "Zweiter", "n", false, 2.0, "FR");
        table->first();
    }

    void addRecord(int nr, const QString &name, const QString &flag, bool done, double amount, const QString &lkz)
    {
        table->append();
        table->setValue("Nr", nr);
        table->setValue("Name", name);
        table->setValue("Flag", flag);
        table->setValue("Erledigt", done);
        table->setValue("Betrag", amount);
        table->setValue("Lkz", lkz);
        table->post();
    }

    QString stored(const QString &field, int nr)
    {
        Table reader(Alias::Data, QStringLiteral("TESTCTRL.DB"));
        reader.open();
        reader.findKey({ nr });
        return reader.fieldByName(field).asString();
    }

    std::unique_ptr<testsupport::TestProgramDirectory> dir;
    std::unique_ptr<Table> table;
};

TEST_F(DataControlsTest, EditFollowsRecordEntersEditStateAndCutsToFieldSize)
{
    DataEdit edit;
    edit.bind(table.get(), QStringLiteral("Name"));
    EXPECT_EQ(edit.text(), "Erster");
    EXPECT_EQ(edit.maxLength(), 10);
    EXPECT_FALSE(edit.isReadOnly());

    edit.setFocus();
    edit.end(false);
    QTest::keyClicks(&edit, QStringLiteral(" und noch viel mehr"));
    EXPECT_EQ(table->state(), DataSetState::Edit) << "the first key put the dataset into edit state";
    EXPECT_EQ(table->value("Name").toString(), "Erster und") << "written at once, cut to the field's 10 characters";
    EXPECT_EQ(edit.text(), "Erster und");

    table->next(); // posts the change
    EXPECT_EQ(edit.text(), "Zweiter");
    EXPECT_EQ(stored("Name", 1), "Erster und");

    table->prior();
    EXPECT_EQ(edit.text(), "Erster und");
    table->edit();
    table->setValue("Name", QStringLiteral("Anders"));
    EXPECT_EQ(edit.text(), "Anders") << "a change made in code shows at once";
    table->cancel();
    EXPECT_EQ(edit.text(), "Erster und");
}

TEST_F(DataControlsTest, NumberEditWritesWhenPostedAndRefusesTextThatIsNoNumber)
{
    DataEdit edit;
    edit.bind(table.get(), QStringLiteral("Betrag"));
    EXPECT_EQ(edit.text(), "1,50") << "the decimals a grid shows";
    EXPECT_EQ(edit.maxLength(), 32767);

    edit.selectAll();
    QTest::keyClicks(&edit, QStringLiteral("12,"));
    EXPECT_EQ(table->value("Betrag").toDouble(), 1.5) << "an unfinished number is not written yet";
    QTest::keyClicks(&edit, QStringLiteral("25"));
    table->post();
    EXPECT_EQ(stored("Betrag", 1), "12,25");

    // As the grids: two decimals, more when the value has them, and no group
    // separators to type over.
    const QVector<std::pair<double, QString>> shown
        = { { 12.25, "12,25" }, { 1255, "1255,00" }, { 0.125, "0,125" }, { -0.001, "-0,001" }, { 0.0, "0,00" } };
    for (const auto &[value, text] : shown) {
        table->edit();
        table->setValue("Betrag", value);
        EXPECT_EQ(edit.text(), text) << value;
        table->post();
    }
    table->edit();
    table->setValue("Betrag", 12.25);
    table->post();

    edit.selectAll();
    QTest::keyClicks(&edit, QStringLiteral("zwoelf"));
    EXPECT_THROW(table->post(), DatabaseError) << "the post stops at the conversion error";
    EXPECT_EQ(table->state(), DataSetState::Edit);
    EXPECT_EQ(edit.text(), "zwoelf") << "the text stays for the user to correct";
    table->cancel();
    EXPECT_EQ(edit.text(), "12,25");
}

TEST_F(DataControlsTest, ControlsAreReadOnlyWhileTheDataSetCannotBeChanged)
{
    Query query(Alias::Data, QStringLiteral("SELECT Nr, Name FROM TESTCTRL ORDER BY Nr"));
    query.open();
    DataEdit edit;
    edit.bind(&query, QStringLiteral("Name"));
    EXPECT_EQ(edit.text(), "Erster");
    EXPECT_TRUE(edit.isReadOnly());

    DataEdit unbound;
    EXPECT_TRUE(unbound.isReadOnly());
    unbound.bind(table.get(), QStringLiteral("Name"));
    EXPECT_FALSE(unbound.isReadOnly());
    table->close();
    EXPECT_TRUE(unbound.isReadOnly());
    EXPECT_EQ(unbound.text(), "");
}

TEST_F(DataControlsTest, CheckBoxStoresItsValuesAndShowsOthersUnchecked)
{
    struct Case {
        QString field;
        QVariant checkedValue, uncheckedValue; // invalid: the default true/false
        bool firstChecked; // record 1 holds "j" and true
        QString storedChecked, storedUnchecked;
    };
    const QVector<Case> cases = {
        { "Flag", QStringLiteral("j"), QStringLiteral("n"), true, "j", "n" },
        { "Flag", QStringLiteral("i"), QStringLiteral("n"), false, "i", "n" },
        { "Erledigt", QVariant(), QVariant(), true, "True", "False" },
    };
    for (const Case &c : cases) {
        table->first();
        DataCheckBox box;
        if (c.checkedValue.isValid())
            box.setValues(c.checkedValue, c.uncheckedValue);
        box.bind(table.get(), c.field);
        EXPECT_EQ(box.isChecked(), c.firstChecked) << c.field.toStdString();
        table->next();
        EXPECT_FALSE(box.isChecked()) << c.field.toStdString();
        box.click();
        EXPECT_EQ(table->state(), DataSetState::Edit);
        table->post();
        EXPECT_EQ(stored(c.field, 2), c.storedChecked);
        box.click();
        table->post();
        EXPECT_EQ(stored(c.field, 2), c.storedUnchecked);
    }
}

TEST_F(DataControlsTest, ComboRadioLookupAndMemoWriteTheirValues)
{
    Table countries(Alias::Data, QStringLiteral("TESTLAND.DB"));
    countries.open();
    for (const auto &[lkz, name] :
        { std::pair { "DE", "Deutschland" }, { "FR", "Frankreich" }, { "AT", "Österreich" } }) {
        countries.append();
        countries.setValue("Lkz", QString::fromUtf8(lkz));
        countries.setValue("Bez", QString::fromUtf8(name));
        countries.post();
    }

    DataComboBox combo;
    combo.addItems({ "Erster", "Zweiter", "Dritter" });
    combo.bind(table.get(), QStringLiteral("Name"));
    DataRadioGroup radio;
    radio.setItems({ "ja", "nein" }, { "j", "n" });
    radio.bind(table.get(), QStringLiteral("Flag"));
    DataLookupComboBox lookup;
    lookup.setListSource(&countries, QStringLiteral("Lkz"), QStringLiteral("Bez"));
    lookup.bind(table.get(), QStringLiteral("Lkz"));
    DataMemo memo;
    memo.bind(table.get(), QStringLiteral("Name"));

    EXPECT_EQ(combo.currentText(), "Erster");
    EXPECT_EQ(radio.itemIndex(), 0);
    EXPECT_EQ(lookup.currentText(), "Deutschland");
    EXPECT_EQ(memo.toPlainText(), "Erster");
    table->next();
    EXPECT_EQ(combo.currentText(), "Zweiter");
    EXPECT_EQ(radio.itemIndex(), 1);
    EXPECT_EQ(lookup.currentText(), "Frankreich");

    combo.setCurrentIndex(2);
    emit combo.activated(2);
    radio.findChildren<QRadioButton *>().at(0)->click();
    const int austria = lookup.findText(QStringLiteral("Österreich"));
    lookup.setCurrentIndex(austria);
    emit lookup.activated(austria);
    table->post();
    EXPECT_EQ(stored("Name", 2), "Dritter");
    EXPECT_EQ(stored("Flag", 2), "j");
    EXPECT_EQ(stored("Lkz", 2), "AT");

    memo.setFocus();
    memo.moveCursor(QTextCursor::End);
    QTest::keyClicks(&memo, QStringLiteral(" Satz lang"));
    EXPECT_EQ(memo.toPlainText(), "Dritter Sa") << "a memo on a text field keeps no more than its size";
    table->post();
    EXPECT_EQ(stored("Name", 2), "Dritter Sa");
    EXPECT_EQ(combo.currentIndex(), -1) << "a text that is no item shows no selection";

    table->edit();
    table->setValue("Flag", QStringLiteral("x"));
    EXPECT_EQ(radio.itemIndex(), -1) << "a value of no item checks no button";
    table->cancel();
}

// What a control's own handler refuses is reported by the control itself,
// once, and never travels up through Qt's frames to the event loop (where
// the test programs would fail the test).
TEST_F(DataControlsTest, ARefusedEntryIsReportedByTheControlAndGoesNoFurther)
{
    struct Report {
        QString message;
        const QObject *origin;
    };
    QVector<Report> reports;
    const ExceptionReporter previous = setExceptionReporter([&](std::exception_ptr exception, const QObject *origin) {
        try {
            std::rethrow_exception(exception);
        } catch (const DatabaseError &error) {
            reports.append({ error.message(), origin });
        } catch (const std::exception &error) {
            reports.append({ QString::fromUtf8(error.what()), origin });
        }
    });
    auto restore = qScopeGuard([&] { setExceptionReporter(previous); });
    auto deleteByAnotherUser = [](int nr) {
        Table other(Alias::Data, QStringLiteral("TESTCTRL.DB"));
        other.open();
        ASSERT_TRUE(other.findKey({ nr }));
        other.deleteRecord();
    };

    {
        SCOPED_TRACE("a number edit left with a text that is no number");
        DataEdit edit;
        edit.bind(table.get(), QStringLiteral("Betrag"));
        edit.selectAll();
        QTest::keyClicks(&edit, QStringLiteral("12a"));
        QTest::keyClick(&edit, Qt::Key_Return);
        ASSERT_EQ(reports.size(), 1);
        EXPECT_EQ(reports.at(0).origin, &edit);
        EXPECT_EQ(edit.text(), "12a") << "the text stays for the user to correct";
        table->cancel();
    }
    {
        SCOPED_TRACE("a check box clicked on a record another user has deleted");
        reports.clear();
        table->first();
        DataCheckBox box;
        box.bind(table.get(), QStringLiteral("Erledigt"));
        deleteByAnotherUser(1);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, box.height() / 2));
        ASSERT_EQ(reports.size(), 1);
        EXPECT_EQ(reports.at(0).origin, &box);
        EXPECT_TRUE(reports.at(0).message.contains(QStringLiteral("gelöscht"))) << reports.at(0).message.toStdString();
        EXPECT_TRUE(box.isChecked()) << "the box shows the record as it was read";
    }
    {
        SCOPED_TRACE("a combo chosen on a record another user has deleted");
        reports.clear();
        table->refresh();
        table->first();
        DataComboBox combo;
        combo.addItems({ "Erster", "Zweiter" });
        combo.bind(table.get(), QStringLiteral("Name"));
        deleteByAnotherUser(2);
        emit combo.activated(0);
        ASSERT_EQ(reports.size(), 1);
        EXPECT_EQ(reports.at(0).origin, &combo);
    }
}

TEST_F(DataControlsTest, ControlsAreReachedByName)
{
    QWidget window;
    auto *edit = new DataEdit(&window);
    edit->setObjectName(QStringLiteral("DBEdit6"));
    const QColor fixed(180, 180, 180);
    EXPECT_TRUE(setControlColor(&window, QStringLiteral("DBEdit6"), fixed));
    EXPECT_TRUE(setControlEnabled(&window, QStringLiteral("DBEdit6"), false));
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_EQ(controlColor(&window, QStringLiteral("DBEdit6")), fixed);
    EXPECT_EQ(edit->palette().color(QPalette::Disabled, QPalette::Base), fixed) << "disabled in its own colour";
    EXPECT_TRUE(setControlColor(&window, QStringLiteral("DBEdit6"), Qt::red, QPalette::Text));
    EXPECT_EQ(controlColor(&window, QStringLiteral("DBEdit6"), QPalette::Text), QColor(Qt::red));
    EXPECT_FALSE(setControlEnabled(&window, QStringLiteral("DBEdit7"), false));
    EXPECT_FALSE(controlColor(&window, QStringLiteral("DBEdit7")).isValid());
}

} // namespace
