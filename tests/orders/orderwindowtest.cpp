#include "orderfixture.h"

#include "masterdata/masterdatawindow.h"
#include "masterdata/selectionwindow.h"
#include "masterdata/tfrmallgemein.h"
#include "orders/tfrmauftr_pk.h"
#include "orders/tfrmauftrag.h"
#include "orders/tfrmpositionen.h"
#include "orders/tfrmregieauftragsdaten.h"
#include "orders/tfrmtexte_e.h"
#include "platform/controlstate.h"
#include "platform/dataedit.h"
#include "platform/datalookupcombobox.h"
#include "platform/dataradiogroup.h"
#include "shell/application.h"
#include "shell/documentroutines.h"
#include "shell/entrywindow.h"
#include "shell/twheeldbgrid.h"
#include "support/modaldialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

using namespace orders;
using platform::Table;
using shell::TemplateNumber;

namespace {

// Order 3 of a register, open in its order window (shown, not modal).
class OrderWindowTest : public OrderTest
{
protected:
    void SetUp() override
    {
        OrderTest::SetUp();
        insert(Tables::Orders, { { "Belegnr", TemplateNumber }, { "bnrabt", "Einkauf" } });
        insert(Tables::Orders, { { "Belegnr", 3 }, { "land", "GB" }, { "sprache", "e" } });
        insert(masterdata::Tables::Countries,
            { { "Land", "006" }, { "Bez", "Vereinigtes Königreich" }, { "Lkz", "GB" }, { "Sprache", "e" } });
        insert(masterdata::Tables::Countries,
            { { "Land", "004" }, { "Bez", "Deutschland" }, { "Lkz", "DE" }, { "Sprache", "d" } });
        insert(masterdata::Tables::Languages, { { "Skz", "d" }, { "Sprache", "Deutsch" } });
        insert(masterdata::Tables::Languages, { { "Skz", "e" }, { "Sprache", "Englisch" } });
        setParameter("Mwst", 19.0);
    }
    void TearDown() override
    {
        window.reset();
        reg.reset();
        OrderTest::TearDown();
    }

    // The register is created on the first opening, over the data given so far.
    TfrmAuftrag &open(int number)
    {
        window.reset();
        if (!reg)
            reg = std::make_unique<TfrmRegieAuftragsdaten>();
        EXPECT_TRUE(reg->tbRechnung().findKey({ number }));
        window = std::make_unique<TfrmAuftrag>(*reg);
        window->show();
        QApplication::setActiveWindow(window.get());
        return *window;
    }

    void addPositions(int number, const QList<double> &totals)
    {
        int line = 1;
        for (double total : totals)
            insert(Tables::Positions,
                { { "Belegnr", number }, { "Pos", line++ }, { "quersum", total }, { "bez1", QString::number(total) } });
    }

    void addSumLines(int number, const QStringList &kinds)
    {
        int line = 1;
        for (const QString &kind : kinds)
            insert(Tables::SumLines, { { "Belegnr", number }, { "Pos", line++ }, { "ken", kind }, { "bez1", kind } });
    }

