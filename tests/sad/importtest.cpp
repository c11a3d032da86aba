#include "sadfixture.h"

#include "masterdata/keylookup.h"
#include "masterdata/procedurecodes.h"
#include "sad/dutycalculation.h"
#include "sad/sadwindows.h"
#include "sad/tfrmeinanl2.h"
#include "sad/tfrmeinheit2.h"
#include "sad/tfrmregieimport.h"
#include "shell/numberrangedialog.h"
#include "shell/options.h"
#include "shell/plausibilitydialog.h"
#include "shell/printwindow.h"
#include "shell/tfrmdata1.h"
#include "shell/windowfactories.h"
#include "support/modaldialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace sad;

namespace {

// The import declaration's tables in a fresh data directory.
class ImportTest : public SadTest
{
protected:
    void TearDown() override
    {
        m_register.reset();
        SadTest::TearDown();
    }

    static void addImport(int number, const QVariantMap &values = {}) { addKeyed(Tables::Impein, { number }, values); }

    static void addImportItem(int number, int item, const QVariantMap &values = {})
    {
        addKeyed(Tables::Impfol, { number, item }, values);
    }

    static QString importHead(int number, const QString &field) { return stored(Tables::Impein, { number }, field); }
    static QString importItem(int number, int item, const QString &field)
    {
        return stored(Tables::Impfol, { number, item }, field);
    }
    static QList<int> importItems(int number) { return itemNumbers(Tables::Impfol, number); }

    // The entry window on a declaration of a register of its own.
    std::unique_ptr<TfrmEinheit2> open(int number)
    {
        m_register = std::make_unique<TfrmRegieImport>();
        EXPECT_TRUE(m_register->head().findKey({ number }));
        auto window = std::make_unique<TfrmEinheit2>(*m_register);
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }

    // The goods-item window on an item of the open declaration.
    std::unique_ptr<TfrmEinAnl2> openItem(TfrmEinheit2 &declaration, int number, int item)
    {
        EXPECT_TRUE(declaration.items().findKey({ number, item }));
        auto window = std::make_unique<TfrmEinAnl2>(declaration);
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }

    void setPlausi(bool on)
    {
        platform::Table &parameter = m_register->parameter();
        shell::EditIfBrowsing(parameter);
        parameter.fieldByName(QStringLiteral("Plausi_11")).setAsBoolean(on);
        parameter.post();
    }

    static QLineEdit *lineEdit(shell::EntryWindow &window, const QString &name)
    {
        return qobject_cast<QLineEdit *>(window.control(name));
    }
    static QString text(shell::EntryWindow &window, const QString &name) { return lineEdit(window, name)->text(); }

    // Types into an edit and leaves it for another control, as the clerk does.
    static void type(shell::EntryWindow &window, const QString &name, const QString &typed,
        const QString &leaveTo = QStringLiteral("DBEdit21"))
    {
        QLineEdit *box = lineEdit(window, name);
        box->setFocus();
        box->selectAll();
        if (!box->text().isEmpty())
            QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, typed);
        window.control(leaveTo)->setFocus();
    }

    static bool marked(shell::EntryWindow &window, const QString &name) { return window.control(name)->font().bold(); }

    int warnings(const QString &text) const
    {
        int count = 0;
        for (const platform::DialogCall &call : dialogs.calls())
            count += call.text == text ? 1 : 0;
        return count;
    }

    // The ticked check boxes of the plausibility window that opens next,
    // answered with Korrigieren or Schließen.
    static void readPlausibility(QStringList *ticked, bool *shown, bool correct, QString *group = nullptr)
    {
        testsupport::onNextModal([ticked, shown, correct, group](QDialog *dialog) {
            auto *plausi = qobject_cast<shell::PlausibilityDialog *>(dialog);
            ASSERT_NE(plausi, nullptr);
            *shown = true;
            for (int i = 0; i < plausi->checkBoxCount(); ++i) {
                if (plausi->checkBox(i)->isChecked())
                    ticked->append(plausi->checkBox(i)->text());
            }
            if (group) {
                for (int g = 0; plausi->group(g); ++g) {
                    if (!plausi->group(g)->isHidden())
                        group->append(plausi->group(g)->objectName());
                }
            }
            (correct ? plausi->BtnKorrigieren : plausi->BtnSchliessen)->click();
        });
    }

