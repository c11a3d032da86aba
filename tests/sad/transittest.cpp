#include "sadfixture.h"

#include "masterdata/goodsnumbers.h"
#include "masterdata/keylookup.h"
#include "masterdata/picklists.h"
#include "masterdata/tfrmallgemein.h"
#include "platform/clock.h"
#include "sad/tfrmeversand.h"
#include "sad/tfrmeversand_ex.h"
#include "sad/tfrmregiet1_t2.h"
#include "shell/numberrangedialog.h"
#include "shell/settings.h"
#include "shell/tfrmdata1.h"
#include "shell/twheeldbgrid.h"
#include "support/modaldialog.h"

#include <array>

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QDate>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

using namespace sad;

namespace {

// The transit declaration's tables in a fresh data directory.
class TransitTest : public SadTest
{
protected:
    static void addTransit(int number, const QVariantMap &values = {}) { addKeyed(Tables::Ausfuhr, { number }, values); }

    static void addTransitItem(int number, int item, const QVariantMap &values = {})
    {
        addKeyed(Tables::Ausfolg, { number, item }, values);
    }

    static QString transitHead(int number, const QString &field) { return stored(Tables::Ausfuhr, { number }, field); }
    static QString transitItem(int number, int item, const QString &field)
    {
        return stored(Tables::Ausfolg, { number, item }, field);
    }
    static QList<int> transitItems(int number) { return itemNumbers(Tables::Ausfolg, number); }
    void TearDown() override
    {
        m_register.reset();
        SadTest::TearDown();
    }

    // The entry window on a declaration of a register of its own.
    std::unique_ptr<TfrmEversand> open(int number)
    {
        m_register.reset();
        m_register = std::make_unique<TfrmRegieT1_T2>();
        EXPECT_TRUE(m_register->head().findKey({ number }));
        auto window = std::make_unique<TfrmEversand>(*m_register);
        window->setNumberText(QStringLiteral("BelegNr. : %1").arg(number));
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }

    static QLineEdit *lineEdit(shell::EntryWindow &window, const QString &name)
    {
        return qobject_cast<QLineEdit *>(window.control(name));
    }

    // Types into an edit and leaves it for another control, as the clerk does.
    static void type(shell::EntryWindow &window, const QString &name, const QString &typed, const QString &leaveTo)
    {
        QLineEdit *box = lineEdit(window, name);
        box->setFocus();
        box->selectAll();
        if (!box->text().isEmpty())
            QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, typed);
        window.control(leaveTo)->setFocus();
    }

    std::unique_ptr<TfrmRegieT1_T2> m_register;

    // Today as a stored date reads.
    static QString today() { return platform::Clock::today().toString(QStringLiteral("dd.MM.yyyy")); }

    static int transitCount()
    {
        platform::Table t(platform::Alias::Data, Tables::Ausfuhr);
        t.open();
        return t.recordCount();
    }
};

} // namespace

TEST_F(TransitTest, TheRegisterKeepsTheTemplateAndLeavesDeclarationOneWithItsItem)
{
    shell::CurrentDocumentNumber = 5;
    {
        TfrmRegieT1_T2 documentRegister;
        EXPECT_EQ(documentRegister.windowTitle(), "Regiezentrum: Versandmeldung");
        EXPECT_EQ(frmRegieT1_T2, &documentRegister);
        EXPECT_EQ(transitHead(shell::TemplateNumber, "datum"), today());
        EXPECT_EQ(transitItems(shell::TemplateNumber), QList<int>({ 1 }));
        documentRegister.show();
        EXPECT_EQ(documentRegister.currentNumber(), shell::TemplateNumber)
            << "no declaration 5: the register stands on the template";
        EXPECT_TRUE(documentRegister.SpeedButton7->isEnabled());
        documentRegister.reject();
    }
    EXPECT_EQ(frmRegieT1_T2, nullptr);
    EXPECT_EQ(transitHead(1, "datum"), today());
    EXPECT_EQ(transitItems(1), QList<int>({ 1 }));

    // With a declaration besides the template nothing is added.
    addTransit(7);
    {
        TfrmRegieT1_T2 documentRegister;
        ASSERT_TRUE(documentRegister.head().findKey({ shell::TemplateNumber }));
        documentRegister.reject();
    }
    EXPECT_EQ(transitCount(), 3);
    EXPECT_EQ(transitItems(7), QList<int>());
}

