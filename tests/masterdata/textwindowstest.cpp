#include "masterdata/paymentterms.h"
#include "masterdata/supportingdocuments.h"
#include "masterdatafixture.h"

#include "platform/dataedit.h"
#include "platform/recordingcanvas.h"
#include "shell/conversion.h"
#include "shell/settings.h"
#include "shell/twheeldbgrid.h"
#include "support/modaldialog.h"

#include <QAbstractButton>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>

#include <functional>

using namespace masterdata;

namespace {

const QStringList LanguageNames = { "Deutsch", "English", "Français", "Português", "Español" };

// A payment term or clause with every line of every language telling where
// it stands: "t2" in German line 2, "f3" in French line 3.
void insertText(
    const QString &table, const QString &keyField, const QString &key, const QStringList &prefixes, int lines)
{
    platform::Table t(platform::Alias::Data, table);
    t.open();
    t.append();
    t.setValue(keyField, key);
    for (const QString &prefix : prefixes)
        for (int line = 1; line <= lines; ++line)
            t.setValue(prefix + QString::number(line), QStringLiteral("%1 %2%3").arg(key, prefix).arg(line));
    t.post();
}

} // namespace

class TextWindowsTest : public MasterDataTest
{
protected:
    void SetUp() override
    {
        MasterDataTest::SetUp();
        parameter = std::make_unique<platform::Table>(platform::Alias::Data, "S_PARAME.DB");
        parameter->open();
        parameter->edit();
        for (int i = 1; i <= 5; ++i)
            parameter->setValue(QStringLiteral("Sprache%1").arg(i), LanguageNames.at(i - 1));
        parameter->post();
        shell::mainState().tbParameter = parameter.get();
    }
    void TearDown() override
    {
        shell::mainState().tbParameter = nullptr;
        parameter.reset();
        MasterDataTest::TearDown();
    }

    std::unique_ptr<platform::Table> parameter;
};