    std::unique_ptr<TfrmRegieImport> m_register;
};

// A head that passes the check.
QVariantMap completeHead()
{
    return { { "F1_1", "IM" }, { "F1_2", "A" }, { "F2_1", "Zeder GmbH" }, { "F7", "R-1" }, { "F8_1", "Import AG" },
        { "F14_1", "[1] Import AG" }, { "F15", "Schweiz" }, { "F16", "CH" }, { "F17_1", "05" }, { "F19", "0" },
        { "F20_1", "EXW" }, { "F21_1", "LKW" }, { "F30", "1,5" }, { "F22_1", "CHF" }, { "F22_2", "100" },
        { "F24_1", "1" }, { "F24_2", "1" }, { "F25", "3" }, { "F29", "DE004400" }, { "F48_1", "Konto" },
        { "F49", "Lager" }, { "F54_1", "Bonn" } };
}

} // namespace

TEST(ImportDuties, AmountsAreRoundedHalfAwayFromZeroAndWrittenGerman)
{
    const struct {
        const char *base;
        const char *rate;
        double amount;
        bool error;
    } cases[] = {
        { "1.000,00", "19", 190.0, false },
        { "333,33", "7", 23.33, false },
        { "0,05", "10", 0.01, false },
        { "1000", "", 0.0, true },
        { "", "", 0.0, true },
        { "zehn", "19", 0.0, true },
    };
    for (const auto &c : cases) {
        const DutyAmount result = ComputeDutyAmount(QString::fromUtf8(c.base), QString::fromUtf8(c.rate));
        EXPECT_EQ(result.error, c.error) << c.base << " " << c.rate;
        EXPECT_DOUBLE_EQ(result.amount, c.amount) << c.base << " " << c.rate;
    }
    EXPECT_EQ(formatDuty(1234.5, BaseDigits), "1.234,50");
    EXPECT_EQ(formatDuty(123456789.126, BaseDigits), "123.456.789,10") << "ten significant digits";
    EXPECT_EQ(formatDuty(123456789.126, AmountDigits), "123.456.789,13");
}

TEST(ImportDuties, SheetsTakeTheirSummaryFromTheirFirstItem)
{
    const struct {
        int item;
        int source;
        bool shown;
    } cases[] = { { 1, 0, false }, { 2, 0, true }, { 3, 2, false }, { 4, 2, false }, { 5, 0, true }, { 7, 5, false } };
    for (const auto &c : cases) {
        EXPECT_EQ(sheetSummarySource(c.item), c.source) << c.item;
        EXPECT_EQ(showsSheetSummary(c.item, 7), c.shown) << c.item;
    }
    EXPECT_FALSE(showsSheetSummary(2, 1)) << "a declaration of one item has no continuation sheet";
}