TEST_F(TransitTest, ACopyHasTodaysDateAnEmptyBox29AndTheSourcesItems)
{
    addTransit(3,
        { { "datum", QDate(2021, 1, 4) }, { "f8_1", "Zeder GmbH" }, { "F29", "DE004400" }, { "F14_4", "Schweiz" },
            { "F28", "Bank" } });
    for (int item : { 1, 2, 3 })
        addTransitItem(3, item, { { "f31_2", QStringLiteral("Ware %1").arg(item) } });
    setParameter("VorschlagNr_20", 7);
    TfrmRegieT1_T2 documentRegister;
    ASSERT_TRUE(documentRegister.head().findKey({ 3 }));
    testsupport::onNextModal([](QDialog *dialog) {
        auto *copy = qobject_cast<shell::TCopyDlg *>(dialog);
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->ToNumber(), 7);
        testsupport::onNextModal([](QDialog *entry) {
            EXPECT_EQ(entry->windowTitle(), "Versandanmeldung");
            entry->close();
        });
        copy->OKBtn->click();
    });
    documentRegister.bbtKopierenClick();
    EXPECT_EQ(transitHead(7, "datum"), today());
    EXPECT_EQ(transitHead(7, "f8_1"), "Zeder GmbH");
    EXPECT_EQ(transitHead(7, "F28"), "Bank") << "the field before the last is copied";
    EXPECT_EQ(transitHead(7, "F29"), "") << "box 29 is left empty";
    EXPECT_EQ(transitHead(7, "F14_4"), "");
    EXPECT_EQ(transitItems(7), QList<int>({ 1, 2, 3 }));
    EXPECT_EQ(transitItem(7, 3, "f31_2"), "Ware 3");
    EXPECT_EQ(parameterValue("VorschlagNr_20"), "8") << "the proposal stays at the target + 1";

    // The next Neu proposes the number after the copy and leaves the new
    // head in edit for the entry window.
    dialogs.answerText(QStringLiteral("8"));
    bool editing = false;
    testsupport::onNextModal([&documentRegister, &editing](QDialog *entry) {
        editing = documentRegister.head().isEditing();
        EXPECT_EQ(static_cast<shell::EntryWindow *>(entry)->statusText(1), "BelegNr. : 8");
        entry->close();
    });
    documentRegister.bbtNeuClick();
    EXPECT_EQ(dialogs.calls().constFirst().preset, "8");
    EXPECT_EQ(transitHead(8, "belegnr"), "8");
    EXPECT_TRUE(editing);
    documentRegister.reject();
}

TEST_F(TransitTest, OpeningAnUnknownNumberShowsNothing)
{
    TfrmRegieT1_T2::OpenDocument(42);
    EXPECT_TRUE(dialogs.calls().isEmpty());
    EXPECT_EQ(frmRegieT1_T2, nullptr);
}

