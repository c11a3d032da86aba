#include "sadfixture.h"

#include "platform/controlstate.h"
#include "platform/dataedit.h"
#include "platform/fielddatalink.h"
#include "sad/goodsitems.h"
#include "sad/tfrmeinanl.h"
#include "sad/tfrmeinheit.h"
#include "sad/tfrmregieae.h"
#include "shell/entrywindow.h"
#include "shell/plausibilitydialog.h"
#include "shell/tfrmdata1.h"
#include "support/modaldialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace sad;

namespace {

class EntryWindowTest : public SadTest
{
protected:
    // The entry window on a declaration of a register of its own.
    std::unique_ptr<TfrmEinheit> open(int number)
    {
        m_register = std::make_unique<TfrmRegieAE>();
        EXPECT_TRUE(m_register->head().findKey({ number }));
        auto window = std::make_unique<TfrmEinheit>(*m_register);
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }

    void TearDown() override
    {
        m_register.reset();
        SadTest::TearDown();
    }

    void setPlausi(bool on)
    {
        platform::Table &parameter = m_register->parameter();
        shell::EditIfBrowsing(parameter);
        parameter.fieldByName(QStringLiteral("Plausi_1_1")).setAsBoolean(on);
        parameter.post();
    }

    static QString text(shell::EntryWindow &window, const QString &control)
    {
        return static_cast<QLineEdit *>(window.control(control))->text();
    }

    // The ticked check boxes of the plausibility window that opens next,
    // answered with Korrigieren or Schließen.
    static void readPlausibility(QStringList *ticked, bool *shown, bool correct)
    {
        testsupport::onNextModal([ticked, shown, correct](QDialog *dialog) {
            auto *plausi = qobject_cast<shell::PlausibilityDialog *>(dialog);
            ASSERT_NE(plausi, nullptr);
            *shown = true;
            for (int i = 0; i < plausi->checkBoxCount(); ++i) {
                if (plausi->checkBox(i)->isChecked())
                    ticked->append(plausi->checkBox(i)->text());
            }
            (correct ? plausi->BtnKorrigieren : plausi->BtnSchliessen)->click();
        });
    }

    std::unique_ptr<TfrmRegieAE> m_register;
};

// A declaration whose head passes the check.
QVariantMap completeHead()
{
    return { { "f1_1", "EX" }, { "f1_2", "A" }, { "f2_1", "Export AG" }, { "f8_1", "Zeder GmbH" },
        { "F14_1", "[1] Export AG" }, { "f17_1", "CH" }, { "f19", "0" }, { "f21_1", "LKW" }, { "f21_2", "DE" },
        { "f22_1", "EUR" }, { "f22_2", "100" }, { "f24_1", "1" }, { "f24_2", "1" }, { "f25", "3" }, { "f26", "3" },
        { "f29", "DE004400" }, { "f54_1", "Bonn" } };
}

// A goods item that passes the check.
QVariantMap completeItem()
{
    return { { "f31_2", "Schrauben" }, { "f33_1", "73181535" }, { "f34_1", "DE" }, { "f34_2", "05" },
        { "f37_1", "1000" }, { "f37_2", "000" }, { "f38", "12" }, { "f41_1", "100" }, { "f46", "500" } };
}

} // namespace

TEST(FormsAndItems, OneItemOnTheFirstSheetAndThreeOnEachFurther)
{
    const struct {
        int items;
        const char *sheets;
    } cases[] = { { 0, "1" }, { 1, "1" }, { 2, "2" }, { 4, "2" }, { 5, "3" }, { 7, "3" } };
    for (const auto &c : cases) {
        const FormsAndItems result = formsAndItems(c.items);
        EXPECT_EQ(result.sheet, "1") << c.items;
        EXPECT_EQ(result.sheets, c.sheets) << c.items;
        EXPECT_EQ(result.items, QString::number(c.items)) << c.items;
    }
}

