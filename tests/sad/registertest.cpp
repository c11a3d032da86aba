#include "sadfixture.h"

#include "sad/sadwindows.h"
#include "sad/tfrmregieae.h"
#include "shell/numberrangedialog.h"
#include "shell/twheeldbgrid.h"
#include "shell/windowfactories.h"
#include "support/modaldialog.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QPushButton>
#include <QToolButton>

using namespace sad;

namespace {

// Answers the copy dialog with the numbers offered, or with the target given.
void copyTo(int target = 0, int *offered = nullptr)
{
    testsupport::onNextModal([target, offered](QDialog *dialog) {
        auto *copy = qobject_cast<shell::TCopyDlg *>(dialog);
        ASSERT_NE(copy, nullptr);
        if (offered)
            *offered = copy->ToNumber();
        if (target > 0)
            copy->setToNumber(target);
        // The copy then opens in the entry window.
        testsupport::onNextModal([](QDialog *entry) { entry->close(); });
        copy->OKBtn->click();
    });
}

} // namespace

TEST_F(SadTest, TheMainWindowOpensTheRegisterOnItsTablesWithTheTemplate)
{
    registerSadWindows();
    std::unique_ptr<shell::DocumentRegister> documentRegister = shell::createDocumentRegister("AE");
    ASSERT_NE(documentRegister, nullptr);
    ASSERT_TRUE(shell::windowFactory("AE"));
    EXPECT_EQ(documentRegister->objectName(), "TfrmRegieAE");
    EXPECT_EQ(documentRegister->windowTitle(), "Regiezentrum: Einheitspapier");
    EXPECT_EQ(frmRegieAE, documentRegister.get());
    QStringList titles;
    QAbstractItemModel *model = documentRegister->dbgrRegie->model();
    for (int column = 0; column < model->columnCount(); ++column)
        titles << model->headerData(column, Qt::Horizontal).toString();
    EXPECT_EQ(titles,
        QStringList({ "BelegNr.", "Datum", "Positionen", "Name", "Zug", "AE - Nummer", "NV_AM", "NV_TicketNr" }));
    EXPECT_EQ(documentRegister->SpeedButton8->toolTip(), "Erste Ausfuhrmeldung");
    EXPECT_EQ(documentRegister->SpeedButton11->toolTip(), "Letzte Ausfuhrmeldung");
    EXPECT_EQ(head(shell::TemplateNumber, "belegnr"), "2000000000");
    EXPECT_EQ(item(shell::TemplateNumber, 1, "pos"), "1");
    auto &ae = static_cast<TfrmRegieAE &>(*documentRegister);
    EXPECT_TRUE(ae.Liste1->isEnabled());
    EXPECT_TRUE(ae.SpeedButton7->isEnabled()) << "Drucken";
    documentRegister->reject();
    documentRegister.reset();
    EXPECT_EQ(frmRegieAE, nullptr);
    EXPECT_EQ(item(1, 1, "pos"), "1") << "closing never leaves the template alone";
    shell::unregisterDocumentKind("AE");
    EXPECT_FALSE(shell::windowFactory("AE"));
}

TEST_F(SadTest, OpeningRecountsTheItemsOfEveryDeclaration)
{
    addDeclaration(5, { { "AnzPos", 9 } });
    for (int position : { 1, 2, 3 })
        addItem(5, position);
    TfrmRegieAE documentRegister;
    EXPECT_EQ(head(5, "AnzPos"), "3");
    documentRegister.reject();
}

TEST_F(SadTest, KopierenTakesEveryItemAndLeavesTheTicketAndTheFurtherFieldsEmpty)
{
    addDeclaration(3,
        { { "f8_1", "Zeder GmbH" }, { "NV_AM", "01/02/2024 10:00" }, { "NV_TicketNr", "T-4711" },
            { "F2_6", "Zweigwerk" }, { "F44_A_7", "Vermerk" } });
    for (int position : { 1, 2, 4 })
        addItem(3, position, { { "f31_2", QStringLiteral("Ware %1").arg(position) } });
    setParameter("VorschlagNr_1_1", 7);
    TfrmRegieAE documentRegister;
    ASSERT_TRUE(documentRegister.head().findKey({ 3 }));
    int offered = 0;
    copyTo(0, &offered);
    documentRegister.bbtKopierenClick();
    EXPECT_EQ(offered, 7);
    EXPECT_EQ(items(7), QList<int>({ 1, 2, 4 })) << "gaps in the numbering are copied too";
    EXPECT_EQ(item(7, 4, "f31_2"), "Ware 4");
    EXPECT_EQ(head(7, "f8_1"), "Zeder GmbH");
    EXPECT_EQ(head(7, "NV_AM"), "01/02/2024 10:00");
    EXPECT_EQ(head(7, "NV_TicketNr"), "");
    EXPECT_EQ(head(7, "F2_6"), "");
    EXPECT_EQ(head(7, "F44_A_7"), "");
    EXPECT_EQ(head(7, "AnzPos"), "3");
    EXPECT_EQ(parameterValue("VorschlagNr_1_1"), "7") << "the proposal is set back to the copy's number";
    documentRegister.reject();
}

TEST_F(SadTest, NeuCopiesTheTemplateButNotTheFurtherFields)
{
    addDeclaration(
        shell::TemplateNumber, { { "f2_1", "Vorlage Export AG" }, { "NV_TicketNr", "T-1" }, { "FB_1", "Buchung" } });
    addItem(shell::TemplateNumber, 1, { { "f37_1", "1000" } });
    TfrmRegieAE documentRegister;
    dialogs.answerText("12");
    testsupport::onNextModal([](QDialog *entry) { entry->close(); });
    documentRegister.bbtNeuClick();
    EXPECT_EQ(head(12, "f2_1"), "Vorlage Export AG");
    EXPECT_EQ(head(12, "NV_TicketNr"), "T-1");
    EXPECT_EQ(head(12, "FB_1"), "");
    EXPECT_EQ(items(12), QList<int>()) << "the template's items are not copied";
    documentRegister.reject();
}