TEST_F(TransitTest, Boxes3And5FollowEveryItemCommand)
{
    enum Command { Edit, Add, Delete, CancelledDelete };
    const struct {
        const char *name;
        int items;
        Command command;
        const char *sheets;
        const char *count;
    } cases[] = {
        { "edit without items", 0, Edit, "1", "0" },
        { "cancelled delete without items", 0, CancelledDelete, "1", "0" },
        { "cancelled delete of one", 1, CancelledDelete, "1", "1" },
        { "edit of two", 2, Edit, "2", "2" },
        { "add to three", 3, Add, "2", "4" },
        { "cancelled delete of five", 5, CancelledDelete, "3", "5" },
        { "delete of five", 5, Delete, "2", "4" },
        { "delete of two", 2, Delete, "1", "1" },
    };
    int number = 20;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.clear();
        ++number;
        addTransit(number, { { "f3_1", "9" }, { "f3_2", "9" }, { "F5", "9" } });
        for (int item = 1; item <= c.items; ++item)
            addTransitItem(number, item);
        auto window = open(number);
        switch (c.command) {
        case Edit:
            if (c.items > 0)
                testsupport::onNextModal([](QDialog *item) { item->close(); });
            window->editPosition();
            break;
        case Add:
            testsupport::onNextModal([](QDialog *item) { item->close(); });
            window->addPosition();
            break;
        case Delete:
            dialogs.answer(platform::DialogAnswer::Ok);
            window->deletePosition();
            break;
        case CancelledDelete:
            dialogs.answer(platform::DialogAnswer::Cancel);
            window->deletePosition();
            break;
        }
        EXPECT_EQ(transitHead(number, "f3_1"), "1");
        EXPECT_EQ(transitHead(number, "f3_2"), c.sheets);
        EXPECT_EQ(transitHead(number, "F5"), c.count);
        window.reset();
    }
}

TEST_F(TransitTest, DeletingAnItemNumbersTheRestAndANewOneTakesTheTemplatesFirstItem)
{
    addTransit(11);
    for (int item = 1; item <= 4; ++item)
        addTransitItem(11, item, { { "f31_2", QStringLiteral("Ware %1").arg(item) } });
    addTransit(shell::TemplateNumber);
    addTransitItem(shell::TemplateNumber, 1, { { "F37_1", "1000" }, { "F46", "12" }, { "EURO", true } });
    auto window = open(11);
    ASSERT_TRUE(window->items().findKey({ 11, 2 }));
    dialogs.answer(platform::DialogAnswer::Ok);
    window->deletePosition();
    EXPECT_EQ(dialogs.lastCall().text, "Datensatz löschen?");
    EXPECT_EQ(transitItems(11), QList<int>({ 1, 2, 3 }));
    EXPECT_EQ(transitItem(11, 2, "f31_2"), "Ware 3");
    EXPECT_EQ(transitItem(11, 3, "f31_2"), "Ware 4");
    EXPECT_EQ(window->items().field(1).asInteger(), 1) << "the list stands on item 1";

    testsupport::onNextModal([](QDialog *item) {
        EXPECT_EQ(item->windowTitle(), "Packstücke und Warenbezeichnung");
        item->close();
    });
    window->addPosition();
    EXPECT_EQ(transitItems(11), QList<int>({ 1, 2, 3, 4 }));
    EXPECT_EQ(transitItem(11, 4, "F37_1"), "1000");
    EXPECT_EQ(transitItem(11, 4, "F46"), "12");
    EXPECT_EQ(transitItem(11, 4, "EURO"), "True");
    EXPECT_EQ(transitHead(11, "F5"), "4");
}

TEST_F(TransitTest, Box14PrefixesTheDeclarantWithEveryChoice)
{
    addTransit(12, { { "F14_1", "Spedition Kurz" } });
    auto window = open(12);
    QAction *second = window->PopupMenu1->actions().at(1);
    second->trigger();
    second->trigger();
    EXPECT_EQ(window->head().fieldByName("F14_1").asString(), "[2] [2] Spedition Kurz");
    window->close();
    EXPECT_EQ(transitHead(12, "F14_1"), "[2] [2] Spedition Kurz");
}

