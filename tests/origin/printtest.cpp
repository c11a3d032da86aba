#include "originfixture.h"

#include "origin/tfrmatr_d.h"
#include "origin/tfrmeur1_d.h"
#include "origin/tfrmeur2_d.h"
#include "origin/tfrmeur_med_d.h"
#include "origin/tfrmregieeur1.h"
#include "origin/tfrmursprung_d.h"
#include "platform/printerservice.h"
#include "platform/schemaregistry.h"
#include "shell/printsettings.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"
#include "shell/tfrmdrucker.h"
#include "shell/tfrmmain.h"
#include "shell/users.h"
#include "support/modaldialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>

using namespace origin;
using platform::CanvasCall;
using platform::DialogAnswer;

namespace {

struct Position {
    QString field;
    int x;
    int y;
};

QVector<Position> column(const QString &prefix, int first, int last, int x, int y, int step, const QString &suffix = {})
{
    QVector<Position> positions;
    for (int n = first; n <= last; ++n, y += step)
        positions.append({ prefix + QString::number(n) + suffix, x, y });
    return positions;
}

// The front page's boxes 1 to 10, the same in every layout.
QVector<Position> frontBoxes1To10()
{
    QVector<Position> p;
    p += column("we1_", 1, 5, 280, 410, 40);
    p += { { "we2_1", 1200, 625 }, { "We2_2", 1200, 750 } };
    p += column("we3_", 1, 8, 280, 695, 40);
    p += { { "we4_1", 1230, 980 }, { "we5_1", 1630, 980 } };
    p += column("we6_", 1, 6, 280, 1090, 40);
    p += column("we7_", 1, 6, 1200, 1090, 40);
    p += { { "Eintrag1", 280, 1500 }, { "Eintrag2", 280, 1540 } };
    for (int line = 3; line <= 25; ++line) {
        const int y = 1580 + 40 * (line - 3);
        p += { { QStringLiteral("Eintrag%1_1").arg(line), 280, y },
            { QStringLiteral("Eintrag%1_2").arg(line), 1610, y },
            { QStringLiteral("Eintrag%1_3").arg(line), 1830, y } };
    }
    return p;
}

struct LayoutCase {
    const char *name;
    int item; // the publisher chosen; -1: none
    QVector<Position> boxes11And12;
    QVector<Position> back;
};

// The case's name in test names and messages.
void PrintTo(const LayoutCase &c, std::ostream *os)
{
    *os << c.name;
}

QVector<Position> backPage(int x, int declared, int circumstances, int evidence, Position place, Position signature)
{
    QVector<Position> p = { { "We14_5", x, declared }, { "We14_6", x, declared + 40 } };
    p += column("we13_", 1, 4, x, circumstances, 40);
    p += column("We13_", 5, 10, x, circumstances + 160, 40);
    p += column("we14_", 1, 4, x, evidence, 40);
    p += column("We14_", 7, 11, x, evidence + 160, 40);
    p += { place, signature };
    return p;
}

const QVector<LayoutCase> &layoutCases()
{
    static const QVector<LayoutCase> cases = {
        { "Orvanta", 0,
            { { "we11_1", 380, 2800 }, { "we11_2", 720, 2800 }, { "we11_3", 300, 2840 }, { "we12_1", 1430, 2870 },
                { "we12_2", 1440, 3060 } },
            backPage(300, 580, 760, 1260, { "we15_1", 1050, 2170 }, { "we15_2", 1060, 2420 }) },
        { "Selmar", 1,
            { { "we11_1", 410, 2720 }, { "we11_2", 750, 2720 }, { "we11_3", 340, 2760 }, { "we12_1", 1430, 2830 },
                { "we12_2", 1440, 3050 } },
            backPage(250, 500, 680, 1140, { "we15_1", 1050, 1960 }, { "we15_2", 1060, 2210 }) },
        { "Andere", 2,
            { { "we11_1", 330, 2740 }, { "we11_2", 710, 2740 }, { "we11_3", 290, 2780 }, { "we12_1", 1430, 2810 },
                { "we12_2", 1440, 2980 } },
            backPage(250, 560, 740, 1240, { "we15_1", 1050, 2120 }, { "we15_2", 1060, 2380 }) },
        { "none chosen", -1,
            { { "we11_1", 380, 2800 }, { "we11_2", 720, 2800 }, { "we11_3", 300, 2840 }, { "we12_1", 1430, 2870 },
                { "we12_2", 1440, 3060 } },
            backPage(300, 580, 760, 1260, { "we15_1", 1050, 2170 }, { "we15_2", 1060, 2420 }) },
    };
    return cases;
}

// Every text field of the table holds its own name.
QVariantMap everyFieldNamed(const QString &table)
{
    QVariantMap values;
    const platform::TableSchema *schema = platform::SchemaRegistry::instance().find(table);
    for (int i = 2; i < schema->fieldCount(); ++i)
        values.insert(schema->fieldAt(i).name, schema->fieldAt(i).name.left(schema->fieldAt(i).size));
    return values;
}

class PrintTest : public OriginTest
{
protected:
    // The EUR.1 print window on document 5, with its register, as Drucken opens it.
    std::unique_ptr<TfrmEur1_d> openEur1()
    {
        m_register = std::make_unique<TfrmRegieEUR1>();
        auto window = std::make_unique<TfrmEur1_d>(m_register.get());
        EXPECT_TRUE(window->findDocument(5));
        window->show();
        return window;
    }

    void TearDown() override
    {
        m_register.reset();
        OriginTest::TearDown();
    }

