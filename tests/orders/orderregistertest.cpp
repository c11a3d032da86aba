#include "orderfixture.h"

#include "orders/orderwindows.h"
#include "orders/tfrmauftrag.h"
#include "orders/tfrmregieauftragsdaten.h"
#include "platform/clock.h"
#include "platform/session.h"
#include "shell/documentroutines.h"
#include "shell/numberrangedialog.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"
#include "shell/tfrmmain.h"
#include "shell/tfrmsuche.h"
#include "shell/windowfactories.h"
#include "support/modaldialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

using namespace orders;
using platform::Table;
using shell::TemplateNumber;

namespace {

// What the order windows opened by a command saw.
struct Opened {
    QList<int> numbers;
    QStringList numberTexts;
};

// Closes the next order window that opens and notes what it shows.
void closeNextOrderWindow(Opened &opened)
{
    testsupport::onNextModal([&opened](QDialog *dialog) {
        auto *window = qobject_cast<TfrmAuftrag *>(dialog);
        ASSERT_NE(window, nullptr);
        opened.numbers.append(window->head().fieldByName("Belegnr").asInteger());
        opened.numberTexts.append(window->statusText(1));
        window->reject();
    });
}

class OrderRegisterTest : public OrderTest
{
protected:
    void addOrder(int number, const QVariantMap &fields = {})
    {
        QVariantMap values = fields;
        values.insert("Belegnr", number);
        insert(Tables::Orders, values);
    }
    void addLines(const QString &table, int number, const QList<int> &lines)
    {
        const QString text = table == Tables::Packages ? "Bez" : "bez1";
        for (int line : lines)
            insert(table, { { "Belegnr", number }, { "Pos", line }, { text, QString("%1/%2").arg(number).arg(line) } });
    }
    QVariant headValue(int number, const QString &field)
    {
        Table orders(platform::Alias::Data, Tables::Orders);
        orders.open();
        return orders.findKey({ number }) ? orders.value(field) : QVariant();
    }
    QList<int> orderNumbers()
    {
        QList<int> numbers;
        for (const QString &number : column(Tables::Orders, "Belegnr"))
            numbers.append(number.toInt());
        return numbers;
    }
};

TEST_F(OrderRegisterTest, OpeningEmptyTablesAppendsTheFourTemplates)
{
    TfrmRegieAuftragsdaten reg;
    EXPECT_EQ(reg.windowTitle(), "Regiezentrum: Rechnung");
    EXPECT_EQ(column(Tables::Orders, "Belegnr"), QStringList({ "2000000000" }));
    EXPECT_EQ(headValue(TemplateNumber, "Redatum").toDate(), platform::Clock::today());
    EXPECT_EQ(headValue(TemplateNumber, "proforma").toString(), "N") << "an ordinary order";
    EXPECT_EQ(headValue(TemplateNumber, "Waehrung").toString(), "EUR");
    for (const QString &table : { Tables::Positions, Tables::SumLines, Tables::Packages }) {
        EXPECT_EQ(column(table, "Belegnr"), QStringList({ "2000000000" })) << table.toStdString();
        EXPECT_EQ(column(table, "Pos"), QStringList({ "1" })) << table.toStdString();
    }
}

TEST_F(OrderRegisterTest, ClosingWithOnlyTheTemplateCreatesOrderOneWithALineOfEachKind)
{
    setParameter("Mwst", 19.0);
    {
        TfrmRegieAuftragsdaten reg;
        reg.reject();
    }
    EXPECT_EQ(orderNumbers(), QList<int>({ 1, TemplateNumber }));
    EXPECT_EQ(headValue(1, "Redatum").toDate(), platform::Clock::today());
    EXPECT_DOUBLE_EQ(headValue(1, "ReMwst").toDouble(), 19.0);
    for (const QString &table : { Tables::Positions, Tables::SumLines, Tables::Packages })
        EXPECT_EQ(count(table, 1), 1) << table.toStdString();
    EXPECT_EQ(column(Tables::Positions, "anzahl", 1), QStringList({ "1" })) << "a new position counts once";
    EXPECT_EQ(column(Tables::Packages, "Anzahl", 1), QStringList({ "1" }));
    EXPECT_EQ(column(Tables::Packages, "M3", 1), QStringList({ "0" }));

    // Closing again changes nothing.
    {
        TfrmRegieAuftragsdaten reg;
        reg.reject();
    }
    EXPECT_EQ(orderNumbers(), QList<int>({ 1, TemplateNumber }));
}

TEST_F(OrderRegisterTest, CountsAreRecomputedOnOpeningAndAfterEditing)
{
    addOrder(TemplateNumber);
    addOrder(3, { { "AnzPos", 9 } });
    addLines(Tables::Positions, 3, { 1, 2 });
    addLines(Tables::Packages, 3, { 1, 2, 3 });
    TfrmRegieAuftragsdaten reg;
    EXPECT_EQ(headValue(3, "AnzPos").toInt(), 2);
    EXPECT_EQ(headValue(3, "AnzPack").toInt(), 3);
    ASSERT_TRUE(reg.tbRechnung().findKey({ 3 }));
    EXPECT_EQ(reg.tbRechnung().fieldByName("AnzPos").asInteger(), 2) << "the grid shows the counts at once";

    // Lines added while the order is open are counted when it closes.
    Opened opened;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *window = qobject_cast<TfrmAuftrag *>(dialog);
        opened.numbers.append(shell::CurrentDocumentNumber);
        addLines(Tables::Positions, 3, { 3 });
        addLines(Tables::Packages, 3, { 4 });
        window->reject();
    });
    shell::CurrentDocumentNumber = 1;
    reg.SpeedButton3->click();
    EXPECT_EQ(opened.numbers, QList<int>({ 3 })) << "the current number is set before the order opens";
    EXPECT_EQ(headValue(3, "AnzPos").toInt(), 3);
    EXPECT_EQ(headValue(3, "AnzPack").toInt(), 4);
}