TEST_F(ImportTest, Box47ComputesEachLineAndTheTotalAsTheClerkLeavesAField)
{
    const struct {
        const char *name;
        QStringList bases;
        QStringList rates;
        QStringList shownBases;
        QStringList shownRates;
        QStringList amounts;
        QString total;
        QList<bool> marks;
    } cases[] = {
        { "rate rewritten", { "1.000,00" }, { "19" }, { "1.000,00" }, { "19,00" }, { "190,00" }, "190,00", { false } },
        { "sum of the rounded amounts", { "333,33", "333,33" }, { "7", "7" }, { "333,33", "333,33" },
            { "7,00", "7,00" }, { "23,33", "23,33" }, "46,66", { false, false } },
        { "half a cent up", { "0,05" }, { "10" }, { "0,05" }, { "10,00" }, { "0,01" }, "0,01", { false } },
        { "groups written", { "1234,5" }, { "10" }, { "1.234,50" }, { "10,00" }, { "123,45" }, "123,45", { false } },
        { "a base of a million keeps its digits", { "1000000" }, { "19" }, { "1000000" }, { "19,00" }, { "190.000,00" },
            "190.000,00", { false } },
        { "no rate: marked and out of the total", { "1.000,00", "200" }, { "19", "" }, { "1.000,00", "200,00" },
            { "19,00", "" }, { "190,00", "5,00" }, "190,00", { false, true } },
    };
    for (const auto &c : cases) {
        restart();
        addImport(5);
        // An amount typed by hand stays on a line that cannot be computed.
        addImportItem(5, 1, { { "F47_4_2", "5,00" } });
        auto declaration = open(5);
        auto window = openItem(*declaration, 5, 1);
        for (int line = 0; line < c.bases.size(); ++line) {
            type(*window, QStringLiteral("DBEdit%1").arg(31 + 5 * line), c.bases.at(line));
            type(*window, QStringLiteral("DBEdit%1").arg(32 + 5 * line), c.rates.at(line));
        }
        for (int line = 0; line < c.bases.size(); ++line) {
            EXPECT_EQ(text(*window, QStringLiteral("DBEdit%1").arg(31 + 5 * line)), c.shownBases.at(line)) << c.name;
            EXPECT_EQ(text(*window, QStringLiteral("DBEdit%1").arg(32 + 5 * line)), c.shownRates.at(line)) << c.name;
            EXPECT_EQ(importItem(5, 1, QStringLiteral("F47_4_%1").arg(line + 1)), c.amounts.at(line)) << c.name;
            EXPECT_EQ(marked(*window, QStringLiteral("DBEdit%1").arg(33 + 5 * line)), c.marks.at(line)) << c.name;
        }
        EXPECT_TRUE(marked(*window, "DBEdit68")) << c.name << ": an empty line is marked too";
        EXPECT_EQ(importItem(5, 1, "F47_summ"), c.total) << c.name;
        window.reset();
        declaration.reset();
        m_register.reset();
    }
}

TEST_F(ImportTest, AnAmountThatWouldNotFitItsFieldStaysOutOfTheTotal)
{
    addImport(6);
    addImportItem(6, 1, { { "F47_2_1", "100" }, { "F47_3_1", "10" }, { "F47_summ", "7,00" } });
    auto declaration = open(6);
    auto window = openItem(*declaration, 6, 1);
    // 10.000.000 × 19 % = 1.900.000,00: twelve characters in a field of eleven.
    type(*window, "DBEdit36", "10000000");
    type(*window, "DBEdit37", "19");
    EXPECT_EQ(importItem(6, 1, "F47_4_1"), "10,00");
    EXPECT_EQ(importItem(6, 1, "F47_4_2"), "") << "not cut to another number";
    EXPECT_TRUE(marked(*window, "DBEdit38"));
    EXPECT_EQ(importItem(6, 1, "F47_summ"), "10,00");
    EXPECT_EQ(importItem(6, 1, "F47_2_2"), "10000000") << "the base keeps its digits";
    EXPECT_TRUE(dialogs.lastCall().text.startsWith("Der Betrag der Zeile 2 hat mehr als 11 Zeichen"))
        << dialogs.lastCall().text.toStdString();

    // Every line emptied: the total keeps its last value.
    for (const char *field : { "DBEdit31", "DBEdit32", "DBEdit36", "DBEdit37" })
        type(*window, field, "");
    window->RecalculateDuties();
    EXPECT_EQ(importItem(6, 1, "F47_summ"), "10,00") << "no line free of error: the total stays";
    EXPECT_TRUE(marked(*window, "DBEdit33"));
}