    // The texts of the n-th job recorded (from 1) as text -> position, the
    // blank at the origin left out.
    QMap<QString, QPoint> textsOf(int n)
    {
        QMap<QString, QPoint> texts;
        const int job = printers.canvas().jobs().value(n - 1).number;
        if (job == 0)
            return texts;
        for (const CanvasCall &call : printers.canvas().texts(job)) {
            if (call.text != QLatin1String(" "))
                texts.insert(call.text, QPoint(call.x, call.y));
        }
        return texts;
    }

    // The data directory's master copy of the print rows of these forms,
    // the one named with a printer and a number of copies.
    void prepareMasterRows(const QString &name, const QString &schnittst, int copies)
    {
        shell::prepareDataDirectory(directory->session());
        addOriginPrintRows(directory->session());
        platform::Table master(platform::Alias::Data, shell::PrintSettingsTable);
        master.open();
        ASSERT_TRUE(master.findKey({ name }));
        master.edit();
        master.fieldByName("schnittst").setAsString(schnittst);
        master.fieldByName("Anzahl_Kopien").setAsInteger(copies);
        master.post();
    }

    // The EUR-MED print window on document 5, as Drucken opens it.
    std::unique_ptr<TfrmEur_Med_d> openEurMed()
    {
        auto window = std::make_unique<TfrmEur_Med_d>();
        EXPECT_TRUE(window->findDocument(5));
        window->show();
        return window;
    }