TEST_F(OrderRegisterTest, NeuTakesTheTemplateHeadWithoutOrderNumberAndLines)
{
    addOrder(TemplateNumber,
        { { "aufnr", "A-77" }, { "kunde1", "Muster GmbH" }, { "ReMwst", 16.0 }, { "vedatum", "01.01.2020" },
            { "Waehrung", "USD" } });
    addLines(Tables::Positions, TemplateNumber, { 1, 2 });
    TfrmRegieAuftragsdaten reg;
    dialogs.answerText("12");
    Opened opened;
    closeNextOrderWindow(opened);
    reg.SpeedButton2->click();
    EXPECT_EQ(opened.numbers, QList<int>({ 12 }));
    EXPECT_EQ(opened.numberTexts, QStringList({ "BelegNr.: 12" }));
    EXPECT_EQ(headValue(12, "aufnr").toString(), "");
    EXPECT_EQ(headValue(12, "kunde1").toString(), "Muster GmbH");
    EXPECT_EQ(headValue(12, "Waehrung").toString(), "USD");
    EXPECT_DOUBLE_EQ(headValue(12, "ReMwst").toDouble(), 16.0);
    EXPECT_EQ(headValue(12, "Redatum").toDate(), platform::Clock::today());
    EXPECT_EQ(headValue(12, "vedatum").toString(), "05.03.2024");
    EXPECT_EQ(count(Tables::Positions, 12), 0) << "only the head comes from the template";
    EXPECT_EQ(headValue(12, "AnzPos").toInt(), 0);
}

