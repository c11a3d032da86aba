#include "dangerousgoodsfixture.h"

#include "platform/clock.h"
#include "platform/datacheckbox.h"
#include "platform/dataedit.h"
#include "shell/entrywindow.h"
#include "shell/numberrangedialog.h"
#include "shell/plausibilitydialog.h"
#include "shell/tmynav.h"
#include "shell/twheeldbgrid.h"
#include "support/modaldialog.h"
#include "transport/tfrmimo.h"
#include "transport/tfrmregieimo.h"
#include "transport/tfrmregieshippers.h"
#include "transport/tfrmshipanl.h"
#include "transport/tfrmshipper.h"

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace transport;
using platform::DialogAnswer;

namespace {

// Closes the next modal window (an entry window) as soon as it shows.
void closeNextWindow(QString *objectName = nullptr)
{
    testsupport::onNextModal([objectName](QDialog *dialog) {
        if (objectName)
            *objectName = dialog->objectName();
        dialog->close();
    });
}

} // namespace

TEST_F(DangerousGoodsTest, AFreshDataDirectoryHasThePrintAndCorrectionRowsOfBothForms)
{
    for (const QString &row : { DangerousGoodsRows::Imo, DangerousGoodsRows::Shippers }) {
        platform::Table settings(platform::Alias::Data, shell::PrintSettingsTable);
        settings.open();
        ASSERT_TRUE(settings.findKey({ row })) << row.toStdString();
        EXPECT_EQ(settings.fieldByName("schnittst").asString(), "-1") << "the first print asks for a printer";
        platform::Table corrections(platform::Alias::Data, shell::FieldCorrectionsTable);
        corrections.open();
        ASSERT_TRUE(corrections.findKey({ row })) << row.toStdString();
        for (int box = 1; box <= 25; ++box) {
            EXPECT_EQ(corrections.fieldByName(QString("Feld%1x").arg(box)).asString(), "0");
            EXPECT_EQ(corrections.fieldByName(QString("Feld%1y").arg(box)).asString(), "0");
        }
    }
    // The step leaves corrections the clerk made.
    setCorrection(DangerousGoodsRows::Imo, "Feld3x", 12);
    addDangerousGoodsRows(directory->session());
    EXPECT_EQ(stored(shell::FieldCorrectionsTable, 0, "Name"), "<none>");
    platform::Table corrections(platform::Alias::Data, shell::FieldCorrectionsTable);
    corrections.open();
    ASSERT_TRUE(corrections.findKey({ DangerousGoodsRows::Imo }));
    EXPECT_EQ(corrections.fieldByName("Feld3x").asInteger(), 12);
}

TEST_F(DangerousGoodsTest, CopyingAnImoDeclarationCopiesEveryField)
{
    const auto *schema = platform::SchemaRegistry::instance().find(DangerousGoodsTables::Imo);
    ASSERT_EQ(schema->fieldCount(), 152);
    QVariantMap values;
    for (int i = 2; i < schema->fieldCount(); ++i)
        values.insert(schema->fieldAt(i).name, QString::number(i % 10));
    addRecord(DangerousGoodsTables::Imo, 3, values);
    TfrmRegieIMO documentRegister;
    ASSERT_TRUE(documentRegister.head().findKey({ 3 }));
    QString opened;
    testsupport::onNextModal([&opened](QDialog *dialog) {
        auto *copy = qobject_cast<shell::TCopyDlg *>(dialog);
        ASSERT_NE(copy, nullptr);
        copy->Edit1->setText("3");
        copy->Edit2->setText("9");
        closeNextWindow(&opened);
        copy->OKBtn->click();
    });
    documentRegister.SpeedButton5->click();
    EXPECT_EQ(opened, "frmimo");
    for (int i = 2; i < schema->fieldCount(); ++i) {
        const QString field = schema->fieldAt(i).name;
        EXPECT_EQ(stored(DangerousGoodsTables::Imo, 9, field), values.value(field).toString()) << field.toStdString();
    }
    EXPECT_EQ(stored(DangerousGoodsTables::Imo, 9, "datum"), platform::Clock::today().toString("dd.MM.yyyy"));
}