TEST_F(ImportTest, TheKeyWarningComesOncePerOpening)
{
    addImport(7);
    addImportItem(7, 1);
    auto declaration = open(7);
    {
        auto window = openItem(*declaration, 7, 1);
        type(*window, "DBEdit41", "12");
        EXPECT_EQ(warnings(DutyKeyWarning), 0) << "digits alone warn nothing";
        type(*window, "DBEdit31", "1,5");
        type(*window, "DBEdit32", "2,5");
        EXPECT_EQ(warnings(DutyKeyWarning), 1) << "the comma warns once, not again in another field";
        type(*window, "DBEdit7", "x", "DBEdit21");
        EXPECT_EQ(warnings(DutyKeyWarning), 1) << "other boxes never warn";
        window->close();
    }
    auto window = openItem(*declaration, 7, 1);
    type(*window, "DBEdit46", "3,5");
    EXPECT_EQ(warnings(DutyKeyWarning), 2) << "the next opening warns again";
}

TEST_F(ImportTest, TheSheetSummaryIsSummedOnItsFirstItemAndCopiedToTheOthers)
{
    addImport(8);
    for (int item = 1; item <= 7; ++item)
        addImportItem(8, item);
    auto declaration = open(8);
    {
        auto window = openItem(*declaration, 8, 2);
        EXPECT_TRUE(window->Panel3->isVisible());
        type(*window, "DBEdit71", "Z");
        type(*window, "DBEdit72", "100");
        EXPECT_EQ(importItem(8, 2, "F48_2_1"), "100,00");
        for (int line = 2; line <= 8; ++line)
            EXPECT_EQ(importItem(8, 2, QStringLiteral("F48_2_%1").arg(line)), "0,00") << line;
        EXPECT_EQ(importItem(8, 2, "G_summe"), "100,00");
        window->close();
    }
    {
        auto window = openItem(*declaration, 8, 4);
        EXPECT_FALSE(window->Panel3->isVisible());
        window->close();
    }
    EXPECT_EQ(importItem(8, 4, "F48_1_1"), "Z");
    EXPECT_EQ(importItem(8, 4, "F48_2_1"), "100,00");
    EXPECT_EQ(importItem(8, 4, "G_summe"), "100,00");
    EXPECT_EQ(importItem(8, 5, "G_summe"), "") << "the next sheet keeps its own";
}

TEST_F(ImportTest, TheHeadCheckOpensOnlyForTheBoxesThatDecide)
{
    const struct {
        const char *name;
        QVariantMap change;
        bool plausi;
        bool shown;
        QStringList ticked;
        const char *focus;
    } cases[] = {
        { "switch off", { { "F24_2", "" }, { "F7", "" } }, false, false, {}, nullptr },
        { "only the second digit of box 24", { { "F24_2", "" } }, true, true, {}, "DBEdit47" },
        { "only box 1's procedure", { { "F1_2", "" } }, true, false, {}, nullptr },
        { "box 2's second line is enough", { { "F2_1", "" }, { "F2_2", "Zeder" } }, true, false, {}, nullptr },
        { "box 1 ticked when the window opens for another", { { "F1_2", "" }, { "F7", "" } }, true, true,
            { "1. Anmeldung", "7. Bezugsnummer" }, "DBEdit9" },
    };
    for (const auto &c : cases) {
        restart();
        QVariantMap values = completeHead();
        for (auto it = c.change.cbegin(); it != c.change.cend(); ++it)
            values.insert(it.key(), it.value());
        values.insert("DATUM", QDate(2026, 12, 11));
        addImport(9, values);
        auto window = open(9);
        setPlausi(c.plausi);
        QStringList ticked;
        bool shown = false;
        QString groups;
        if (c.shown)
            readPlausibility(&ticked, &shown, false, &groups);
        const bool closes = window->plausibilityCheck();
        EXPECT_EQ(shown, c.shown) << c.name;
        EXPECT_EQ(ticked, c.ticked) << c.name;
        EXPECT_TRUE(closes) << c.name << ": Schließen lets the window close";
        if (c.shown) {
            EXPECT_EQ(groups, "GroupBox1") << c.name;
            EXPECT_EQ(window->focusWidget(), window->control(c.focus)) << c.name;
        }
        window.reset();
        m_register.reset();
    }
}