    std::unique_ptr<TfrmRegieAuftragsdaten> reg;
    std::unique_ptr<TfrmAuftrag> window;
};

QLineEdit *edit(QWidget &window, const QString &name)
{
    return qobject_cast<QLineEdit *>(platform::controlByName(&window, name));
}

// Types into an edit as a user does and leaves it for the next control.
void typeAndLeave(QWidget &window, const QString &name, const QString &text, const QString &next)
{
    QLineEdit *field = edit(window, name);
    ASSERT_NE(field, nullptr) << name.toStdString();
    // Focus changes reach only the active window.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    edit(window, next)->setFocus();
}

// The description the order window shows for a field of its head.
QString headHint(shell::EntryWindow &window, const QString &name)
{
    for (const auto &control : window.definition().controls) {
        if (control.name == name)
            return control.hintText;
    }
    return {};
}

TEST_F(OrderWindowTest, OpeningShowsCountryAndLanguageOfTheOrder)
{
    insert(Tables::Orders, { { "Belegnr", 4 }, { "sprache", "x" } });
    struct Case {
        int number;
        QString country;
        QString language;
    };
    const Case cases[] = { { 3, "Vereinigtes Königreich", "Englisch" }, { 4, "", "" } };
    for (const auto &c : cases) {
        TfrmAuftrag &w = open(c.number);
        EXPECT_EQ(w.windowTitle(), "Auftragsdaten");
        EXPECT_EQ(w.countryText(), c.country) << c.number;
        EXPECT_EQ(w.languageText(), c.language) << c.number;
        EXPECT_EQ(w.pageControl()->count(), 5);
        EXPECT_EQ(w.pageControl()->currentIndex(), 0);
        EXPECT_TRUE(w.head().isEditing()) << "the head is in edit state while the window is open";
        EXPECT_TRUE(w.parameter().isEditing());
        window->reject();
    }
}

TEST_F(OrderWindowTest, LeavingAHeadFieldOfTheFirstPagePostsTheHead)
{
    TfrmAuftrag &w = open(3);
    struct Case {
        QString field;
        QString next;
        bool posts;
    };
    const Case cases[] = { { "DBEditAUFNR", "DBEditREDATUM", true }, { "DBEditKUNDE1", "DBEditKUNDE2", false },
        { "DBEditBNRABT", "DBEditVEDATUM", true }, { "DBEditMARK1", "DBEditMARK2", false } };
    for (const auto &c : cases) {
        shell::EditIfBrowsing(w.head());
        if (c.field.startsWith("DBEditMARK"))
            w.pageControl()->setCurrentIndex(2);
        typeAndLeave(w, c.field, "X1", c.next);
        EXPECT_EQ(w.head().isEditing(), !c.posts) << c.field.toStdString();
        EXPECT_EQ(w.statusText(0), headHint(w, c.next)) << c.field.toStdString();
    }
    EXPECT_EQ(column(Tables::Orders, "aufnr", 3), QStringList({ "X1" }));
}

TEST_F(OrderWindowTest, TheWheelOverAListMovesItsLine)
{
    addPositions(3, { 10, 20, 30 });
    TfrmAuftrag &w = open(3);
    w.pageControl()->setCurrentIndex(1);
    reg->tbArtikel().first();
    const auto turn = [&w](int delta) {
        QWheelEvent wheel(QPointF(10, 10), w.dbgrArtikel->viewport()->mapToGlobal(QPoint(10, 10)), QPoint(),
            QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.dbgrArtikel->viewport(), &wheel);
    };
    turn(-120);
    turn(-120);
    EXPECT_EQ(reg->tbArtikel().fieldByName("Pos").asInteger(), 3) << "towards the user: the next line";
    turn(120);
    EXPECT_EQ(reg->tbArtikel().fieldByName("Pos").asInteger(), 2);
}

TEST_F(OrderWindowTest, ChoosingTheClerkBringsExtensionAndReference)
{
    insert(shell::UserTableName,
        { { "Kurzname", "MM" }, { "Name", "Meier" }, { "Telefon", "-417" }, { "UnserZeichen", "Mei/sk" } });
    insert(shell::UserTableName, { { "Kurzname", "AA" }, { "Name", "Albers" }, { "Telefon", "-200" } });
    TfrmAuftrag &w = open(3);
    ASSERT_EQ(w.cbSachbearbeiter->count(), 2);
    EXPECT_EQ(w.cbSachbearbeiter->itemText(0), "Albers") << "the clerks by name";
    emit w.cbSachbearbeiter->activated(1);
    EXPECT_EQ(w.head().fieldByName("sbearb").asString(), "Meier");
    EXPECT_EQ(w.head().fieldByName("sbtel").asString(), "-417");
    EXPECT_EQ(w.head().fieldByName("uz").asString(), "Mei/sk");
}

TEST_F(OrderWindowTest, ACountryPickBringsItsLanguage)
{
    insert(Tables::Orders, { { "Belegnr", 5 } });
    TfrmAuftrag &w = open(5);
    testsupport::onNextModal([](QDialog *dialog) {
        auto *list = qobject_cast<masterdata::SelectionWindow *>(dialog);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->windowTitle(), "Auswahl: Ländertabelle");
        ASSERT_TRUE(list->table().locate("Lkz", { "GB" }));
        list->takeButton()->click();
    });
    w.pickButton(1)->click();
    EXPECT_EQ(w.head().fieldByName("land").asString(), "GB");
    EXPECT_EQ(w.head().fieldByName("sprache").asString(), "e");
    EXPECT_EQ(w.languageKey(), "e");
    EXPECT_EQ(w.countryText(), "Vereinigtes Königreich");
    EXPECT_EQ(w.languageText(), "Englisch");

