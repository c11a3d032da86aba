#include "transportfixture.h"

#include "platform/clock.h"
#include "platform/dataedit.h"
#include "shell/positiongrid.h"
#include "transport/tfrmlieferschein.h"
#include "transport/tfrmlieferscheinanl.h"
#include "transport/tfrmpali.h"
#include "transport/tfrmpaliex.h"
#include "transport/tfrmregielieferschein.h"
#include "transport/tfrmregiepackliste.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QToolButton>

using namespace transport;
using platform::DialogAnswer;
using shell::PositionGrid;

namespace {

const int Template = 2000000000;

QLineEdit *lineEdit(shell::EntryWindow &window, const QString &name)
{
    return qobject_cast<QLineEdit *>(window.control(name));
}

// Clicks a button of the position grid; the line window it opens is read and closed.
void clickOpening(PositionGrid &grid, PositionGrid::Button button, const std::function<void(QDialog *)> &read = {})
{
    testsupport::onNextModal([read](QDialog *dialog) {
        if (read)
            read(dialog);
        dialog->close();
    });
    grid.button(button)->click();
}

} // namespace

TEST_F(TransportTest, PackingListLinesAreAddedAfterTheHighestAndNumberedAnewAfterADeletion)
{
    addHead(PackingListTables::Heads, "belegnr", 12, { { "Datum", "24.12.2025" } });
    for (const char *number : { "1", "2", "3", "4" })
        addLine(12, number, { { "bez", QString::fromLatin1("Kiste ") + number } });
    TfrmRegiePackliste packingLists;
    ASSERT_TRUE(packingLists.head().findKey({ 12 }));
    Tfrmpali window(packingLists);
    window.setNumberText("BelegNr: 12");
    window.show();
    QString status;
    clickOpening(*window.positionGrid(), PositionGrid::Add,
        [&status](QDialog *dialog) { status = static_cast<TfrmPaliex *>(dialog)->statusText(1); });
    EXPECT_EQ(status, "BelegNr: 12 (5. Position)");
    EXPECT_EQ(lineColumn(PackingListTables::Lines, 12, "auftrnr"), QStringList({ "1", "2", "3", "4", "5" }));
    EXPECT_EQ(lineColumn(PackingListTables::Lines, 12, "datu").last(), "24.12.2025");

    platform::Table &lines = *packingLists.positions();
    lines.first();
    lines.next();
    dialogs.answer(DialogAnswer::Ok);
    window.positionGrid()->button(PositionGrid::Delete)->click();
    EXPECT_EQ(lineColumn(PackingListTables::Lines, 12, "auftrnr"), QStringList({ "1", "2", "3", "4" }));
    EXPECT_EQ(lineColumn(PackingListTables::Lines, 12, "bez"), QStringList({ "Kiste 1", "Kiste 3", "Kiste 4", "" }));
    window.close();
}

TEST_F(TransportTest, ANewLineOfAHeadWithoutDateHasNoDate)
{
    addHead(PackingListTables::Heads, "belegnr", 3, { { "Datum", "bald" } });
    TfrmRegiePackliste packingLists;
    ASSERT_TRUE(packingLists.head().findKey({ 3 }));
    Tfrmpali window(packingLists);
    window.show();
    clickOpening(*window.positionGrid(), PositionGrid::Add);
    EXPECT_EQ(lineColumn(PackingListTables::Lines, 3, "datu"), QStringList({ "" }));
    EXPECT_TRUE(dialogs.texts().isEmpty());
    window.close();
}

TEST_F(TransportTest, TheTareFollowsGrossAndNetWeight)
{
    addHead(PackingListTables::Heads, "belegnr", 4);
    addLine(4, "1");
    TfrmRegiePackliste packingLists;
    ASSERT_TRUE(packingLists.head().findKey({ 4 }));
    Tfrmpali entry(packingLists);
    packingLists.positions()->edit();
    TfrmPaliex window(entry);
    window.show();
    EXPECT_FALSE(window.mnuDrucken->isVisible()) << "the line window's menu is Schließen alone";
    struct Case {
        QString gross;
        QString net;
        QString tare;
        QString message;
    };
    const Case cases[] = {
        { "120,5", "100", "20,50", "" },
        { "12a", "100", "20,50", "Ungültige Eingabe" },
        { "", "5", "20,50", "" },
    };
    for (const Case &c : cases) {
        dialogs.clear();
        lineEdit(window, "DBEdit5")->setText(c.gross);
        lineEdit(window, "DBEdit6")->setText(c.net);
        EXPECT_EQ(lineEdit(window, "DBEdit7")->text(), c.tare) << c.gross.toStdString();
        EXPECT_EQ(dialogs.texts().value(0), c.message) << c.gross.toStdString();
    }
    lineEdit(window, "DBEdit5")->setText("120,5");
    window.close();
    EXPECT_EQ(lineColumn(PackingListTables::Lines, 4, "tara"), QStringList({ "115,5" }));
}

