#include "atlasfixture.h"

#include "atlas/epasfields.h"
#include "atlas/tatlasepasprintfrm.h"
#include "platform/field.h"
#include "platform/printcanvas.h"
#include "shell/printsettings.h"
#include "shell/users.h"
#include "support/modaldialog.h"
#include "support/recordingprinters.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

using namespace atlas;
using platform::CanvasCall;

namespace {

// 203 x 289 mm printable, no user offsets: X = 35, Y = -40; the main sheet
// prints 1 mm right and 2 mm down, the list pages 5 mm down.
QPoint onMainSheet(int x, int d)
{
    return { x - 25, -d + 20 };
}

QPoint onListPage(int x, int d)
{
    return { x - 35, -d - 10 };
}

} // namespace

class EpasPrintTest : public AtlasTest
{
protected:
    void SetUp() override
    {
        shell::registerUserTables();
        AtlasTest::SetUp();
        printers.canvas().clear();
    }

    static void setCopies(int copies)
    {
        platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
        rows.open();
        for (const QString &name : { EpasMainRow, EpasListRow }) {
            shell::createPrintRow(rows, name, "0");
            rows.findKey({ name });
            rows.edit();
            rows.fieldByName("Anzahl_Kopien").setAsInteger(copies);
            rows.post();
        }
    }

    // Prints the declaration as OK does, with the fields as given.
    void print(int number, const TEpasPrintFields &fields = {})
    {
        TAtlasEPASPrintFrm window;
        ASSERT_TRUE(window.loadDeclaration(number));
        window.Fields = fields;
        window.printDocument();
        formCount = window.FormCount;
        progress = window.progressBar()->maximum();
    }

    QString mainText(int job, int x, int d)
    {
        const QPoint at = onMainSheet(x, d);
        return printers.canvas().textAt(at.x(), at.y(), printers.canvas().jobs().value(job).number);
    }

    QString listText(int job, int x, int d)
    {
        const QPoint at = onListPage(x, d);
        return printers.canvas().textAt(at.x(), at.y(), printers.canvas().jobs().value(job).number);
    }

    // The texts of the copy notes and list footers, one per job: what each
    // sheet is.
    QStringList sheets()
    {
        QStringList kinds;
        for (const auto &job : printers.canvas().jobs()) {
            QString kind = "?";
            for (const CanvasCall &call : printers.canvas().texts(job.number)) {
                if (call.font.angle == 2700)
                    kind = "copy " + call.text.mid(call.text.indexOf("für") + 4, 5);
                if (call.text == "EPAS - LISTE DER WARENPOSITION - AUSFUHR")
                    kind = "list";
            }
            kinds << kind;
        }
        return kinds;
    }

    // The item numbers drawn in the Pos boxes of a list job.
    QStringList itemsOn(int job)
    {
        QStringList items;
        for (const CanvasCall &call : printers.canvas().texts(printers.canvas().jobs().value(job).number)) {
            if (call.x == 210 - 35 && call.text.startsWith("#"))
                items << call.text;
        }
        return items;
    }

    static void addItems(int number, int count, const QString &description = {})
    {
        for (int pos = 1; pos <= count; ++pos)
            addItem(number, pos, { { "WarenBez", description }, { "Menge", QStringLiteral("#%1").arg(pos) } });
    }

    testsupport::RecordingPrinters printers;
    int formCount = 0;
    int progress = 0;
};

TEST_F(EpasPrintTest, DialogOkCutsTheEntriesAndCancelLeavesTheRecordAsItWas)
{
    TEpasPrintFields fields;
    fields.AfZst = "DE004500";
    fields.Bewilligung = "BEW-1";
    fields.OrtDatum = ", 15.03.2024";
    const TEpasPrintFields before = fields;
    testsupport::onNextModal([](QDialog *dialog) {
        auto *form = static_cast<TEPAS_FelderFrm *>(dialog);
        EXPECT_EQ(form->windowTitle(), "Druck EPAS-Ausfuhr/Sicherheit");
        EXPECT_EQ(form->Edit1->text(), ", 15.03.2024");
        EXPECT_EQ(form->Label7->text(), "DE004500");
        EXPECT_EQ(form->Label8->text(), "15.03.2024");
        EXPECT_EQ(form->Label9->text(), "BEW-1");
        form->Edit1->setText("Anderer Ort");
        form->BtnAbbrechen->click();
    });
    EXPECT_FALSE(TEPAS_FelderFrm::EditEpasPrintFields(fields));
    EXPECT_EQ(fields, before);

    // The edits hold at most the field's length; OK cuts whatever they hold.
    TEPAS_FelderFrm form;
    form.load(fields);
    const QString long40(40, QChar('x'));
    for (QLineEdit *edit : { form.Edit1, form.Edit2, form.Edit6, form.Edit8 }) {
        edit->setMaxLength(100);
        edit->setText(long40);
    }
    form.store(fields);
    EXPECT_EQ(fields.OrtDatum.size(), 35);
    EXPECT_EQ(fields.Ansprechpartner1.size(), 35);
    EXPECT_EQ(fields.BegonnenAm.size(), 20);
    EXPECT_EQ(fields.Sonderstempel.size(), 20);
    EXPECT_EQ(fields.AfZst, "DE004500") << "the stamp's office is not edited";
}

