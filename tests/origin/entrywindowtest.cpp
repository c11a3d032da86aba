#include "originfixture.h"

#include "masterdata/masterdatawindow.h"
#include "masterdata/selectionwindow.h"
#include "origin/tfrmatr.h"
#include "origin/tfrmeur1.h"
#include "origin/tfrmeur2.h"
#include "origin/tfrmeur_med.h"
#include "origin/tfrmregieatr.h"
#include "origin/tfrmregieeur1.h"
#include "origin/tfrmregieeur2.h"
#include "origin/tfrmregieeur_med.h"
#include "origin/tfrmregieuz.h"
#include "origin/tfrmursprung.h"
#include "platform/controlstate.h"
#include "platform/dataedit.h"
#include "platform/fielddatalink.h"
#include "platform/schemaregistry.h"
#include "shell/plausibilitydialog.h"
#include "shell/twheeldbgrid.h"
#include "support/modaldialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

using namespace origin;
using shell::EntryWindow;

namespace {

class EntryWindowTest : public OriginTest
{
protected:
    // The entry window of the kind on a document of a register of its own.
    template <class Register, class Window> std::unique_ptr<Window> open(int number)
    {
        m_register = std::make_unique<Register>();
        EXPECT_TRUE(m_register->head().findKey({ number }));
        auto window = std::make_unique<Window>(*m_register);
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }

    // The entry window of the kind whose table is given.
    std::unique_ptr<EntryWindow> openOn(const QString &table, int number)
    {
        if (table == Tables::Eur1)
            return open<TfrmRegieEUR1, TfrmEur1>(number);
        if (table == Tables::Eur2)
            return open<TfrmRegieEUR2, TfrmEur2>(number);
        if (table == Tables::Atr)
            return open<TfrmRegieATR, TfrmAtr>(number);
        if (table == Tables::EurMed)
            return open<TfrmRegieEur_Med, TfrmEur_Med>(number);
        return open<TfrmRegieUZ, TfrmUrsprung>(number);
    }

    void TearDown() override
    {
        m_register.reset();
        OriginTest::TearDown();
    }

    static QString fieldOf(EntryWindow &window, const QString &control)
    {
        auto *edit = qobject_cast<platform::DataEdit *>(window.control(control));
        return edit ? edit->dataLink()->fieldName() : QStringLiteral("<no edit>");
    }

    static QString text(EntryWindow &window, const QString &control)
    {
        return static_cast<QLineEdit *>(window.control(control))->text();
    }

    // Sets the text of an edit as the user does (ASCII only).
    static void type(EntryWindow &window, const QString &control, const QString &value)
    {
        auto *edit = static_cast<QLineEdit *>(window.control(control));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, value);
    }

    // Sets a field of the parameter record through the register, whose
    // window reads it.
    void setRegisterParameter(const QString &field, const QVariant &value)
    {
        platform::Table &parameter = m_register->parameter();
        shell::EditIfBrowsing(parameter);
        parameter.fieldByName(field).setValue(value);
        parameter.post();
    }

    static void addCountry(const QString &land, const QString &name)
    {
        platform::Table countries(platform::Alias::Data, masterdata::Tables::Countries);
        countries.open();
        countries.append();
        countries.fieldByName("Land").setAsString(land);
        countries.fieldByName("Bez").setAsString(name);
        countries.post();
    }

    std::unique_ptr<shell::DocumentRegister> m_register;
};

TEST_F(EntryWindowTest, Eur1ControlNamesOfTheGoodsLines)
{
    struct Case {
        int line;
        QStringList names;
    };
    const QVector<Case> cases = {
        { 3, { "DBEdit32", "DBEdit33", "DBEdit34" } },
        { 4, { "DBEdit35", "DBEdit36", "DBEdit37" } },
        { 12, { "DBEdit59", "DBEdit60", "DBEdit61" } },
        { 24, { "DBEdit95", "DBEdit96", "DBEdit97" } },
        { 25, { "a", "DBEdit99", "DBEdit100" } },
    };
    addRecord(Tables::Eur1, 5);
    auto window = open<TfrmRegieEUR1, TfrmEur1>(5);
    for (const Case &c : cases) {
        EXPECT_EQ(eur1GoodsLineControls(c.line), c.names) << c.line;
        for (int column = 1; column <= 3; ++column) {
            EXPECT_EQ(fieldOf(*window, c.names.at(column - 1)), QStringLiteral("Eintrag%1_%2").arg(c.line).arg(column))
                << c.line;
        }
    }
    window->close();
}