TEST_F(TransportTest, NewDeliveryNotePositionsTakeTheTemplatePositionExceptInTheTemplate)
{
    addHead(DeliveryNoteTables::Heads, "BelegNr", Template);
    addNotePosition(Template, 1, { { "L28", "4711" }, { "L30", "1" }, { "L29_1", "Schrauben" } });
    addHead(DeliveryNoteTables::Heads, "BelegNr", 6);
    addNotePosition(6, 1, { { "L28", "1" } });
    addNotePosition(6, 2, { { "L28", "2" } });
    TfrmRegieLieferschein notes;
    const QString positions = DeliveryNoteTables::Positions;
    {
        ASSERT_TRUE(notes.head().findKey({ 6 }));
        TfrmLieferschein window(notes);
        window.show();
        bool printMenu = true;
        clickOpening(*window.positionGrid(), PositionGrid::Add, [&printMenu](QDialog *dialog) {
            printMenu = static_cast<shell::EntryWindow *>(dialog)->mnuDrucken->isVisible();
        });
        EXPECT_FALSE(printMenu) << "the position window's menu is Schließen alone";
        window.close();
    }
    EXPECT_EQ(stored(positions, { 6, 3 }, "L28"), "4711");
    EXPECT_EQ(stored(positions, { 6, 3 }, "L30"), "1");
    EXPECT_EQ(stored(positions, { 6, 3 }, "L29_1"), "Schrauben");
    {
        ASSERT_TRUE(notes.head().findKey({ Template }));
        TfrmLieferschein window(notes);
        window.show();
        clickOpening(*window.positionGrid(), PositionGrid::Add, [](QDialog *dialog) {
            EXPECT_EQ(lineEdit(*static_cast<shell::EntryWindow *>(dialog), "DBEdit2")->text(), "");
        });
        window.close();
    }
    EXPECT_EQ(stored(positions, { Template, 2 }, "L28"), "");
    EXPECT_EQ(lineColumn(positions, Template, "Pos"), QStringList({ "1", "2" }));
}

TEST_F(TransportTest, WithoutATemplatePositionNewPositionsStartEmpty)
{
    addHead(DeliveryNoteTables::Heads, "BelegNr", 6);
    TfrmRegieLieferschein notes;
    // The register made the template position; it is gone again.
    {
        platform::Table t(platform::Alias::Data, DeliveryNoteTables::Positions);
        t.open();
        t.emptyTable();
    }
    notes.positions()->refresh();
    ASSERT_TRUE(notes.head().findKey({ 6 }));
    TfrmLieferschein window(notes);
    EXPECT_TRUE(window.templateValues().isEmpty());
    window.show();
    clickOpening(*window.positionGrid(), PositionGrid::Add);
    window.close();
    EXPECT_EQ(stored(DeliveryNoteTables::Positions, { 6, 1 }, "L28"), "");
}

TEST_F(TransportTest, TheFortyFifthPositionIsRefusedInTheWindowAndDeletingRenumbers)
{
    addHead(DeliveryNoteTables::Heads, "BelegNr", 5);
    for (int pos = 1; pos <= 44; ++pos)
        addNotePosition(5, pos, { { "L28", QString::number(pos) } });
    TfrmRegieLieferschein notes;
    ASSERT_TRUE(notes.head().findKey({ 5 }));
    TfrmLieferschein window(notes);
    window.show();
    window.positionGrid()->button(PositionGrid::Add)->click();
    EXPECT_EQ(dialogs.texts().value(0), "Sie Haben diese Seite \rbereits vollständig ausgefüllt");
    EXPECT_EQ(lineColumn(DeliveryNoteTables::Positions, 5, "Pos").size(), 44);

    platform::Table &positions = *notes.positions();
    positions.first();
    positions.next();
    dialogs.answer(DialogAnswer::Ok);
    window.positionGrid()->button(PositionGrid::Delete)->click();
    const QStringList articles = lineColumn(DeliveryNoteTables::Positions, 5, "L28");
    EXPECT_EQ(articles.mid(0, 3), QStringList({ "1", "3", "4" }));
    EXPECT_EQ(lineColumn(DeliveryNoteTables::Positions, 5, "Pos").last(), "43");
    EXPECT_EQ(positions.fieldByName("Pos").asInteger(), 1) << "the list ends on its first position";
    window.close();
}

TEST_F(TransportTest, TheOtherMeansOfDeliveryNamesItsTextInTheStatusBar)
{
    addHead(DeliveryNoteTables::Heads, "BelegNr", 5, { { "L7_9", "Bahn" } });
    TfrmRegieLieferschein notes;
    ASSERT_TRUE(notes.head().findKey({ 5 }));
    TfrmLieferschein window(notes);
    window.show();
    window.activateWindow();
    window.focusControl("DBCheckBox10");
    QApplication::processEvents();
    EXPECT_EQ(window.statusText(0), "7. Anlieferung - Bahn");
    window.close();
}
