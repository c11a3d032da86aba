#include "shell/radiogroup.h"
#include "shell/tfrmmain.h"
#include "shell/tfrmsuche.h"
#include "shell/tsearchdlg.h"
#include "shell/twheeldbgrid.h"

#include "platform/field.h"
#include "platform/schemaregistry.h"
#include "platform/scripteddialogservice.h"
#include "platform/table.h"
#include "support/testprogramdirectory.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace platform;
using namespace shell;

namespace {

void registerSearchTables()
{
    auto &registry = SchemaRegistry::instance();
    if (registry.contains("SUCHKOPF"))
        return;
    registry.add(TableSchema("SUCHKOPF.DB", Alias::Data)
                     .integer("BelegNr")
                     .date("Datum")
                     .string("Name1", 30)
                     .primaryKey({ "BelegNr" })
                     .index("iName", { "Name1" }, true));
}

class SearchDialogsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerSearchTables();
        dir = std::make_unique<testsupport::TestProgramDirectory>();
        table.open();
        const QVector<QPair<int, QString>> rows = { { 12, "Müller GmbH" }, { 120, "Meier AG" }, { 7, "O'Neill Ltd." },
            { 31, "MEIER & Söhne" }, { 44, "Schulz" } };
        for (const auto &[number, name] : rows) {
            table.append();
            table.field(0).setAsInteger(number);
            table.field(2).setAsString(name);
            table.post();
        }
        table.setFilterCaseInsensitive(true);
    }

    QList<int> shownNumbers()
    {
        QList<int> numbers;
        for (table.first(); !table.eof(); table.next())
            numbers.append(table.field(0).asInteger());
        return numbers;
    }

    // The search routine of a register: number or consignee.
    void registerRoutine(TfrmSuche &dialog)
    {
        ++routineRuns;
        if (dialog.searchText().isEmpty())
            return;
        if (dialog.searchKey() == 0)
            table.setFilter({ numberSearchCondition("BelegNr", dialog.searchText()) });
        else
            table.setFilter({ nameSearchCondition("Name1", dialog.searchText()) });
        table.setFiltered(true);
    }

    std::unique_ptr<testsupport::TestProgramDirectory> dir;
    ScriptedDialogService dialogs;
    DialogServiceGuard guard { dialogs };
    Table table { Alias::Data, "SUCHKOPF.DB" };
    int routineRuns = 0;
};

TEST_F(SearchDialogsTest, SearchFiltersAreExactForNumbersAndPrefixesForNames)
{
    struct Case {
        int key;
        QString text;
        QList<int> found;
    };
    const QVector<Case> cases = {
        { 0, "12", { 12 } },
        { 0, " 7", { 7 } },
        { 0, "120", { 120 } },
        { 0, "000000000012", {} }, // only the first 11 characters count: "00000000001"
        { 0, "0000000001299", { 12 } },
        { 0, "12a", {} },
        { 0, "abc", {} },
        { 1, "mei", { 31, 120 } },
        { 1, "MEIER*", { 31, 120 } },
        { 1, "o'neill", { 7 } },
        { 1, "mü", { 12 } },
        { 1, "Mu", {} },
        { 1, "%", {} },
        { 1, "_", {} },
    };
    for (const Case &c : cases) {
        table.setFiltered(false);
        TfrmSuche dialog;
        dialog.setDataSet(&table);
        dialog.RadioGroup1->setItems({ "BelegNr.", "Empfänger" });
        dialog.setSearchRoutine([this](TfrmSuche &d) { registerRoutine(d); });
        dialog.RadioGroup1->setItemIndex(c.key);
        dialog.Edit1->setText(c.text);
        dialog.SpeedButton3->click();
        EXPECT_EQ(shownNumbers(), c.found) << c.text.toStdString();
        EXPECT_EQ(dialog.DBGrid1->model()->rowCount(), c.found.size()) << c.text.toStdString();
    }
}

TEST_F(SearchDialogsTest, SucheAsksForAKeyFirstAndSearchesOnEnter)
{
    TfrmSuche dialog;
    dialog.setDataSet(&table);
    dialog.RadioGroup1->setItems({ "BelegNr.", "Empfänger" });
    dialog.setSearchRoutine([this](TfrmSuche &d) { registerRoutine(d); });
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Stammdaten-Suche");
    EXPECT_EQ(dialog.RadioGroup1->title(), "Suche nach:");
    EXPECT_EQ(dialog.RadioGroup1->itemIndex(), -1) << "no key is chosen at the start";

    QTest::keyClicks(dialog.Edit1, "1");
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls().at(0).kind, DialogKind::Error);
    EXPECT_EQ(dialogs.calls().at(0).text, "Sie müßen erst angeben, nach was \rgesucht werden soll!");
    EXPECT_EQ(dialog.Edit1->text(), "");

    dialog.RadioGroup1->button(0)->click();
    dialog.Edit1->setText("44");
    EXPECT_EQ(routineRuns, 0) << "typing alone does not search";
    QTest::keyClick(dialog.Edit1, Qt::Key_Return);
    EXPECT_EQ(routineRuns, 1);
    EXPECT_EQ(shownNumbers(), QList<int>({ 44 }));
    EXPECT_TRUE(dialog.isVisible()) << "Enter in the text searches, it does not close";

    dialog.Edit1->clear();
    QTest::keyClick(dialog.Edit1, Qt::Key_Return);
    EXPECT_EQ(shownNumbers(), QList<int>({ 44 })) << "an empty text leaves the filter as it is";
    EXPECT_EQ(dialogs.calls().size(), 1);
}

