#include "sadfixture.h"

#include "platform/clock.h"
#include "platform/fieldtype.h"
#include "platform/recordingcanvas.h"
#include "sad/sadwindows.h"
#include "sad/tformeinheitzusatz.h"
#include "sad/tformeinheitzusatz_druck.h"
#include "sad/tformregieeinheitzusatz.h"
#include "shell/numberrangedialog.h"
#include "shell/printsettings.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"
#include "shell/tfrmsuche.h"
#include "shell/twheeldbgrid.h"
#include "shell/users.h"
#include "shell/windowfactories.h"
#include "support/modaldialog.h"
#include "support/recordingprinters.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace sad;
using platform::DialogAnswer;

namespace {

const platform::TableSchema &sheetSchema()
{
    return *platform::SchemaRegistry::instance().find(Tables::EinZus);
}

void addSheet(int number, const QVariantMap &values = {})
{
    QVariantMap record = values;
    record.insert(QStringLiteral("BelegNr"), number);
    testsupport::insertRecord(Tables::EinZus, record);
}

// Every field of a sheet filled: texts as long as the field allows,
// Booleans true.
QVariantMap everyFieldFilled()
{
    QVariantMap values;
    const platform::TableSchema &schema = sheetSchema();
    for (int i = 2; i < schema.fieldCount(); ++i) {
        const platform::FieldDef &field = schema.fieldAt(i);
        if (field.type == platform::FieldType::Boolean)
            values.insert(field.name, true);
        else
            values.insert(field.name, (field.name + QStringLiteral("-wert")).left(field.size));
    }
    values.insert(QStringLiteral("Datum"), QDate(2020, 5, 6));
    return values;
}

QList<int> sheetNumbers()
{
    platform::Table t(platform::Alias::Data, Tables::EinZus);
    t.open();
    QList<int> numbers;
    for (t.first(); !t.eof(); t.next())
        numbers << t.field(0).asInteger();
    return numbers;
}

} // namespace

class SupplementarySheetTest : public SadTest
{
protected:
    void SetUp() override
    {
        shell::registerUserTables();
        SadTest::SetUp();
        shell::CurrentDocumentNumber = 0;
    }

    static QString today() { return platform::Clock::today().toString(QStringLiteral("dd.MM.yyyy")); }
    static QString sheet(int number, const QString &field) { return stored(Tables::EinZus, { number }, field); }
};

TEST_F(SupplementarySheetTest, RegisterKeepsTheTemplateFindsTheCurrentSheetAndNeverCloseOnTheTemplateAlone)
{
    registerSadWindows();
    {
        std::unique_ptr<shell::DocumentRegister> documentRegister = shell::createDocumentRegister("EinheitZusatz");
        ASSERT_NE(documentRegister, nullptr);
        EXPECT_EQ(documentRegister->objectName(), "TFormRegieEinheitZusatz");
        EXPECT_EQ(FormRegieEinheitZusatz, documentRegister.get());
        EXPECT_EQ(sheet(shell::TemplateNumber, "Datum"), today());
        documentRegister->show();
        EXPECT_TRUE(documentRegister->isTemplate());
        documentRegister->reject();
    }
    EXPECT_EQ(FormRegieEinheitZusatz, nullptr);
    EXPECT_EQ(sheetNumbers(), QList<int>({ 1, shell::TemplateNumber })) << "closing on the template alone";
    EXPECT_EQ(sheet(1, "Datum"), today());
    EXPECT_EQ(sheet(1, "F1_1"), "");

    // A current number that names no sheet leaves the cursor on the template.
    addSheet(3);
    addSheet(5);
    shell::CurrentDocumentNumber = 4;
    {
        TFormRegieEinheitZusatz documentRegister;
        documentRegister.show();
        EXPECT_EQ(documentRegister.currentNumber(), shell::TemplateNumber);
        documentRegister.reject();
    }
    shell::CurrentDocumentNumber = 5;
    {
        TFormRegieEinheitZusatz documentRegister;
        documentRegister.show();
        EXPECT_EQ(documentRegister.currentNumber(), 5);
        documentRegister.reject();
    }
    EXPECT_EQ(sheetNumbers(), QList<int>({ 1, 3, 5, shell::TemplateNumber }));
    shell::unregisterDocumentKind("EinheitZusatz");
}