TEST_F(DangerousGoodsTest, ImoWindowStoresCrossesAsXAndChecksTheTwelveBoxes)
{
    QVariantMap complete = { { "ab1", "a" }, { "buch1", "b" }, { "em1", "c" }, { "bef1", "d" }, { "packer", "e" },
        { "ortdat", "f" }, { "schiff", "g" }, { "lade", "h" }, { "hafen", "i" }, { "name", "j" }, { "ort", "k" } };
    addRecord(DangerousGoodsTables::Imo, 5, complete);
    TfrmRegieIMO documentRegister;
    documentRegister.parameter().edit();
    documentRegister.parameter().fieldByName("Plausi_12").setAsBoolean(true);
    documentRegister.parameter().post();
    ASSERT_TRUE(documentRegister.head().findKey({ 5 }));
    Tfrmimo window(documentRegister);
    window.show();

    auto *stueck = qobject_cast<QCheckBox *>(window.control("DBCheckBox1"));
    ASSERT_NE(stueck, nullptr);
    stueck->click();
    window.head().post();
    EXPECT_EQ(stored(DangerousGoodsTables::Imo, 5, "Stueck"), "X");
    stueck->click();
    window.head().post();
    EXPECT_EQ(stored(DangerousGoodsTables::Imo, 5, "Stueck").size(), 1) << "a blank, not X";
    EXPECT_NE(stored(DangerousGoodsTables::Imo, 5, "Stueck"), "X");

    // Only the date is missing: the one box ticked, Korrigieren keeps the
    // window open with the focus in the date.
    QStringList ticked;
    testsupport::onNextModal([&ticked](QDialog *dialog) {
        auto *check = qobject_cast<shell::PlausibilityDialog *>(dialog);
        ASSERT_NE(check, nullptr);
        EXPECT_EQ(check->windowTitle(), "Genehmigungsprüfung");
        ASSERT_EQ(check->checkBoxCount(), 12);
        for (int i = 0; i < check->checkBoxCount(); ++i) {
            if (check->checkBox(i)->isChecked())
                ticked << check->checkBox(i)->text();
        }
        check->BtnKorrigieren->click();
    });
    EXPECT_FALSE(window.plausibilityCheck());
    EXPECT_EQ(ticked, QStringList({ "10 Datum des Versenders" }));
    EXPECT_EQ(window.focusWidget(), window.control("DBEdit4"));
    documentRegister.parameter().edit();
    documentRegister.parameter().fieldByName("Plausi_12").setAsBoolean(false);
    documentRegister.parameter().post();
    window.close();
}

TEST_F(DangerousGoodsTest, ShippersRegisterWithTheTemplateAloneDisablesTheDocumentCommands)
{
    auto documentRegister = std::make_unique<TfrmRegieShippers>();
    EXPECT_EQ(documentRegister->windowTitle(), "Regiezentrum: Shipper`s Declaration");
    documentRegister->show();
    for (QToolButton *button : { documentRegister->SpeedButton3, documentRegister->SpeedButton4,
             documentRegister->SpeedButton5, documentRegister->SpeedButton6 })
        EXPECT_FALSE(button->isEnabled()) << button->text().toStdString();
    for (QAction *item : { documentRegister->Bearbeiten1, documentRegister->Lschen1, documentRegister->Kopieren1,
             documentRegister->Suchen1 })
        EXPECT_FALSE(item->isEnabled()) << item->text().toStdString();
    documentRegister->reject();
    documentRegister.reset();
    EXPECT_EQ(stored(DangerousGoodsTables::Shippers, 1, "BelegNr"), "1") << "closing appends document 1";
    EXPECT_EQ(stored(DangerousGoodsTables::Shippers, 1, "Datum"), "") << "without a date";
    EXPECT_TRUE(linesOf(shell::TemplateNumber).isEmpty()) << "the template holds no goods line";
    EXPECT_TRUE(linesOf(1).isEmpty());
}

TEST_F(DangerousGoodsTest, ShippersWindowTakesSeventeenGoodsLinesAndNoneInTheTemplate)
{
    addRecord(DangerousGoodsTables::Shippers, 12);
    addLines(12, 16);
    TfrmRegieShippers documentRegister;
    struct Case {
        int number;
        QStringList messages;
        int linesAfter;
    };
    const Case cases[] = {
        { 12, {}, 17 },
        { 12, { ShippersLineLimitMessage }, 17 },
        { shell::TemplateNumber, { ShippersLineLimitMessage }, 0 },
    };
    for (const Case &c : cases) {
        ASSERT_TRUE(documentRegister.head().findKey({ c.number }));
        dialogs.clear();
        TfrmShipper window(documentRegister);
        window.show();
        QString opened;
        if (c.messages.isEmpty())
            closeNextWindow(&opened);
        window.dbv1->btnClick(shell::TMyNav::Insert);
        EXPECT_EQ(dialogs.texts(), c.messages) << c.number;
        EXPECT_EQ(linesOf(c.number).size(), c.linesAfter) << c.number;
        if (c.messages.isEmpty()) {
            EXPECT_EQ(opened, "frmShipanl");
            EXPECT_EQ(linesOf(12).constLast(), "17:") << "numbered after the last";
        }
        window.close();
    }
}

TEST_F(DangerousGoodsTest, DeletingAGoodsLineRenumbersTheRestAndTheDialogShowsItsLine)
{
    addRecord(DangerousGoodsTables::Shippers, 12);
    addLines(12, 3);
    TfrmRegieShippers documentRegister;
    ASSERT_TRUE(documentRegister.head().findKey({ 12 }));
    TfrmShipper window(documentRegister);
    window.setNumberText("BelegNr: 12");
    window.show();
    platform::Table &lines = *documentRegister.positions();
    ASSERT_TRUE(lines.findKey({ 12, 3 }));
    QString numberText;
    testsupport::onNextModal([&numberText](QDialog *dialog) {
        numberText = qobject_cast<shell::EntryWindow *>(dialog)->statusText(1);
        dialog->close();
    });
    window.dbv1->btnClick(shell::TMyNav::Edit);
    EXPECT_EQ(numberText, "BelegNr: 12 (3. Position)");

    ASSERT_TRUE(lines.findKey({ 12, 2 }));
    dialogs.answer(DialogAnswer::Ok);
    window.dbv1->btnClick(shell::TMyNav::Delete);
    EXPECT_EQ(linesOf(12), QStringList({ "1:UN1", "2:UN3" }));
    window.close();
}