    // A cancelled pick changes nothing.
    testsupport::onNextModal([](QDialog *dialog) { dialog->reject(); });
    w.LandText->installEventFilter(&w);
    QTest::mouseClick(w.LandText, Qt::LeftButton);
    EXPECT_EQ(w.head().fieldByName("land").asString(), "GB");
}

TEST_F(OrderWindowTest, TheClausePickShowsTheOrdersLanguageAndFillsTenLines)
{
    QVariantMap clause { { "reklaus", "K1" } };
    for (int line = 1; line <= 10; ++line) {
        clause.insert(QString("k%1").arg(line), QString("Klausel %1").arg(line));
        clause.insert(QString("e%1").arg(line), QString("Clause %1").arg(line));
    }
    insert(masterdata::Tables::InvoiceClauses, clause);
    QVariantMap order { { "Belegnr", 6 }, { "land", "DE" }, { "sprache", "d" } };
    for (int line = 1; line <= 14; ++line)
        order.insert(QString("reklau%1").arg(line), QString("alt %1").arg(line));
    insert(Tables::Orders, order);
    TfrmAuftrag &w = open(6);

    // The country brings English, and the clause comes in English.
    testsupport::onNextModal([](QDialog *dialog) {
        auto *list = qobject_cast<masterdata::SelectionWindow *>(dialog);
        ASSERT_TRUE(list->table().locate("Lkz", { "GB" }));
        list->takeButton()->click();
    });
    w.pickButton(1)->click();
    ASSERT_EQ(w.languageKey(), "e");
    QString caption;
    testsupport::onNextModal([&caption](QDialog *dialog) {
        auto *clauses = qobject_cast<masterdata::MasterDataWindow *>(dialog);
        ASSERT_NE(clauses, nullptr);
        caption = clauses->windowTitle();
        clauses->takeButton()->click();
    });
    w.pickButton(5)->click();
    EXPECT_EQ(caption, "Rechnungsklauseln");
    QStringList expected;
    for (int line = 1; line <= 14; ++line)
        expected.append(line <= 10 ? QString("Clause %1").arg(line) : QString("alt %1").arg(line));
    QStringList lines;
    for (int line = 1; line <= 14; ++line)
        lines.append(w.head().fieldByName(QString("reklau%1").arg(line)).asString());
    EXPECT_EQ(lines, expected);
}

TEST_F(OrderWindowTest, TheCustomerPickFillsAddressCountryAndLanguage)
{
    insert(masterdata::Tables::Customers,
        { { "nummer", 1 }, { "name1", "Smith Ltd." }, { "name2", "Sales" }, { "name3", "" }, { "strasse", "1 High St" },
            { "ort", "London" }, { "land", "006" }, { "sprache", "e" }, { "ustnr", "GB123" } });
    insert(masterdata::Tables::Customers,
        { { "nummer", 2 }, { "name1", "Nowhere Inc." }, { "land", "999" }, { "sprache", "d" } });
    insert(Tables::Orders, { { "Belegnr", 6 }, { "land", "DE" }, { "sprache", "d" } });
    TfrmAuftrag &w = open(6);
    const auto pickCustomer = [&w](int number) {
        testsupport::onNextModal([number](QDialog *dialog) {
            auto *customers = qobject_cast<masterdata::MasterDataWindow *>(dialog);
            ASSERT_NE(customers, nullptr);
            EXPECT_EQ(customers->windowTitle(), "Kundenverwaltung");
            ASSERT_TRUE(customers->table().locate("nummer", { number }));
            customers->takeButton()->click();
        });
        w.pickButton(0)->click();
    };
    pickCustomer(1);
    QStringList lines;
    for (const char *field : { "kunde1", "kunde2", "kunde3", "kunde4", "kunde5", "kunde6", "land", "sprache" })
        lines.append(w.head().fieldByName(field).asString());
    EXPECT_EQ(lines, QStringList({ "Smith Ltd.", "Sales", "", "1 High St", "London", "GB123", "GB", "e" }));
    EXPECT_EQ(w.countryText(), "Vereinigtes Königreich");
    EXPECT_EQ(w.languageText(), "Englisch");
    EXPECT_EQ(w.focusWidget(), edit(w, "DBEditAUFNR")) << "the focus goes on to the order number";

    // A country the country table does not know leaves the order's country.
    pickCustomer(2);
    EXPECT_EQ(w.head().fieldByName("kunde1").asString(), "Nowhere Inc.");
    EXPECT_EQ(w.head().fieldByName("land").asString(), "GB");
    EXPECT_EQ(w.countryText(), "Vereinigtes Königreich");
    EXPECT_EQ(w.head().fieldByName("sprache").asString(), "d");
    EXPECT_EQ(w.languageText(), "Deutsch");
}

