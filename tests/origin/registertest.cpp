#include "originfixture.h"

#include "origin/originwindows.h"
#include "origin/tfrmregieatr.h"
#include "origin/tfrmregieeur1.h"
#include "origin/tfrmregieeur2.h"
#include "origin/tfrmregieeur_med.h"
#include "origin/tfrmregieuz.h"
#include "platform/datacheckbox.h"
#include "platform/dataedit.h"
#include "shell/entrywindow.h"
#include "shell/numberrangedialog.h"
#include "shell/radiogroup.h"
#include "shell/tfrmparameter.h"
#include "shell/tfrmsuche.h"
#include "shell/tsearchdlg.h"
#include "shell/twheeldbgrid.h"
#include "shell/users.h"
#include "shell/windowfactories.h"
#include "support/modaldialog.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace origin;
using platform::DialogKind;

namespace {

struct KindCase {
    const char *key;
    QString table;
    QString proposal;
    QString caption;
    QString registerClass;
    QStringList columns;
    QString lastHint;
    shell::DocumentRegister **instance;
};

const QVector<KindCase> &kindCases()
{
    static const QVector<KindCase> cases = {
        { "EUR1", Tables::Eur1, "VorschlagNr_3", "Regiezentrum: EUR. 1", "TfrmRegieEUR1",
            { "BelegNr.", "Datum", "Empfänger" }, "Letztes EUR 1", &frmRegieEUR1 },
        { "EUR2", Tables::Eur2, "VorschlagNr_4", "Regiezentrum: EUR 2", "TfrmRegieEUR2",
            { "BelegNr.", "Datum", "Name" }, "Letzter Antrag", &frmRegieEUR2 },
        { "ATR", Tables::Atr, "VorschlagNr_13", "Regiezentrum: A.TR.", "TfrmRegieATR", { "Belegnr", "Datum", "Kunde" },
            "Letzte A.TR.", &frmRegieATR },
        { "UZ", Tables::Ursprung, "VorschlagNr_5", "Regiezentrum: Ursprungszeugnis", "TfrmRegieUZ",
            { "BelegNr.", "Datum", "Empfänger" }, "Letztes Ursprungszeugnis", &frmRegieUZ },
        { "Eur_Med", Tables::EurMed, "Vorschlag_EURMED", "Regiezentrum: EUR-MED", "TfrmRegieEur_Med",
            { "BelegNr.", "Datum", "Empfänger" }, "Letztes EUR-MED", &frmRegieEur_Med },
    };
    return cases;
}

// Closes the next entry window as soon as it is shown; notes its number text.
void closeNextEntryWindow(QString *numberText = nullptr)
{
    testsupport::onNextModal([numberText](QDialog *dialog) {
        if (auto *window = qobject_cast<shell::EntryWindow *>(dialog); window && numberText)
            *numberText = window->statusText(1);
        dialog->close();
    });
}

TEST_F(OriginTest, TheMainWindowOpensTheRegistersOfBothKinds)
{
    registerOriginWindows();
    for (const KindCase &c : kindCases()) {
        const shell::WindowFactory factory = shell::windowFactory(c.key);
        ASSERT_TRUE(factory) << c.key;
        std::unique_ptr<QDialog> window(factory(nullptr));
        auto *documentRegister = qobject_cast<shell::DocumentRegister *>(window.get());
        ASSERT_NE(documentRegister, nullptr) << c.key;
        EXPECT_EQ(window->objectName(), c.registerClass) << c.key;
        EXPECT_EQ(window->windowTitle(), c.caption) << c.key;
        EXPECT_EQ(*c.instance, documentRegister) << c.key << ": the program-wide variable";
        QStringList titles;
        QAbstractItemModel *model = documentRegister->dbgrRegie->model();
        for (int column = 0; column < model->columnCount(); ++column)
            titles << model->headerData(column, Qt::Horizontal).toString();
        EXPECT_EQ(titles, c.columns) << c.key;
        EXPECT_EQ(documentRegister->SpeedButton11->toolTip(), c.lastHint) << c.key;
        EXPECT_EQ(stored(c.table, shell::TemplateNumber, documentRegister->head().fieldDef(0).name), "2000000000")
            << c.key << ": the template is added on opening";
        window->reject();
        window.reset();
        EXPECT_EQ(*c.instance, nullptr) << c.key;
        EXPECT_EQ(stored(c.table, 1, "Datum"), "05.03.2024") << c.key << ": closing never leaves the template alone";
        shell::unregisterWindowFactory(c.key);
    }
    // EUR.2's buttons carry the names its generators click.
    TfrmRegieEUR2 eur2;
    EXPECT_EQ(eur2.editButton()->objectName(), "bbtAendern");
    EXPECT_EQ(eur2.SpeedButtonParameter->text(), "Parameter");
}

TEST_F(OriginTest, NeuProposesTheFirstFreeNumberAndStoresTheNextOne)
{
    for (const KindCase &c : kindCases()) {
        restart();
        for (int number : { 1, 2, 4 })
            addRecord(c.table, number);
        setParameter(c.proposal, 0);
        registerOriginWindows();
        std::unique_ptr<QDialog> window(shell::windowFactory(c.key)(nullptr));
        auto &documentRegister = static_cast<shell::DocumentRegister &>(*window);
        dialogs.answerCancel();
        documentRegister.bbtNeuClick();
        EXPECT_EQ(dialogs.lastCall().kind, DialogKind::Input) << c.key;
        EXPECT_EQ(dialogs.lastCall().caption, "Belegnummmer !") << c.key;
        EXPECT_EQ(dialogs.lastCall().preset, "3") << c.key;
        EXPECT_EQ(parameterValue(c.proposal), "4") << c.key << ": stored before the answer";
        dialogs.answerCancel();
        documentRegister.bbtNeuClick();
        EXPECT_EQ(dialogs.lastCall().preset, "5") << c.key;
        EXPECT_EQ(parameterValue(c.proposal), "6") << c.key;
        window->reject();
    }
}

TEST_F(OriginTest, AfterASearchByNameNeuStillCopiesTheTemplate)
{
    addRecord(Tables::Eur1, 1, { { "we3_1", "Zeder GmbH" } });
    addRecord(Tables::Eur1, 2, { { "we3_1", "Ahorn KG" } });
    addRecord(Tables::Eur1, shell::TemplateNumber, { { "we1_1", "Vorlage Export AG" }, { "we3_1", "" } });
    TfrmRegieEUR1 documentRegister;
    documentRegister.show();

    testsupport::onNextModal([](QDialog *dialog) {
        auto *search = qobject_cast<shell::TSearchDlg *>(dialog);
        ASSERT_NE(search, nullptr);
        search->RadioButton2->click();
        QTest::keyClicks(search->Edit1, "Z");
        search->OKBtn->click();
    });
    documentRegister.SpeedButton6->click();
    EXPECT_EQ(documentRegister.currentNumber(), 1) << "the nearest consignee";
    EXPECT_EQ(documentRegister.head().indexName(), "iName") << "the grid stays in consignee order";

    dialogs.answerText("2");
    documentRegister.bbtNeuClick();
    EXPECT_EQ(dialogs.lastCall().text, "Belegnummer existiert bereits !");

    dialogs.answerText("7");
    QString numberText;
    closeNextEntryWindow(&numberText);
    documentRegister.bbtNeuClick();
    EXPECT_EQ(numberText, "BelegNr. : 7");
    EXPECT_EQ(stored(Tables::Eur1, 7, "we1_1"), "Vorlage Export AG") << "a copy of the template";
    EXPECT_EQ(stored(Tables::Eur1, 7, "Datum"), "05.03.2024");

    // Löschen takes a range of numbers and leaves the consignee order.
    ASSERT_TRUE(documentRegister.head().findKey({ "Zeder GmbH" }));
    testsupport::onNextModal([](QDialog *dialog) { qobject_cast<shell::TDeleteDlg *>(dialog)->OKBtn->click(); });
    documentRegister.SpeedButton4->click();
    EXPECT_EQ(stored(Tables::Eur1, 1, "we3_1"), "<none>");
    EXPECT_EQ(documentRegister.head().indexName(), "iName") << "Löschen keeps the order of the search";

    // Suchen confirmed on the template tells that it is not shown.
    testsupport::onNextModal([](QDialog *dialog) {
        auto *search = qobject_cast<shell::TSearchDlg *>(dialog);
        QTest::keyClicks(search->Edit1, "2000000000");
        search->OKBtn->click();
    });
    documentRegister.SpeedButton6->click();
    EXPECT_EQ(dialogs.lastCall().text, "Masterformular wird nicht angezeigt !");
    EXPECT_TRUE(documentRegister.isTemplate());
    closeNextEntryWindow(&numberText);
    documentRegister.SpeedButton12->click();
    EXPECT_EQ(numberText, "BelegNr. : Master-Formular");
    documentRegister.reject();
}

TEST_F(OriginTest, EurMedNumbersFromItsOwnProposalAndSearchesAsYouType)
{
    addRecord(Tables::EurMed, 3, { { "we3_1", "Zeder GmbH" } });
    addRecord(Tables::EurMed, 8, { { "we3_1", "Ahorn KG" } });
    setParameter("VorschlagNr_3", 40);
    setParameter("Vorschlag_EURMED", 2);
    TfrmRegieEur_Med documentRegister;
    documentRegister.show();

    // The parameter dialog has no plausibility switch; the number set there
    // is where Neu starts, and the EUR.1's proposal stays.
    bool switchShown = true;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *form = qobject_cast<shell::TfrmParameter *>(dialog);
        ASSERT_NE(form, nullptr);
        switchShown = form->DBCheckBox1->isVisibleTo(form);
        form->DBEdit1->selectAll();
        QTest::keyClicks(form->DBEdit1, "8");
        form->BtnOK->click();
    });
    documentRegister.SpeedButtonParameter->click();
    EXPECT_FALSE(switchShown);
    EXPECT_EQ(parameterValue("Vorschlag_EURMED"), "8");
    dialogs.answerCancel();
    documentRegister.bbtNeuClick();
    EXPECT_EQ(dialogs.lastCall().preset, "9") << "8 is taken";
    EXPECT_EQ(parameterValue("Vorschlag_EURMED"), "10");
    EXPECT_EQ(parameterValue("VorschlagNr_3"), "40");

    // Search as you type by name on iName, and the entry window's number text.
    testsupport::onNextModal([](QDialog *dialog) {
        auto *search = qobject_cast<shell::TSearchDlg *>(dialog);
        ASSERT_NE(search, nullptr);
        search->RadioButton2->click();
        QTest::keyClicks(search->Edit1, "Ah");
        search->OKBtn->click();
    });
    documentRegister.SpeedButton6->click();
    EXPECT_EQ(documentRegister.currentNumber(), 8);
    QString numberText;
    QString caption;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *window = qobject_cast<shell::EntryWindow *>(dialog);
        ASSERT_NE(window, nullptr);
        caption = window->windowTitle();
        numberText = window->statusText(1);
        dialog->close();
    });
    documentRegister.SpeedButton3->click();
    EXPECT_EQ(caption, "EUR. Med");
    EXPECT_EQ(numberText, "BelegNr. : 8");

    testsupport::onNextModal([&](QDialog *dialog) {
        caption = dialog->windowTitle();
        dialog->reject();
    });
    dialogs.answerIndex(0);
    documentRegister.SpeedButton7->click();
    EXPECT_EQ(caption, "Druck EUR-MED - Belegnummer: 8");
    documentRegister.reject();
}

