#include "intrastatfixture.h"

#include "intrastat/tfrmintra_d.h"
#include "platform/printerservice.h"
#include "shell/radiogroup.h"

#include <QLineEdit>
#include <QPushButton>

using namespace intrastat;
using platform::CanvasCall;
using platform::DialogAnswer;

namespace {

// 203 x 289 mm printable, no user offsets: x - 35, y - 40, y upwards.
QPoint device(int x, int y)
{
    return { x - 35, -(y - 40) };
}

} // namespace

class PrintTest : public IntrastatTest
{
protected:
    // The print window of declaration 5 with its positions.
    std::unique_ptr<TfrmIntra_d> openPrint(bool dispatch, int positions, int copies = 1)
    {
        const Direction direction { dispatch };
        addHead(direction.headTable(), 5,
            { { "int1_1", "DE123456789" }, { "int2_1", "03" }, { "int2_2", "24" }, { "int20_1", "Bremen" } });
        for (int pos = 1; pos <= positions; ++pos) {
            addPosition(direction.positionTable(), 5, pos,
                { { "int6_1", QStringLiteral("Ware %1").arg(pos) }, { "int13_1", "84713000" }, { "int14_1", "US" } });
        }
        platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
        rows.open();
        shell::createPrintRow(rows, direction.printRow(), "0");
        rows.findKey({ direction.printRow() });
        rows.edit();
        rows.fieldByName("Anzahl_Kopien").setAsInteger(copies);
        rows.post();
        auto window = std::make_unique<TfrmIntra_d>(direction);
        window->setWindowTitle(QStringLiteral("Intrastat Druck - ") + direction.name() + " 5");
        EXPECT_TRUE(window->findDocument(5));
        window->show();
        return window;
    }

    // The position texts ("Ware n") of every job in order.
    QList<QStringList> wareOfJobs()
    {
        QList<QStringList> jobs;
        for (const auto &job : printers.canvas().jobs()) {
            QStringList ware;
            for (const CanvasCall &call : printers.canvas().texts(job.number)) {
                if (call.text.startsWith("Ware "))
                    ware << call.text.mid(5);
            }
            jobs << ware;
        }
        return jobs;
    }
};

TEST_F(PrintTest, FourPositionsASheetAndThePageChoice)
{
    struct Case {
        int positions;
        int choice; // 0 Alles, 1 von bis, 2 Seite
        QString from;
        QString to;
        int copies;
        QString caption;
        QList<QStringList> jobs;
    };
    const Case cases[] = {
        { 0, 0, {}, {}, 1, "Mögliche Seiten 1 - 0. ", { {} } },
        { 0, 2, "1", {}, 1, "Mögliche Seiten 1 - 0. ", {} },
        { 4, 0, {}, {}, 1, "Mögliche Seiten 1 - 1. ", { { "1", "2", "3", "4" } } },
        { 5, 0, {}, {}, 1, "Mögliche Seiten 1 - 2. ", { { "1", "2", "3", "4" }, { "5" } } },
        { 9, 0, {}, {}, 1, "Mögliche Seiten 1 - 3. ", { { "1", "2", "3", "4" }, { "5", "6", "7", "8" }, { "9" } } },
        { 5, 1, "2", "9", 1, "Mögliche Seiten 1 - 2. ", { { "5" } } },
        { 9, 2, "2", {}, 2, "Mögliche Seiten 1 - 3. ", { { "5", "6", "7", "8" }, { "5", "6", "7", "8" } } },
        { 4, 0, {}, {}, 0, "Mögliche Seiten 1 - 1. ", {} },
    };
    for (const Case &c : cases) {
        TearDown();
        SetUp();
        printers.canvas().clear();
        auto window = openPrint(false, c.positions, c.copies);
        EXPECT_EQ(window->pageGroup()->title(), c.caption);
        window->pageGroup()->setItemIndex(c.choice);
        if (c.choice == 1) {
            window->firstPageEdit()->setText(c.from);
            window->lastPageEdit()->setText(c.to);
        } else if (c.choice == 2) {
            window->singlePageEdit()->setText(c.from);
        }
        dialogs.answer(DialogAnswer::Ok);
        window->BtnOK->click();
        EXPECT_EQ(wareOfJobs(), c.jobs) << c.positions << " positions, choice " << c.choice;
        EXPECT_FALSE(window->isVisible()) << "the window closes after printing";
        for (const auto &job : printers.canvas().jobs())
            EXPECT_EQ(job.title, "Export / Versand: Intrastat");
    }
}

