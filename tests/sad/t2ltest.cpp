#include "sadfixture.h"

#include "masterdata/countries.h"
#include "masterdata/goodsnumbers.h"
#include "masterdata/picklists.h"
#include "platform/clock.h"
#include "sad/tfrmeinht2l.h"
#include "sad/tfrmregiet2l.h"
#include "shell/numberrangedialog.h"
#include "shell/radiogroup.h"
#include "shell/tfrmsuche.h"
#include "shell/twheeldbgrid.h"
#include "support/modaldialog.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace sad;

namespace {

// The T2L document's tables in a fresh data directory.
class T2LTest : public SadTest
{
protected:
    void TearDown() override
    {
        m_register.reset();
        SadTest::TearDown();
    }

    static void addT2L(int number, const QVariantMap &values = {}) { addKeyed(Tables::EinHT2L, { number }, values); }
    static void addT2LItem(int number, int item, const QVariantMap &values = {})
    {
        addKeyed(Tables::EinFT2L, { number, item }, values);
    }
    static QString t2lHead(int number, const QString &field) { return stored(Tables::EinHT2L, { number }, field); }
    static QString t2lItem(int number, int item, const QString &field)
    {
        return stored(Tables::EinFT2L, { number, item }, field);
    }
    static QList<int> t2lItems(int number) { return itemNumbers(Tables::EinFT2L, number); }
    static QString today() { return platform::Clock::today().toString(QStringLiteral("dd.MM.yyyy")); }

    // The entry window on a document of a register of its own.
    std::unique_ptr<TfrmEinHT2L> open(int number)
    {
        m_register.reset();
        m_register = std::make_unique<TfrmRegieT2L>();
        EXPECT_TRUE(m_register->head().findKey({ number }));
        auto window = std::make_unique<TfrmEinHT2L>(*m_register);
        window->setNumberText(QStringLiteral("BelegNr: %1").arg(number));
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }

    // The navigator's button by its caption.
    static QToolButton *navigatorButton(TfrmEinHT2L &window, const QString &caption)
    {
        for (QToolButton *button : window.DBNavigator1->findChildren<QToolButton *>()) {
            if (button->text() == caption)
                return button;
        }
        return nullptr;
    }

    std::unique_ptr<TfrmRegieT2L> m_register;
};

} // namespace

TEST_F(T2LTest, TheRegisterMakesTheTemplateDatedTodayAsText)
{
    {
        TfrmRegieT2L documentRegister;
        EXPECT_EQ(documentRegister.windowTitle(), "Regiezentrum: Einheitspapier");
        EXPECT_EQ(frmRegieT2L, &documentRegister);
        EXPECT_EQ(t2lHead(shell::TemplateNumber, "Datum"), today());
        EXPECT_EQ(t2lItems(shell::TemplateNumber), QList<int>({ 1 }));
        documentRegister.show();
        documentRegister.reject();
    }
    EXPECT_EQ(frmRegieT2L, nullptr);
    EXPECT_EQ(t2lHead(1, "Datum"), today()) << "closing over the template alone leaves document 1";
    EXPECT_EQ(t2lItems(1), QList<int>({ 1 }));
}

TEST_F(T2LTest, KopierenCarriesEveryItemLeavesBox54sLastLineEmptyAndNeuSkipsTheCopy)
{
    addT2L(3, { { "Datum", "04.01.2021" }, { "F8_2", "Zeder GmbH" }, { "F54_5", "Hans Muster" }, { "F54_6", "i.A." } });
    for (int item : { 1, 2, 3 })
        addT2LItem(3, item, { { "F31_2", QStringLiteral("Ware %1").arg(item) } });
    addT2L(8);
    setParameter("Vorschlag_T2L", 7);
    TfrmRegieT2L documentRegister;
    ASSERT_TRUE(documentRegister.head().findKey({ 3 }));
    testsupport::onNextModal([](QDialog *dialog) {
        auto *copy = qobject_cast<shell::TCopyDlg *>(dialog);
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->ToNumber(), 7);
        testsupport::onNextModal([](QDialog *entry) {
            EXPECT_EQ(entry->windowTitle(), "Einheitspapier T2L");
            entry->close();
        });
        copy->OKBtn->click();
    });
    documentRegister.bbtKopierenClick();
    EXPECT_EQ(t2lHead(7, "Datum"), today());
    EXPECT_EQ(t2lHead(7, "F8_2"), "Zeder GmbH");
    EXPECT_EQ(t2lHead(7, "F54_5"), "Hans Muster");
    EXPECT_EQ(t2lHead(7, "F54_6"), "") << "the last line of box 54 is left empty";
    EXPECT_EQ(t2lItems(7), QList<int>({ 1, 2, 3 }));
    EXPECT_EQ(t2lItem(7, 3, "F31_2"), "Ware 3");
    EXPECT_EQ(parameterValue("Vorschlag_T2L"), "7") << "the proposal is the offered number";

    // Neu passes over 7 (the copy) and 8 (in use).
    dialogs.answerText(QStringLiteral("9"));
    testsupport::onNextModal([](QDialog *entry) { entry->close(); });
    documentRegister.bbtNeuClick();
    ASSERT_FALSE(dialogs.calls().isEmpty());
    EXPECT_EQ(dialogs.calls().constFirst().preset, "9");
    EXPECT_EQ(t2lHead(9, "BelegNr"), "9");
    documentRegister.reject();
}