TEST_F(OrderRegisterTest, NeuWhoseHeadCannotBeWrittenReportsItAndOpensNothing)
{
    addOrder(TemplateNumber);
    TfrmRegieAuftragsdaten reg;
    // Another user takes the number between the question and the post.
    auto second = directory->openSecondSession();
    reg.tbRechnung().beforePost = [&second](platform::DataSet &) {
        Table orders(platform::Alias::Data, Tables::Orders);
        orders.setSession(second.get());
        orders.open();
        orders.append();
        orders.field(0).setAsInteger(12);
        orders.post();
    };
    dialogs.answerText("12");
    bool windowOpened = false;
    testsupport::onNextModal(
        [&windowOpened](QDialog *dialog) {
            windowOpened = true;
            dialog->reject();
        },
        300);
    reg.SpeedButton2->click();
    QTest::qWait(400);
    reg.tbRechnung().beforePost = nullptr;
    EXPECT_FALSE(windowOpened);
    ASSERT_EQ(dialogs.calls(platform::DialogKind::Error).size(), 1);
    EXPECT_TRUE(
        dialogs.calls(platform::DialogKind::Error).at(0).text.endsWith("Daten konnten nicht gespeichert werden!"));
    EXPECT_FALSE(reg.tbRechnung().isEditing()) << "the half-built order is dropped";
    second->closeAll();
}

TEST_F(OrderRegisterTest, KopierenCopiesEveryLineOfTheSourceOrder)
{
    setParameter("Mwst", 19.0);
    addOrder(TemplateNumber);
    addOrder(5, { { "kunde1", "Quelle AG" }, { "ReMwst", 16.0 }, { "Redatum", QDate(2020, 2, 1) }, { "aufnr", "A1" } });
    addLines(Tables::Positions, 5, { 1, 2, 4 });
    addLines(Tables::SumLines, 5, { 1, 3 });
    addLines(Tables::Packages, 5, { 2, 5 });
    addLines(Tables::Positions, 6, { 1 });
    TfrmRegieAuftragsdaten reg;
    ASSERT_TRUE(reg.tbRechnung().findKey({ 5 }));
    Opened opened;
    testsupport::onNextModal([&opened](QDialog *dialog) {
        auto *copy = qobject_cast<shell::TCopyDlg *>(dialog);
        ASSERT_NE(copy, nullptr);
        copy->Edit2->setText("9");
        closeNextOrderWindow(opened);
        copy->OKBtn->click();
    });
    reg.SpeedButton5->click();
    EXPECT_EQ(opened.numbers, QList<int>({ 9 }));
    EXPECT_EQ(column(Tables::Positions, "bez1", 9), QStringList({ "5/1", "5/2", "5/4" }));
    EXPECT_EQ(column(Tables::Positions, "Pos", 9), QStringList({ "1", "2", "4" }));
    EXPECT_EQ(column(Tables::SumLines, "bez1", 9), QStringList({ "5/1", "5/3" }));
    EXPECT_EQ(column(Tables::Packages, "Bez", 9), QStringList({ "5/2", "5/5" }));
    EXPECT_EQ(headValue(9, "kunde1").toString(), "Quelle AG");
    EXPECT_EQ(headValue(9, "aufnr").toString(), "A1");
    EXPECT_EQ(headValue(9, "Redatum").toDate(), platform::Clock::today());
    EXPECT_DOUBLE_EQ(headValue(9, "ReMwst").toDouble(), 19.0);
    EXPECT_EQ(headValue(9, "AnzPos").toInt(), 3);
    EXPECT_EQ(headValue(9, "AnzPack").toInt(), 2);
    EXPECT_EQ(count(Tables::Positions, 5), 3) << "the source stays";
}