TEST_F(EpasPrintTest, MissingDeclarationAndTheContactOfTheFirstPartyWithAClerk)
{
    TAtlasEPASPrintFrm::PrintEpas(4711);
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.lastCall().caption, "Fehler!");
    EXPECT_EQ(dialogs.lastCall().text, "Die BelegNr konnte nicht gefunden werden!");
    EXPECT_EQ(printers.canvas().jobCount(), 0);

    struct Case {
        QVariantMap head;
        QStringList contact;
    };
    const QList<Case> cases = {
        { {}, { "", "", "" } },
        { { { "ANM_Stellung", "Leitung" }, { "ANM_Telefon", "1" }, { "EXP_Bearbeiter", "Meier" },
              { "EXP_Stellung", "Versand" }, { "EXP_Telefon", "0711 55" }, { "VER_Bearbeiter", "Huber" } },
            { "Versand", "Meier", "0711 55" } },
        { { { "SUB_Bearbeiter", "Roth" }, { "SUB_Telefon", "089" } }, { "", "Roth", "089" } },
    };
    int number = 100;
    for (const Case &c : cases) {
        QVariantMap head = c.head;
        head.insert("AusfuhrZollstelle", "DE004500XYZ");
        head.insert("BewilligungsNummer", "123456789012");
        addHead(++number, head);
        TAtlasEPASPrintFrm window;
        ASSERT_TRUE(window.loadDeclaration(number));
        TEpasPrintFields shown;
        testsupport::onNextModal([&shown](QDialog *dialog) {
            static_cast<TEPAS_FelderFrm *>(dialog)->store(shown);
            static_cast<TEPAS_FelderFrm *>(dialog)->BtnOK->click();
        });
        EXPECT_TRUE(window.PrepareEpasFields());
        EXPECT_EQ(window.Fields.OrtDatum, ", 15.03.2024") << "the clerk types the place in front";
        EXPECT_EQ(window.Fields.AfZst, "DE004500XY") << "cut to 10";
        EXPECT_EQ(QStringList({ window.Fields.Ansprechpartner1, window.Fields.Ansprechpartner2,
                      window.Fields.Ansprechpartner3 }),
            c.contact);
        EXPECT_EQ(window.Fields.Ansprechpartner4, "");
    }
}

TEST_F(EpasPrintTest, OneSetIsTheMainSheetsThreeCopiesThenEachListPageThreeTimes)
{
    addHead(7, { { "Bezugsnummer", "REF-7" } });
    addItems(7, 1, "Pumpen");
    setCopies(1);
    print(7);
    EXPECT_EQ(sheets(), QStringList({ "copy das V", "copy die S", "copy den V", "list", "list", "list" }));
    EXPECT_EQ(formCount, 2);
    EXPECT_EQ(progress, 6);
    for (const auto &job : printers.canvas().jobs())
        EXPECT_EQ(job.title, "Export / Versand: EPAS - Ausfuhr/Sicherheit");
    EXPECT_EQ(mainText(0, 1155, 220), "1");
    EXPECT_EQ(mainText(0, 1235, 220), "2");
    EXPECT_EQ(mainText(0, 1510, 300), "REF-7");
    EXPECT_EQ(listText(3, 1125, 215), "2") << "page 2 ...";
    EXPECT_EQ(listText(3, 1200, 215), "2") << "... of 2";
    EXPECT_EQ(listText(5, 1125, TAtlasEPASPrintFrm::ListTop), "Pumpen");

    printers.canvas().clear();
    setCopies(2);
    print(7);
    EXPECT_EQ(sheets(),
        QStringList({ "copy das V", "copy die S", "copy den V", "list", "list", "list", "copy das V", "copy die S",
            "copy den V", "list", "list", "list" }));

    printers.canvas().clear();
    setCopies(0);
    print(7);
    EXPECT_EQ(printers.canvas().jobCount(), 0) << "no sets, nothing printed";
}

TEST_F(EpasPrintTest, WithoutItemsOnlyTheMainSheetsPrint)
{
    addHead(8);
    print(8);
    EXPECT_EQ(sheets(), QStringList({ "copy das V", "copy die S", "copy den V" }));
    EXPECT_EQ(mainText(2, 1155, 220), "1");
    EXPECT_EQ(mainText(2, 1235, 220), "2");
    EXPECT_EQ(mainText(2, 1155, 300), "0") << "box 5";
    EXPECT_EQ(mainText(2, 1055, 815), "0") << "box 19";
}