TEST_F(OrderWindowTest, APackageKindIsLookedUpWhenItsFieldIsLeft)
{
    insert(masterdata::Tables::PackageKinds,
        { { "packart", "KI" }, { "bez", "Kiste" }, { "laenge", 120 }, { "breite", 80 }, { "hoehe", 100 } });
    insert(masterdata::Tables::PackageKinds,
        { { "packart", "PA" }, { "bez", "Palette" }, { "laenge", 120 }, { "breite", 80 }, { "hoehe", 15 } });
    insert(masterdata::Tables::PackageKinds,
        { { "packart", "PK" }, { "bez", "Paket" }, { "laenge", 40 }, { "breite", 30 }, { "hoehe", 20 } });
    struct Case {
        QString typed;
        int choose; // row of "Übernahme" to take; -1: none offered
        QString kind;
        QString name;
        QString message;
    };
    const Case cases[] = {
        { "ki", -1, "KI", "Kiste", "" },
        { "P", 1, "PK", "Paket", "" },
        { "X", -1, "X", "", "Es wurde kein Datensatz mit dieser Packart gefunden!" },
    };
    TfrmAuftrag &w = open(3);
    for (const auto &c : cases) {
        dialogs.clear();
        bool offered = false;
        testsupport::onNextModal([&](QDialog *dialog) {
            auto *package = qobject_cast<TfrmAuftr_pk *>(dialog);
            ASSERT_NE(package, nullptr);
            if (c.choose >= 0) {
                testsupport::onNextModal([&](QDialog *choice) {
                    offered = true;
                    EXPECT_EQ(choice->windowTitle(), "Übernahme");
                    auto *rows = qobject_cast<masterdata::TfrmAllgemein *>(choice);
                    ASSERT_NE(rows, nullptr);
                    rows->DBGrid1->dataSetModel()->setCurrentRow(c.choose);
                    rows->BitBtn1->click();
                });
            }
            typeAndLeave(*package, "DBEditPACKART", c.typed, "DBEditBEZ");
            package->reject();
        });
        w.sbPackNeu->click();
        EXPECT_EQ(offered, c.choose >= 0) << c.typed.toStdString();
        EXPECT_EQ(column(Tables::Packages, "Packart", 3).last(), c.kind) << c.typed.toStdString();
        EXPECT_EQ(column(Tables::Packages, "Bez", 3).last(), c.name) << c.typed.toStdString();
        EXPECT_EQ(dialogs.texts(), c.message.isEmpty() ? QStringList() : QStringList({ c.message }));
    }
    EXPECT_EQ(column(Tables::Packages, "M3", 3).first(), "0") << "the volume follows the size when it is typed";
}

TEST_F(OrderWindowTest, F6FixesAFieldOfTheTemplateForEveryOrder)
{
    const QString name = "DBEditBNRABT";
    TfrmAuftrag &templ = open(TemplateNumber);
    EXPECT_EQ(templ.statusText(0), "");
    QLineEdit *field = edit(templ, name);
    field->setFocus();
    EXPECT_EQ(templ.statusText(0), "Abteilung des Kunden");
    QTest::keyClick(field, Qt::Key_F6);
    EXPECT_EQ(platform::controlColor(&templ, name), shell::ActiveBorderColor);
    EXPECT_TRUE(templ.fixedFields().contains(name));
    QTest::keyClick(field, Qt::Key_F6);
    EXPECT_EQ(platform::controlColor(&templ, name), shell::WindowColor);
    EXPECT_FALSE(templ.fixedFields().contains(name));
    QTest::keyClick(field, Qt::Key_F6);
    templ.reject();

    // A new order takes the value and cannot change it.
    dialogs.answerText("8");
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *order = qobject_cast<TfrmAuftrag *>(dialog);
        ASSERT_NE(order, nullptr);
        EXPECT_EQ(edit(*order, name)->text(), "Einkauf");
        EXPECT_FALSE(edit(*order, name)->isEnabled());
        EXPECT_TRUE(edit(*order, "DBEditBNR")->isEnabled());
        order->reject();
    });
    reg->SpeedButton2->click();
    EXPECT_EQ(dialogs.defaultAnswerCount(), 0);
}