TEST_F(OrderRegisterTest, LoeschenRemovesTheOrdersWithAllTheirLines)
{
    addOrder(TemplateNumber);
    for (int number : { 3, 4 }) {
        addOrder(number);
        addLines(Tables::Positions, number, { 1, 2 });
        addLines(Tables::SumLines, number, { 1 });
        addLines(Tables::Packages, number, { 1 });
    }
    TfrmRegieAuftragsdaten reg;
    ASSERT_TRUE(reg.tbRechnung().findKey({ 3 }));
    testsupport::onNextModal([](QDialog *dialog) { qobject_cast<shell::TDeleteDlg *>(dialog)->OKBtn->click(); });
    reg.SpeedButton4->click();
    EXPECT_EQ(orderNumbers(), QList<int>({ 4, TemplateNumber }));
    for (const QString &table : { Tables::Positions, Tables::SumLines, Tables::Packages }) {
        EXPECT_EQ(count(table, 3), 0) << table.toStdString();
        EXPECT_EQ(count(table, 4), table == Tables::Positions ? 2 : 1) << table.toStdString();
    }
}

TEST_F(OrderRegisterTest, SearchByNumberOrderNumberOrRecipient)
{
    addOrder(TemplateNumber);
    addOrder(12, { { "aufnr", "A1-500" }, { "kunde1", "Müller KG" } });
    addOrder(120, { { "aufnr", "a1-7" }, { "kunde1", "Meier" } });
    addOrder(130, { { "aufnr", "B2" }, { "kunde1", "müller & Sohn" } });
    struct Case {
        int key;
        QString text;
        QStringList found;
    };
    const Case cases[] = {
        { 0, "12", { "12" } },
        { 1, "a1", { "12", "120" } },
        { 2, "MÜLLER", { "12", "130" } },
        { 0, "zwölf", {} },
    };
    TfrmRegieAuftragsdaten reg;
    for (const auto &c : cases) {
        QStringList found;
        testsupport::onNextModal([&](QDialog *dialog) {
            auto *search = qobject_cast<shell::TfrmSuche *>(dialog);
            ASSERT_NE(search, nullptr);
            EXPECT_EQ(search->RadioGroup1->items(), QStringList({ "Beleg-Nr.", "Auftrags-Nr..", "Empfänger" }));
            search->RadioGroup1->setItemIndex(c.key);
            search->Edit1->setText(c.text);
            search->SpeedButton3->click();
            for (int i = 0; i < reg.tbRechnung().recordCount(); ++i)
                found.append(reg.tbRechnung().rowAt(i).value(0).toString());
            search->BtnAbbruch->click();
        });
        reg.SpeedButton6->click();
        EXPECT_EQ(found, c.found) << c.text.toStdString();
        EXPECT_FALSE(reg.tbRechnung().filtered());
    }
}

TEST_F(OrderRegisterTest, ClosingStoresTheCurrentNumber)
{
    addOrder(TemplateNumber);
    addOrder(4);
    addOrder(8);
    shell::CurrentDocumentNumber = 8;
    {
        TfrmRegieAuftragsdaten reg;
        reg.show();
        EXPECT_EQ(reg.currentNumber(), 8) << "the register opens on the current number";
        reg.tbRechnung().findKey({ 4 });
        reg.reject();
    }
    EXPECT_EQ(shell::CurrentDocumentNumber, 4);
}

TEST_F(OrderRegisterTest, TheMainWindowsOrderEntriesOpenTheRegister)
{
    registerOrderWindows();
    shell::TfrmMain main;
    main.updateEnabledStates();
    QStringList captions;
    const auto closeRegister = [&captions] {
        testsupport::onNextModal([&captions](QDialog *dialog) {
            captions.append(dialog->windowTitle());
            EXPECT_NE(qobject_cast<TfrmRegieAuftragsdaten *>(dialog), nullptr);
            dialog->reject();
        });
    };
    closeRegister();
    main.menuAction("Auftragsdaten")->trigger();
    closeRegister();
    main.popupAction("Auftragsdaten")->trigger();
    closeRegister();
    main.toolButton("Auftragsdaten")->click();
    EXPECT_EQ(captions, QStringList(3, "Regiezentrum: Rechnung"));
    shell::unregisterWindowFactory("Auftragsdaten");
}

} // namespace