TEST_F(T2LTest, SearchByConsigneeFindsTheDocument)
{
    addT2L(4, { { "F8_2", "Zeder GmbH" } });
    addT2L(5, { { "F8_2", "Ahorn AG" } });
    TfrmRegieT2L documentRegister;
    documentRegister.show();
    QStringList found;
    testsupport::onNextModal([&found](QDialog *dialog) {
        auto *search = qobject_cast<shell::TfrmSuche *>(dialog);
        ASSERT_NE(search, nullptr);
        EXPECT_EQ(search->RadioGroup1->items(), QStringList({ "BelegNr.", "Empfänger" }));
        search->RadioGroup1->button(1)->click();
        search->Edit1->setText(QStringLiteral("ah"));
        search->SpeedButton3->click();
        for (int row = 0; row < search->DBGrid1->model()->rowCount(); ++row)
            found.append(search->DBGrid1->model()->index(row, 0).data().toString());
        search->BtnAbbruch->click();
    });
    documentRegister.SpeedButton6->click();
    EXPECT_EQ(found, QStringList({ "5" }));
    documentRegister.reject();
}

TEST_F(T2LTest, Boxes3And5FollowEveryNavigatorCommand)
{
    enum Command { Edit, Insert, Delete, CancelledDelete };
    const struct {
        const char *name;
        int items;
        Command command;
        const char *sheets;
        const char *count;
    } cases[] = {
        { "edit without items", 0, Edit, "1", "0" },
        { "insert into none", 0, Insert, "1", "1" },
        { "cancelled delete of one", 1, CancelledDelete, "1", "1" },
        { "edit of two", 2, Edit, "2", "2" },
        { "insert into three", 3, Insert, "2", "4" },
        { "edit of five", 5, Edit, "3", "5" },
        { "delete of five", 5, Delete, "2", "4" },
        { "delete of two", 2, Delete, "1", "1" },
    };
    int number = 20;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.clear();
        ++number;
        addT2L(number, { { "F3_1", "9" }, { "F3_2", "9" }, { "F5", "9" } });
        for (int item = 1; item <= c.items; ++item)
            addT2LItem(number, item);
        auto window = open(number);
        switch (c.command) {
        case Edit:
            if (c.items > 0)
                testsupport::onNextModal([](QDialog *item) { item->close(); });
            navigatorButton(*window, "Aktuelle Position bearbeiten")->click();
            break;
        case Insert:
            testsupport::onNextModal([](QDialog *item) {
                EXPECT_EQ(item->windowTitle(), "Einheitspapier T2L - Positionsbearbeitung");
                item->close();
            });
            navigatorButton(*window, "Position hinzufügen")->click();
            break;
        case Delete:
            dialogs.answer(platform::DialogAnswer::Ok);
            navigatorButton(*window, "Aktuelle Position löschen")->click();
            break;
        case CancelledDelete:
            dialogs.answer(platform::DialogAnswer::Cancel);
            navigatorButton(*window, "Aktuelle Position löschen")->click();
            break;
        }
        EXPECT_EQ(t2lHead(number, "F3_1"), "1");
        EXPECT_EQ(t2lHead(number, "F3_2"), c.sheets);
        EXPECT_EQ(t2lHead(number, "F5"), c.count);
        window.reset();
    }
}

TEST_F(T2LTest, DeletingAnItemRenumbersAndANewOneTakesTheTemplatesFirstItem)
{
    addT2L(11);
    for (int item = 1; item <= 3; ++item)
        addT2LItem(11, item, { { "F31_2", QStringLiteral("Ware %1").arg(item) } });
    addT2L(shell::TemplateNumber);
    addT2LItem(shell::TemplateNumber, 1, { { "F35", "12" }, { "F44_6", "DG0" }, { "F44_7", "X" } });
    auto window = open(11);
    ASSERT_TRUE(window->items().findKey({ 11, 2 }));
    dialogs.answer(platform::DialogAnswer::Ok);
    window->deletePosition();
    EXPECT_EQ(t2lItems(11), QList<int>({ 1, 2 }));
    EXPECT_EQ(t2lItem(11, 2, "F31_2"), "Ware 3");

    testsupport::onNextModal([](QDialog *item) { item->close(); });
    window->addPosition();
    EXPECT_EQ(t2lItems(11), QList<int>({ 1, 2, 3 }));
    EXPECT_EQ(t2lItem(11, 3, "F35"), "12");
    EXPECT_EQ(t2lItem(11, 3, "F44_6"), "DG0");
    EXPECT_EQ(t2lItem(11, 3, "F44_7"), "X");
    EXPECT_EQ(t2lItem(11, 3, "F31_2"), "");
}

