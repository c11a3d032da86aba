#include "transportfixture.h"

#include "platform/clock.h"
#include "shell/mainstate.h"
#include "shell/numberrangedialog.h"
#include "shell/settings.h"
#include "shell/windowfactories.h"
#include "transport/tfrmregielieferschein.h"
#include "transport/tfrmregiepackliste.h"
#include "transport/transportwindows.h"

#include <QToolButton>

using namespace transport;

namespace {

const int Template = 2000000000;

// Answers the copy dialog with the numbers given; the copy then opens in the
// entry window, which is closed at once.
void copyFromTo(int source, int target)
{
    testsupport::onNextModal([source, target](QDialog *dialog) {
        auto *copy = qobject_cast<shell::TCopyDlg *>(dialog);
        ASSERT_NE(copy, nullptr);
        copy->setFromNumber(source);
        copy->setToNumber(target);
        testsupport::onNextModal([](QDialog *entry) { entry->close(); });
        copy->OKBtn->click();
    });
}

void deleteRange(int from, int to)
{
    testsupport::onNextModal([from, to](QDialog *dialog) {
        auto *range = qobject_cast<shell::TDeleteDlg *>(dialog);
        ASSERT_NE(range, nullptr);
        range->setFromNumber(from);
        range->setToNumber(to);
        range->OKBtn->click();
    });
}

class TodayFixed
{
public:
    TodayFixed() { platform::Clock::setFixed(QDateTime(QDate(2026, 3, 5), QTime(9, 0))); }
    ~TodayFixed() { platform::Clock::reset(); }
};

} // namespace

TEST_F(TransportTest, TheMainWindowKeysOpenBothRegisters)
{
    registerTransportWindows();
    const struct {
        const char *key;
        const char *objectName;
        const char *caption;
    } kinds[] = {
        { "Packliste", "TfrmRegiePackliste", "Regiezentrum: Packliste" },
        { "Lieferschein", "TfrmRegieLieferschein", "Regiezentrum: Lieferschein" },
    };
    for (const auto &kind : kinds) {
        std::unique_ptr<shell::DocumentRegister> documentRegister = shell::createDocumentRegister(kind.key);
        ASSERT_NE(documentRegister, nullptr) << kind.key;
        EXPECT_TRUE(shell::windowFactory(kind.key)) << kind.key;
        EXPECT_EQ(documentRegister->objectName(), kind.objectName);
        EXPECT_EQ(documentRegister->windowTitle(), kind.caption);
    }
}

TEST_F(TransportTest, AFreshDirectoryGetsTheTemplatesAndClosingAddsDocumentOne)
{
    TodayFixed today;
    {
        TfrmRegiePackliste packingLists;
        EXPECT_EQ(stored(PackingListTables::Heads, { Template }, "Datum"), "05.03.2026");
        EXPECT_EQ(lineColumn(PackingListTables::Lines, Template, "datu"), QStringList({ "05.03.2026" }));
        packingLists.show();
        packingLists.reject();
    }
    // Packing list 1 without date and without lines; the current number is kept.
    EXPECT_EQ(stored(PackingListTables::Heads, { 1 }, "Datum"), "");
    EXPECT_TRUE(lineColumn(PackingListTables::Lines, 1, "auftrnr").isEmpty());
    EXPECT_EQ(count(PackingListTables::Lines), 1);
    {
        TfrmRegiePackliste again;
        EXPECT_EQ(count(PackingListTables::Lines), 1);
    }

    {
        TfrmRegieLieferschein notes;
        EXPECT_EQ(stored(DeliveryNoteTables::Positions, { Template, 1 }, "Pos"), "1");
        notes.show();
        notes.reject();
    }
    EXPECT_EQ(stored(DeliveryNoteTables::Heads, { 1 }, "Datum"), "05.03.2026");
    EXPECT_EQ(stored(DeliveryNoteTables::Positions, { 1, 1 }, "Pos"), "1");
    {
        TfrmRegieLieferschein again;
        again.show();
        again.reject();
    }
    EXPECT_EQ(count(DeliveryNoteTables::Heads), 2);
    EXPECT_EQ(count(DeliveryNoteTables::Positions), 2);
}

TEST_F(TransportTest, ClosingThePackingListRegisterKeepsItsCurrentNumber)
{
    addHead(PackingListTables::Heads, "belegnr", 7);
    addHead(PackingListTables::Heads, "belegnr", 9);
    TfrmRegiePackliste packingLists;
    packingLists.show();
    ASSERT_TRUE(packingLists.head().findKey({ 7 }));
    packingLists.reject();
    EXPECT_EQ(shell::CurrentDocumentNumber, 7);
}