TEST_F(OriginTest, FilterSearchesByExactNumberAndByTheBeginningOfTheConsignee)
{
    registerOriginWindows();
    const struct {
        const char *key;
        QString table;
        QString consignee;
    } kinds[] = { { "EUR2", Tables::Eur2, "eu4_1" }, { "ATR", Tables::Atr, "Empfaenger_1" },
        { "UZ", Tables::Ursprung, "We2_1" } };
    for (const auto &kind : kinds) {
        restart();
        addRecord(kind.table, 12, { { kind.consignee, "Müller & Söhne" } });
        addRecord(kind.table, 120, { { kind.consignee, "MÜLLERMEISTER AG" } });
        addRecord(kind.table, 121, { { kind.consignee, "Obermüller" } });
        std::unique_ptr<QDialog> window(shell::windowFactory(kind.key)(nullptr));
        auto &documentRegister = static_cast<shell::DocumentRegister &>(*window);
        documentRegister.show();
        struct Case {
            int key;
            QString text;
            QList<int> found;
            int chosenRow;
        };
        const QVector<Case> cases = {
            { 0, "12", { 12 }, 0 }, { 0, "120", { 120 }, 0 }, { 0, "1x", {}, -1 }, { 1, "müller", { 12, 120 }, 1 },
            { 1, "ober", { 121 }, 0 }, { 0, "000000000012", {}, -1 }, // cut to 11 characters: no document
        };
        for (const Case &c : cases) {
            QList<int> found;
            testsupport::onNextModal([&](QDialog *dialog) {
                auto *search = qobject_cast<shell::TfrmSuche *>(dialog);
                ASSERT_NE(search, nullptr);
                EXPECT_EQ(search->RadioGroup1->items(), QStringList({ "BelegNr.", "Empfänger" }));
                search->RadioGroup1->setItemIndex(c.key);
                search->Edit1->setText(c.text);
                search->SpeedButton3->click();
                platform::Table &head = documentRegister.head();
                for (head.first(); !head.eof(); head.next())
                    found << head.field(0).asInteger();
                if (c.chosenRow >= 0) {
                    head.setRecNo(c.chosenRow + 1);
                    search->BtnUebernehmen->click();
                } else {
                    search->BtnAbbruch->click();
                }
            });
            documentRegister.SpeedButton6->click();
            EXPECT_EQ(found, c.found) << kind.key << " " << c.text.toStdString();
            EXPECT_FALSE(documentRegister.head().filtered()) << c.text.toStdString();
            EXPECT_EQ(documentRegister.head().recordCount(), 4) << "all documents again";
            if (c.chosenRow >= 0) {
                EXPECT_EQ(documentRegister.currentNumber(), c.found.at(c.chosenRow)) << c.text.toStdString();
            }
        }
        documentRegister.reject();
        shell::unregisterWindowFactory(kind.key);
    }
}