// Every field of a kind's table but the number, the date (and a hidden
// token) has exactly one input control, and the control names are those the
// fixed-field lists store.
TEST_F(EntryWindowTest, EveryFieldHasItsNamedControl)
{
    struct Case {
        const char *name;
        QString table;
        QVector<QPair<QString, QString>> samples; // control, field
        int page1Controls;
        QStringList withoutControl = {}; // fields stored but never shown
    };
    const QVector<Case> cases = {
        { "EUR.1", Tables::Eur1,
            { { "DBEdit1", "we1_1" }, { "DBEdit5", "we1_5" }, { "DBEdit26", "we2_1" }, { "DBEdit27", "We2_2" },
                { "DBEdit6", "we3_1" }, { "DBEdit13", "we3_8" }, { "DBEdit28", "we4_1" }, { "DBEdit29", "we5_1" },
                { "DBEdit14", "we6_1" }, { "DBEdit19", "we6_6" }, { "DBEdit20", "we7_1" }, { "DBEdit25", "we7_6" },
                { "DBEdit30", "Eintrag1" }, { "DBEdit31", "Eintrag2" }, { "DBEdit101", "we11_1" },
                { "DBEdit102", "we11_2" }, { "DBEdit103", "we11_3" }, { "DBEdit104", "we12_1" },
                { "DBEdit105", "we12_2" }, { "DBEdit115", "We14_5" }, { "DBEdit98", "We14_6" },
                { "DBEdit106", "we13_1" }, { "DBEdit110", "We13_5" }, { "DBEdit118", "We13_6" },
                { "DBEdit122", "We13_10" }, { "DBEdit111", "we14_1" }, { "DBEdit114", "we14_4" },
                { "DBEdit123", "We14_7" }, { "DBEdit127", "We14_11" }, { "DBEdit116", "we15_1" },
                { "DBEdit117", "we15_2" } },
            23 },
        { "EUR.2", Tables::Eur2,
            { { "DBEdit37", "eu1_1" }, { "DBEdit38", "eu1_2" }, { "DBEdit1", "eu2_1" }, { "DBEdit5", "eu2_5" },
                { "DBEdit7", "eu4_1" }, { "DBEdit11", "eu4_5" }, { "DBEdit34", "eu4_6" }, { "DBEdit12", "eu5_1" },
                { "DBEdit13", "eu6_1" }, { "DBEdit14", "eu7_1" }, { "DBEdit15", "eu7_2" }, { "DBEdit35", "eu7_3" },
                { "DBEdit16", "eu8_1" }, { "DBEdit17", "eu8_2" }, { "DBEdit18", "eu9_1" }, { "DBEdit19", "eu10_1" },
                { "DBEdit6", "eu11_1" }, { "DBEdit20", "eu11_2" }, { "DBEdit26", "eu11_8" }, { "DBEdit36", "eu11_9" } },
            0 },
        { "EUR-MED", Tables::EurMed,
            { { "DBEdit1", "we1_1" }, { "DBEdit27", "We2_2" }, { "DBEdit13", "we3_8" }, { "DBEdit29", "we5_1" },
                { "DBEdit19", "we6_6" }, { "DBEdit20", "we7_2" }, { "DBEdit32", "Eintrag3_1" }, { "a", "Eintrag25_1" },
                { "DBEdit100", "Eintrag25_3" }, { "DBEdit103", "we11_3" }, { "DBEdit21", "We11_4" },
                { "DBEdit24", "We11_7" }, { "DBEdit105", "we12_2" }, { "DBEdit115", "we13_1" },
                { "DBEdit98", "we13_2" }, { "DBEdit25", "we13_3" }, { "DBEdit128", "we13_4" },
                { "DBEdit130", "We13_6" }, { "DBEdit106", "We13_7" }, { "DBEdit109", "We13_10" },
                { "DBEdit111", "we14_1" }, { "DBEdit114", "we14_4" }, { "DBEdit116", "we15_1" },
                { "DBEdit117", "we15_2" } },
            16, { "we11_8", "we14_5", "we14_6", "we14_7", "we14_8", "we14_9", "we14_10", "we14_11" } },
    };
    for (const Case &c : cases) {
        addRecord(c.table, 5);
        std::unique_ptr<EntryWindow> window = openOn(c.table, 5);
        for (const auto &[control, field] : c.samples)
            EXPECT_EQ(fieldOf(*window, control), field) << c.name << " " << control.toStdString();

        QStringList fields;
        QSet<QString> names;
        int back = 0;
        for (const shell::EntryControl &control : window->definition().controls) {
            fields << control.field.toLower();
            names.insert(control.name);
            back += control.page == 1 ? 1 : 0;
        }
        QStringList expected;
        const platform::TableSchema *schema = platform::SchemaRegistry::instance().find(c.table);
        for (int i = 2; i < schema->fieldCount(); ++i) {
            const QString name = schema->fieldAt(i).name.toLower();
            if (name != QLatin1String("token") && !c.withoutControl.contains(name))
                expected << name;
        }
        fields.sort();
        expected.sort();
        EXPECT_EQ(fields, expected) << c.name;
        EXPECT_EQ(names.size(), fields.size()) << c.name << ": names are unique";
        EXPECT_EQ(back, c.page1Controls) << c.name << ": controls on the back page";
        // Every caption lies on its page, also one below the last control.
        for (const QLabel *label : window->findChildren<QLabel *>()) {
            const QWidget *surface = label->parentWidget();
            if (surface->objectName().startsWith("Surface")) {
                EXPECT_LE(label->geometry().bottom(), surface->height())
                    << c.name << ": " << label->text().toStdString();
            }
        }
        window->close();
    }
}

TEST_F(EntryWindowTest, F6FixesABoxInTheTemplateAndLocksItInDocuments)
{
    struct Case {
        const char *name;
        QString table;
        QString memo;
        QStringList controls;
    };
    const QVector<Case> cases = {
        { "EUR.1", Tables::Eur1, "Memo_3", { "DBEdit14", "a" } },
        { "EUR.2", Tables::Eur2, "Memo_4", { "DBEdit37" } },
        { "A.TR.", Tables::Atr, "Memo_13", { "DBEdit28" } },
        { "certificate of origin", Tables::Ursprung, "Memo_5", { "DBEdit29", "DBEdit37" } },
        { "EUR-MED", Tables::EurMed, "Memo_EURMED", { "DBEdit20", "DBEdit24" } },
    };
    for (const Case &c : cases) {
        restart();
        addRecord(c.table, 5);
        addRecord(c.table, shell::TemplateNumber);
        auto window = openOn(c.table, shell::TemplateNumber);
        for (const QString &control : c.controls) {
            window->control(control)->setFocus();
            QTest::keyClick(window->control(control), Qt::Key_F6);
            EXPECT_EQ(platform::controlColor(window.get(), control), shell::ActiveBorderColor) << c.name;
        }
        EXPECT_EQ(parameterValue(c.memo), c.controls.join("\r\n")) << c.name;
        window->close();
        window.reset();

        window = openOn(c.table, 5);
        for (const QString &control : c.controls) {
            EXPECT_FALSE(window->control(control)->isEnabled()) << c.name << " " << control.toStdString();
            EXPECT_EQ(platform::controlColor(window.get(), control), shell::ActiveBorderColor) << c.name;
        }
        EXPECT_TRUE(window->control("DBEdit1")->isEnabled()) << c.name;
        window->close();
    }
}

