#include "registerfixture.h"

#include "atlas/clientlist.h"
#include "atlas/tae_sachbearbeiterfrm.h"
#include "atlas/tfrmatlasaemain.h"
#include "atlas/tfrmatlasaewaren.h"
#include "atlas/tfrmregieatlas.h"
#include "atlas/tfrmspecialform.h"
#include "masterdata/masterdatawindow.h"
#include "masterdata/selectionwindow.h"
#include "platform/datacombobox.h"
#include "platform/dataedit.h"
#include "platform/field.h"
#include "platform/table.h"
#include "shell/documentroutines.h"
#include "shell/tfrmdatetime.h"
#include "shell/tmynav.h"
#include "support/modaldialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

using namespace atlas;
using platform::DialogKind;
using shell::TemplateNumber;

namespace {

// Rejects every modal dialog that opens while it exists and counts them.
class ModalCounter : public QObject
{
public:
    ModalCounter()
    {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                if (dialog != m_last) {
                    ++opened;
                    m_last = dialog;
                }
                dialog->reject();
            }
        });
        timer->start(5);
    }
    int opened = 0;

private:
    QDialog *m_last = nullptr;
};

void sendKey(QWidget *widget, QEvent::Type type, Qt::Key key, bool autoRepeat)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(widget, &event);
}

// F9 pressed and released in a field.
void pressF9(QWidget *field)
{
    field->setFocus();
    sendKey(field, QEvent::KeyPress, Qt::Key_F9, false);
    sendKey(field, QEvent::KeyRelease, Qt::Key_F9, false);
}

// Takes over or cancels the next master-data pick window, whatever kind it is.
void closeNextPick(bool take)
{
    testsupport::onNextModal([take](QDialog *dialog) {
        if (!take) {
            dialog->reject();
            return;
        }
        if (auto *list = dynamic_cast<masterdata::SelectionWindow *>(dialog))
            list->takeButton()->click();
        else if (auto *window = dynamic_cast<masterdata::MasterDataWindow *>(dialog))
            window->takeButton()->click();
        else
            dialog->accept();
    });
}

} // namespace

class AtlasEntryWindowTest : public AtlasRegisterTest
{
protected:
    std::unique_ptr<TfrmAtlasAEMain> openOn(int number)
    {
        m_register = std::make_unique<TfrmRegieAtlas>();
        EXPECT_TRUE(m_register->tbKopf().findKey({ number }));
        auto window = std::make_unique<TfrmAtlasAEMain>(*m_register);
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }

    void TearDown() override
    {
        m_register.reset();
        AtlasRegisterTest::TearDown();
    }

    static QWidget *control(TfrmAtlasAEMain &window, const QString &name) { return window.control(name); }

    std::unique_ptr<TfrmRegieAtlas> m_register;
};

TEST_F(AtlasEntryWindowTest, F6FixesFieldsOfTheTemplateAndAYellowFieldTakesItTwice)
{
    addTemplate();
    addDeclaration(5);
    {
        auto window = openOn(TemplateNumber);
        QWidget *constellation = control(*window, "ExDBEdit4");
        constellation->setFocus();
        QTest::keyClick(constellation, Qt::Key_F6);
        EXPECT_EQ(parameterValue("Memo_AtlasAE"), "ExDBEdit4");
        // A mandatory (yellow) field first turns ordinary, then fixed.
        QWidget *kind = control(*window, "ExDBEdit6");
        kind->setFocus();
        QTest::keyClick(kind, Qt::Key_F6);
        EXPECT_EQ(parameterValue("Memo_AtlasAE"), "ExDBEdit4");
        QTest::keyClick(kind, Qt::Key_F6);
        EXPECT_EQ(parameterValue("Memo_AtlasAE"), "ExDBEdit4\r\nExDBEdit6");
        window->close();
    }
    // In a declaration the fixed fields cannot be changed, and F6 fixes nothing.
    auto window = openOn(5);
    EXPECT_FALSE(control(*window, "ExDBEdit4")->isEnabled());
    EXPECT_FALSE(control(*window, "ExDBEdit6")->isEnabled());
    QWidget *reference = control(*window, "DBEditBezugsnummer");
    reference->setFocus();
    QTest::keyClick(reference, Qt::Key_F6);
    EXPECT_EQ(parameterValue("Memo_AtlasAE"), "ExDBEdit4\r\nExDBEdit6");
    window->close();
}