TEST_F(TextWindowsTest, LanguageButtonsShowTheLanguagesLinesAndStoreAnEditFirst)
{
    struct Case {
        const char *name;
        std::function<LanguageTextWindow *()> create;
        QString table;
        QString key;
        QStringList prefixes; // stored order of the languages
        int lines;
        QStringList shownPrefixes; // per button
    };
    const QVector<Case> cases = {
        { "payment terms", [] { return new TfrmZahlung; }, Tables::PaymentTerms, "zabedg", { "t", "e", "f", "s", "p" },
            5, { "t", "e", "f", "p", "s" } },
        { "clauses", [] { return new TfrmKlausel; }, Tables::InvoiceClauses, "reklaus", { "k", "e", "f", "s", "p" }, 10,
            { "k", "e", "f", "p", "s" } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        insertText(c.table, c.key, "1", c.prefixes, c.lines);
        std::unique_ptr<LanguageTextWindow> window(c.create());
        window->show();
        for (int language = 1; language <= 5; ++language)
            EXPECT_EQ(window->languageButton(language)->text(), LanguageNames.at(language - 1));
        EXPECT_EQ(window->language(), 1);
        EXPECT_TRUE(window->languageButton(1)->isChecked());
        for (int language = 1; language <= 5; ++language) {
            window->languageButton(language)->click();
            EXPECT_TRUE(window->languageButton(language)->isChecked());
            QStringList expected;
            for (int line = 1; line <= c.lines; ++line)
                expected.append(QStringLiteral("1 %1%2").arg(c.shownPrefixes.at(language - 1)).arg(line));
            EXPECT_EQ(window->lineTexts(), expected) << language;
        }

        // An edit in the French lines is stored before the Spanish ones show.
        window->languageButton(3)->click();
        window->lineEdit(2)->setFocus();
        QTest::keyClick(window->lineEdit(2), Qt::Key_X);
        EXPECT_TRUE(window->table().isEditing());
        window->languageButton(5)->click();
        EXPECT_FALSE(window->table().isEditing());
        EXPECT_EQ(window->lineEdit(2)->text(), "1 s2");
        platform::Table stored(platform::Alias::Data, c.table);
        stored.open();
        EXPECT_EQ(stored.fieldByName("f2").asString(), "1 f2x");
        window->close();
    }
}

TEST_F(TextWindowsTest, AddProposesTheHighestKeyAsANumberPlusOne)
{
    struct Case {
        const char *name;
        std::function<LanguageTextWindow *()> create;
        QString table;
        QString key;
        QStringList keys;
        QString proposal;
    };
    const QVector<Case> cases = {
        { "terms, numeric not text order", [] { return new TfrmZahlung; }, Tables::PaymentTerms, "zabedg",
            { "1", "2", "10" }, "11" },
        { "terms, empty", [] { return new TfrmZahlung; }, Tables::PaymentTerms, "zabedg", {}, "1" },
        { "clauses", [] { return new TfrmKlausel; }, Tables::InvoiceClauses, "reklaus", { "9", "3" }, "10" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        platform::Table table(platform::Alias::Data, c.table);
        table.open();
        table.emptyTable();
        for (const QString &key : c.keys)
            insert(c.table, { { c.key, key } });
        std::unique_ptr<LanguageTextWindow> window(c.create());
        window->show();
        window->clickRecordButton(MasterDataWindow::Add);
        EXPECT_EQ(window->table().state(), platform::DataSetState::Insert);
        EXPECT_EQ(window->table().fieldByName(c.key).asString(), c.proposal);
        EXPECT_EQ(window->focusWidget(), window->controlForField(c.key));
        window->table().cancel();
        window->close();
    }

    // A key that is no number stops the proposal with the conversion error.
    insert(Tables::PaymentTerms, { { "zabedg", "A1" } });
    TfrmZahlung window;
    window.show();
    EXPECT_THROW(window.clickRecordButton(MasterDataWindow::Add), shell::ConversionError);
    EXPECT_FALSE(window.table().isEditing());
    EXPECT_EQ(window.table().recordCount(), 1);
}

TEST_F(TextWindowsTest, PickInTheOrdersLanguageCopiesTheLinesOfTheButtonDownAtOk)
{
    insertText(Tables::PaymentTerms, "zabedg", "1", { "t", "e", "f", "s", "p" }, 5);
    insertText(Tables::InvoiceClauses, "reklaus", "1", { "k", "e", "f", "s", "p" }, 10);
    struct Case {
        const char *name;
        std::function<LanguageTextWindow *()> create;
        int orderLanguage;
        int pressedBeforeOk; // 0: none
        std::function<void(LanguageTextWindow &)> take;
        QString firstLine;
    };
    const QVector<Case> cases = {
        { "term in French", [] { return new TfrmZahlung; }, 3, 0,
            [](LanguageTextWindow &w) { w.takeButton()->click(); }, "1 f1" },
        { "term, Spanish pressed before OK", [] { return new TfrmZahlung; }, 3, 5,
            [](LanguageTextWindow &w) { w.takeButton()->click(); }, "1 s1" },
        { "term by double click", [] { return new TfrmZahlung; }, 4, 0,
            [](LanguageTextWindow &w) { emit w.grid()->doubleClicked(w.grid()->model()->index(0, 1)); }, "1 p1" },
        { "clause by Enter in the grid", [] { return new TfrmKlausel; }, 2, 0,
            [](LanguageTextWindow &w) { QTest::keyClick(w.grid(), Qt::Key_Return); }, "1 e1" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<LanguageTextWindow> window(c.create());
        window->pressLanguageButton(c.orderLanguage);
        window->setPickMode(true);
        testsupport::onNextModal([&](QDialog *) {
            EXPECT_TRUE(window->languageButton(c.orderLanguage)->isChecked());
            if (c.pressedBeforeOk)
                window->languageButton(c.pressedBeforeOk)->click();
            c.take(*window);
        });
        ASSERT_EQ(window->exec(), QDialog::Accepted);
        EXPECT_EQ(window->lineTexts().first(), c.firstLine);
    }

    // Enter in the grid does not take a payment term.
    TfrmZahlung terms;
    terms.setPickMode(true);
    terms.show();
    QTest::keyClick(terms.grid(), Qt::Key_Return);
    EXPECT_TRUE(terms.isVisible());
}

TEST_F(TextWindowsTest, ListsPrintOneTextASheetWithEveryLanguageUnderItsName)
{
    insertText(Tables::PaymentTerms, "zabedg", "1", { "t", "e", "f", "s", "p" }, 5);
    insertText(Tables::PaymentTerms, "zabedg", "2", { "t", "e", "f", "s", "p" }, 5);
    insertText(Tables::PaymentTerms, "zabedg", "3", { "t", "e", "f", "s", "p" }, 5);
    dialogs.answer(platform::DialogAnswer::Ok);
    {
        ListPrintWindow list(paymentTermListLayout());
        EXPECT_EQ(list.windowTitle(), "Druck \"Zahlungsbedingungen\"");
        list.print();
    }
    EXPECT_EQ(dialogs.lastCall().text, "Bitte legen Sie 3 leere Blätter \rin den Drucker ein! ");
    ASSERT_EQ(printers.canvas().jobCount(), 3);
    const auto &job = printers.canvas().jobs().at(1);
    EXPECT_EQ(job.title, "Export / Versand: Zahlungsbedingungen");

    // Printable area 203 x 289 mm: 35 and 40 cannot be reached.
    const int mx = 35;
    const int my = 40;
    // Copies of the calls: texts() hands out a list of its own.
    const QList<platform::CanvasCall> texts = printers.canvas().texts(job.number);
    auto find = [&texts](const QString &text) -> const platform::CanvasCall * {
        for (const platform::CanvasCall &call : texts)
            if (call.text == text)
                return &call;
        return nullptr;
    };
    const auto none = platform::FontStyles();
    const auto bold = platform::FontStyles(platform::FontStyle::Bold);
    const auto underline = platform::FontStyles(platform::FontStyle::Underline);
    struct Expected {
        QString text;
        int x, y;
        platform::FontStyles style;
    };
    const QVector<Expected> expected = {
        { "Zahlungsbedingungen", 800, 50, bold },
        { "Zahlungsbedingung : ", 850, 200, none },
        { "Deutsch", 150, 280, underline },
        { "2 t1", 150, 422, bold },
        { "2 t5", 150, 422 + 4 * 42, bold },
        { "English", 150, 760, underline },
        { "2 e1", 150, 902, bold },
        { "Français", 150, 1230, underline },
        { "2 f3", 150, 1372 + 2 * 42, bold },
        { "Português", 150, 1700, underline },
        { "2 p1", 150, 1842, bold },
        { "Español", 150, 2170, underline },
        { "2 s5", 150, 2312 + 4 * 42, bold },
    };
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.text.toStdString());
        const platform::CanvasCall *call = find(e.text);
        ASSERT_TRUE(call);
        EXPECT_EQ(call->x, e.x - mx);
        EXPECT_EQ(call->y, -e.y + my);
        EXPECT_EQ(call->font.style, e.style);
    }
    const platform::CanvasCall *key = find("2");
    ASSERT_TRUE(key);
    EXPECT_GT(key->x, 850 - mx) << "the key follows its caption";
    EXPECT_EQ(key->font.style, bold);

    // The clause list: ten lines a language.
    printers.canvas().clear();
    insertText(Tables::InvoiceClauses, "reklaus", "7", { "k", "e", "f", "s", "p" }, 10);
    dialogs.answer(platform::DialogAnswer::Ok);
    ListPrintWindow clauses(invoiceClauseListLayout());
    clauses.print();
    EXPECT_EQ(dialogs.lastCall().text, "Bitte legen Sie 1 leeres Blatt \rin den Drucker ein! ");
    ASSERT_EQ(printers.canvas().jobCount(), 1);
    EXPECT_EQ(printers.canvas().jobs().at(0).title, "Export / Versand: Rechnungsklauseln");
    bool found = false;
    for (const platform::CanvasCall &call : printers.canvas().texts(printers.canvas().jobs().at(0).number)) {
        if (call.text == "7 p10") {
            found = true;
            EXPECT_EQ(call.y, -(1862 + 9 * 42) + my);
        }
    }
    EXPECT_TRUE(found);
}

TEST_F(TextWindowsTest, SupportingDocumentsKeptFromTheMenuShowNoPickButtons)
{
    insert(Tables::SupportingDocuments, { { "Code", "C" }, { "Quali", "" }, { "Text", "erste Zeile\nzweite Zeile" } });
    insert(Tables::SupportingDocuments, { { "Code", "A" }, { "Quali", "Q" } });
    const bool windows2000 = shell::Windows2000OrLater;
    shell::Windows2000OrLater = true;
    shell::mainState().XP_Themes = true; // raised buttons elsewhere
    TfrmUnterlagen window;
    shell::Windows2000OrLater = windows2000;
    for (QToolButton *button : window.findChildren<QToolButton *>())
        EXPECT_TRUE(button->autoRaise()) << "its buttons stay flat";
    window.show();
    EXPECT_FALSE(window.pickMode());
    EXPECT_TRUE(window.control("Panel1")->isHidden());
    // In the order of entry, not by code.
    EXPECT_EQ(column(window.table(), "Code"), QStringList({ "C", "A" }));
    EXPECT_EQ(
        qobject_cast<QPlainTextEdit *>(window.controlForField("Text"))->toPlainText(), "erste Zeile\nzweite Zeile");
    QStringList menu;
    for (QAction *action : window.findChild<QMenuBar *>()->actions())
        menu.append(action->text());
    EXPECT_EQ(menu, QStringList { "Schließen" });

    // Insert and edit start in the code field.
    window.clickRecordButton(MasterDataWindow::Add);
    EXPECT_EQ(window.focusWidget(), window.controlForField("Code"));
    window.table().cancel();
    window.setPickMode(true);
    emit window.grid()->doubleClicked(window.grid()->model()->index(0, 1));
    QTest::keyClick(window.grid(), Qt::Key_Return);
    EXPECT_TRUE(window.isVisible()) << "only its buttons take a document over";
    window.close();
}