TEST_F(EntryWindowTest, Eur1PlausibilityTicksTheEmptyBoxes)
{
    const QVariantMap complete
        = { { "we1_1", "Exporteur" }, { "we3_1", "Empfänger" }, { "We2_2", "Schweiz" }, { "we4_1", "EG" },
              { "we5_1", "CH" }, { "we11_2", "12345" }, { "we12_1", "Köln, 5.3.2024" }, { "we12_2", "Meier" } };
    struct Case {
        const char *name;
        bool switchOn;
        QStringList emptied;
        bool korrigieren;
        QVector<bool> ticked; // empty: no dialog
        bool closes;
        QString focused;
    };
    const QVector<bool> signatureOnly = { false, false, false, false, false, false, false, true };
    const QVector<Case> cases = {
        { "switch off", false, { "we12_2", "we1_1" }, false, {}, true, "" },
        { "complete", true, {}, false, {}, true, "" },
        { "signature, Korrigieren", true, { "we12_2" }, true, signatureOnly, false, "DBEdit105" },
        { "signature, Schließen", true, { "we12_2" }, false, signatureOnly, true, "DBEdit105" },
        { "number and country", true, { "we11_2", "we4_1" }, true,
            { false, false, false, true, false, true, false, false }, false, "DBEdit28" },
    };
    for (const Case &c : cases) {
        restart();
        QVariantMap values = complete;
        for (const QString &field : c.emptied)
            values.remove(field);
        addRecord(Tables::Eur1, 5, values);
        auto window = open<TfrmRegieEUR1, TfrmEur1>(5);
        setRegisterParameter("Plausi_3", c.switchOn);
        window->pageControl()->setCurrentIndex(1); // the check also runs from the back page
        QVector<bool> ticked;
        QString caption;
        if (!c.ticked.isEmpty()) {
            testsupport::onNextModal([&](QDialog *dialog) {
                auto *plausi = qobject_cast<shell::PlausibilityDialog *>(dialog);
                ASSERT_NE(plausi, nullptr);
                caption = plausi->objectName() + " " + plausi->windowTitle();
                for (int i = 0; i < plausi->checkBoxCount(); ++i)
                    ticked << plausi->checkBox(i)->isChecked();
                (c.korrigieren ? plausi->BtnKorrigieren : plausi->BtnSchliessen)->click();
            });
        }
        window->close();
        EXPECT_EQ(ticked, c.ticked) << c.name;
        if (!c.ticked.isEmpty()) {
            EXPECT_EQ(caption, "frmEur1_Plausi Genehmigungsprüfung") << c.name;
        }
        EXPECT_EQ(window->isVisible(), !c.closes) << c.name;
        if (!c.focused.isEmpty()) {
            EXPECT_EQ(window->focusWidget(), window->control(c.focused)) << c.name;
            EXPECT_EQ(window->pageControl()->currentIndex(), 0) << c.name;
        }
        setRegisterParameter("Plausi_3", false);
        window->close();
    }
}

TEST_F(EntryWindowTest, Eur2PlausibilityCountsAnAddressLineAndFocusesInItsOrder)
{
    const QVariantMap complete = { { "eu1_1", "EU" }, { "eu1_2", "Schweiz" }, { "eu2_1", "Exporteur" },
        { "eu4_1", "Empfänger" }, { "eu5_1", "Köln" }, { "eu8_1", "EU" }, { "eu9_1", "CH" } };
    struct Case {
        const char *name;
        QStringList emptied;
        QVariantMap extra;
        QVector<bool> ticked; // empty: no dialog
        QString focused;
    };
    const QVector<Case> cases = {
        { "second sender line", { "eu2_1" }, { { "eu2_2", "Straße 1" } }, {}, "" },
        { "second country", { "eu1_2" }, {}, { true, false, false, false, false, false }, "DBEdit38" },
        { "sender before countries", { "eu1_1", "eu2_1" }, {}, { true, true, false, false, false, false }, "DBEdit1" },
        { "consignee and place", { "eu4_1", "eu5_1" }, {}, { false, false, true, true, false, false }, "DBEdit7" },
        { "origin and destination", { "eu8_1", "eu9_1" }, {}, { false, false, false, false, true, true }, "DBEdit16" },
    };
    for (const Case &c : cases) {
        restart();
        QVariantMap values = complete;
        for (const QString &field : c.emptied)
            values.remove(field);
        values.insert(c.extra);
        addRecord(Tables::Eur2, 5, values);
        auto window = open<TfrmRegieEUR2, TfrmEur2>(5);
        EXPECT_EQ(window->findChild<QStatusBar *>(), nullptr) << "no box help, no number";
        EXPECT_EQ(window->pageControl(), nullptr);
        setRegisterParameter("Plausi_4", true);
        QVector<bool> ticked;
        QString title;
        if (!c.ticked.isEmpty()) {
            testsupport::onNextModal([&](QDialog *dialog) {
                auto *plausi = qobject_cast<shell::PlausibilityDialog *>(dialog);
                ASSERT_NE(plausi, nullptr);
                title = plausi->windowTitle();
                for (int i = 0; i < plausi->checkBoxCount(); ++i)
                    ticked << plausi->checkBox(i)->isChecked();
                // Escape is "Korrigieren" here.
                QTest::keyClick(plausi, Qt::Key_Escape);
            });
        }
        window->close();
        EXPECT_EQ(ticked, c.ticked) << c.name;
        EXPECT_EQ(window->isVisible(), !c.ticked.isEmpty()) << c.name;
        if (!c.ticked.isEmpty()) {
            EXPECT_EQ(title, "Genehmigungsprüfung Eur2") << c.name;
            EXPECT_EQ(window->focusWidget(), window->control(c.focused)) << c.name;
        }
        setRegisterParameter("Plausi_4", false);
        window->close();
    }
}