TEST_F(AtlasEntryWindowTest, F9ClicksTheFieldsButtonOnceWhenReleased)
{
    addTemplate();
    addDeclaration(5);
    insertRow(masterdata::Tables::Countries, { { "Lkz", "CH" }, { "Bez", "Schweiz" } });
    auto window = openOn(5);

    // F9 in the export country: the country list, its choice into AusfLand.
    testsupport::onNextModal([](QDialog *dialog) {
        auto *list = qobject_cast<masterdata::SelectionWindow *>(dialog);
        if (!list) {
            dialog->reject();
            return;
        }
        list->takeButton()->click();
    });
    QWidget *country = control(*window, "ExDBEdit14");
    country->setFocus();
    QTest::keyClick(country, Qt::Key_F9);
    EXPECT_EQ(headText(5, "AusfLand"), "CH");

    // Art3 has no hot key: F9 opens nothing. A held F9 (repeated presses and
    // releases) clicks the constellation's button once, when let go.
    struct Case {
        const char *control;
        int presses;
        int opened;
    };
    for (const Case &c : { Case { "ExDBEdit15", 1, 0 }, Case { "ExDBEdit4", 1, 1 }, Case { "ExDBEdit4", 4, 1 } }) {
        SCOPED_TRACE(c.control);
        QWidget *field = control(*window, c.control);
        field->setFocus();
        ModalCounter counter;
        for (int i = 0; i < c.presses; ++i) {
            const bool repeated = i > 0;
            sendKey(field, QEvent::KeyPress, Qt::Key_F9, repeated);
            if (i + 1 < c.presses)
                sendKey(field, QEvent::KeyRelease, Qt::Key_F9, true);
        }
        sendKey(field, QEvent::KeyRelease, Qt::Key_F9, false);
        QTest::qWait(30);
        EXPECT_EQ(counter.opened, c.opened);
    }
    window->close();
}

TEST_F(AtlasEntryWindowTest, MemosRefuseLettersAtTheirLimitButNotUmlauts)
{
    struct Case {
        const char *memo;
        int limit;
    };
    addTemplate();
    addDeclaration(5);
    auto window = openOn(5);
    for (const Case &c : { Case { "DBMemoLieferText", 140 }, Case { "DBMemoVermerk", 255 } }) {
        SCOPED_TRACE(c.memo);
        auto *memo = qobject_cast<QPlainTextEdit *>(control(*window, c.memo));
        ASSERT_NE(memo, nullptr);
        memo->setFocus();
        memo->setPlainText(QString(c.limit - 1, u'x'));
        memo->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo, "ab");
        EXPECT_EQ(memo->toPlainText().size(), c.limit);
        EXPECT_TRUE(memo->toPlainText().endsWith(QStringLiteral("xa")));
        // An umlaut passes the key rule; the field still holds no more than
        // its size.
        QKeyEvent umlaut(QEvent::KeyPress, Qt::Key_Adiaeresis, Qt::NoModifier, QStringLiteral("ä"));
        QApplication::sendEvent(memo, &umlaut);
        EXPECT_EQ(memo->toPlainText().size(), c.limit);
        memo->setPlainText(QString(c.limit - 1, u'x'));
        memo->moveCursor(QTextCursor::End);
        QApplication::sendEvent(memo, &umlaut);
        EXPECT_TRUE(memo->toPlainText().endsWith(QStringLiteral("xä")));
    }
    window->close();

    // The rule itself: the limited set only.
    struct Typed {
        QString text;
        int length;
        bool refused;
    };
    for (const Typed &t : { Typed { "a", 139, false }, Typed { "a", 140, true }, Typed { "7", 140, true },
             Typed { " ", 140, true }, Typed { "ü", 140, false }, Typed { "", 140, false } })
        EXPECT_EQ(refusesTypedCharacter(t.text, t.length, 140), t.refused) << t.text.toStdString() << t.length;
}