    std::unique_ptr<shell::DocumentRegister> m_register;
};

class Eur1LayoutTest : public PrintTest, public ::testing::WithParamInterface<LayoutCase>
{
};

// Each layout against the form's coordinate table: 203 x 289 mm printable,
// no corrections: x offset 35, front y offset -270, back y offset -40.
TEST_P(Eur1LayoutTest, PrintsEveryFieldAtItsFormPosition)
{
    const LayoutCase &c = GetParam();
    addRecord(Tables::Eur1, 5, everyFieldNamed(Tables::Eur1));
    addPrintRow(PrintRows::Eur1Front);
    addPrintRow(PrintRows::Eur1Back);
    if (c.item >= 0)
        shell::IniWriteString("EURDruck", QString::number(c.item));
    auto window = openEur1();
    EXPECT_EQ(window->layoutGroup()->itemIndex(), c.item);
    dialogs.answer(DialogAnswer::Ok);
    dialogs.answer(DialogAnswer::Ok);
    window->BtnOK->click();
    ASSERT_EQ(printers.canvas().jobCount(), 2);

    const QVector<Position> pages[2] = { frontBoxes1To10() + c.boxes11And12, c.back };
    const int yoff[2] = { -270, -40 };
    for (int page = 0; page < 2; ++page) {
        QMap<QString, QPoint> expected;
        for (const Position &p : pages[page])
            expected.insert(p.field, QPoint(p.x - 35, -(p.y + yoff[page])));
        EXPECT_EQ(textsOf(page + 1), expected) << c.name << " page " << page + 1;
    }
    EXPECT_EQ(printers.canvas().jobs().at(0).title, "Export / Versand: EUR 1");
}

std::string layoutCaseName(const ::testing::TestParamInfo<LayoutCase> &info)
{
    const char *names[] = { "Orvanta", "Selmar", "Andere", "NoneChosen" };
    return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(Publishers, Eur1LayoutTest, ::testing::ValuesIn(layoutCases()), layoutCaseName);

TEST_F(PrintTest, OffsetsOfPrinterAndUserMoveEveryText)
{
    struct Case {
        const char *name;
        QSize printable;
        int spalte;
        int zeile;
        QPoint we1_1;
        QPoint we14_5;
    };
    const QVector<Case> cases = {
        { "203 x 289", QSize(203, 289), 0, 0, { 245, -140 }, { 265, -540 } },
        { "spalte 10", QSize(203, 289), 10, 0, { 235, -140 }, { 255, -540 } },
        { "zeile 10", QSize(203, 289), 0, 10, { 245, -150 }, { 265, -550 } },
        { "A4 without margins", QSize(210, 297), 0, 0, { 280, -180 }, { 300, -580 } },
        { "202 x 288, negative spalte", QSize(202, 288), -5, 3, { 245, -138 }, { 265, -538 } },
    };
    for (const Case &c : cases) {
        restart();
        printers.canvas().clear();
        printers.canvas().setPrintableSizeMm(c.printable);
        addRecord(Tables::Eur1, 5, { { "we1_1", "we1_1" }, { "we13_1", "Ursprung" }, { "We14_5", "We14_5" } });
        addPrintRow(PrintRows::Eur1Front, "0", c.spalte, c.zeile);
        addPrintRow(PrintRows::Eur1Back, "0", c.spalte, c.zeile);
        auto window = openEur1();
        dialogs.answer(DialogAnswer::Ok);
        dialogs.answer(DialogAnswer::Ok);
        window->BtnOK->click();
        EXPECT_EQ(textsOf(1).value("we1_1"), c.we1_1) << c.name;
        EXPECT_EQ(textsOf(2).value("We14_5"), c.we14_5) << c.name;
        window.reset();
    }
}

TEST_F(PrintTest, CopiesAreJobsOfTheirOwnAndTheBackPagePrintsOnce)
{
    struct Case {
        const char *name;
        int copies;
        DialogAnswer front;
        DialogAnswer back;
        QStringList jobs; // the first text of each job
    };
    const QVector<Case> cases = {
        { "three copies", 3, DialogAnswer::Ok, DialogAnswer::Ok, { "Vorne", "Vorne", "Vorne", "Hinten" } },
        { "front skipped", 3, DialogAnswer::Cancel, DialogAnswer::Ok, { "Hinten" } },
        { "back skipped", 2, DialogAnswer::Ok, DialogAnswer::Cancel, { "Vorne", "Vorne" } },
        { "no copies", 0, DialogAnswer::Ok, DialogAnswer::Ok, { "Hinten" } },
    };
    for (const Case &c : cases) {
        restart();
        printers.canvas().clear();
        addRecord(Tables::Eur1, 5, { { "we1_1", "Vorne" }, { "we14_2", "Hinten" } });
        addPrintRow(PrintRows::Eur1Front, "0", 0, 0, c.copies);
        addPrintRow(PrintRows::Eur1Back, "0", 0, 0, 5);
        auto window = openEur1();
        EXPECT_TRUE(window->sheetCheckBox(1)->isChecked()) << c.name;
        dialogs.answer(c.front);
        dialogs.answer(c.back);
        window->BtnOK->click();
        EXPECT_EQ(dialogs.texts(),
            QStringList({ "Bitte Formular EUR. 1 in Drucker einlegen !",
                "Bitte Formular EUR.1 Rückseite in Drucker einlegen !" }))
            << c.name;
        QStringList jobs;
        for (int job = 1; job <= printers.canvas().jobCount(); ++job)
            jobs << textsOf(job).firstKey();
        EXPECT_EQ(jobs, c.jobs) << c.name;
        EXPECT_FALSE(window->isVisible()) << c.name << ": OK closes the window";
    }
}

TEST_F(PrintTest, TheBackPageNeedsItsCircumstancesOrEvidence)
{
    struct Case {
        QString filled;
        bool back;
    };
    const QVector<Case> cases = {
        { "We14_5", false },
        { "We13_5", false },
        { "we13_1", true },
        { "we13_2", true },
        { "we14_1", true },
        { "we14_2", true },
    };
    for (const Case &c : cases) {
        restart();
        printers.canvas().clear();
        addRecord(Tables::Eur1, 5, { { c.filled, "Text" } });
        addPrintRow(PrintRows::Eur1Front);
        addPrintRow(PrintRows::Eur1Back);
        auto window = openEur1();
        QCheckBox *back = window->sheetCheckBox(1);
        EXPECT_EQ(back->isChecked(), c.back) << c.filled.toStdString();
        EXPECT_EQ(back->isEnabled(), c.back) << c.filled.toStdString();
        EXPECT_EQ(back->text(), "Erklärung des Ausführers / Exporteurs");
        EXPECT_EQ(window->sheetCheckBox(0)->text(), "Warenverkehrsbescheinigung");
        dialogs.answer(DialogAnswer::Ok);
        dialogs.answer(DialogAnswer::Ok);
        window->BtnOK->click();
        EXPECT_EQ(printers.canvas().jobCount(), c.back ? 2 : 1) << c.filled.toStdString();
    }
}

TEST_F(PrintTest, ThePublisherChoiceIsKeptInTheSettingsFileAndTheParameterRecord)
{
    addRecord(Tables::Eur1, 5, { { "we11_1", "Art" } });
    addPrintRow(PrintRows::Eur1Front);
    auto window = openEur1();
    shell::RadioGroup *publishers = window->layoutGroup();
    ASSERT_NE(publishers, nullptr);
    EXPECT_EQ(publishers->objectName(), "poj1");
    EXPECT_EQ(publishers->title(), "Auswahl vom Verlag");
    EXPECT_EQ(publishers->items(), QStringList({ "Orvanta", "Selmar Verlag", "Andere" }));
    EXPECT_EQ(publishers->itemIndex(), -1);
    publishers->button(1)->click();
    EXPECT_EQ(shell::IniReadString("EURDruck", "?"), "1") << "written at once";
    publishers->button(2)->click();
    EXPECT_EQ(shell::IniReadString("EURDruck", "?"), "2");
    dialogs.answer(DialogAnswer::Ok);
    window->BtnOK->click();
    EXPECT_EQ(textsOf(1).value("Art"), QPoint(330 - 35, -(2740 - 270))) << "the Andere layout";
    window.reset();
    m_register->reject(); // closing posts the parameter record
    EXPECT_EQ(parameterValue("Eur1"), "A");

    window = openEur1();
    EXPECT_EQ(window->layoutGroup()->itemIndex(), 2) << "the choice comes back";
}

TEST_F(PrintTest, FontHeightAndTheSmallerNumberOfBox11)
{
    shell::mainState().AusdruckFont = QFont("Courier New", 12, QFont::Bold);
    addRecord(Tables::Eur1, 5, { { "we11_1", "Ausfuhr" }, { "we11_2", "4711" }, { "we11_3", "1.3.24" } });
    addPrintRow(PrintRows::Eur1Front);
    auto window = openEur1();
    dialogs.answer(DialogAnswer::Ok);
    window->BtnOK->click();
    struct Case {
        QString text;
        int height;
    };
    const QVector<Case> cases = { { "Ausfuhr", -35 }, { "4711", -30 }, { "1.3.24", -35 } };
    for (const Case &c : cases) {
        const CanvasCall *call = printers.canvas().findText(c.text);
        ASSERT_NE(call, nullptr) << c.text.toStdString();
        EXPECT_EQ(call->font.height, c.height) << c.text.toStdString();
        EXPECT_EQ(call->font.name, "Courier New") << c.text.toStdString();
        EXPECT_TRUE(call->font.style.testFlag(platform::FontStyle::Bold)) << c.text.toStdString();
    }
}

TEST_F(PrintTest, AWindowWithoutPrinterAsksForOneForBothRows)
{
    struct Case {
        QString schnittst;
        bool asks;
    };
    const QVector<Case> cases = { { "LPT1", true }, { "lpt1", true }, { "", true }, { "-1", true }, { "1", false } };
    for (const Case &c : cases) {
        restart();
        addRecord(Tables::Eur1, 5);
        addPrintRow(PrintRows::Eur1Front, c.schnittst);
        addPrintRow(PrintRows::Eur1Back, "-1");
        dialogs.answerIndex(1);
        auto window = openEur1();
        const QStringList expected = c.asks ? QStringList({ "Es wurde kein Drucker ausgewählt!", "" }) : QStringList();
        EXPECT_EQ(dialogs.texts(), expected) << c.schnittst.toStdString();
        EXPECT_EQ(printRowValue(PrintRows::Eur1Front, "schnittst"), "1") << c.schnittst.toStdString();
        EXPECT_EQ(printRowValue(PrintRows::Eur1Back, "schnittst"), c.asks ? "1" : "-1") << c.schnittst.toStdString();
        EXPECT_EQ(platform::PrinterService::instance().currentIndex(), 1);
        window.reset();
        platform::PrinterService::instance().setCurrentIndex(0);
    }
}

TEST_F(PrintTest, MissingRowsComeFromTheMasterCopyOrAskForAPrinter)
{
    // Neither the user's directory nor the data directory has the rows: the
    // window creates them without printer and asks for one.
    addRecord(Tables::Eur1, 5, { { "we1_1", "A" }, { "we13_1", "B" } });
    dialogs.answerIndex(1);
    auto eur1 = openEur1();
    EXPECT_EQ(dialogs.texts(), QStringList({ "Es wurde kein Drucker ausgewählt!", "" }));
    EXPECT_EQ(printRowValue(PrintRows::Eur1Front, "schnittst"), "1");
    EXPECT_EQ(printRowValue(PrintRows::Eur1Back, "schnittst"), "1");
    eur1.reset();

    // The master copy has them: a directory made before the form existed
    // receives a copy and prints without asking.
    restart();
    prepareMasterRows(PrintRows::Eur2, "1", 2);
    addRecord(Tables::Eur2, 5, { { "eu1_1", "C" } });
    TfrmEur2_d eur2;
    ASSERT_TRUE(eur2.findDocument(5));
    eur2.show();
    EXPECT_TRUE(dialogs.calls().isEmpty());
    EXPECT_EQ(printRowValue(PrintRows::Eur2, "Anzahl_Kopien"), "2");
    dialogs.answer(DialogAnswer::Ok);
    eur2.BtnOK->click();
    EXPECT_EQ(printers.canvas().jobCount(), 2);
}

TEST_F(PrintTest, AUserWithoutDirectoryLogsInAndPrintsTheFront)
{
    // User 2 logs in for the first time, on a data directory whose master
    // copy holds the rows of the forms.
    prepareMasterRows(PrintRows::Eur1Front, "0", 1);
    shell::mainState().UserNr = 2;
    shell::TfrmMain main;
    main.show();
    EXPECT_EQ(QDir::cleanPath(directory->session().aliasPath(platform::Alias::User)), directory->path() + "User2");
    addRecord(Tables::Eur1, 5, { { "we1_1", "Vorne" } });
    auto eur1 = openEur1();
    EXPECT_TRUE(dialogs.calls().isEmpty()) << "the printer comes with the master row";
    dialogs.answer(DialogAnswer::Ok);
    eur1->BtnOK->click();
    EXPECT_EQ(dialogs.texts(), QStringList({ "Bitte Formular EUR. 1 in Drucker einlegen !" }));
    ASSERT_EQ(printers.canvas().jobCount(), 1);
    EXPECT_EQ(textsOf(1).firstKey(), "Vorne");
    main.hide();
}

TEST_F(PrintTest, Eur2PrintsItsOnePageAtTheFormPositions)
{
    addRecord(Tables::Eur2, 5, everyFieldNamed(Tables::Eur2));
    addPrintRow(PrintRows::Eur2, "0", 0, 0, 2);
    TfrmEur2_d window;
    ASSERT_TRUE(window.findDocument(5));
    window.show();
    dialogs.answer(DialogAnswer::Ok);
    window.BtnOK->click();
    EXPECT_EQ(dialogs.texts(), QStringList({ "Bitte Formular EUR. 2 in Drucker einlegen !" }));
    ASSERT_EQ(printers.canvas().jobCount(), 2) << "two copies";
    QVector<Position> layout = { { "eu1_1", 1230, 480 }, { "eu1_2", 1650, 480 } };
    layout += column("eu2_", 1, 5, 280, 600, 40);
    layout += column("eu4_", 1, 6, 280, 850, 50);
    layout += { { "eu5_1", 1250, 985 }, { "eu6_1", 1650, 1070 }, { "eu7_1", 280, 1180 }, { "eu7_2", 280, 1230 },
        { "eu8_1", 1250, 1200 }, { "eu8_2", 1250, 1250 }, { "eu9_1", 1650, 1170 }, { "eu10_1", 1650, 1245 } };
    layout += column("eu11_", 1, 4, 280, 1350, 40);
    layout += column("eu11_", 5, 9, 280, 1510, 40);
    QMap<QString, QPoint> expected;
    for (const Position &p : layout)
        expected.insert(p.field, QPoint(p.x - 35, -(p.y - 270)));
    for (int job = 1; job <= 2; ++job)
        EXPECT_EQ(textsOf(job), expected) << "job " << job;
    EXPECT_EQ(printers.canvas().jobs().at(0).title, "Export / Versand: EUR 2");
    for (const CanvasCall &call : printers.canvas().texts(1))
        EXPECT_EQ(call.font.height, -35) << call.text.toStdString();
}

TEST_F(PrintTest, Eur2PrinterParametersShowItsOwnRow)
{
    addRecord(Tables::Eur2, 5);
    addPrintRow("A-ERSTE ZEILE");
    addPrintRow(PrintRows::Eur2);
    addPrintRow(PrintRows::Eur1Front);
    TfrmEur2_d window;
    ASSERT_TRUE(window.findDocument(5));
    EXPECT_EQ(window.acEinstellen->text(), "&Parameter einstellen");
    QString row;
    bool filtered = true;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *administration = qobject_cast<shell::TfrmDrucker *>(dialog);
        ASSERT_NE(administration, nullptr);
        row = administration->tbbenutz().fieldByName("name").asString();
        filtered = administration->tbbenutz().filtered();
        dialog->accept();
    });
    window.acEinstellen->trigger();
    EXPECT_EQ(row, "EUR2");
    EXPECT_FALSE(filtered);
}