TEST_F(ImportTest, TheItemCheckShowsTheItemGroupAndKorrigierenKeepsTheWindowOpen)
{
    addImport(10, completeHead());
    addImportItem(10, 1,
        { { "F31_2", "Schrauben" }, { "F33_1", "73181535" }, { "F35_1", "12" }, { "F36_1", "100" }, { "F37_1", "4000" },
            { "F38", "10" }, { "F39_1", "-" }, { "F40_1", "X-1-" }, { "F41_1", "100" }, { "F44_1", "Y" },
            { "F46", "500" }, { "F47_1_1", "A00" } });
    auto declaration = open(10);
    setPlausi(true);
    auto window = openItem(*declaration, 10, 1);
    QStringList ticked;
    bool shown = false;
    QString groups;
    readPlausibility(&ticked, &shown, true, &groups);
    window->reject();
    EXPECT_TRUE(shown);
    EXPECT_EQ(groups, "GroupBox2");
    EXPECT_EQ(ticked, QStringList({ "31 Warenbezeichnung", "34. Urspr.land Code" }));
    EXPECT_TRUE(window->isVisible()) << "Korrigieren keeps it open";
    EXPECT_EQ(window->focusWidget(), window->control("DBEdit5"));
    setPlausi(false);
    window->reject();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ImportTest, ItemsKeepBoxes3And5AndAreNumberedWithoutGaps)
{
    addImport(11);
    for (int item = 1; item <= 4; ++item)
        addImportItem(11, item, { { "F31_2", QStringLiteral("Ware %1").arg(item) } });
    addImport(shell::TemplateNumber);
    addImportItem(shell::TemplateNumber, 1, { { "F37_1", "4000" }, { "EURO", true } });
    auto window = open(11);
    testsupport::onNextModal([](QDialog *item) { item->close(); });
    window->editPosition();
    EXPECT_EQ(importHead(11, "F3_1"), "1");
    EXPECT_EQ(importHead(11, "F3_2"), "2");
    EXPECT_EQ(importHead(11, "F5"), "4");
    ASSERT_TRUE(window->items().findKey({ 11, 2 }));
    dialogs.answer(platform::DialogAnswer::Ok);
    window->deletePosition();
    EXPECT_EQ(importItems(11), QList<int>({ 1, 2, 3 }));
    EXPECT_EQ(importItem(11, 2, "F31_2"), "Ware 3");
    EXPECT_EQ(importHead(11, "F3_2"), "2");
    EXPECT_EQ(importHead(11, "F5"), "3");
    testsupport::onNextModal([](QDialog *item) { item->close(); });
    window->addPosition();
    EXPECT_EQ(importItems(11), QList<int>({ 1, 2, 3, 4 }));
    EXPECT_EQ(importItem(11, 4, "F37_1"), "4000") << "a new item takes the template's first item";
    EXPECT_EQ(importItem(11, 4, "EURO"), "True");
    window.reset();
    m_register.reset();

    addImport(12);
    addImportItem(12, 1);
    window = open(12);
    dialogs.answer(platform::DialogAnswer::Ok);
    window->deletePosition();
    EXPECT_EQ(importHead(12, "F3_1"), "1");
    EXPECT_EQ(importHead(12, "F3_2"), "1");
    EXPECT_EQ(importHead(12, "F5"), "0");
}

TEST_F(ImportTest, Box15TakesATypedCountryNumberAndAPickedLetterCode)
{
    testsupport::insertRecord(masterdata::Tables::Countries,
        { { "Lkz", "CH" }, { "Land", "039" }, { "Bez", "Schweiz" }, { "Landkbz", "Schweiz" } });
    testsupport::insertRecord(masterdata::Tables::Countries,
        { { "Lkz", "AT" }, { "Land", "038" }, { "Bez", "Österreich" }, { "Landkbz", "Österr" } });
    shell::TfrmData1 module;
    shell::frmData1 = &module;
    addImport(13);
    auto window = open(13);
    type(*window, "DBEdit60", "039", "DBEdit7");
    EXPECT_EQ(importHead(13, "F15"), "Schweiz");
    EXPECT_EQ(importHead(13, "F15_1"), "039");
    // As the pick list leaves it: letter code and short name.
    type(*window, "DBEdit60", "at", "DBEdit7");
    EXPECT_EQ(importHead(13, "F15"), "Österr");
    EXPECT_EQ(importHead(13, "F15_1"), "AT");
    EXPECT_TRUE(dialogs.calls().isEmpty()) << "no false message about the country number";
    type(*window, "DBEdit60", "9", "DBEdit7");
    EXPECT_EQ(dialogs.lastCall().text, masterdata::NoCountryFound);
    window.reset();
    shell::frmData1 = nullptr;
}