TEST_F(AtlasEntryWindowTest, ClosingWithEmptyMandatoryFieldsAsksFirst)
{
    addTemplate();
    addDeclaration(5);
    auto window = openOn(5);
    // No keeps the window open.
    dialogs.answer(platform::DialogAnswer::No);
    window->close();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(dialogs.calls(DialogKind::Confirmation).size(), 1);
    EXPECT_EQ(dialogs.calls(DialogKind::Confirmation).first().text,
        "Sie haben nicht alle Mussfelder ausgefüllt!\r\nEin Datenimport in Atlas ist daher nicht möglich!\r\n"
        "Dennoch fortsetzen?");
    dialogs.answer(platform::DialogAnswer::Yes);
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(AtlasEntryWindowTest, PickerTakesOnlyAMarkedRow)
{
    auto codes = [](int list) {
        QStringList result;
        for (const CodeEntry &entry : codeList(list))
            result.append(entry.first);
        return result;
    };
    EXPECT_EQ(codes(1), QStringList({ "a", "b", "c", "d", "e", "f", "g", "i" }));
    EXPECT_EQ(codes(2), QStringList({ "EU", "EX", "CO" }));
    EXPECT_EQ(codes(6), QStringList({ "0", "2" }));
    insertRow(masterdata::Tables::CustomsOffices, { { "Zollst", "DE2" }, { "Ort", "Zwickau" } });
    insertRow(masterdata::Tables::CustomsOffices, { { "Zollst", "DE1" }, { "Ort", "Aachen" } });
    EXPECT_EQ(codes(8), QStringList({ "DE1", "DE2" }));

    TfrmSpecialForm picker;
    picker.ShowCodeList(1);
    EXPECT_GE(picker.width(), 285);
    EXPECT_GE(picker.height(), 115);
    picker.show();
    picker.ListView1->clearSelection();
    picker.btnUebernehmen->click();
    EXPECT_EQ(dialogs.texts(), QStringList { "Sie haben keinen Eintrag zum Übernehmen markiert." });
    EXPECT_EQ(picker.result(), 0);
    EXPECT_TRUE(picker.isVisible());
    picker.ListView1->setCurrentItem(picker.ListView1->topLevelItem(7));
    picker.btnUebernehmen->click();
    EXPECT_EQ(picker.result(), int(QDialog::Accepted));
    EXPECT_EQ(picker.selectedCode(), "i");
}

TEST_F(AtlasEntryWindowTest, TheGoodsItemDescriptionTakes280Characters)
{
    addTemplate();
    addDeclaration(5);
    auto window = openOn(5);
    TfrmAtlasAEWaren items(*m_register);
    items.show();
    auto *description = qobject_cast<QPlainTextEdit *>(items.control("DBMemo1"));
    ASSERT_NE(description, nullptr);
    EXPECT_EQ(description->toPlainText(), "Pumpe");
    description->setFocus();
    description->setPlainText(QString(279, u'x'));
    description->moveCursor(QTextCursor::End);
    QTest::keyClicks(description, "ab");
    EXPECT_EQ(description->toPlainText().size(), 280);
    // The four list tabs and one navigator.
    EXPECT_EQ(items.PageControl1->count(), 4);
    items.close();
    window->close();
}

TEST_F(AtlasEntryWindowTest, GoodsNumberPickFillsTheFivePartsAndReplacesTheDescription)
{
    addTemplate();
    addDeclaration(5);
    insertRow(masterdata::Tables::GoodsNumbers,
        { { "waren", "84713000" }, { "Waren2", "12" }, { "Waren3", "3456" }, { "Waren4", "7890" }, { "Waren5", "ABCD" },
            { "bez1", "Tragbare" }, { "bez2", "Rechner" } });
    auto window = openOn(5);
    TfrmAtlasAEWaren items(*m_register);
    items.show();
    auto *description = qobject_cast<QPlainTextEdit *>(items.control("DBMemo1"));
    ASSERT_NE(description, nullptr);
    const auto goods = [] {
        QStringList values;
        for (const char *field : { "WarenNr", "WarenNr_TARIC", "WarenNr_Zus1", "WarenNr_Zus2", "WarenNr_nat" })
            values.append(listColumn(atlas::Tables::Ware, 5, field).value(0));
        return values;
    };

    // Cancelled: the item keeps its description and stays unnumbered.
    closeNextPick(false);
    pressF9(description);
    EXPECT_EQ(listColumn(atlas::Tables::Ware, 5, "WarenBez").value(0), "Pumpe");
    EXPECT_EQ(goods(), QStringList({ "", "", "", "", "" }));

    // F9 in the description: the five parts, and the goods number's text
    // replaces a description typed before; the item is posted.
    description->setPlainText(QStringLiteral("getippt"));
    closeNextPick(true);
    pressF9(description);
    EXPECT_EQ(goods(), QStringList({ "84713000", "12", "3456", "7890", "ABCD" }));
    const QString stored = listColumn(atlas::Tables::Ware, 5, "WarenBez").value(0);
    EXPECT_TRUE(stored.startsWith(QStringLiteral("Tragbare"))) << stored.toStdString();
    EXPECT_FALSE(stored.contains(QStringLiteral("getippt")));
    EXPECT_FALSE(m_register->tbWarenPos().isEditing());
    // The second item is untouched.
    EXPECT_EQ(listColumn(atlas::Tables::Ware, 5, "WarenNr").value(1), "");
    items.close();
    dialogs.answer(platform::DialogAnswer::Yes);
    window->close();
}

TEST_F(AtlasEntryWindowTest, CustomerTakeOverFillsOnlyThePartyOfTheTabShown)
{
    addTemplate();
    addDeclaration(
        5, { { "EXP_NiederNr", "0007" }, { "END_Ident", "2" }, { "EMP_Name", "bisher" }, { "ANM_Name", "bisher" } });
    insertRow(masterdata::Tables::Countries, { { "Land", "004" }, { "Bez", "Deutschland" }, { "Lkz", "DE" } });
    insertRow(masterdata::Tables::Customers,
        { { "nummer", 1 }, { "name1", "Muster GmbH" }, { "strasse", "Hauptstraße 1" }, { "PLZ", "1234567" },
            { "ort", "Köln" }, { "land", "004" }, { "TIN", "DE123456789012" }, { "IsDeuZoll", "J" } });
    auto window = openOn(5);

    struct Case {
        int tab;
        const char *street; // the control F9 is pressed in
        const char *prefix;
        const char *tin;
        const char *town;
        const char *flag; // "" none
    };
    const Case cases[] = {
        { 3, "DBEdit14", "EXP_", "Exp_TIN", "EXP_City", "EXP_ZollNr_DE" },
        { 1, "ExDBEdit22", "END_", "END_TIN", "END_Ort", "" },
        { 4, "DBEdit38", "VER_", "VER_TIN", "VER_City", "VER_Zoll_DE" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.prefix);
        const QString prefix = QString::fromLatin1(c.prefix);
        window->PageControl2->setCurrentIndex(c.tab);
        QWidget *street = control(*window, c.street);
        ASSERT_TRUE(street->isVisible());
        closeNextPick(true);
        pressF9(street);
        EXPECT_EQ(headText(5, c.tin), "DE12345"); // the customer master's seven characters
        EXPECT_EQ(headText(5, prefix + "Name"), "Muster GmbH");
        EXPECT_EQ(headText(5, prefix + "Street"), "Hauptstraße 1");
        EXPECT_EQ(headText(5, prefix + "PLZ"), "12345");
        EXPECT_EQ(headText(5, c.town), "Köln");
        EXPECT_EQ(headText(5, prefix + "Land"), "DE");
        if (*c.flag) {
            EXPECT_EQ(headText(5, c.flag), "1");
        }
    }
    // The branch number and the end user's identification kind stay; the
    // parties of the tabs not shown keep their names.
    EXPECT_EQ(headText(5, "EXP_NiederNr"), "0007");
    EXPECT_EQ(headText(5, "END_Ident"), "2");
    EXPECT_EQ(headText(5, "EMP_Name"), "bisher");
    EXPECT_EQ(headText(5, "ANM_Name"), "bisher");

    // The tall button on the tab shown; cancelled, nothing changes.
    window->PageControl2->setCurrentIndex(0);
    closeNextPick(false);
    window->findChild<QToolButton *>("sbKunde")->click();
    EXPECT_EQ(headText(5, "EMP_Name"), "bisher");
    closeNextPick(true);
    window->findChild<QToolButton *>("sbKunde")->click();
    EXPECT_EQ(headText(5, "EMP_Name"), "Muster GmbH");
    EXPECT_EQ(headText(5, "EMP_City"), "Köln");
    dialogs.answer(platform::DialogAnswer::Yes);
    window->close();
}

TEST_F(AtlasEntryWindowTest, RouteEntriesTakeTheCountryPickedAndACancelUndoesTheInsertOrEdit)
{
    addTemplate();
    addDeclaration(5);
    insertRow(masterdata::Tables::Countries, { { "Land", "038" }, { "Bez", "Österreich" }, { "Lkz", "AT" } });
    auto window = openOn(5);
    shell::TMyNav &navigator = *window->navRoute;
    const auto route = [] { return listColumn(atlas::Tables::Route, 5, "Land"); };

    // Insert, country taken: a second entry with that country.
    closeNextPick(true);
    navigator.button(shell::TMyNav::Insert)->click();
    EXPECT_EQ(route(), QStringList({ "CH", "AT" }));
    EXPECT_EQ(listColumn(atlas::Tables::Route, 5, "Pos"), QStringList({ "1", "2" }));
    // Insert, cancelled: no entry.
    closeNextPick(false);
    navigator.button(shell::TMyNav::Insert)->click();
    EXPECT_EQ(route(), QStringList({ "CH", "AT" }));
    EXPECT_FALSE(m_register->tbRoute().isEditing());
    // Edit of the first entry, cancelled: it keeps its country; taken: the new one.
    m_register->tbRoute().first();
    closeNextPick(false);
    navigator.button(shell::TMyNav::Edit)->click();
    EXPECT_EQ(route(), QStringList({ "CH", "AT" }));
    EXPECT_FALSE(m_register->tbRoute().isEditing());
    m_register->tbRoute().first();
    closeNextPick(true);
    navigator.button(shell::TMyNav::Edit)->click();
    EXPECT_EQ(route(), QStringList({ "AT", "AT" }));
    dialogs.answer(platform::DialogAnswer::Yes);
    window->close();
}

TEST_F(AtlasEntryWindowTest, ClerkDialogWritesThePartyOfTheTabShown)
{
    addTemplate();
    addDeclaration(5);
    auto window = openOn(5);
    struct Case {
        int tab;
        const char *button;
        QStringList fields;
    };
    const Case cases[] = {
        { 2, "sbSachbearbeiterP2", { "ANM_Stellung", "ANM_Bearbeiter", "ANM_EMail", "ANM_Telefax", "ANM_Telefon" } },
        { 5, "sbSachbearbeiterP5", { "SUB_Stellung", "SUB_Bearbeiter", "SUB_EMail", "SUB_Felefax", "SUB_Telefon" } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.button);
        window->PageControl2->setCurrentIndex(c.tab);
        auto *button = window->findChild<QToolButton *>(c.button);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->isVisible());
        testsupport::onNextModal([](QDialog *dialog) {
            auto *clerk = qobject_cast<TAE_SachbearbeiterFrm *>(dialog);
            if (!clerk) {
                dialog->reject();
                return;
            }
            EXPECT_EQ(clerk->windowTitle(), "AE_SachbearbeiterFrm");
            // Enter moves on; each edit takes 35 characters at most.
            QApplication::setActiveWindow(clerk);
            clerk->edits[0]->setFocus();
            for (int i = 0; i < 5; ++i) {
                QWidget *focused = clerk->focusWidget();
                EXPECT_EQ(focused, static_cast<QWidget *>(clerk->edits[i]));
                QTest::keyClicks(focused, i == 1 ? QString(40, u'x') : QStringLiteral("W%1").arg(i));
                QTest::keyClick(focused, Qt::Key_Return);
            }
            // Closing otherwise than by OK keeps what was typed.
            dialog->reject();
        });
        button->click();
        m_register->PostAtlasTables();
        EXPECT_EQ(headText(5, c.fields.at(0)), "W0");
        EXPECT_EQ(headText(5, c.fields.at(1)), QString(35, u'x'));
        EXPECT_EQ(headText(5, c.fields.at(3)), "W3");
        EXPECT_EQ(headText(5, c.fields.at(4)), "W4");
    }
    // Tabs without a contact person have no button in view.
    window->PageControl2->setCurrentIndex(0);
    for (const char *name : { "sbSachbearbeiterP2", "sbSachbearbeiterP3", "sbSachbearbeiterP4", "sbSachbearbeiterP5" })
        EXPECT_FALSE(window->findChild<QToolButton *>(name)->isVisible()) << name;
    dialogs.answer(platform::DialogAnswer::Yes);
    window->close();
}