TEST_F(SupplementarySheetTest, KopierenCopiesEveryFieldDatedTodayAndLeavesTheProposalOneHigher)
{
    const QVariantMap source = everyFieldFilled();
    addSheet(3, source);
    addSheet(7);
    setParameter("Vorschlag_EinheitZusatz", 7);
    TFormRegieEinheitZusatz documentRegister;
    ASSERT_TRUE(documentRegister.head().findKey({ 3 }));
    int offered = 0;
    testsupport::onNextModal([&offered](QDialog *dialog) {
        auto *copy = qobject_cast<shell::TCopyDlg *>(dialog);
        ASSERT_NE(copy, nullptr);
        offered = copy->ToNumber();
        testsupport::onNextModal([](QDialog *entry) { entry->close(); });
        copy->OKBtn->click();
    });
    documentRegister.bbtKopierenClick();
    EXPECT_EQ(offered, 8) << "used numbers are skipped";
    EXPECT_EQ(parameterValue("Vorschlag_EinheitZusatz"), "9");
    const platform::TableSchema &schema = sheetSchema();
    for (int i = 2; i < schema.fieldCount(); ++i) {
        const QString name = schema.fieldAt(i).name;
        EXPECT_EQ(sheet(8, name), sheet(3, name)) << name.toStdString();
        EXPECT_NE(sheet(8, name), "") << name.toStdString();
    }
    EXPECT_EQ(sheet(8, "Datum"), today());
    documentRegister.reject();
}

TEST_F(SupplementarySheetTest, SearchByNumberFindsTheSheetAndByConsigneeNothing)
{
    for (int number : { 1, 12, 120 })
        addSheet(number, { { "F8_1", true } });
    struct Case {
        int key;
        QString text;
        int rows;
    };
    const Case cases[] = { { 0, "12", 1 }, { 1, "Muster", 0 }, { 1, "1", 0 } };
    for (const Case &c : cases) {
        TFormRegieEinheitZusatz documentRegister;
        documentRegister.show();
        int rows = -1;
        testsupport::onNextModal([&](QDialog *dialog) {
            auto *search = qobject_cast<shell::TfrmSuche *>(dialog);
            ASSERT_NE(search, nullptr);
            EXPECT_EQ(search->RadioGroup1->items(), QStringList({ "BelegNr.", "Empfänger" }));
            search->RadioGroup1->button(c.key)->click();
            search->Edit1->setText(c.text);
            search->SpeedButton3->click();
            rows = search->DBGrid1->model()->rowCount();
            search->BtnAbbruch->click();
        });
        documentRegister.SpeedButton6->click();
        EXPECT_EQ(rows, c.rows) << c.text.toStdString();
        EXPECT_TRUE(dialogs.calls().isEmpty()) << dialogs.texts().join('|').toStdString();
        documentRegister.reject();
    }
}