// A.TR.: 203 x 289 mm printable, x offset 35, y offset -270 as the EUR.1
// front page; box 10's irregular line steps; boxes 12 and 13 by layout.
TEST_F(PrintTest, AtrPrintsAtTheFormPositionsOfTheLayoutChosen)
{
    struct Case {
        const char *name;
        int item; // -1: no entry in the settings file
        QVector<Position> boxes12And13;
    };
    const QVector<Case> cases = {
        { "Orvanta, Selmar", 0,
            { { "Art_Muster", 390, 2720 }, { "Art_nr", 610, 2720 }, { "Ort_datum", 1430, 2830 },
                { "Unterschrift", 1440, 3010 } } },
        { "none chosen", -1,
            { { "Art_Muster", 420, 2750 }, { "Art_nr", 760, 2750 }, { "Art_vom", 340, 2790 },
                { "Ort_datum", 1430, 2890 }, { "Unterschrift", 1440, 3110 } } },
    };
    for (const Case &c : cases) {
        restart();
        printers.canvas().clear();
        QVariantMap values = everyFieldNamed(Tables::Atr);
        for (const char *kept : { "N1", "N2", "Token" })
            values.remove(kept);
        for (int line = 3; line <= 25; ++line)
            values.remove(QStringLiteral("Eintrag%1_3").arg(line));
        addRecord(Tables::Atr, 5, values);
        addPrintRow(PrintRows::Atr, "0", 0, 0, 1);
        if (c.item >= 0)
            shell::IniWriteString("ATRDruck", QString::number(c.item));
        TfrmAtr_d window;
        ASSERT_TRUE(window.findDocument(5));
        window.show();
        EXPECT_EQ(window.layoutGroup()->itemIndex(), c.item) << c.name;
        dialogs.answer(DialogAnswer::Ok);
        window.BtnOK->click();
        EXPECT_EQ(dialogs.texts(), QStringList({ "Bitte Formular A.TR. 1 in Drucker einlegen !" })) << c.name;
        ASSERT_EQ(printers.canvas().jobCount(), 1) << c.name;
        QVector<Position> layout = column("Absender_", 1, 5, 280, 400, 40);
        layout += { { "we2_1", 1220, 560 }, { "We2_2", 1620, 560 } };
        layout += column("Empfaenger_", 1, 8, 280, 670, 40);
        layout += { { "Staat1", 1130, 930 }, { "Staat2", 1590, 930 } };
        layout += column("Angaben_", 1, 6, 280, 1080, 40);
        layout += column("Bemerkung_", 1, 6, 1200, 1080, 40);
        layout += { { "Eintrag1", 230, 1500 }, { "Eintrag2", 230, 1540 } };
        const int lineY[] = { 1580, 1620, 1660, 1700, 1740, 1780, 1820, 1860, 1900, 1930, 1980, 2020, 2060, 2100, 2140,
            2180, 2220, 2260, 2300, 2340, 2380, 2420, 2460 };
        for (int line = 3; line <= 25; ++line) {
            layout += { { QStringLiteral("Eintrag%1_1").arg(line), 230, lineY[line - 3] },
                { QStringLiteral("Eintrag%1_2").arg(line), 1840, lineY[line - 3] } };
        }
        layout += c.boxes12And13;
        QMap<QString, QPoint> expected;
        for (const Position &p : layout)
            expected.insert(p.field, QPoint(p.x - 35, -(p.y - 270)));
        EXPECT_EQ(textsOf(1), expected) << c.name;
        EXPECT_EQ(textsOf(1).value("Absender_1"), QPoint(245, -130)) << c.name;
        EXPECT_EQ(printers.canvas().jobs().at(0).title, "Export / Versand: A.T.R.") << c.name;
    }
}