TEST_F(AtlasEntryWindowTest, ANewGoodsItemTakesTheTemplateItemsValuesAndOpensTheItemWindow)
{
    addTemplate();
    addDeclaration(5);
    auto window = openOn(5);
    QString shown;
    testsupport::onNextModal([&shown](QDialog *dialog) {
        auto *items = qobject_cast<TfrmAtlasAEWaren *>(dialog);
        if (items) {
            if (auto *description = qobject_cast<QPlainTextEdit *>(items->control("DBMemo1")))
                shown = description->toPlainText();
        }
        dialog->reject();
    });
    window->navWaren->button(shell::TMyNav::Insert)->click();
    EXPECT_EQ(shown, "Muster");
    // Number and position are the declaration's own; the rest is the template's.
    EXPECT_EQ(listColumn(atlas::Tables::Ware, 5, "Pos"), QStringList({ "1", "2", "3" }));
    EXPECT_EQ(listColumn(atlas::Tables::Ware, 5, "WarenBez"), QStringList({ "Pumpe", "Ventil", "Muster" }));
    EXPECT_EQ(listColumn(atlas::Tables::Ware, 5, "Rohmasse").value(2), "10");
    EXPECT_FALSE(m_register->tbWarenPos().isEditing());
    dialogs.answer(platform::DialogAnswer::Yes);
    window->close();
}