TEST_F(PrintTest, TheBlocksStandInataApartAndTheFieldsInTheirBoxes)
{
    struct Case {
        QVariant inta;
        QList<int> blocks;
    };
    const Case cases[] = { { 500, { 860, 1360, 1860, 2360 } }, { QVariant(), { 860, 1345, 1830, 2315 } },
        { 0, { 860, 1345, 1830, 2315 } } };
    for (const Case &c : cases) {
        TearDown();
        SetUp();
        printers.canvas().clear();
        setParameter("Inta", c.inta);
        auto window = openPrint(false, 4);
        dialogs.answer(DialogAnswer::Ok);
        window->BtnOK->click();
        platform::RecordingCanvas &canvas = printers.canvas();
        ASSERT_EQ(canvas.jobCount(), 1);
        for (int k = 0; k < 4; ++k) {
            const int base = c.blocks.at(k);
            const QPoint description = device(240, base);
            EXPECT_EQ(canvas.textAt(description.x(), description.y()), QStringLiteral("Ware %1").arg(k + 1))
                << c.inta.toString().toStdString();
            const QPoint pos = device(920 + 50, base);
            EXPECT_EQ(canvas.textAt(pos.x(), pos.y()), QString::number(k + 1)) << "a blank before one digit";
            const QPoint goods = device(920 + 50 * 7, base + 130);
            EXPECT_EQ(canvas.textAt(goods.x(), goods.y()), "0") << "the eighth box of the goods number";
        }
        const QPoint vat = device(240 + 50 * 2, 190);
        EXPECT_EQ(canvas.textAt(vat.x(), vat.y()), "1");
        EXPECT_EQ(canvas.findText("Ware 1")->font.height, -35);
        EXPECT_EQ(canvas.findText("Bremen")->font.height, -40);
        const QPoint place = device(1130, 2800);
        EXPECT_EQ(canvas.textAt(place.x(), place.y()), "Bremen");
    }
}

TEST_F(PrintTest, CancellingTheFormQuestionPrintsNothingAndKeepsTheWindow)
{
    auto window = openPrint(true, 2);
    EXPECT_EQ(window->BtnOK->text(), "Drucken");
    EXPECT_EQ(window->BtnAbbruch->text(), "Abbruch");
    dialogs.answer(DialogAnswer::Cancel);
    window->BtnOK->click();
    EXPECT_EQ(dialogs.lastCall().text, "Bitte Formular Intrastat in den Drucker einlegen !");
    EXPECT_EQ(printers.canvas().jobCount(), 0);
    EXPECT_TRUE(window->isVisible());

    dialogs.answer(DialogAnswer::Ok);
    window->BtnOK->click();
    ASSERT_EQ(printers.canvas().jobCount(), 1);
    EXPECT_EQ(printers.canvas().findText("U"), nullptr) << "a dispatch prints no country of origin";
}

TEST_F(PrintTest, AMissingRowIsCreatedWithoutPrinter)
{
    const Direction dispatch { true };
    addHead(dispatch.headTable(), 5);
    dialogs.answerIndex(0);
    TfrmIntra_d window(dispatch);
    platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
    rows.open();
    ASSERT_TRUE(rows.findKey({ "INTRASTAT - VERSAND" }));
    EXPECT_EQ(dialogs.calls().value(0).text, "Es wurde kein Drucker ausgewählt!");
    EXPECT_EQ(rows.fieldByName("schnittst").asString(), "0") << "the printer chosen then";
}