TEST_F(EntryWindowTest, Eur1BoxHelpPagesAndNumberText)
{
    addRecord(Tables::Eur1, 5);
    auto window = open<TfrmRegieEUR1, TfrmEur1>(5);
    EXPECT_EQ(window->windowTitle(), "EUR. 1");
    EXPECT_EQ(window->pageControl()->tabText(0), "Warenverkehrsbescheinigung");
    EXPECT_EQ(window->pageControl()->tabText(1), "Erklärung des Ausführers");
    QLabel *title = window->label("lblEur1");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font().family(), "Arial");
    EXPECT_TRUE(title->font().bold());
    struct Case {
        QString control;
        QString hint;
    };
    const QVector<Case> cases = {
        { "DBEdit3", "1 Ausführer / Exporteur - (hier besteht eine Übernahmemöglichkeit)" },
        { "DBEdit26", "2 Bescheinigung für den Präferenzverkehr zwischen" },
        { "DBEdit27", "2 Bescheinigung für den Präferenzverkehr zwischen - (hier besteht eine Übernahmemöglichkeit)" },
        { "DBEdit29", "5 Bestimmungsstaat, -staatengruppe oder -gebiet - (hier besteht eine Übernahmemöglichkeit)" },
        { "a", "8 Laufende Nr.; Zeichen; Anzahl und Art der Verpackung; Warenbezeichnung" },
        { "DBEdit99", "9 Rohgewicht (Kg) oder andere Maße (l, m³, usw.)" },
        { "DBEdit102", "11 Sichtvermerk der Zollbehörde - Nr." },
        { "DBEdit105", "12. Erklärung des Ausführers / Expoteurs - Unterschrift" },
        { "DBEdit122", "Der Ausführer beschreibt den Sachverhalt, aufgrund dessen diese Waren ..." },
        { "DBEdit117", "Unterschrift des Ausführers" },
    };
    for (const Case &c : cases) {
        window->focusControl(c.control);
        EXPECT_EQ(window->statusText(0), c.hint) << c.control.toStdString();
    }
    // Leaving the last box of a page shows the other page.
    window->focusControl("DBEdit105");
    window->control("DBEdit104")->setFocus();
    EXPECT_EQ(window->pageControl()->currentIndex(), 1);
    window->focusControl("DBEdit117");
    window->control("DBEdit116")->setFocus();
    EXPECT_EQ(window->pageControl()->currentIndex(), 0);
    window->close();
}

TEST_F(EntryWindowTest, CountryPicksWriteTheNameAndMoveOn)
{
    addCountry("039", "Schweiz");
    addCountry("060", "Polen");
    addCountry("004", "Deutschland");
    addRecord(Tables::Eur1, 5, { { "we4_1", "Pa" } });
    auto window = open<TfrmRegieEUR1, TfrmEur1>(5);

    // F9 in box 4: the list by name on the nearest name; its choice into the box.
    QString startedOn;
    testsupport::onNextModal([&](QDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Auswahl: Ländertabelle");
        auto *list = qobject_cast<masterdata::SelectionWindow *>(dialog);
        ASSERT_NE(list, nullptr);
        startedOn = list->table().fieldByName("Bez").asString();
        list->table().next();
        list->takeButton()->click();
    });
    QWidget *box4 = window->control("DBEdit28");
    box4->setFocus();
    QTest::keyClick(box4, Qt::Key_F9);
    EXPECT_EQ(startedOn, "Polen");
    EXPECT_EQ(text(*window, "DBEdit28"), "Schweiz");
    EXPECT_EQ(stored(Tables::Eur1, 5, "we4_1"), "Schweiz") << "posted after the pick";
    EXPECT_EQ(window->focusWidget(), window->control("DBEdit29"));

    // A cancelled pick keeps the text and still posts what was typed.
    type(*window, "DBEdit29", "CH");
    testsupport::onNextModal([](QDialog *dialog) { dialog->reject(); });
    QTest::keyClick(window->control("DBEdit29"), Qt::Key_F9);
    EXPECT_EQ(stored(Tables::Eur1, 5, "we5_1"), "CH");
    EXPECT_FALSE(m_register->head().isEditing());
    window->close();
}