TEST_F(AtlasEntryWindowTest, PickerHeightFollowsItsRowsUpToAScrollingList)
{
    for (int i = 0; i < 30; ++i) {
        insertRow(masterdata::Tables::CustomsOffices,
            { { "Zollst", QStringLiteral("DE%1").arg(i, 2, 10, QLatin1Char('0')) },
                { "Ort", QStringLiteral("Ort %1").arg(i) } });
    }
    struct Case {
        int list;
        int height;
    };
    for (const Case c : { Case { 2, 135 }, Case { 3, 115 }, Case { 8, 475 } }) {
        SCOPED_TRACE(c.list);
        TfrmSpecialForm picker;
        picker.ShowCodeList(c.list);
        EXPECT_EQ(picker.height(), c.height);
    }
}

TEST_F(AtlasEntryWindowTest, PresentationPeriodStartsOnTheFieldsDateOrTodayAndStoresDateAndTime)
{
    addTemplate();
    addDeclaration(5);
    auto window = openOn(5);
    struct Case {
        const char *control;
        const char *field;
        const char *before;
        QDate shown; // the clock stands at 15 March 2024 14:30
        bool confirm;
        const char *after;
    };
    const Case cases[] = {
        // "Anfang:" takes eight characters as a date, with the current time.
        { "DBEdit17", "Gest_Verp_Verl_Anfang", "20240220", QDate(2024, 2, 20), true, "202402201430" },
        // "Ende:" needs more than eight: the same date starts on today.
        { "DBEdit18", "Gest_Verp_Verl_Ende", "20240220", QDate(2024, 3, 15), true, "202403151430" },
        { "DBEdit18", "Gest_Verp_Verl_Ende", "202402200915", QDate(2024, 2, 20), true, "202402200915" },
        { "DBEdit17", "Gest_Verp_Verl_Anfang", "20240220", QDate(2024, 2, 20), false, "20240220" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.before);
        platform::Table &head = m_register->tbKopf();
        head.edit();
        head.fieldByName(c.field).setAsString(c.before);
        head.post();
        QDate shown;
        testsupport::onNextModal([&shown, &c](QDialog *dialog) {
            auto *picker = qobject_cast<shell::TfrmDateTime *>(dialog);
            if (!picker) {
                dialog->reject();
                return;
            }
            shown = picker->MonthCalendar1->selectedDate();
            (c.confirm ? picker->BtnUebernehmen : picker->BtnAbbruch)->click();
        });
        pressF9(control(*window, c.control));
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(headText(5, c.field), c.after);
    }
    dialogs.answer(platform::DialogAnswer::Yes);
    window->close();
}