TEST_F(SearchDialogsTest, SucheClosesFromGridAndKeys)
{
    struct Case {
        const char *what;
        std::function<void(TfrmSuche &)> act;
        int result;
    };
    const QVector<Case> cases = {
        { "Enter in the grid", [](TfrmSuche &d) { QTest::keyClick(d.DBGrid1, Qt::Key_Return); }, QDialog::Accepted },
        { "Escape in the grid", [](TfrmSuche &d) { QTest::keyClick(d.DBGrid1, Qt::Key_Escape); }, QDialog::Rejected },
        { "double click in the grid",
            [](TfrmSuche &d) {
                const QRect cell = d.DBGrid1->visualRect(d.DBGrid1->model()->index(0, 0));
                QTest::mouseClick(d.DBGrid1->viewport(), Qt::LeftButton, {}, cell.center());
                QTest::mouseDClick(d.DBGrid1->viewport(), Qt::LeftButton, {}, cell.center());
            },
            QDialog::Accepted },
        { "Übernehmen", [](TfrmSuche &d) { d.BtnUebernehmen->click(); }, QDialog::Accepted },
        { "Abbruch", [](TfrmSuche &d) { d.BtnAbbruch->click(); }, QDialog::Rejected },
        { "Enter on the form", [](TfrmSuche &d) { QTest::keyClick(&d, Qt::Key_Return); }, QDialog::Accepted },
        { "Escape on the form", [](TfrmSuche &d) { QTest::keyClick(&d, Qt::Key_Escape); }, QDialog::Rejected },
    };
    for (const Case &c : cases) {
        TfrmSuche dialog;
        dialog.setDataSet(&table);
        dialog.show();
        dialog.setResult(-1);
        c.act(dialog);
        EXPECT_EQ(dialog.result(), c.result) << c.what;
        EXPECT_FALSE(dialog.isVisible()) << c.what;
    }
}

TEST_F(SearchDialogsTest, SearchDlgRunsTheRoutineOnEveryChange)
{
    TSearchDlg dialog;
    dialog.setDataSet(&table);
    QStringList seen;
    dialog.setSearchRoutine([&seen](TSearchDlg &d) {
        seen.append((d.byNumber() ? QStringLiteral("Nr:") : QStringLiteral("Name:")) + d.searchText());
    });
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), TfrmMain::applicationTitle()) << "never the program's file name";
    QDialog owner;
    owner.setWindowTitle(QStringLiteral("Regiezentrum: EUR. 1"));
    EXPECT_EQ(TSearchDlg(&owner).windowTitle(), "Regiezentrum: EUR. 1") << "the caption of the register it searches";
    EXPECT_TRUE(dialog.RadioButton1->isChecked());
    EXPECT_EQ(dialog.RadioButton1->text(), "nach Beleg-Nr.");
    EXPECT_EQ(dialog.RadioButton2->text(), "nach Name");

    QTest::keyClicks(dialog.Edit1, "12");
    dialog.RadioButton2->click();
    EXPECT_EQ(seen, QStringList({ "Nr:1", "Nr:12" })) << "choosing the kind does not search again";
    QTest::keyClick(dialog.Edit1, Qt::Key_Backspace);
    EXPECT_EQ(seen.last(), "Name:1");

    QTest::keyClick(dialog.Edit1, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    struct Case {
        const char *what;
        std::function<void(TSearchDlg &)> act;
        int result;
    };
    const QVector<Case> cases = {
        { "Enter released in the grid", [](TSearchDlg &d) { QTest::keyClick(d.DBGrid1, Qt::Key_Return); },
            QDialog::Accepted },
        { "Escape", [](TSearchDlg &d) { QTest::keyClick(d.Edit1, Qt::Key_Escape); }, QDialog::Rejected },
        { "OK", [](TSearchDlg &d) { d.OKBtn->click(); }, QDialog::Accepted },
        { "Abbruch", [](TSearchDlg &d) { d.CancelBtn->click(); }, QDialog::Rejected },
    };
    for (const Case &c : cases) {
        TSearchDlg other;
        other.setDataSet(&table);
        other.show();
        other.setResult(-1);
        c.act(other);
        EXPECT_EQ(other.result(), c.result) << c.what;
    }
}

} // namespace