TEST_F(EntryWindowTest, ANewItemTakesTheTemplateValuesAndBoxes3And5FollowTheItems)
{
    addDeclaration(shell::TemplateNumber);
    addItem(shell::TemplateNumber, 1, { { "f37_1", "1000" }, { "f34_1", "DE" }, { "f31_2", "Vorlage" } });
    addDeclaration(4);
    for (int position : { 1, 2, 3 })
        addItem(4, position, { { "f31_2", QStringLiteral("Ware %1").arg(position) } });
    auto window = open(4);
    testsupport::onNextModal([](QDialog *dialog) { dialog->close(); }); // the goods-item window
    window->itemButtons.add->click();
    EXPECT_EQ(items(4), QList<int>({ 1, 2, 3, 4 }));
    EXPECT_EQ(item(4, 4, "f37_1"), "1000");
    EXPECT_EQ(item(4, 4, "f31_2"), "Vorlage");
    EXPECT_EQ(head(4, "f3_1"), "1");
    EXPECT_EQ(head(4, "f3_2"), "2");
    EXPECT_EQ(head(4, "F5"), "4");
    EXPECT_EQ(text(*window, "DBEdit59"), "4");

    // Deleting item 2 of 4 renumbers the rest.
    ASSERT_TRUE(window->items().findKey({ 4, 2 }));
    dialogs.answer(platform::DialogAnswer::Ok);
    window->itemButtons.remove->click();
    EXPECT_EQ(dialogs.lastCall().text, "Datensatz löschen?");
    EXPECT_EQ(items(4), QList<int>({ 1, 2, 3 }));
    EXPECT_EQ(item(4, 2, "f31_2"), "Ware 3");
    EXPECT_EQ(item(4, 3, "f31_2"), "Vorlage");
    EXPECT_EQ(head(4, "F5"), "3");
    EXPECT_EQ(head(4, "f3_2"), "2");

    // Not confirmed: nothing goes.
    dialogs.answerCancel();
    window->itemButtons.remove->click();
    EXPECT_EQ(items(4), QList<int>({ 1, 2, 3 }));
}

TEST_F(EntryWindowTest, AnItemAddedToTheTemplateWaitsForTheItemWindow)
{
    addDeclaration(shell::TemplateNumber);
    addItem(shell::TemplateNumber, 1, { { "f37_1", "1000" } });
    auto window = open(shell::TemplateNumber);
    bool inserting = false;
    testsupport::onNextModal([&](QDialog *dialog) {
        inserting = window->items().isEditing();
        dialog->close();
    });
    window->itemButtons.add->click();
    EXPECT_TRUE(inserting);
    EXPECT_EQ(items(shell::TemplateNumber), QList<int>({ 1, 2 }));
    EXPECT_EQ(item(shell::TemplateNumber, 2, "f37_1"), "") << "the template's new item starts empty";
}

TEST_F(EntryWindowTest, TheHiddenBox44DeclarationDisablesTheSpecialReferencesButKeepsTheirText)
{
    addDeclaration(6, { { "F44_11", "j" }, { "f44_5", "Ausfuhrgenehmigung 1" }, { "f44_6", "Zeile 2" } });
    addDeclaration(7, { { "F44_11", "n" }, { "f44_5", "frei" } });
    {
        auto window = open(6);
        EXPECT_FALSE(window->control("DBEdit23")->isEnabled());
        EXPECT_FALSE(window->control("DBEdit24")->isEnabled());
        EXPECT_EQ(text(*window, "DBEdit23"), "Ausfuhrgenehmigung 1");
        window->close();
    }
    EXPECT_EQ(head(6, "f44_5"), "Ausfuhrgenehmigung 1");
    EXPECT_EQ(head(6, "f44_6"), "Zeile 2");
    m_register.reset();
    auto window = open(7);
    EXPECT_TRUE(window->control("DBEdit23")->isEnabled());
    EXPECT_EQ(platform::controlColor(window.get(), "DBEdit23"), shell::WindowColor);
}

TEST_F(EntryWindowTest, Box14PopUpsAddTheirTextsAndTheFieldKeepsItsSize)
{
    addDeclaration(8, { { "F14_1", "Export AG" }, { "f14_2", QString(30, 'x') } });
    auto window = open(8);
    const auto choose = [](QMenu *menu, int index) { menu->actions().at(index)->trigger(); };
    choose(window->PopupMenu14Representation, 0);
    choose(window->PopupMenu14Representation, 1);
    EXPECT_EQ(text(*window, "DBEdit34"), "[2] [1] Export AG");
    choose(window->PopupMenu14Role, 0);
    EXPECT_EQ(text(*window, "DBEdit38"), QString(30, 'x') + "Ausfü") << "cut to the field's 35 characters";
    window->close();
    EXPECT_EQ(head(8, "F14_1"), "[2] [1] Export AG");
}