TEST_F(OrderWindowTest, OpeningWechselnRecalculatesTheSumLines)
{
    addPositions(3, { 100, 50 });
    addSumLines(3, { "Zwischensumme", "MWSt", "Endsumme" });
    TfrmAuftrag &w = open(3);
    EXPECT_EQ(column(Tables::SumLines, "quersum", 3), QStringList({ "", "", "" }));
    QTimer::singleShot(0, &w, [&w] { w.mnuWechseln->close(); });
    w.mnuWechseln->exec();
    EXPECT_EQ(w.pageControl()->currentIndex(), 1);
    EXPECT_EQ(column(Tables::SumLines, "quersum", 3), QStringList({ "150,00", "28,50", "178,50" }));
    for (QAction *item : w.mnuWechseln->actions()) {
        if (!item->isSeparator() && !item->menu()) {
            EXPECT_FALSE(item->isEnabled()) << item->text().toStdString() << ": its kind is not built yet";
        }
    }
}

TEST_F(OrderWindowTest, DeletingAPositionRenumbersAndRecalculates)
{
    addPositions(3, { 100, 50, 30 });
    addSumLines(3, { "Endsumme" });
    TfrmAuftrag &w = open(3);
    struct Case {
        platform::DialogAnswer answer;
        QStringList positions;
        QString total;
    };
    const Case cases[] = { { platform::DialogAnswer::Cancel, { "100", "50", "30" }, "180,00" },
        { platform::DialogAnswer::Ok, { "100", "30" }, "130,00" } };
    for (const auto &c : cases) {
        reg->tbArtikel().findKey({ 3, 2 });
        dialogs.answer(c.answer);
        w.sbArtikelLoeschen->click();
        EXPECT_EQ(dialogs.lastCall().text, "Datensatz löschen?");
        EXPECT_EQ(column(Tables::Positions, "bez1", 3), c.positions);
        EXPECT_EQ(column(Tables::Positions, "Pos", 3).size(), c.positions.size());
        EXPECT_EQ(column(Tables::Positions, "Pos", 3).last(), QString::number(c.positions.size()));
        EXPECT_EQ(column(Tables::SumLines, "quersum", 3), QStringList({ c.total }));
    }
}

TEST_F(OrderWindowTest, DeletingTheLastPositionDropsTheSumLines)
{
    addPositions(3, { 100 });
    addSumLines(3, { "Zwischensumme", "Endsumme" });
    TfrmAuftrag &w = open(3);
    dialogs.answer(platform::DialogAnswer::Ok);
    w.sbArtikelLoeschen->click();
    EXPECT_EQ(count(Tables::Positions, 3), 0);
    EXPECT_EQ(count(Tables::SumLines, 3), 0);
    EXPECT_FALSE(w.dbgrArtikel->isEnabled());
    EXPECT_FALSE(w.dbgrTexte->isEnabled());
}

TEST_F(OrderWindowTest, InsertingASumLineBeforeLineTwo)
{
    struct Case {
        bool ok;
        QStringList numbers;
        QStringList texts;
    };
    const Case cases[] = { { false, { "1", "3", "4" }, { "Zwischensumme", "MWSt", "Endsumme" } },
        { true, { "1", "2", "3", "4" }, { "Zwischensumme", "", "MWSt", "Endsumme" } } };
    for (const auto &c : cases) {
        Table(platform::Alias::Data, Tables::SumLines).emptyTable();
        addSumLines(3, { "Zwischensumme", "MWSt", "Endsumme" });
        TfrmAuftrag &w = open(3);
        reg->tbTexte().refresh();
        ASSERT_TRUE(reg->tbTexte().findKey({ 3, 2 }));
        testsupport::onNextModal([&c](QDialog *dialog) {
            auto *line = qobject_cast<TfrmTexte_e *>(dialog);
            ASSERT_NE(line, nullptr);
            EXPECT_EQ(line->windowTitle(), "Eingabe für Summen-Berechnung");
            if (!c.ok) {
                line->BitBtnAbbruch->click();
                return;
            }
            line->RadioGroup1->findChildren<QRadioButton *>().at(5)->click(); // Strich1
            line->BitBtnOK->click();
        });
        w.sbTexteEinfuegen->click();
        EXPECT_EQ(column(Tables::SumLines, "Pos", 3), c.numbers) << c.ok;
        EXPECT_EQ(column(Tables::SumLines, "bez1", 3), c.texts) << c.ok;
        if (c.ok) {
            EXPECT_EQ(column(Tables::SumLines, "quersum", 3).at(1), "----------");
        }
        window->reject();
    }
}