TEST_F(SupplementarySheetTest, EntryWindowHasAControlForEveryFieldAndGreysFixedEdits)
{
    setParameter("Memo_EinheitZusatz", "DBEditF1_1\nDBCheckBoxF7_3");
    addSheet(4, { { "F7_3", true } });
    TFormRegieEinheitZusatz documentRegister;

    // The controls follow the table's fields in order.
    const shell::EntryWindowDefinition definition = supplementarySheetEntryDefinition();
    const platform::TableSchema &schema = sheetSchema();
    ASSERT_EQ(definition.controls.size(), schema.fieldCount() - 2);
    for (int i = 2; i < schema.fieldCount(); ++i) {
        const platform::FieldDef &field = schema.fieldAt(i);
        const shell::EntryControl &control = definition.controls.at(i - 2);
        EXPECT_EQ(control.field, field.name);
        EXPECT_EQ(control.name,
            (field.type == platform::FieldType::Boolean ? QStringLiteral("DBCheckBox") : QStringLiteral("DBEdit"))
                + field.name);
    }

    for (int number : { shell::TemplateNumber, 4 }) {
        ASSERT_TRUE(documentRegister.head().findKey({ number }));
        TFormEinheitZusatz window(documentRegister);
        window.show();
        auto *fixed = window.findChild<QLineEdit *>("DBEditF1_1");
        auto *free = window.findChild<QLineEdit *>("DBEditF2_1");
        auto *box = window.findChild<QCheckBox *>("DBCheckBoxF7_3");
        ASSERT_TRUE(fixed && free && box);
        EXPECT_EQ(fixed->palette().color(QPalette::Base), shell::ActiveBorderColor);
        EXPECT_EQ(fixed->isEnabled(), number == shell::TemplateNumber);
        EXPECT_TRUE(free->isEnabled());
        EXPECT_TRUE(box->isEnabled()) << "check boxes are never fixed";
        if (number == 4) {
            // Buchmäßige Überwachung edits its own field only.
            window.findChild<QCheckBox *>("DBCheckBoxF9_1a")->click();
            box->setFocus();
            window.close();
            EXPECT_EQ(sheet(4, "F9_1a"), "True");
            EXPECT_EQ(sheet(4, "F7_3"), "True");
            EXPECT_NE(sheet(4, "F7_2"), "True");
        } else {
            window.close();
        }
    }
    documentRegister.reject();
}