TEST_F(AtlasEntryWindowTest, SupportingDocumentTakesCodeAndQualifierAndItsDateStartsOnToday)
{
    addTemplate();
    addDeclaration(5);
    insertRow(
        masterdata::Tables::SupportingDocuments, { { "Code", "N935" }, { "Quali", "Y" }, { "Text", "Rechnung" } });
    auto window = openOn(5);
    TfrmAtlasAEWaren items(*m_register);
    items.show();
    items.PageControl1->setCurrentIndex(3);
    QDate shown;
    testsupport::onNextModal([&shown](QDialog *dialog) {
        auto *entry = qobject_cast<shell::EntryWindow *>(dialog);
        if (!entry) {
            dialog->reject();
            return;
        }
        EXPECT_EQ(entry->windowTitle(), "Unterlagen");
        testsupport::onNextModal([&shown](QDialog *picker) {
            auto *date = qobject_cast<shell::TfrmDateTime *>(picker);
            if (!date) {
                picker->reject();
                return;
            }
            shown = date->MonthCalendar1->selectedDate();
            date->BtnUebernehmen->click();
        });
        pressF9(entry->control("ExDBEdit2"));
        closeNextPick(true);
        pressF9(entry->control("ExDBEdit1"));
        dialog->reject();
    });
    items.DBNavigator1->button(shell::TMyNav::Edit)->click();
    EXPECT_EQ(shown, QDate(2024, 3, 15));
    EXPECT_EQ(listColumn(atlas::Tables::Unterlage, 5, "DatumAusstellung"), QStringList { "20240315" });
    EXPECT_EQ(listColumn(atlas::Tables::Unterlage, 5, "Typ"), QStringList { "N935" });
    EXPECT_EQ(listColumn(atlas::Tables::Unterlage, 5, "Quali"), QStringList { "Y" });
    items.close();
    dialogs.answer(platform::DialogAnswer::Yes);
    window->close();
}