TEST_F(EntryWindowTest, CustomerPicksFillTheAddressLines)
{
    for (const auto &[number, name] : { std::pair { 1, "Anton AG" }, std::pair { 2, "Berta GmbH" } }) {
        platform::Table customers(platform::Alias::Data, masterdata::Tables::Customers);
        customers.open();
        customers.append();
        customers.fieldByName("nummer").setAsInteger(number);
        customers.fieldByName("name1").setAsString(name);
        customers.fieldByName("name2").setAsString("Versand");
        customers.fieldByName("name3").setAsString("Tor 3");
        customers.fieldByName("strasse").setAsString("Hafenstraße 5");
        customers.fieldByName("ort").setAsString("D-20457 Hamburg");
        customers.post();
    }
    struct Case {
        const char *name;
        QString table;
        QString pressedIn; // F9 in this control
        QStringList targets; // controls of the five lines
        QString untouched; // a further line of the box that keeps its text
        QString focusAfter;
        QString keptField = "we3_6"; // the field of the untouched line
    };
    const QVector<Case> cases = {
        { "EUR.1 box 1", Tables::Eur1, "DBEdit4", { "DBEdit1", "DBEdit2", "DBEdit3", "DBEdit4", "DBEdit5" }, "",
            "DBEdit26" },
        { "EUR.1 box 3", Tables::Eur1, "DBEdit13", { "DBEdit6", "DBEdit7", "DBEdit8", "DBEdit9", "DBEdit10" },
            "DBEdit11", "DBEdit28" },
        { "EUR.2 box 2", Tables::Eur2, "DBEdit1", { "DBEdit1", "DBEdit2", "DBEdit3", "DBEdit4", "DBEdit5" }, "",
            "DBEdit7", "eu4_6" },
        { "EUR.2 box 4", Tables::Eur2, "DBEdit34", { "DBEdit7", "DBEdit8", "DBEdit9", "DBEdit10", "DBEdit11" },
            "DBEdit34", "DBEdit12", "eu4_6" },
        { "A.TR. box 1", Tables::Atr, "DBEdit2", { "DBEdit1", "DBEdit2", "DBEdit3", "DBEdit4", "DBEdit5" }, "",
            "DBEdit26", "Empfaenger_6" },
        { "A.TR. box 3", Tables::Atr, "DBEdit8", { "DBEdit6", "DBEdit7", "DBEdit8", "DBEdit9", "DBEdit10" }, "DBEdit11",
            "DBEdit28", "Empfaenger_6" },
        { "certificate box 1", Tables::Ursprung, "DBEdit5", { "DBEdit1", "DBEdit2", "DBEdit3", "DBEdit4", "DBEdit5" },
            "", "DBEdit6", "We2_6" },
        { "certificate box 2", Tables::Ursprung, "DBEdit13", { "DBEdit6", "DBEdit7", "DBEdit8", "DBEdit9", "DBEdit10" },
            "DBEdit11", "DBEdit29", "We2_6" },
        { "EUR-MED box 1", Tables::EurMed, "DBEdit2", { "DBEdit1", "DBEdit2", "DBEdit3", "DBEdit4", "DBEdit5" }, "",
            "DBEdit26" },
        { "EUR-MED box 3", Tables::EurMed, "DBEdit12", { "DBEdit6", "DBEdit7", "DBEdit8", "DBEdit9", "DBEdit10" },
            "DBEdit11", "DBEdit28" },
    };
    for (const Case &c : cases) {
        addRecord(c.table, 5, { { c.keptField, "bleibt" } });
        std::unique_ptr<EntryWindow> window = openOn(c.table, 5);
        QString caption;
        testsupport::onNextModal([&](QDialog *dialog) {
            caption = dialog->windowTitle();
            auto *list = qobject_cast<masterdata::MasterDataWindow *>(dialog);
            ASSERT_NE(list, nullptr);
            EXPECT_TRUE(list->takeButton()->isVisible()) << "pick mode";
            list->table().locate("nummer", { 2 });
            list->takeButton()->click();
        });
        window->control(c.pressedIn)->setFocus();
        QTest::keyClick(window->control(c.pressedIn), Qt::Key_F9);
        EXPECT_EQ(caption, "Kundenverwaltung") << c.name;
        QStringList lines;
        for (const QString &target : c.targets)
            lines << text(*window, target);
        EXPECT_EQ(lines, QStringList({ "Berta GmbH", "Versand", "Tor 3", "Hafenstraße 5", "D-20457 Hamburg" }))
            << c.name;
        if (!c.untouched.isEmpty()) {
            EXPECT_EQ(text(*window, c.untouched), "bleibt") << c.name;
        }
        EXPECT_EQ(window->focusWidget(), window->control(c.focusAfter)) << c.name;
        EXPECT_FALSE(m_register->head().isEditing()) << c.name << ": posted";
        window->close();
        window.reset();
        m_register.reset();
        platform::Table documents(platform::Alias::Data, c.table);
        documents.open();
        documents.findKey({ 5 });
        documents.deleteRecord();
    }
}

TEST_F(EntryWindowTest, AtrPlausibilityUsesTheEur1WindowWithoutItsBoxAngaben)
{
    const QVariantMap complete = { { "Absender_1", "Exporteur" }, { "Empfaenger_1", "Empfänger" },
        { "Staat1", "Deutschland" }, { "Staat2", "Türkei" }, { "Art_nr", "123" }, { "Ort_datum", "Köln, 5.3.2024" },
        { "Unterschrift", "Meier" } };
    struct Case {
        const char *name;
        QStringList emptied;
        bool korrigieren;
        QVector<bool> ticked; // empty: no dialog
        bool closes;
        QString focused;
    };
    const QVector<bool> signatureOnly = { false, false, false, false, false, false, false, true };
    const QVector<Case> cases = {
        { "kind of document may stay empty", { "Art_Muster", "We2_2" }, false, {}, true, "" },
        { "signature, Korrigieren", { "Unterschrift" }, true, signatureOnly, false, "DBEdit105" },
        { "signature, Schließen", { "Unterschrift" }, false, signatureOnly, true, "DBEdit105" },
        { "number and country of export", { "Art_nr", "Staat1" }, true,
            { false, false, false, true, false, true, false, false }, false, "DBEdit28" },
    };
    for (const Case &c : cases) {
        restart();
        QVariantMap values = complete;
        for (const QString &field : c.emptied)
            values.remove(field);
        addRecord(Tables::Atr, 5, values);
        auto window = openOn(Tables::Atr, 5);
        setRegisterParameter("Plausi_13", true);
        QVector<bool> ticked;
        bool angabenShown = true;
        if (!c.ticked.isEmpty()) {
            testsupport::onNextModal([&](QDialog *dialog) {
                auto *plausi = qobject_cast<shell::PlausibilityDialog *>(dialog);
                ASSERT_NE(plausi, nullptr);
                EXPECT_EQ(plausi->objectName(), "frmEur1_Plausi");
                for (int i = 0; i < plausi->checkBoxCount(); ++i)
                    ticked << plausi->checkBox(i)->isChecked();
                angabenShown = !plausi->checkBox(2)->isHidden();
                (c.korrigieren ? plausi->BtnKorrigieren : plausi->BtnSchliessen)->click();
            });
        }
        window->close();
        EXPECT_EQ(ticked, c.ticked) << c.name;
        if (!c.ticked.isEmpty()) {
            EXPECT_FALSE(angabenShown) << c.name;
        }
        EXPECT_EQ(window->isVisible(), !c.closes) << c.name;
        if (!c.focused.isEmpty()) {
            EXPECT_EQ(window->focusWidget(), window->control(c.focused)) << c.name;
        }
        setRegisterParameter("Plausi_13", false);
        window->close();
    }
}