TEST_F(SupplementarySheetTest, FocusedBoxesShowTheirTitleAndCheckBoxesTurnNavy)
{
    addSheet(4);
    TFormRegieEinheitZusatz documentRegister;
    ASSERT_TRUE(documentRegister.head().findKey({ 4 }));
    TFormEinheitZusatz window(documentRegister);
    window.show();
    QApplication::setActiveWindow(&window);
    const QColor navy(0x00, 0x00, 0x80);
    struct Case {
        const char *control;
        QString status;
    };
    const Case cases[] = {
        { "DBCheckBoxF0_2", "Zusatzblatt zum Einheitspapier \nfür die Abfertigung von Waren zur" },
        { "DBEditFZ_7", "Zu Zollbeleg (Nr., Datum)" },
        { "DBEditF14_1", "Mündlicher Freistellungsbescheid \nbekanntgegeben am" },
        { "DBEditF15_1", "Hauptzollamt" },
        { "DBEditFW_2b_2", "Verlängerung der Wiederausfuhrfrist / Gestellungsfrist" },
        { "DBCheckBoxF8_1",
            "Unterlagen für den Zollwert abgestempelt und \n- ggf. mit der Nummer des Zollbeleges versehen -\n "
            "zurückgeben." },
    };
    for (const Case &c : cases) {
        window.control(c.control)->setFocus();
        EXPECT_EQ(window.statusText(0), c.status) << c.control;
    }
    QWidget *box8 = window.control("DBCheckBoxF8_1");
    EXPECT_EQ(box8->palette().color(QPalette::Window), navy);
    EXPECT_EQ(box8->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(window.label("Label_F8_1")->palette().color(QPalette::Window), navy) << "box 8's number too";
    window.control("DBEditF9_1b_1")->setFocus();
    EXPECT_NE(box8->palette().color(QPalette::Window), navy);
    EXPECT_NE(window.label("Label_F8_1")->palette().color(QPalette::Window), navy);
    window.close();
    documentRegister.reject();
}

class SupplementaryPrintTest : public SupplementarySheetTest
{
protected:
    void SetUp() override
    {
        SupplementarySheetTest::SetUp();
        printers.canvas().clear();
    }

    static void setRow(int copies)
    {
        platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
        rows.open();
        shell::createPrintRow(rows, SupplementarySheetRow, "0");
        rows.findKey({ SupplementarySheetRow });
        rows.edit();
        rows.fieldByName("schnittst").setAsString("1");
        rows.fieldByName("Anzahl_Kopien").setAsInteger(copies);
        rows.post();
    }

    static QString row(const QString &field)
    {
        platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
        rows.open();
        if (!rows.findKey({ SupplementarySheetRow }))
            return QStringLiteral("<none>");
        return rows.fieldByName(field).asString();
    }

    testsupport::RecordingPrinters printers;
};

TEST_F(SupplementaryPrintTest, MarksForTrueBooleansTextsWholeAtTheirPlaces)
{
    setRow(1);
    QVariantMap values = { { "F0_2", true }, { "F9_1a", true }, { "F1_1", "gestellt am 03.03." },
        { "F4_15", QString(72, QLatin1Char('W')) }, { "FW_3_4", "Letzte Zeile" } };
    addSheet(9, values);
    addSheet(10); // every Boolean false
    for (int number : { 9, 10 }) {
        printers.canvas().clear();
        TFormEinheitZusatz_Druck window;
        ASSERT_TRUE(window.findDocument(number));
        window.show();
        dialogs.answer(DialogAnswer::Ok);
        dialogs.answerIndex(1);
        window.BtnOK->click();
        ASSERT_EQ(printers.canvas().jobCount(), 1);
        const auto &canvas = printers.canvas();
        QStringList marks;
        for (const platform::CanvasCall &call : canvas.texts())
            if (call.text == "x")
                marks << QStringLiteral("%1,%2").arg(call.x).arg(call.y);
        if (number == 10) {
            EXPECT_TRUE(marks.isEmpty()) << marks.join(' ').toStdString();
            continue;
        }
        const platform::CanvasCall *text = canvas.findText("gestellt am 03.03.");
        ASSERT_NE(text, nullptr);
        // Every place is relative to box 1's text at (230, 460).
        const auto at = [&](int x, int y) { return canvas.textAt(text->x + x - 230, text->y - (y - 460)); };
        EXPECT_EQ(at(735, 300), "x");
        EXPECT_EQ(at(230, 1485), "x");
        EXPECT_EQ(marks.size(), 2);
        EXPECT_EQ(at(230, 1140), QString(72, QLatin1Char('W'))) << "texts print whole";
        EXPECT_EQ(at(230, 2830), "Letzte Zeile");
        EXPECT_EQ(canvas.jobs().first().title, "Export / Versand: Zusatzblatt zum Einheitspapier");
        EXPECT_FALSE(window.isVisible());
    }
}

TEST_F(SupplementaryPrintTest, CancelAtTheFormQuestionPrintsNothingAndEachCopyIsAJob)
{
    setRow(3);
    addSheet(9, { { "F1_1", "Zollgut" } });
    TFormEinheitZusatz_Druck window;
    ASSERT_TRUE(window.findDocument(9));
    window.show();
    dialogs.answerCancel();
    window.BtnOK->click();
    EXPECT_EQ(printers.canvas().jobCount(), 0);
    EXPECT_TRUE(window.isVisible()) << "the window stays open";
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls().at(0).text, "Bitte Formular \"Aktive Veredelung\" in den Drucker einlegen!");

    dialogs.clear();
    dialogs.answer(DialogAnswer::Ok);
    dialogs.answerIndex(0);
    window.BtnOK->click();
    EXPECT_EQ(printers.canvas().jobCount(), 3);
    EXPECT_EQ(dialogs.calls().size(), 2) << "the question, then the printer setup";
    EXPECT_FALSE(window.isVisible());
}

TEST_F(SupplementaryPrintTest, FirstPrintCreatesTheRowAndAsksForAPrinterAtOnce)
{
    addSheet(9);
    {
        // The user's settings table exists, without the sheet's row.
        platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
        rows.open();
    }
    dialogs.answerIndex(1);
    TFormEinheitZusatz_Druck window;
    ASSERT_GE(dialogs.calls().size(), 2);
    EXPECT_EQ(dialogs.calls().at(0).text, "Es wurde kein Drucker ausgewählt!");
    EXPECT_EQ(row("schnittst"), "1");
    EXPECT_EQ(row("Anzahl_Kopien"), "1");
    EXPECT_EQ(row("zeile"), "0");
    EXPECT_EQ(window.statusText(), "Drucker: Drucker 2");
}