TEST_F(TransportTest, CopyingAPackingListNumbersItsLinesFromOneAndDatesThemToday)
{
    TodayFixed today;
    addHead(PackingListTables::Heads, "belegnr", 3, { { "Datum", "01.02.2020" }, { "kunde1", "Müller" } });
    addLine(3, "2",
        { { "bez", "Kiste" }, { "contents", "Schrauben\r\nMuttern" }, { "Text", "zerbrechlich" },
            { "datu", QDate(2020, 2, 1) } });
    addLine(3, "5", { { "bez", "Palette" }, { "brutto", 120.5 } });
    addLine(3, "7", { { "bez", "Sack" } });
    TfrmRegiePackliste packingLists;
    packingLists.show();
    copyFromTo(3, 8);
    packingLists.SpeedButton5->click();
    EXPECT_EQ(stored(PackingListTables::Heads, { 8 }, "Datum"), "05.03.2026");
    EXPECT_EQ(stored(PackingListTables::Heads, { 8 }, "kunde1"), "Müller");
    const QString lines = PackingListTables::Lines;
    EXPECT_EQ(lineColumn(lines, 8, "auftrnr"), QStringList({ "1", "2", "3" }));
    EXPECT_EQ(lineColumn(lines, 8, "bez"), QStringList({ "Kiste", "Palette", "Sack" }));
    EXPECT_EQ(lineColumn(lines, 8, "datu"), QStringList({ "05.03.2026", "05.03.2026", "05.03.2026" }));
    EXPECT_EQ(lineColumn(lines, 8, "contents").value(0), "Schrauben\r\nMuttern");
    EXPECT_EQ(lineColumn(lines, 8, "Text").value(0), "zerbrechlich");
    // The source stays as it was.
    EXPECT_EQ(lineColumn(lines, 3, "auftrnr"), QStringList({ "2", "5", "7" }));
    packingLists.reject();
}

TEST_F(TransportTest, NeuMakesAPackingListHeadWithoutLines)
{
    TodayFixed today;
    addHead(PackingListTables::Heads, "belegnr", Template, { { "Datum", "01.01.2000" }, { "mark1", "ACME" } });
    addLine(Template, "1", { { "bez", "Kiste" } });
    addLine(Template, "2", { { "bez", "Sack" } });
    TfrmRegiePackliste packingLists;
    packingLists.show();
    dialogs.answerText("4");
    testsupport::onNextModal([](QDialog *entry) { entry->close(); });
    packingLists.SpeedButton2->click();
    EXPECT_EQ(stored(PackingListTables::Heads, { 4 }, "Datum"), "05.03.2026");
    EXPECT_EQ(stored(PackingListTables::Heads, { 4 }, "mark1"), "ACME");
    EXPECT_TRUE(lineColumn(PackingListTables::Lines, 4, "bez").isEmpty());
    packingLists.reject();
}

TEST_F(TransportTest, DeletingARangeTakesThePositionsAlong)
{
    for (int number : { 10, 12, 13 }) {
        addHead(PackingListTables::Heads, "belegnr", number);
        addLine(number, "1");
        addLine(number, "2");
        addHead(DeliveryNoteTables::Heads, "BelegNr", number);
        addNotePosition(number, 1);
    }
    {
        TfrmRegiePackliste packingLists;
        deleteRange(10, 12);
        packingLists.SpeedButton4->click();
    }
    {
        TfrmRegieLieferschein notes;
        deleteRange(10, 12);
        notes.SpeedButton4->click();
    }
    for (const QString &lines : { PackingListTables::Lines, DeliveryNoteTables::Positions }) {
        for (int number : { 10, 12 })
            EXPECT_TRUE(
                lineColumn(lines, number, lines == DeliveryNoteTables::Positions ? "Pos" : "auftrnr").isEmpty());
    }
    EXPECT_EQ(lineColumn(PackingListTables::Lines, 13, "auftrnr"), QStringList({ "1", "2" }));
    EXPECT_EQ(stored(DeliveryNoteTables::Heads, { 13 }, "BelegNr"), "13");
    EXPECT_EQ(stored(PackingListTables::Heads, { 12 }, "belegnr"), "<none>");
}

TEST_F(TransportTest, CopyingADeliveryNoteCopiesItsPositionsGapsIncluded)
{
    TodayFixed today;
    addHead(DeliveryNoteTables::Heads, "BelegNr", 2, { { "L1_1", "Meier" } });
    addNotePosition(2, 1, { { "L28", "4711" } });
    addNotePosition(2, 3, { { "L28", "4712" } });
    TfrmRegieLieferschein notes;
    notes.show();
    copyFromTo(2, 8);
    notes.SpeedButton5->click();
    EXPECT_EQ(stored(DeliveryNoteTables::Heads, { 8 }, "Datum"), "05.03.2026");
    EXPECT_EQ(lineColumn(DeliveryNoteTables::Positions, 8, "L28"), QStringList({ "4711", "4712" }));
    EXPECT_EQ(lineColumn(DeliveryNoteTables::Positions, 8, "Pos"), QStringList({ "1", "3" }));
    notes.reject();
}

TEST_F(TransportTest, ADeliveryNoteTakesNoMoreThanFortyFourPositions)
{
    addHead(DeliveryNoteTables::Heads, "BelegNr", 5);
    for (int pos = 1; pos <= 43; ++pos)
        addNotePosition(5, pos);
    TfrmRegieLieferschein notes;
    ASSERT_TRUE(notes.head().findKey({ 5 }));
    EXPECT_FALSE(notes.refusesFurtherPosition());
    addNotePosition(5, 44);
    EXPECT_TRUE(notes.refusesFurtherPosition());
    EXPECT_EQ(dialogs.texts().value(0), "Sie Haben diese Seite \rbereits vollständig ausgefüllt");
}