TEST_F(EntryWindowTest, AtrTabOrderHelpTextsAndFixedScrollPositions)
{
    addRecord(Tables::Atr, 5);
    auto window = openOn(Tables::Atr, 5);
    EXPECT_FALSE(window->control("DBEdit103")->isVisible()) << "Art_vom is kept but not shown";
    // The 25 descriptions, then the 23 masses.
    window->control("DBEdit98")->setFocus(); // Eintrag25_1
    QTest::keyClick(window->control("DBEdit98"), Qt::Key_Tab);
    EXPECT_EQ(window->focusWidget(), window->control("DBEdit33")) << "Eintrag3_2 follows the last description";
    EXPECT_EQ(window->statusText(0), "11. Rohgewichte");
    window->control("DBEdit1")->setFocus();
    EXPECT_EQ(window->statusText(0), "1. Ausführer / Exporteur - (hier besteht eine Übernahmemöglichkeit)");

    QScrollBar *bar = window->scrollBox(0)->verticalScrollBar();
    struct Case {
        QString left;
        int position;
    };
    for (const Case &c : { Case { "DBEdit16", 400 }, Case { "DBEdit56", 850 }, Case { "DBEdit57", 850 } }) {
        bar->setValue(0);
        window->control(c.left)->setFocus();
        window->control("DBEdit1")->setFocus();
        EXPECT_EQ(bar->value(), c.position) << c.left.toStdString();
    }
    window->close();
}

TEST_F(EntryWindowTest, CertificateCountryPicksFillBox3LineByLine)
{
    addCountry("039", "Schweiz");
    addRecord(Tables::Ursprung, 5);
    auto window = openOn(Tables::Ursprung, 5);
    const QStringList picked = { "Schweiz", "Schweiz", "Schweiz", "Schweiz" };
    const QStringList expected[] = { { "Schweiz", "", "" }, { "Schweiz", "Schweiz", "" },
        { "Schweiz", "Schweiz", "Schweiz" }, { "Schweiz", "Schweiz", "Schweiz" } };
    for (int round = 0; round < 4; ++round) {
        if (round == 3)
            type(*window, "DBEdit34", "vorher");
        testsupport::onNextModal(
            [](QDialog *dialog) { qobject_cast<masterdata::SelectionWindow *>(dialog)->takeButton()->click(); });
        window->pickButton(2)->click();
        EXPECT_EQ(QStringList({ text(*window, "DBEdit29"), text(*window, "DBEdit91"), text(*window, "DBEdit34") }),
            expected[round])
            << "pick " << round + 1;
        EXPECT_EQ(window->focusWidget(), window->control("DBEdit14"));
    }
    EXPECT_EQ(stored(Tables::Ursprung, 5, "We3_3"), "Schweiz") << "the fourth pick replaced line 3, posted";
    window->close();
}

TEST_F(EntryWindowTest, CertificateClausesAddTwentyLinesAndAFullBackIsToldButKept)
{
    {
        platform::Table clauses(platform::Alias::Data, masterdata::Tables::OriginClauses);
        clauses.open();
        clauses.append();
        clauses.fieldByName("uzklaus").setAsString("1");
        for (int i = 1; i <= 10; ++i)
            clauses.fieldByName(QStringLiteral("klausel%1").arg(i)).setAsString(QStringLiteral("Zeile %1").arg(i));
        clauses.post();
    }
    addRecord(Tables::Ursprung, 5, { { "We9", "Vorhanden" } });
    auto window = openOn(Tables::Ursprung, 5);
    auto *memo = qobject_cast<QPlainTextEdit *>(window->control("DBMemo2"));
    ASSERT_NE(memo, nullptr);
    const auto pickClause = [&] {
        testsupport::onNextModal([](QDialog *dialog) {
            EXPECT_EQ(dialog->windowTitle(), "Auswahl: Ursprung - Tabelle");
            qobject_cast<masterdata::SelectionWindow *>(dialog)->takeButton()->click();
        });
        window->pickButton(3)->click();
    };
    pickClause();
    const QStringList lines = memoTextLines(stored(Tables::Ursprung, 5, "We9"));
    EXPECT_EQ(lines.size(), 21) << "twenty lines, the ten empty ones included, posted";
    EXPECT_EQ(lines.at(1), "Zeile 1");
    EXPECT_TRUE(dialogs.calls().isEmpty());
    pickClause();
    EXPECT_TRUE(dialogs.calls().isEmpty()) << "41 lines fit";
    pickClause();
    ASSERT_FALSE(dialogs.calls().isEmpty());
    EXPECT_EQ(dialogs.lastCall().text, "Der Platz auf dem Ursprungszeugnis wurde ausgenutzt!");
    EXPECT_EQ(memoTextLines(stored(Tables::Ursprung, 5, "We9")).size(), 61) << "nothing cut";

    // Enter in the memo starts a new line.
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    const qsizetype before = memo->toPlainText().size();
    QTest::keyClick(memo, Qt::Key_Return);
    EXPECT_EQ(window->focusWidget(), memo);
    EXPECT_EQ(memo->toPlainText().size(), before + 1);
    window->close();
    EXPECT_EQ(stored(Tables::Ursprung, 5, "We9").size(), before + 1) << "closing stores the text";
}