TEST_F(OriginTest, OpenDocumentOpensTheEntryWindowWithTheRegisterHidden)
{
    addRecord(Tables::Eur1, 5, { { "we1_1", "Exporteur AG" } });
    QString first;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *window = qobject_cast<shell::EntryWindow *>(dialog);
        ASSERT_NE(window, nullptr);
        first = static_cast<QLineEdit *>(window->control("DBEdit1"))->text();
        EXPECT_NE(frmRegieEUR1, nullptr);
        EXPECT_FALSE(frmRegieEUR1->isVisible());
        dialog->close();
    });
    TfrmRegieEUR1::OpenDocument(5);
    EXPECT_EQ(first, "Exporteur AG");
    EXPECT_EQ(frmRegieEUR1, nullptr) << "freed afterwards";
    TfrmRegieEUR1::OpenDocument(6); // no such document: nothing opens
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(OriginTest, NewUsersReceiveThePrintRowsOfTheseForms)
{
    shell::prepareDataDirectory(directory->session());
    for (int round = 0; round < 2; ++round)
        addOriginPrintRows(directory->session());
    ASSERT_TRUE(shell::createUserDirectory(2, directory->dataDirectory()));
    platform::Session user;
    user.setAliasPath(platform::Alias::User, directory->path() + "User2");
    platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
    rows.setSession(&user);
    rows.open();
    QStringList names;
    for (rows.first(); !rows.eof(); rows.next())
        names << rows.fieldByName("name").asString() + "=" + rows.fieldByName("schnittst").asString();
    names.sort();
    EXPECT_EQ(names,
        QStringList(
            { "Atr=-1", "EUR RÜCKSEITE=-1", "EUR1=-1", "EUR2=-1", "URSPRUNG RÜCKSEITE=-1", "URSPRUNGSZEUGNIS=-1" }));
    rows.close();
    user.closeAll();
}

} // namespace