TEST_F(OrderWindowTest, TheSumLineDialogRefusesAnAmountThatIsNoNumber)
{
    addPositions(3, { 200 });
    TfrmAuftrag &w = open(3);
    struct Step {
        QString amount;
        bool accepted;
    };
    testsupport::onNextModal([this](QDialog *dialog) {
        auto *line = qobject_cast<TfrmTexte_e *>(dialog);
        ASSERT_NE(line, nullptr);
        EXPECT_FALSE(line->DBEditBetrag->isVisible());
        line->RadioGroup1->findChildren<QRadioButton *>().at(3)->click(); // Abschlag
        EXPECT_TRUE(line->DBEditBetrag->isVisible());
        EXPECT_TRUE(line->DBEditText->isVisible());
        line->DBEditBetrag->setFocus();
        QTest::keyClicks(line->DBEditBetrag, "1x");
        EXPECT_EQ(dialogs.lastCall().text, "Bitte Gleitkomma-zahlenwert eingeben in Feld -Betrag-!");
        dialogs.clear();
        line->BitBtnOK->click();
        EXPECT_TRUE(line->isVisible()) << "OK is refused";
        EXPECT_EQ(dialogs.texts(), QStringList({ "Bitte Gleitkomma-zahlenwert eingeben in Feld -Betrag-!" }));
        line->DBEditBetrag->selectAll();
        QTest::keyClicks(line->DBEditBetrag, "1.000,50");
        line->BitBtnOK->click();
    });
    w.sbTexteAnhaengen->click();
    EXPECT_EQ(column(Tables::SumLines, "ken", 3), QStringList({ "Abschlag" }));
    EXPECT_EQ(column(Tables::SumLines, "quersum", 3), QStringList({ "1.000,50" }));

    // The amount with group separators is read by the calculation.
    addSumLines(3, {});
    insert(Tables::SumLines, { { "Belegnr", 3 }, { "Pos", 2 }, { "ken", "Endsumme" } });
    reg->tbTexte().refresh();
    w.btnBerechnung->click();
    EXPECT_EQ(column(Tables::SumLines, "quersum", 3), QStringList({ "1.000,50", "-800,50" }));
}

TEST_F(OrderWindowTest, APositionComputesItsTotalsWhenFieldsAreLeft)
{
    addSumLines(3, { "Endsumme" });
    TfrmAuftrag &w = open(3);
    testsupport::onNextModal([](QDialog *dialog) {
        auto *position = qobject_cast<TfrmPositionen *>(dialog);
        ASSERT_NE(position, nullptr);
        EXPECT_EQ(position->windowTitle(), "Artikelpositionen");
        EXPECT_EQ(position->statusText(1), "BelegNr.: 3 (1. Position)");
        EXPECT_EQ(edit(*position, "DBEditANZAHL")->text(), "1") << "a new position counts once";
        typeAndLeave(*position, "DBEditANZAHL", "3", "DBEditEINZPREIS");
        typeAndLeave(*position, "DBEditEINZPREIS", "12,5", "DBEditBRUTTO");
        typeAndLeave(*position, "DBEditBRUTTO", "9", "DBEditNETTO");
        EXPECT_EQ(position->statusText(0), "Nettogewicht / Einheit");
        typeAndLeave(*position, "DBEditNETTO", "2", "DBEditBULAND");
        // The edits show the decimals the position grid shows ("37,50", not "37,5").
        EXPECT_EQ(edit(*position, "DBEditQUERSUM")->text(), "37,50");
        EXPECT_EQ(edit(*position, "DBEditBRUTTO")->text(), "2,00") << "the unit gross weight starts as the net weight";
        EXPECT_EQ(edit(*position, "DBEditBRUTTOGES")->text(), "6,00");
        EXPECT_EQ(edit(*position, "DBEditNETTOGES")->text(), "6,00");
        position->reject();
    });
    w.setNumberText("BelegNr.: 3");
    w.sbArtikelNeu->click();
    EXPECT_EQ(column(Tables::Positions, "Pos", 3), QStringList({ "1" }));
    EXPECT_EQ(column(Tables::Positions, "quersum", 3), QStringList({ "37.5" }));
    EXPECT_EQ(column(Tables::SumLines, "quersum", 3), QStringList({ "37,50" }));
    EXPECT_TRUE(w.dbgrArtikel->isEnabled());
}