TEST_F(EntryWindowTest, CertificatePlausibilityCountsTwoAddressLines)
{
    struct Case {
        const char *name;
        QVariantMap values;
        QVector<bool> ticked; // empty: no dialog
        QString focused;
    };
    const QVector<Case> cases = {
        { "consignor on line 3 only", { { "We1_3", "Exporteur" }, { "We2_1", "E" }, { "We3", "DE" } },
            { true, false, false }, "DBEdit1" },
        { "consignee on line 2 only", { { "We1_1", "A" }, { "We2_2", "E" }, { "We3", "DE" } }, {}, "" },
        { "no country", { { "We1_2", "A" }, { "We2_1", "E" } }, { false, false, true }, "DBEdit29" },
    };
    for (const Case &c : cases) {
        restart();
        addRecord(Tables::Ursprung, 5, c.values);
        auto window = openOn(Tables::Ursprung, 5);
        setRegisterParameter("Plausi_5", true);
        QVector<bool> ticked;
        QString caption;
        if (!c.ticked.isEmpty()) {
            testsupport::onNextModal([&](QDialog *dialog) {
                auto *plausi = qobject_cast<shell::PlausibilityDialog *>(dialog);
                ASSERT_NE(plausi, nullptr);
                caption = plausi->windowTitle();
                for (int i = 0; i < plausi->checkBoxCount(); ++i)
                    ticked << plausi->checkBox(i)->isChecked();
                plausi->BtnKorrigieren->click();
            });
        }
        window->close();
        EXPECT_EQ(ticked, c.ticked) << c.name;
        EXPECT_EQ(window->isVisible(), !c.ticked.isEmpty()) << c.name;
        if (!c.ticked.isEmpty()) {
            EXPECT_EQ(caption, "Genehmigungsprüfung Ursprungszeugnis") << c.name;
            EXPECT_EQ(window->focusWidget(), window->control(c.focused)) << c.name;
        }
        setRegisterParameter("Plausi_5", false);
        window->close();
    }
}

} // namespace

namespace {

TEST_F(EntryWindowTest, Eur1WindowStaysReadableAndKeepsItsSize)
{
    addRecord(Tables::Eur1, 5);
    addRecord(Tables::Eur1, shell::TemplateNumber);
    m_register = std::make_unique<TfrmRegieEUR1>();
    setRegisterParameter("Memo_3", "DBEdit1\r\nDBEdit28");
    m_register.reset();
    auto window = open<TfrmRegieEUR1, TfrmEur1>(5);
    QCoreApplication::processEvents();

    // Fixed boxes: black on their grey, and their pick buttons go with them.
    for (const char *name : { "DBEdit1", "DBEdit28" }) {
        QWidget *fixed = window->control(name);
        ASSERT_FALSE(fixed->isEnabled()) << name;
        const QColor text = fixed->palette().color(QPalette::Disabled, QPalette::Text);
        const QColor base = fixed->palette().color(QPalette::Disabled, QPalette::Base);
        EXPECT_EQ(base, shell::ActiveBorderColor) << name;
        EXPECT_GT(std::abs(base.lightness() - text.lightness()), 150) << name << ": readable";
    }
    const auto button = [&window](const char *name) { return window->findChild<QAbstractButton *>(name); };
    ASSERT_NE(button("SpeedButton1"), nullptr);
    EXPECT_FALSE(button("SpeedButton1")->isEnabled()) << "box 1 is fixed";
    EXPECT_FALSE(button("SpeedButton4")->isEnabled()) << "box 4 is fixed";
    EXPECT_TRUE(button("SpeedButton2")->isEnabled()) << "box 3 is not";

    // The captions of boxes 8 and 9 lie clear of the edits of boxes 6 and 7.
    const auto edits = window->findChildren<QLineEdit *>();
    for (const char *caption : { "8 Laufende", "9 Rohgewicht" }) {
        QLabel *label = nullptr;
        for (QLabel *candidate : window->findChildren<QLabel *>())
            if (candidate->text().startsWith(caption))
                label = candidate;
        ASSERT_NE(label, nullptr) << caption;
        const QRect area(label->pos(), label->sizeHint());
        for (QLineEdit *edit : edits) {
            if (edit->parentWidget() == label->parentWidget()) {
                EXPECT_FALSE(area.intersects(edit->geometry()))
                    << caption << " covered by " << edit->objectName().toStdString();
            }
        }
    }
    EXPECT_TRUE(static_cast<QLineEdit *>(window->control("DBEdit45"))->alignment() & Qt::AlignRight)
        << "box 9 (gross mass) is right-aligned";

    // A long hint in the status bar does not widen the window.
    const QSize size = window->size();
    for (int i = 0; i < 3; ++i) {
        window->setStatusText(
            0, QString("8 Laufende Nr.; Zeichen, Nummern, Anzahl und Art der Packstücke ").repeated(6));
        QCoreApplication::processEvents();
        EXPECT_EQ(window->size(), size);
    }
    EXPECT_TRUE(window->statusText(0).endsWith("Packstücke ")) << "the whole hint stays the panel's text";
}

} // namespace