TEST_F(T2LTest, Box14PrefixesTheFirstNameLineAndBox55StoresOneOrZero)
{
    addT2L(12, { { "F14_1", "4711" }, { "F14_2", "Beispiel GmbH" } });
    auto window = open(12);
    EXPECT_EQ(window->PopupMenu1->actions().at(0)->text(), "1 - Anmelder");
    window->PopupMenu1->actions().at(0)->trigger();
    auto *container = qobject_cast<QCheckBox *>(window->control("DBCheckBox2"));
    ASSERT_NE(container, nullptr);
    container->click();
    window->close();
    EXPECT_EQ(t2lHead(12, "F14_2"), "[1] Beispiel GmbH");
    EXPECT_EQ(t2lHead(12, "F14_1"), "4711");
    EXPECT_EQ(t2lHead(12, "F55_7"), "1");

    window.reset();
    window = open(12);
    qobject_cast<QCheckBox *>(window->control("DBCheckBox2"))->click();
    window->close();
    EXPECT_EQ(t2lHead(12, "F55_7"), "0");
}

TEST_F(T2LTest, CountryListsNameTheirBox)
{
    testsupport::insertRecord(
        masterdata::Tables::Countries, { { "Lkz", "CH" }, { "Land", "039" }, { "Bez", "Schweiz" } });
    addT2L(13);
    auto window = open(13);
    const struct {
        const char *button;
        const char *field;
        const char *box;
    } cases[] = { { "btn15", "F15", "15" }, { "btn17", "F17", "17" }, { "btn182", "F18_2", "18" },
        { "btn212", "F21_2", "21" }, { "btn27", "F27_2", "27" } };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.button);
        QString caption;
        testsupport::onNextModal([&caption](QDialog *dialog) {
            caption = dialog->windowTitle();
            dialog->accept();
        });
        window->findChild<QToolButton *>(c.button)->click();
        EXPECT_TRUE(caption.endsWith(QStringLiteral("  (Feld: %1)").arg(c.box))) << caption.toStdString();
        EXPECT_EQ(window->head().fieldByName(c.field).asString(), "CH");
    }
    window->close();
}

TEST_F(T2LTest, F6InTheTemplateFixesAnEditThatOrdinaryDocumentsThenDisable)
{
    addT2L(14);
    {
        auto window = open(shell::TemplateNumber);
        QWidget *box4 = window->control("DBEdit11");
        box4->setFocus();
        QTest::keyClick(box4, Qt::Key_F6);
        window->close();
    }
    EXPECT_EQ(parameterValue("Memo_T2L"), "DBEdit11");
    {
        auto window = open(14);
        EXPECT_FALSE(window->control("DBEdit11")->isEnabled());
        QWidget *box6 = window->control("DBEdit13");
        box6->setFocus();
        QTest::keyClick(box6, Qt::Key_F6);
        window->close();
    }
    EXPECT_EQ(parameterValue("Memo_T2L"), "DBEdit11") << "F6 does nothing outside the template";
}

TEST_F(T2LTest, TheGoodsNumberFillsTheDescriptionBox33AndBox38)
{
    addT2L(17);
    addT2LItem(17, 1, { { "F31_3", "alt" } });
    testsupport::insertRecord(masterdata::Tables::GoodsNumbers,
        { { "waren", "84713000" }, { "bez1", "Tragbare Rechner" }, { "Netto", "2,5" } });
    auto window = open(17);
    ASSERT_TRUE(window->items().findKey({ 17, 1 }));
    window->items().edit();
    TfrmEinPT2L item(*window);
    item.show();
    EXPECT_EQ(item.windowTitle(), "Einheitspapier T2L - Positionsbearbeitung");
    EXPECT_EQ(item.statusText(1), "BelegNr: 17");
    testsupport::onNextModal([](QDialog *dialog) {
        auto *list = dynamic_cast<masterdata::TfrmWare *>(dialog);
        ASSERT_NE(list, nullptr);
        list->takeButton()->click();
    });
    item.findChild<QToolButton *>("btn2")->click();
    // Closing writes what the focused edit holds.
    auto *box35 = qobject_cast<QLineEdit *>(item.control("DBEdit11"));
    box35->setFocus();
    QTest::keyClicks(box35, "3,1");
    item.close();
    EXPECT_EQ(t2lItem(17, 1, "F33"), "84713000");
    EXPECT_EQ(t2lItem(17, 1, "F31_2"), "Tragbare Rechner");
    EXPECT_EQ(t2lItem(17, 1, "F31_3"), "");
    EXPECT_EQ(t2lItem(17, 1, "F38"), "2,5");
    EXPECT_EQ(t2lItem(17, 1, "F35"), "3,1");
}