TEST_F(OrderWindowTest, ATypoInANumberOrDateShowsOneMessageAndKeepsTextAndFocus)
{
    addSumLines(3, { "Endsumme" });
    TfrmAuftrag &w = open(3);
    QStringList reports;
    const auto previous = shell::Application::setExceptionHandler(
        [&reports](const shell::CrashReport &report) { reports.append(report.message); });
    auto restore = qScopeGuard([&previous] { shell::Application::setExceptionHandler(previous); });
    testsupport::onNextModal([&reports](QDialog *dialog) {
        auto *position = qobject_cast<TfrmPositionen *>(dialog);
        ASSERT_NE(position, nullptr);
        for (const char *typo : { "12a", "1,2,3" }) {
            reports.clear();
            typeAndLeave(*position, "DBEditEINZPREIS", typo, "DBEditBRUTTO");
            QCoreApplication::processEvents();
            EXPECT_EQ(reports.size(), 1) << typo << ": " << reports.join(" | ").toStdString();
            EXPECT_EQ(edit(*position, "DBEditEINZPREIS")->text(), typo) << "the text stays to be corrected";
            EXPECT_EQ(QApplication::focusWidget(), edit(*position, "DBEditEINZPREIS")) << typo;
        }
        reports.clear();
        typeAndLeave(*position, "DBEditEINZPREIS", "12,5", "DBEditBRUTTO");
        QCoreApplication::processEvents();
        EXPECT_TRUE(reports.isEmpty()) << "corrected, the field is left quietly";
        EXPECT_EQ(QApplication::focusWidget(), edit(*position, "DBEditBRUTTO"));
        position->reject();
    });
    w.setNumberText("BelegNr.: 3");
    w.sbArtikelNeu->click();

    reports.clear();
    typeAndLeave(w, "DBEditREDATUM", "31.02.2024", "DBEditUZ");
    QCoreApplication::processEvents();
    EXPECT_EQ(reports.size(), 1) << reports.join(" | ").toStdString();
    EXPECT_EQ(edit(w, "DBEditREDATUM")->text(), "31.02.2024");
    EXPECT_EQ(QApplication::focusWidget(), edit(w, "DBEditREDATUM"));
    typeAndLeave(w, "DBEditREDATUM", "28.02.2024", "DBEditUZ");
    QCoreApplication::processEvents();
    EXPECT_EQ(reports.size(), 1);
}

TEST_F(OrderWindowTest, AnArticleComesInTheOrdersLanguageWithItsGoodsNumber)
{
    QVariantMap article { { "artikel", "100" }, { "waren", "84713000" }, { "preis", 250.0 }, { "netto", 4.5 } };
    for (int line = 1; line <= 6; ++line) {
        article.insert(QString("bez%1").arg(line), QString("Rechner %1").arg(line));
        article.insert(QString("E%1").arg(line), QString("Computer %1").arg(line));
    }
    insert(masterdata::Tables::Articles, article);
    QVariantMap goods { { "waren", "84713000" } };
    for (int line = 1; line <= 8; ++line)
        goods.insert(QString("bez%1").arg(line), QString("Datenverarbeitung %1").arg(line));
    insert(masterdata::Tables::GoodsNumbers, goods);
    insert(Tables::Positions,
        { { "Belegnr", 3 }, { "Pos", 1 }, { "anzahl", 2 }, { "brutto", 5.0 }, { "bez7", "bleibt" } });
    TfrmAuftrag &w = open(3);
    ASSERT_EQ(w.languageKey(), "e");
    testsupport::onNextModal([](QDialog *dialog) {
        auto *position = qobject_cast<TfrmPositionen *>(dialog);
        ASSERT_NE(position, nullptr);
        testsupport::onNextModal([](QDialog *articles) {
            auto *window = qobject_cast<masterdata::MasterDataWindow *>(articles);
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(window->windowTitle(), "Artikelverwaltung");
            window->takeButton()->click();
        });
        position->pickButton(0)->click();
        position->reject();
    });
    w.sbArtikelBearbeiten->click();
    EXPECT_EQ(column(Tables::Positions, "bez1", 3), QStringList({ "Computer 1" }));
    EXPECT_EQ(column(Tables::Positions, "bez6", 3), QStringList({ "Computer 6" }));
    EXPECT_EQ(column(Tables::Positions, "bez7", 3), QStringList({ "bleibt" }));
    EXPECT_EQ(column(Tables::Positions, "waren", 3), QStringList({ "84713000" }));
    EXPECT_EQ(column(Tables::Positions, "wabe8", 3), QStringList({ "Datenverarbeitung 8" }));
    EXPECT_EQ(column(Tables::Positions, "quersum", 3), QStringList({ "500" }));
    EXPECT_EQ(column(Tables::Positions, "nettoges", 3), QStringList({ "9" }));
    EXPECT_EQ(column(Tables::Positions, "brutto", 3), QStringList({ "5" })) << "the unit gross weight stays";
}