TEST_F(EpasPrintTest, ItemsRunOverListPagesEachPrintedOnceAndTheCountMatches)
{
    // Blocks of about 400: four fit between 596 and 2750, the fifth starts page 3.
    const QString longText = QString("Ersatzteile ").repeated(60);
    addHead(9);
    addItems(9, 7, longText);
    // An item taller than a whole page gets a page of its own, cut at the foot.
    addItem(9, 8, { { "WarenBez", QString("Dichtung ").repeated(2000) }, { "Menge", "#8" } });
    addItemEntry(Tables::Container, 9, 8, 1, { { "Nummer", "MSKU1234567" } });
    print(9);

    QStringList kinds = sheets();
    const int lists = int(kinds.count("list"));
    EXPECT_EQ(lists % 3, 0);
    EXPECT_EQ(formCount, 1 + lists / 3) << "N counts the pages printed";
    EXPECT_GE(formCount, 4) << "the seven items overflow the first list page, the tall one has its own";
    EXPECT_EQ(mainText(0, 1235, 220), QString::number(formCount));
    EXPECT_EQ(mainText(0, 1055, 815), "1") << "an item has a container";

    QStringList printed;
    for (int job = 3; job < kinds.size(); job += 3) {
        EXPECT_EQ(itemsOn(job), itemsOn(job + 1));
        EXPECT_EQ(itemsOn(job), itemsOn(job + 2));
        EXPECT_EQ(listText(job, 1200, 215), QString::number(formCount));
        printed << itemsOn(job);
        // Nothing of the items is drawn below the foot of the list.
        for (const CanvasCall &call : printers.canvas().texts(printers.canvas().jobs().value(job).number)) {
            if (call.text.startsWith("Dichtung") || call.text.startsWith("Ersatzteile")) {
                EXPECT_GE(call.y, onListPage(0, TAtlasEPASPrintFrm::ListFoot).y());
            }
        }
    }
    EXPECT_EQ(printed, QStringList({ "#1", "#2", "#3", "#4", "#5", "#6", "#7", "#8" }));
    EXPECT_EQ(itemsOn(kinds.size() - 1), QStringList({ "#8" })) << "the tall item alone on the last page";
}

TEST_F(EpasPrintTest, MainSheetValuesComputedFromTheDeclaration)
{
    struct Case {
        QVariantMap head;
        QStringList route;
        QPoint at;
        QString expected;
    };
    const QList<Case> cases = {
        { { { "ANM_TIN", "DE111" } }, {}, { 650, 610 }, "DE111" },
        { { { "ANM_TIN", "DE111" }, { "VER_TIN", "DE222" } }, {}, { 650, 610 }, "DE111, DE222" },
        { {}, { "DE", "AT" }, { 1155, 730 }, "DE,AT" },
        { { { "LadeOrt_Code", "4711" }, { "LadeOrt_Street", "Hafenstr. 1" } }, {}, { 690, 1070 }, "4711" },
        { { { "LadeOrt_Street", "Hafenstr. 1" }, { "LadeOrt_Plz", "28195" }, { "LadeOrt_Ort", "Bremen" } }, {},
            { 690, 1070 }, "Hafenstr. 1 28195 Bremen" },
        { { { "GeschArt", "11" } }, {}, { 1890, 900 }, "1" },
    };
    int number = 200;
    for (const Case &c : cases) {
        addHead(++number, c.head);
        for (int i = 0; i < c.route.size(); ++i)
            addHeadEntry(Tables::Route, number, i + 1, "Land", c.route.at(i));
        printers.canvas().clear();
        TEpasPrintFields fields;
        fields.OrtDatum = "Bremen, 15.03.2024";
        print(number, fields);
        EXPECT_EQ(mainText(0, c.at.x(), c.at.y()), c.expected) << c.expected.toStdString();
        EXPECT_EQ(mainText(0, 1400, 2605), "Bremen, 15.03.2024");
    }
}

TEST_F(EpasPrintTest, ADeletedSettingsRowIsCreatedAgainWithTheSelectedPrinter)
{
    setCopies(3);
    {
        platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
        rows.open();
        ASSERT_TRUE(rows.findKey({ EpasMainRow }));
        rows.deleteRecord();
    }
    platform::PrinterService::instance().setCurrentIndex(1);
    TAtlasEPASPrintFrm window;
    EXPECT_EQ(window.copiesText(), "3") << "the copies of the list row";
    EXPECT_EQ(window.statusText(), "Drucker: Drucker 2");
    platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
    rows.open();
    ASSERT_TRUE(rows.findKey({ EpasMainRow }));
    EXPECT_EQ(rows.fieldByName("schnittst").asString(), "1");
    EXPECT_EQ(rows.fieldByName("Anzahl_Kopien").asInteger(), 1);
    EXPECT_EQ(rows.fieldByName("spalte").asInteger(), 0);
    EXPECT_EQ(rows.fieldByName("zeile").asInteger(), 0);
}