TEST_F(TransitTest, Box17TakesATypedCountryNumberOrAPickedLetterCode)
{
    for (const auto &country : { std::array<const char *, 3> { "CH", "039", "Schweiz" },
             std::array<const char *, 3> { "AT", "038", "Österreich" },
             std::array<const char *, 3> { "NO", "028", "Norwegen" } })
        testsupport::insertRecord(
            masterdata::Tables::Countries, { { "Lkz", country[0] }, { "Land", country[1] }, { "Bez", country[2] } });
    shell::TfrmData1 module;
    shell::frmData1 = &module;
    addTransit(13);
    auto window = open(13);
    type(*window, "DBEdit77", "039", "DBEdit78");
    EXPECT_EQ(transitHead(13, "F17"), "Schweiz");
    EXPECT_EQ(transitHead(13, "F17_1"), "039");

    // As the country list leaves it: the letter code.
    type(*window, "DBEdit77", "no", "DBEdit78");
    EXPECT_EQ(transitHead(13, "F17"), "Norwegen");
    EXPECT_EQ(transitHead(13, "F17_1"), "NO");
    EXPECT_TRUE(dialogs.calls().isEmpty()) << "no false message about the country number";

    type(*window, "DBEdit77", "9", "DBEdit78");
    ASSERT_FALSE(dialogs.calls().isEmpty());
    EXPECT_EQ(dialogs.lastCall().text, masterdata::NoCountryFound);
    EXPECT_EQ(lineEdit(*window, "DBEdit77")->text(), "9") << "the typed code stays";

    bool offered = false;
    testsupport::onNextModal([&offered](QDialog *dialog) {
        auto *choice = qobject_cast<masterdata::TfrmAllgemein *>(dialog);
        ASSERT_NE(choice, nullptr);
        offered = true;
        EXPECT_EQ(choice->windowTitle(), "Übernahme");
        EXPECT_EQ(choice->DBGrid1->model()->rowCount(), 2);
        dialog->reject();
    });
    type(*window, "DBEdit77", "03", "DBEdit78");
    EXPECT_TRUE(offered) << "two country numbers begin with 03";

    window.reset();
    shell::frmData1 = nullptr;
}

TEST_F(TransitTest, TheGoodsItemWindowShowsBox44BesideTheHeadsAndTakesAGoodsNumber)
{
    addTransit(17);
    for (int item = 1; item <= 3; ++item)
        addTransitItem(17, item, { { "f31_2", "alt 2" }, { "f31_3", "alt 3" }, { "f31_4", "alt 4" } });
    addTransit(shell::TemplateNumber);
    addTransitItem(shell::TemplateNumber, 1);
    testsupport::insertRecord(
        masterdata::Tables::GoodsNumbers, { { "waren", "84713000" }, { "bez1", "Tragbare Rechner" } });
    const struct {
        int number;
        int item;
        bool box44;
    } cases[] = { { 17, 1, false }, { 17, 3, true }, { shell::TemplateNumber, 1, true } };
    for (const auto &c : cases) {
        auto window = open(c.number);
        ASSERT_TRUE(window->items().findKey({ c.number, c.item }));
        Tfrmeversand_ex item(*window);
        item.show();
        EXPECT_EQ(item.Panel44->isVisible(), c.box44) << c.number << "/" << c.item;
        if (c.number == 17 && c.item == 3) {
            EXPECT_EQ(item.statusText(1), "BelegNr. : 17 (3. Position)");
            testsupport::onNextModal([](QDialog *dialog) {
                auto *list = dynamic_cast<masterdata::TfrmWare *>(dialog);
                ASSERT_NE(list, nullptr);
                list->takeButton()->click();
            });
            item.runPick(1);
            item.close();
            EXPECT_EQ(transitItem(17, 3, "f33_1"), "84713000");
            EXPECT_EQ(transitItem(17, 3, "f31_2"), "Tragbare Rechner");
            EXPECT_EQ(transitItem(17, 3, "f31_3"), "") << "an empty description clears its line";
            EXPECT_EQ(transitItem(17, 3, "f31_4"), "");
        }
        item.close();
    }
}