TEST_F(EntryWindowTest, TheHeadCheckOpensOnlyForTheBoxesThatDecide)
{
    const struct {
        const char *name;
        QVariantMap change;
        bool plausi;
        bool shown;
        QStringList ticked;
    } cases[] = {
        { "complete but box 17 name", {}, true, false, {} },
        { "box 19 missing", { { "f19", "" } }, true, true, { "17 Bestimmungsland", "19 Container" } },
        { "one line of box 8 is enough", { { "f8_1", "" }, { "f8_3", "Zeder" } }, true, false, {} },
        { "switch off", { { "f19", "" }, { "f1_1", "" } }, false, false, {} },
    };
    for (const auto &c : cases) {
        restart();
        QVariantMap values = completeHead();
        for (auto it = c.change.cbegin(); it != c.change.cend(); ++it)
            values.insert(it.key(), it.value());
        addDeclaration(9, values);
        auto window = open(9);
        setPlausi(c.plausi);
        QStringList ticked;
        bool shown = false;
        if (c.shown)
            readPlausibility(&ticked, &shown, true);
        const bool closes = window->plausibilityCheck();
        EXPECT_EQ(shown, c.shown) << c.name;
        EXPECT_EQ(ticked, c.ticked) << c.name;
        EXPECT_EQ(closes, !c.shown) << c.name << ": Korrigieren keeps the window open";
        window.reset();
        m_register.reset();
    }
}

TEST_F(EntryWindowTest, TheItemCheckTicksTheItemsGroupAndKorrigierenKeepsTheWindowOpen)
{
    const struct {
        const char *name;
        QVariantMap change;
        QStringList ticked;
    } cases[] = {
        { "only box 41 missing", { { "f41_1", "" } }, { "41 Bes. Maßeinheit" } },
        { "region missing, country there", { { "f34_2", "" } }, {} },
        { "region and country missing", { { "f34_2", "" }, { "f34_1", "" } }, { "34 Ursp.-Land" } },
    };
    for (const auto &c : cases) {
        restart();
        addDeclaration(10, completeHead());
        QVariantMap values = completeItem();
        for (auto it = c.change.cbegin(); it != c.change.cend(); ++it)
            values.insert(it.key(), it.value());
        addItem(10, 1, values);
        auto window = open(10);
        setPlausi(true);
        ASSERT_TRUE(window->items().findKey({ 10, 1 }));
        {
            TfrmEinAnl itemWindow(*window);
            itemWindow.show();
            QStringList ticked;
            bool shown = false;
            readPlausibility(&ticked, &shown, true);
            itemWindow.reject();
            EXPECT_TRUE(shown) << c.name;
            EXPECT_EQ(ticked, c.ticked) << c.name;
            EXPECT_TRUE(itemWindow.isVisible()) << c.name << ": Korrigieren keeps it open";
            setPlausi(false);
            itemWindow.reject();
            EXPECT_FALSE(itemWindow.isVisible()) << c.name << ": without the switch it closes unchecked";
        }
        window.reset();
        m_register.reset();
    }
}

TEST_F(EntryWindowTest, Box44OfTheFirstItemIsTheHeadsExceptInTheTemplate)
{
    addDeclaration(11);
    addItem(11, 1);
    addItem(11, 2);
    addDeclaration(shell::TemplateNumber);
    addItem(shell::TemplateNumber, 1);
    const struct {
        int number;
        int item;
        bool shown;
    } cases[] = { { 11, 1, false }, { 11, 2, true }, { shell::TemplateNumber, 1, true } };
    for (const auto &c : cases) {
        auto window = open(c.number);
        ASSERT_TRUE(window->items().findKey({ c.number, c.item }));
        {
            TfrmEinAnl itemWindow(*window);
            itemWindow.show();
            EXPECT_EQ(itemWindow.Panel44->isVisible(), c.shown) << c.number << "/" << c.item;
            itemWindow.close();
        }
        window.reset();
        m_register.reset();
    }
}

TEST_F(EntryWindowTest, ACountryCodeNoCountryHasIsReported)
{
    testsupport::insertRecord(masterdata::Tables::Countries, { { "Lkz", "DE" }, { "Bez", "Deutschland" } });
    testsupport::insertRecord(masterdata::Tables::Countries, { { "Lkz", "DK" }, { "Bez", "Dänemark" } });
    testsupport::insertRecord(masterdata::Tables::Countries, { { "Lkz", "CH" }, { "Bez", "Schweiz" } });
    shell::TfrmData1 module;
    shell::frmData1 = &module;
    addDeclaration(12);
    auto window = open(12);
    auto *code = static_cast<QLineEdit *>(window->control("DBEdit11"));
    code->setFocus();
    QTest::keyClicks(code, "C");
    window->control("DBEdit40")->setFocus();
    EXPECT_EQ(code->text(), "CH") << "one country starts so";
    code->setFocus();
    code->selectAll();
    QTest::keyClick(code, Qt::Key_Backspace);
    QTest::keyClicks(code, "XY");
    window->control("DBEdit40")->setFocus();
    EXPECT_EQ(dialogs.lastCall().text, "Es wurde kein Datensatz mit dieser Länderkennzahl gefunden!");
    window.reset();
    shell::frmData1 = nullptr;
}