TEST_F(OrderWindowTest, AGoodsNumberIsLookedUpWhenItsFieldIsLeft)
{
    insert(masterdata::Tables::GoodsNumbers, { { "waren", "84713000" }, { "bez1", "Rechner" } });
    insert(Tables::Positions, { { "Belegnr", 3 }, { "Pos", 1 } });
    TfrmAuftrag &w = open(3);
    struct Case {
        QString typed;
        QString number;
        QString line;
        QStringList messages;
    };
    const Case cases[] = { { "8471", "84713000", "Rechner", {} },
        { "9999", "9999", "Rechner", { "Es wurde kein Datensatz mit dieser Waren-Nr. gefunden!" } } };
    for (const auto &c : cases) {
        dialogs.clear();
        testsupport::onNextModal([&c](QDialog *dialog) {
            auto *position = qobject_cast<TfrmPositionen *>(dialog);
            ASSERT_NE(position, nullptr);
            typeAndLeave(*position, "DBEditWaren", c.typed, "DBEditwabe1");
            position->reject();
        });
        w.sbArtikelBearbeiten->click();
        EXPECT_EQ(column(Tables::Positions, "waren", 3), QStringList({ c.number }));
        EXPECT_EQ(column(Tables::Positions, "wabe1", 3), QStringList({ c.line }));
        EXPECT_EQ(dialogs.texts(), c.messages);
    }
}

TEST_F(OrderWindowTest, APackageGetsItsVolume)
{
    TfrmAuftrag &w = open(3);
    testsupport::onNextModal([](QDialog *dialog) {
        auto *package = qobject_cast<TfrmAuftr_pk *>(dialog);
        ASSERT_NE(package, nullptr);
        EXPECT_EQ(package->windowTitle(), "Packstücke");
        EXPECT_EQ(edit(*package, "DBEditANZAHL")->text(), "1");
        EXPECT_EQ(edit(*package, "DBEditM3")->text(), "0,000");
        typeAndLeave(*package, "DBEditLAENGE", "120", "DBEditBREITE");
        typeAndLeave(*package, "DBEditBREITE", "80", "DBEditHOEHE");
        typeAndLeave(*package, "DBEditHOEHE", "100", "DBEditANZAHL");
        EXPECT_EQ(edit(*package, "DBEditM3")->text(), "0,960");
        package->reject();
    });
    w.sbPackNeu->click();
    EXPECT_EQ(column(Tables::Packages, "M3", 3), QStringList({ "0.96" }));
    auto *model = w.dbgrPack->model();
    EXPECT_EQ(model->headerData(6, Qt::Horizontal).toString(), "CBM");
    EXPECT_EQ(model->index(0, 6).data().toString(), "0,960");
}

TEST_F(OrderWindowTest, ThePackageDialogShowsTheVolumeWithThreeDecimals)
{
    struct Case {
        const char *length, *width, *height, *shown;
    };
    const Case cases[]
        = { { "50", "40", "30", "0,060" }, { "100", "100", "300", "3,000" }, { "1", "1", "1", "0,000" } };
    TfrmAuftrag &w = open(3);
    for (const Case &c : cases) {
        QString shown;
        testsupport::onNextModal([&c, &shown](QDialog *dialog) {
            auto *package = qobject_cast<TfrmAuftr_pk *>(dialog);
            ASSERT_NE(package, nullptr);
            typeAndLeave(*package, "DBEditLAENGE", c.length, "DBEditBREITE");
            typeAndLeave(*package, "DBEditBREITE", c.width, "DBEditHOEHE");
            typeAndLeave(*package, "DBEditHOEHE", c.height, "DBEditANZAHL");
            shown = edit(*package, "DBEditM3")->text();
            package->reject();
        });
        w.sbPackNeu->click();
        EXPECT_EQ(shown, c.shown) << c.length << "x" << c.width << "x" << c.height;
    }
}

} // namespace