namespace {

// Whatever the two cumulation boxes held, a click leaves exactly one ticked:
// the clicked box's new state and the opposite in the other.
TEST_F(EntryWindowTest, EurMedCumulationBoxesExcludeEachOther)
{
    struct Case {
        const char *name;
        QVariant applied; // we7_1 before
        QVariant none; // we7_3 before
        const char *clicked;
        bool appliedAfter;
    };
    const QVector<Case> cases = {
        { "neither, tick applied", QVariant(), QVariant(), "DBCheckBox1", true },
        { "neither, tick none", QVariant(), QVariant(), "DBCheckBox2", false },
        { "applied, tick none", true, false, "DBCheckBox2", false },
        { "none, tick applied", false, true, "DBCheckBox1", true },
        { "applied, untick it", true, false, "DBCheckBox1", false },
        { "none, untick it", false, true, "DBCheckBox2", true },
        { "both, untick applied", true, true, "DBCheckBox1", false },
    };
    for (const Case &c : cases) {
        restart();
        addRecord(Tables::EurMed, 5, { { "we7_1", c.applied }, { "we7_3", c.none } });
        auto window = open<TfrmRegieEur_Med, TfrmEur_Med>(5);
        auto *applied = qobject_cast<QCheckBox *>(window->control("DBCheckBox1"));
        auto *none = qobject_cast<QCheckBox *>(window->control("DBCheckBox2"));
        ASSERT_NE(applied, nullptr);
        ASSERT_NE(none, nullptr);
        EXPECT_EQ(applied->text(), "Cumulation applied with");
        EXPECT_EQ(none->text(), "No cumulation applied");
        EXPECT_EQ(applied->font(), shell::mainState().EingabeFelderFont);
        QTest::mouseClick(window->control(c.clicked), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(applied->isChecked(), c.appliedAfter) << c.name;
        EXPECT_EQ(none->isChecked(), !c.appliedAfter) << c.name;
        window->close();
        EXPECT_EQ(stored(Tables::EurMed, 5, "we7_1"), c.appliedAfter ? "True" : "False") << c.name;
        EXPECT_EQ(stored(Tables::EurMed, 5, "we7_3"), c.appliedAfter ? "False" : "True") << c.name;
        window.reset();
        m_register.reset();
    }
}

TEST_F(EntryWindowTest, EurMedCountryPicksCumulationCodeAndPages)
{
    addCountry("039", "Schweiz");
    addCountry("063", "Vereinigte Arabische Emirate");
    {
        platform::Table countries(platform::Alias::Data, masterdata::Tables::Countries);
        countries.open();
        for (const auto &[land, code] : { std::pair { "039", "CH" }, std::pair { "063", "US" } }) {
            ASSERT_TRUE(countries.findKey({ land }));
            countries.edit();
            countries.fieldByName("Lkz").setAsString(code);
            countries.post();
        }
    }
    addRecord(Tables::EurMed, 5, { { "we5_1", "Ve" }, { "we7_2", "CA" } });
    auto window = open<TfrmRegieEur_Med, TfrmEur_Med>(5);
    EXPECT_EQ(window->windowTitle(), "EUR. Med");
    EXPECT_EQ(window->pageControl()->tabText(1), "Erläuterungen des Ausführers / Exporteurs");

    // A name longer than box 5's 16 characters is cut to them.
    QString startedOn;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *list = qobject_cast<masterdata::SelectionWindow *>(dialog);
        ASSERT_NE(list, nullptr);
        startedOn = list->table().fieldByName("Bez").asString();
        list->takeButton()->click();
    });
    window->control("DBEdit29")->setFocus();
    QTest::keyClick(window->control("DBEdit29"), Qt::Key_F9);
    EXPECT_EQ(startedOn, "Vereinigte Arabische Emirate");
    EXPECT_EQ(stored(Tables::EurMed, 5, "we5_1"), "Vereinigte Arabi");
    EXPECT_EQ(window->focusWidget(), window->control("DBEdit14")) << "on to box 6";

    // The cumulation country: the list by code on the nearest code, the code
    // into box 7; then on to box 8.
    QApplication::setActiveWindow(window.get());
    window->focusControl("DBEdit20");
    EXPECT_EQ(window->statusText(0), "7 Bemerkungen");
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *list = qobject_cast<masterdata::SelectionWindow *>(dialog);
        ASSERT_NE(list, nullptr);
        startedOn = list->table().fieldByName("Lkz").asString();
        list->takeButton()->click();
    });
    QTest::keyClick(window->control("DBEdit20"), Qt::Key_F9);
    EXPECT_EQ(startedOn, "CH") << "the code nearest to CA";
    EXPECT_EQ(stored(Tables::EurMed, 5, "we7_2"), "CH");
    EXPECT_EQ(window->focusWidget(), window->control("DBEdit30"));

    // Box help of the lines of box 11, and the pages turned by the signatures.
    QApplication::setActiveWindow(window.get());
    const QVector<QPair<QString, QString>> hints = {
        { "DBEdit101", "11 Sichtvermerk der Zollbehörde - Art / Muster" },
        { "DBEdit22", "11 Sichtvermerk der Zollbehörde - vom" },
        { "DBEdit105", "12. Erklärung des Ausführers / Expoteurs - Unterschrift" },
        { "DBEdit129", "Der Ausführer erklärt, daß diese Ware die Voraussetzungen erfüllen, ..." },
        { "DBEdit113", "Der Ausführer legt folgende Nachweise vor." },
    };
    for (const auto &[control, hint] : hints) {
        window->focusControl(control);
        EXPECT_EQ(window->statusText(0), hint) << control.toStdString();
    }
    window->focusControl("DBEdit105");
    QTest::keyClick(window->control("DBEdit105"), Qt::Key_Tab);
    EXPECT_EQ(window->pageControl()->currentIndex(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->focusWidget(), window->control("DBEdit115")) << "entry goes on on the page turned to";
    window->focusControl("DBEdit117");
    QTest::keyClick(window->control("DBEdit117"), Qt::Key_Tab);
    EXPECT_EQ(window->pageControl()->currentIndex(), 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->focusWidget(), window->control("DBEdit1"));

    // F6 in the template passes the check boxes by.
    window->close();
    window.reset();
    window = open<TfrmRegieEur_Med, TfrmEur_Med>(shell::TemplateNumber); // added by the register
    window->control("DBCheckBox1")->setFocus();
    QTest::keyClick(window->control("DBCheckBox1"), Qt::Key_F6);
    EXPECT_EQ(parameterValue("Memo_EURMED"), "");
    window->close();
}

} // namespace