TEST_F(PrintTest, AtrCopiesColumnOffsetAndAMissingRow)
{
    addRecord(Tables::Atr, 5, { { "Absender_1", "Absender_1" } });
    addPrintRow(PrintRows::Atr, "0", 10, 0, 3);
    {
        TfrmAtr_d window;
        ASSERT_TRUE(window.findDocument(5));
        window.show();
        dialogs.answer(DialogAnswer::Ok);
        window.BtnOK->click();
        ASSERT_EQ(printers.canvas().jobCount(), 3) << "each copy a job";
        EXPECT_EQ(textsOf(3).value("Absender_1"), QPoint(235, -130)) << "spalte 10: 1 mm left";
    }
    // Cancel at the question prints nothing.
    printers.canvas().clear();
    TfrmAtr_d window;
    ASSERT_TRUE(window.findDocument(5));
    window.show();
    dialogs.answer(DialogAnswer::Cancel);
    window.BtnOK->click();
    EXPECT_EQ(printers.canvas().jobCount(), 0);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(PrintTest, CertificateFrontAndBackWithTheirOwnRowsAndTitles)
{
    QStringList back;
    for (int i = 1; i <= 50; ++i)
        back << QStringLiteral("Klausel %1").arg(i);
    QVariantMap values = everyFieldNamed(Tables::Ursprung);
    for (int line = 1; line <= 3; ++line) {
        values.insert(QStringLiteral("Eintrag%1_1").arg(line), QString());
        values.insert(QStringLiteral("Eintrag%1_2").arg(line), QString());
    }
    values.insert("We9", back.join("\r\n"));
    addRecord(Tables::Ursprung, 5, values);
    addPrintRow(PrintRows::UrsprungFront, "0", 0, 0, 2);
    addPrintRow(PrintRows::UrsprungBack, "0", 10, 0, 1);
    TfrmUrsprung_d window;
    ASSERT_TRUE(window.findDocument(5));
    window.show();
    EXPECT_TRUE(window.sheetCheckBox(1)->isChecked());
    EXPECT_TRUE(window.sheetCheckBox(1)->isEnabled());
    dialogs.answer(DialogAnswer::Ok);
    dialogs.answer(DialogAnswer::Ok);
    window.BtnOK->click();
    EXPECT_EQ(dialogs.texts(),
        QStringList({ "Bitte Formular Ursprungszeugnis in den Drucker einlegen !",
            "Bitte Rückseite des Ursprungszeugnisses in Drucker einlegen !" }));
    ASSERT_EQ(printers.canvas().jobCount(), 3);
    QStringList titles;
    for (const auto &job : printers.canvas().jobs())
        titles << job.title;
    EXPECT_EQ(titles, QStringList({ "Ursprungszeugnis", "Ursprungszeugnis", "Ursprungszeugnis - Rückseite" }));

    QVector<Position> front = column("We1_", 1, 5, 280, 180, 40);
    front += { { "Nummer", 1150, 235 } };
    front += column("We2_", 1, 8, 280, 470, 40);
    front += { { "We3", 1200, 690 }, { "We3_2", 1200, 730 }, { "We3_3", 1200, 770 } };
    front += column("We4_", 1, 6, 280, 860, 40);
    front += column("We5_", 1, 6, 1200, 860, 40);
    for (int line = 4; line <= 30; ++line) {
        front += { { QStringLiteral("Eintrag%1_1").arg(line), 280, 1285 + 35 * (line - 4) },
            { QStringLiteral("Eintrag%1_2").arg(line), 1660, 1285 + 35 * (line - 4) } };
    }
    QMap<QString, QPoint> expected;
    for (const Position &p : front)
        expected.insert(p.field, QPoint(p.x - 35, -(p.y - 40)));
    EXPECT_EQ(textsOf(1), expected) << "no vertical constant";
    EXPECT_EQ(textsOf(1).value("We1_1"), QPoint(245, -140));
    const QMap<QString, QPoint> backTexts = textsOf(3);
    EXPECT_EQ(backTexts.size(), 50) << "every line, also beyond the form's 44";
    EXPECT_EQ(backTexts.value("Klausel 1"), QPoint(250 - 45, -260)) << "the back row's own spalte";
    EXPECT_EQ(backTexts.value("Klausel 50"), QPoint(250 - 45, -(2260 - 40)));
}

TEST_F(PrintTest, CertificateWithoutBackTextOffersOnlyTheFront)
{
    addRecord(Tables::Ursprung, 5, { { "We1_1", "Absender" } });
    addPrintRow(PrintRows::UrsprungFront);
    addPrintRow(PrintRows::UrsprungBack);
    TfrmUrsprung_d window;
    ASSERT_TRUE(window.findDocument(5));
    window.show();
    EXPECT_FALSE(window.sheetCheckBox(1)->isChecked());
    EXPECT_FALSE(window.sheetCheckBox(1)->isEnabled());
    dialogs.answer(DialogAnswer::Ok);
    window.BtnOK->click();
    EXPECT_EQ(dialogs.texts(), QStringList({ "Bitte Formular Ursprungszeugnis in den Drucker einlegen !" }));
    EXPECT_EQ(printers.canvas().jobCount(), 1);
}

} // namespace