TEST_F(AtlasEntryWindowTest, ContainerBoxesHoldTheLastClickAndTheClientIdJoinsTheListOnce)
{
    addTemplate();
    addDeclaration(5, { { "Bezugsnummer", "R1" }, { "Art1", "a" }, { "Art2", "EX" } });
    auto window = openOn(5);
    struct Click {
        QCheckBox *box;
        const char *stored;
    };
    for (const Click &c : { Click { window->cbContainerNein, "N" }, Click { window->cbContainerJa, "J" },
             Click { window->cbContainerJa, "J" } }) {
        c.box->click();
        m_register->PostAtlasTables();
        EXPECT_EQ(headText(5, "Container"), c.stored);
        EXPECT_TRUE(c.box->isChecked());
        EXPECT_NE(window->cbContainerNein->isChecked(), window->cbContainerJa->isChecked());
    }

    // Leaving the client combo adds its text once; closing writes the list.
    QWidget *partner = control(*window, "DBEditPartnerTIN");
    for (int i = 0; i < 2; ++i) {
        window->cb_Mandant->setFocus();
        window->cb_Mandant->lineEdit()->clear();
        QTest::keyClicks(window->cb_Mandant->lineEdit(), QStringLiteral("M-17"));
        partner->setFocus();
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(window->cb_Mandant, &out);
    }
    QStringList items;
    for (int i = 0; i < window->cb_Mandant->count(); ++i)
        items.append(window->cb_Mandant->itemText(i));
    EXPECT_EQ(items, QStringList { "M-17" });
    EXPECT_EQ(window->cb_Mandant->currentText(), "M-17");
    window->close();
    EXPECT_FALSE(window->isVisible()); // every mandatory field is filled: no question
    EXPECT_TRUE(dialogs.calls(DialogKind::Confirmation).isEmpty());
    EXPECT_EQ(ClientList::load().count(QStringLiteral("M-17")), 1);
    EXPECT_EQ(headText(5, "IdMandantenNr"), "M-17");
}

TEST_F(AtlasEntryWindowTest, EveryCaptionHasRoomForItsFullFont)
{
    // A caption that would run into its neighbour is drawn smaller by the
    // entry window: none of the ATLAS windows may need that.
    addTemplate();
    addDeclaration(5);
    const qreal points = shell::mainState().FormularAnzeigeFont.pointSizeF();
    QStringList shrunk;
    const auto check = [&](QWidget *window) {
        for (QLabel *label : window->findChildren<QLabel *>()) {
            if (label->objectName() != QLatin1String("lblHeading") && label->font().pointSizeF() < points)
                shrunk.append(window->windowTitle() + QStringLiteral(": ") + label->text());
        }
    };
    auto window = openOn(5);
    check(window.get());
    TfrmAtlasAEWaren items(*m_register);
    check(&items);
    for (auto show : { &ShowVorpapier, &ShowPackstueck, &ShowUnterlage }) {
        testsupport::onNextModal([&](QDialog *dialog) {
            check(dialog);
            dialog->reject();
        });
        show(*m_register, window.get());
    }
    EXPECT_TRUE(shrunk.isEmpty()) << shrunk.join(QStringLiteral("; ")).toStdString();
    dialogs.answer(platform::DialogAnswer::Yes);
    window->close();
}