TEST_F(ImportTest, TheRegisterKeepsTheTemplateAndCopiesWithoutTheMemo)
{
    registerSadWindows();
    {
        std::unique_ptr<shell::DocumentRegister> documentRegister = shell::createDocumentRegister("Import");
        ASSERT_NE(documentRegister, nullptr);
        EXPECT_EQ(documentRegister->windowTitle(), "Regiezentrum: Einheitspapier Import");
        EXPECT_EQ(importHead(shell::TemplateNumber, "BELEGNR"), QString::number(shell::TemplateNumber));
        EXPECT_EQ(importItems(shell::TemplateNumber), QList<int>({ 1 }));
        documentRegister->show();
        EXPECT_TRUE(documentRegister->parameter().isEditing()) << "showing puts the parameter record into edit";
        documentRegister->reject();
    }
    EXPECT_EQ(importHead(1, "DATUM"), importHead(shell::TemplateNumber, "DATUM")) << "today";
    EXPECT_EQ(importItems(1), QList<int>({ 1 }));

    addImport(3, { { "F2_1", "Zeder GmbH" }, { "Master", "Notiz" }, { "F47_40", "12" } });
    for (int item : { 1, 2 })
        addImportItem(3, item, { { "F31_2", QStringLiteral("Ware %1").arg(item) } });
    setParameter("VorschlagNr_11", 7);
    TfrmRegieImport documentRegister;
    ASSERT_TRUE(documentRegister.head().findKey({ 3 }));
    testsupport::onNextModal([](QDialog *dialog) {
        auto *copy = qobject_cast<shell::TCopyDlg *>(dialog);
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->ToNumber(), 7);
        testsupport::onNextModal([](QDialog *entry) {
            EXPECT_EQ(entry->windowTitle(), "Einfuhranmeldung");
            entry->close();
        });
        copy->OKBtn->click();
    });
    documentRegister.bbtKopierenClick();
    EXPECT_EQ(importHead(7, "F2_1"), "Zeder GmbH");
    EXPECT_EQ(importHead(7, "F47_40"), "12");
    EXPECT_EQ(importHead(7, "Master"), "");
    EXPECT_EQ(importItems(7), QList<int>({ 1, 2 }));
    EXPECT_EQ(importHead(7, "Positionen"), "2");
    EXPECT_EQ(parameterValue("VorschlagNr_11"), "8") << "the proposal stays at the target + 1";
    documentRegister.reject();
}

TEST_F(ImportTest, Box37ListsStartOnTheEqualCodeOrOnTheLast)
{
    const struct {
        const char *button;
        const char *field;
        const char *stored;
        const char *shownOn;
    } cases[] = {
        { "SpeedButton6", "F37_1", "100", "100" },
        { "SpeedButton6", "F37_1", "abc", "400" }, // equal as stored, not ignoring case
        { "SpeedButton6", "F37_1", "999", "400" },
        { "SpeedButton6", "F37_1", "", "400" },
        { "SpeedButton5", "F37_2", "ABC", "ABC" },
        { "SpeedButton5", "F37_2", "777", "400" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.button) + " " + c.stored);
        restart();
        for (const QString &table : { masterdata::Tables::ProcedureCodes1, masterdata::Tables::ProcedureCodes2 }) {
            for (const char *code : { "000", "100", "ABC", "400" })
                testsupport::insertRecord(table, { { "Code", code } });
        }
        addImport(5);
        addImportItem(5, 1, { { c.field, c.stored } });
        auto declaration = open(5);
        auto window = openItem(*declaration, 5, 1);
        QString shownOn;
        testsupport::onNextModal([&shownOn](QDialog *dialog) {
            auto *list = dynamic_cast<masterdata::ProcedureCodeWindow *>(dialog);
            if (!list) {
                dialog->reject();
                FAIL() << "unexpected window";
            }
            shownOn = list->code();
            list->takeButton()->click();
        });
        window->findChild<QToolButton *>(QString::fromLatin1(c.button))->click();
        EXPECT_EQ(shownOn, c.shownOn);
        EXPECT_EQ(importItem(5, 1, QString::fromLatin1(c.field)), c.shownOn) << "the chosen code is taken";
        window.reset();
        declaration.reset();
        m_register.reset();
    }
}