namespace {

TEST_F(PrintTest, ThePrinterIsFoundByItsNameWhenTheListChanges)
{
    addRecord(Tables::Eur1, 5, { { "we1_1", "Vorne" } });
    addPrintRow(PrintRows::Eur1Front, "-1");
    addPrintRow(PrintRows::Eur1Back, "-1");
    dialogs.answerIndex(1); // "Drucker 2"
    openEur1().reset();
    ASSERT_EQ(printRowValue(PrintRows::Eur1Front, "schnittst"), "1");
    EXPECT_EQ(shell::rememberedPrinter(PrintRows::Eur1Front), "Drucker 2");
    EXPECT_EQ(shell::rememberedPrinter(PrintRows::Eur1Back), "Drucker 2");

    struct Case {
        const char *name;
        QStringList printers;
        bool asks;
        QString printedOn;
    };
    const QVector<Case> cases = {
        { "a printer comes before it", { "Neu", "Drucker 1", "Drucker 2" }, false, "Drucker 2" },
        { "a printer before it goes", { "Drucker 2" }, false, "Drucker 2" },
        { "it is gone, its place is taken", { "A", "B", "C" }, true, "C" },
    };
    for (const Case &c : cases) {
        testsupport::RecordingPrinters changed(c.printers);
        dialogs.clear();
        if (c.asks)
            dialogs.answerIndex(2);
        auto window = openEur1();
        EXPECT_EQ(dialogs.texts().contains("Es wurde kein Drucker ausgewählt!"), c.asks) << c.name;
        dialogs.clear();
        dialogs.answer(DialogAnswer::Ok);
        dialogs.answer(DialogAnswer::Cancel);
        window->BtnOK->click();
        ASSERT_EQ(changed.canvas().jobCount(), 1) << c.name;
        EXPECT_EQ(changed.canvas().jobs().at(0).printer, c.printedOn) << c.name;
        EXPECT_EQ(printRowValue(PrintRows::Eur1Front, "schnittst"), QString::number(c.printers.indexOf(c.printedOn)))
            << c.name << ": the row's place follows its printer";
    }
}

TEST_F(PrintTest, PdfFilesGoToTheDocumentsFolderAndTheClerkIsToldWhere)
{
    // The documents folder of a home of the test's own.
    QTemporaryDir home;
    const QString documents = QDir(home.path()).filePath("Dokumente");
    QDir(home.path()).mkpath(".config");
    QFile dirs(QDir(home.path()).filePath(".config/user-dirs.dirs"));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write(QStringLiteral("XDG_DOCUMENTS_DIR=\"%1\"\n").arg(documents).toUtf8());
    dirs.close();
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath(".config").toUtf8());
    auto restoreConfig = qScopeGuard([&oldConfig] {
        if (oldConfig.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", oldConfig);
        platform::PrinterService::instance().install(nullptr);
    });
    platform::PrinterService::setPdfDirectory(QString());
    const QString folder = QDir(documents).filePath("Exportversand");
    ASSERT_EQ(platform::PrinterService::pdfDirectory(), folder);

    platform::PrinterService::instance().install(nullptr); // the system's printers: "PDF-Datei" first
    addRecord(Tables::Eur1, 5, { { "we1_1", "Vorne" }, { "we14_2", "Hinten" } });
    addPrintRow(PrintRows::Eur1Front, "0");
    addPrintRow(PrintRows::Eur1Back, "0");
    auto window = openEur1();
    EXPECT_EQ(platform::PrinterService::instance().currentPrinterName(), "PDF-Datei");
    dialogs.answer(DialogAnswer::Ok);
    dialogs.answer(DialogAnswer::Ok);
    window->BtnOK->click();

    // The test clock stands at 05.03.2024 14:03:09.
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files,
        QStringList({ "EUR 1 Nr. 5 EUR RÜCKSEITE_20240305_140309.pdf", "EUR 1 Nr. 5 EUR1_20240305_140309.pdf" }));
    ASSERT_EQ(dialogs.calls().size(), 3);
    const QString told = dialogs.calls().at(2).text;
    EXPECT_TRUE(told.startsWith("Der Ausdruck wurde in 2 PDF-Dateien gespeichert, jedes Blatt (Vorder- und "
                                "Rückseite, jede Kopie) in einer eigenen Datei:"))
        << told.toStdString();
    EXPECT_TRUE(told.contains(folder)) << told.toStdString();
    for (const QString &file : files)
        EXPECT_TRUE(told.contains(file)) << file.toStdString();
    EXPECT_TRUE(dialogs.calls().at(2).answeredByDefault) << "one question; No leaves the files closed";
}

} // namespace

namespace {

// 203 x 289 mm printable, no offsets: x offset 35, y offset -40 on both sheets.
TEST_F(PrintTest, EurMedPrintsCertificateAndDeclarationAtTheirFormPositions)
{
    QVariantMap values = everyFieldNamed(Tables::EurMed);
    values.insert("we7_1", true);
    values.insert("we7_3", false);
    addRecord(Tables::EurMed, 5, values);
    addPrintRow(PrintRows::EurMedFront);
    addPrintRow(PrintRows::EurMedBack);
    auto window = openEurMed();
    EXPECT_EQ(window->windowTitle(), "EUR-MED - DRUCK");
    dialogs.answer(DialogAnswer::Ok);
    dialogs.answer(DialogAnswer::Ok);
    window->BtnOK->click();
    EXPECT_EQ(dialogs.texts(),
        QStringList({ "Bitte Formular EUR-MED in den Drucker einlegen !",
            "Bitte die Rückseite des EUR-MED in den Drucker einlegen !" }));
    ASSERT_EQ(printers.canvas().jobCount(), 2);
    EXPECT_EQ(printers.canvas().jobs().at(0).title, "Export / Versand: EUR-Med");
    EXPECT_EQ(printers.canvas().jobs().at(1).title, "Export / Versand: EUR-MED");

    const QMap<QString, QPoint> certificate = textsOf(1);
    EXPECT_EQ(certificate.value("we1_1"), QPoint(185, -110));
    EXPECT_EQ(certificate.value("Eintrag25_3"), QPoint(1765, -(2140 - 40)));
    EXPECT_EQ(certificate.value("X"), QPoint(1145, -840)) << "box 7: cumulation applied";
    EXPECT_EQ(certificate.value("we7_2"), QPoint(1575, -830));
    EXPECT_EQ(certificate.value("We11_7"), QPoint(215, -2785));
    for (const char *hidden : { "We11_8", "we13_1" })
        EXPECT_FALSE(certificate.contains(hidden)) << hidden;
    const QMap<QString, QPoint> declaration = textsOf(2);
    EXPECT_EQ(declaration.value("we13_1"), QPoint(225, -280));
    EXPECT_EQ(declaration.value("We13_10"), QPoint(225, -910));
    EXPECT_EQ(declaration.value("we15_2"), QPoint(965, -2180));
    for (const char *hidden : { "We14_5", "We14_11", "we1_1" })
        EXPECT_FALSE(declaration.contains(hidden)) << hidden;

    // The number of box 11 is smaller; the field after it is back to 3.5 mm.
    EXPECT_EQ(printers.canvas().findText("we11_2")->font.height, -30);
    EXPECT_EQ(printers.canvas().findText("we11_3")->font.height, -35);
    EXPECT_EQ(printers.canvas().findText("we11_1")->font.height, -35);
}

TEST_F(PrintTest, EurMedBox7PrintsOneChoice)
{
    struct Case {
        const char *name;
        QVariant applied;
        QVariant none;
        QMap<QString, QPoint> texts; // of box 7
    };
    const QVector<Case> cases = {
        { "neither", false, false, {} },
        { "nothing stored", QVariant(), QVariant(), {} },
        { "applied", true, false, { { "X", { 1145, -840 } }, { "CH", { 1575, -830 } } } },
        { "applied wins over none", true, true, { { "X", { 1145, -840 } }, { "CH", { 1575, -830 } } } },
        { "none: no country", false, true, { { "X", { 1145, -970 } } } },
    };
    for (const Case &c : cases) {
        restart();
        printers.canvas().clear();
        addRecord(Tables::EurMed, 5, { { "we7_1", c.applied }, { "we7_2", "CH" }, { "we7_3", c.none } });
        addPrintRow(PrintRows::EurMedFront);
        addPrintRow(PrintRows::EurMedBack);
        auto window = openEurMed();
        dialogs.answer(DialogAnswer::Ok);
        window->BtnOK->click();
        ASSERT_EQ(printers.canvas().jobCount(), 1) << c.name << ": no declaration";
        EXPECT_EQ(textsOf(1), c.texts) << c.name;
    }
}

TEST_F(PrintTest, EurMedCopiesOfTheCertificateAndOneDeclaration)
{
    addRecord(Tables::EurMed, 5, { { "we1_1", "Vorne" }, { "we14_3", "Hinten" } });
    addPrintRow(PrintRows::EurMedFront, "0", 0, 0, 3);
    addPrintRow(PrintRows::EurMedBack, "0", 0, 0, 3);
    auto window = openEurMed();
    dialogs.answer(DialogAnswer::Ok);
    dialogs.answer(DialogAnswer::Ok);
    window->BtnOK->click();
    QStringList jobs;
    for (int job = 1; job <= printers.canvas().jobCount(); ++job)
        jobs << textsOf(job).firstKey();
    EXPECT_EQ(jobs, QStringList({ "Vorne", "Vorne", "Vorne", "Hinten" }));
}

// Any line of the declaration from we13_1 to we15_2 offers it; the fields
// before it do not.
TEST_F(PrintTest, EurMedDeclarationIsOfferedWhenAnyOfItsLinesIsFilled)
{
    struct Case {
        const char *filled;
        bool offered;
    };
    const QVector<Case> cases = {
        { nullptr, false },
        { "we12_2", false },
        { "We11_8", false },
        { "we13_1", true },
        { "we14_3", true },
        { "We14_11", true },
        { "we15_2", true },
    };
    for (const Case &c : cases) {
        restart();
        QVariantMap values = { { "we1_1", "Vorne" } };
        if (c.filled)
            values.insert(c.filled, "Text");
        addRecord(Tables::EurMed, 5, values);
        addPrintRow(PrintRows::EurMedFront);
        addPrintRow(PrintRows::EurMedBack);
        auto window = openEurMed();
        const char *name = c.filled ? c.filled : "empty";
        EXPECT_EQ(window->sheetCheckBox(1)->isChecked(), c.offered) << name;
        EXPECT_EQ(window->sheetCheckBox(1)->isEnabled(), c.offered) << name;
        EXPECT_TRUE(window->sheetCheckBox(0)->isChecked()) << name;
    }
}

// The declaration's row chooses the printer of both sheets; a new user gets
// both rows with "LPT1" and the printer question.
TEST_F(PrintTest, EurMedPrinterComesFromTheDeclarationsRow)
{
    struct Case {
        const char *name;
        QString certificateRow; // schnittst; empty: no row
        QString declarationRow;
        bool asks;
        int printer;
    };
    const QVector<Case> cases = {
        { "new user", "", "", true, 1 },
        { "certificate row without printer", "LPT1", "1", false, 1 },
        { "declaration row without printer", "0", "-1", true, 1 },
        { "both set apart", "0", "1", false, 1 },
    };
    for (const Case &c : cases) {
        restart();
        platform::PrinterService::instance().setCurrentIndex(0);
        addRecord(Tables::EurMed, 5, { { "we1_1", "Vorne" } });
        if (!c.certificateRow.isEmpty())
            addPrintRow(PrintRows::EurMedFront, c.certificateRow);
        if (!c.declarationRow.isEmpty())
            addPrintRow(PrintRows::EurMedBack, c.declarationRow);
        dialogs.answerIndex(1);
        auto window = openEurMed();
        const QStringList expected = c.asks ? QStringList({ "Es wurde kein Drucker ausgewählt!", "" }) : QStringList();
        EXPECT_EQ(dialogs.texts(), expected) << c.name;
        EXPECT_EQ(platform::PrinterService::instance().currentIndex(), c.printer) << c.name;
        EXPECT_NE(printRowValue(PrintRows::EurMedFront, "name"), "<none>") << c.name;
        EXPECT_EQ(printRowValue(PrintRows::EurMedBack, "schnittst"), "1") << c.name;
        if (c.certificateRow.isEmpty()) {
            // Created with one copy and no offsets; the setup gave both the printer.
            EXPECT_EQ(printRowValue(PrintRows::EurMedFront, "schnittst"), "1");
            EXPECT_EQ(printRowValue(PrintRows::EurMedFront, "Anzahl_Kopien"), "1");
            EXPECT_EQ(printRowValue(PrintRows::EurMedBack, "zeile"), "0");
        }
        window.reset();
    }
    platform::PrinterService::instance().setCurrentIndex(0);
}

} // namespace