TEST_F(ImportTest, LeavingBox8LeavesItsDescriptionStanding)
{
    addImport(5);
    addImportItem(5, 1);
    auto window = open(5);
    const struct {
        const char *edit;
        bool stays;
    } cases[] = { { "DBEdit4", true }, { "DBEdit6", true }, { "DBEdit37", true }, { "DBEdit31", false },
        { "DBEdit25", false } };
    for (const auto &c : cases) {
        QWidget *box = window->control(QString::fromLatin1(c.edit));
        box->setFocus();
        const QString shown = window->statusText(0);
        ASSERT_FALSE(shown.isEmpty()) << c.edit;
        box->clearFocus();
        EXPECT_EQ(window->statusText(0), c.stays ? shown : QString()) << c.edit;
    }
}

// Every caption of the form stands clear of the controls and captions of its
// line, in the program's fonts, and no check box cuts its text.
TEST_F(ImportTest, NoCaptionRunsIntoAnotherControl)
{
    shell::OptionenLesen();
    addImport(5);
    addImportItem(5, 1);
    addImportItem(5, 2);
    auto declaration = open(5);
    auto item = openItem(*declaration, 5, 2);
    for (shell::EntryWindow *window :
        { static_cast<shell::EntryWindow *>(declaration.get()), static_cast<shell::EntryWindow *>(item.get()) }) {
        for (QLabel *caption : window->scrollBox(0)->widget()->findChildren<QLabel *>()) {
            if (caption->isHidden() || caption->text().isEmpty())
                continue;
            for (QObject *object : caption->parentWidget()->children()) {
                auto *other = qobject_cast<QWidget *>(object);
                if (!other || other == caption || other->isHidden())
                    continue;
                EXPECT_FALSE(caption->geometry().intersects(other->geometry()))
                    << window->windowTitle().toStdString() << ": \"" << caption->text().toStdString() << "\" and "
                    << other->objectName().toStdString() << " "
                    << (qobject_cast<QLabel *>(other) ? qobject_cast<QLabel *>(other)->text().toStdString() : "");
            }
        }
        for (QCheckBox *box : window->findChildren<QCheckBox *>())
            EXPECT_LE(box->sizeHint().width(), box->width()) << box->text().toStdString();
    }
    // The register shows all its columns.
    m_register->show();
    EXPECT_EQ(m_register->findChild<QTableView *>("dbgrRegie")->horizontalScrollBar()->maximum(), 0);
}

TEST_F(ImportTest, DruckenOpensTheImportPrintOnTheDeclaration)
{
    addImport(7, completeHead());
    addImportItem(7, 1, { { "F31_1", "Ware" } });
    auto window = open(7);
    ASSERT_TRUE(window->mnuDrucken->isEnabled());
    EXPECT_TRUE(m_register->SpeedButton7->isEnabled());
    QString caption;
    QString printed;
    testsupport::onNextModal([&](QDialog *dialog) {
        caption = dialog->windowTitle();
        if (auto *print = qobject_cast<shell::PrintWindow *>(dialog))
            printed = print->head().fieldByName("BELEGNR").asString();
        dialog->reject();
    });
    window->printDocument();
    EXPECT_EQ(caption, "Druck Einheitspapier - Belegnummer: 7");
    EXPECT_EQ(printed, "7");
}
