#include "shell/documentregister.h"

#include "platform/datacheckbox.h"
#include "platform/dataedit.h"
#include "platform/field.h"
#include "platform/schemaregistry.h"
#include "platform/scripteddialogservice.h"
#include "platform/table.h"
#include "shell/application.h"
#include "shell/documentroutines.h"
#include "shell/numberrangedialog.h"
#include "shell/parameterrecord.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"
#include "shell/tfrmparameter.h"
#include "shell/tfrmsuche.h"
#include "shell/tsearchdlg.h"
#include "shell/twheeldbgrid.h"
#include "support/childprocess.h"
#include "support/modaldialog.h"
#include "support/testprogramdirectory.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <csignal>

using namespace platform;
using namespace shell;

namespace {

void registerDemoTables()
{
    auto &registry = SchemaRegistry::instance();
    if (registry.contains("DEMOKOPF"))
        return;
    registry.add(TableSchema("DEMOKOPF.DB", Alias::Data)
                     .integer("BelegNr")
                     .date("Datum")
                     .integer("AnzPos")
                     .string("Name1", 30)
                     .string("Vorgabe", 20)
                     .primaryKey({ "BelegNr" })
                     .index("iName", { "Name1" }, true));
    registry.add(TableSchema("DEMOPOS.DB", Alias::Data)
                     .integer("BelegNr")
                     .integer("Pos")
                     .string("Text", 30)
                     .primaryKey({ "BelegNr", "Pos" }));
}

// What the demonstration kind's windows saw.
struct WindowLog {
    QStringList numberTexts; // status panel 1 of each entry window
    QList<int> openedOn; // the register's current number while it was open
    QStringList printCaptions;
    // Runs while the entry window is open (fills fields, adds positions).
    std::function<void(DocumentRegister &)> whileOpen;
};
WindowLog *windowLog = nullptr;

// The entry window of the demonstration kind: notes what it was opened on
// and closes itself.
class DemoEntryWindow : public DocumentEntryWindow
{
public:
    DemoEntryWindow(DocumentRegister &documentRegister, QWidget *parent)
        : DocumentEntryWindow(parent)
        , m_register(documentRegister)
    {
    }
    void setNumberText(const QString &text) override { windowLog->numberTexts.append(text); }

protected:
    void showEvent(QShowEvent *event) override
    {
        DocumentEntryWindow::showEvent(event);
        windowLog->openedOn.append(m_register.currentNumber());
        if (windowLog->whileOpen)
            windowLog->whileOpen(m_register);
        QTimer::singleShot(0, this, &QDialog::accept);
    }

private:
    DocumentRegister &m_register;
};

// The print window opens its own head table.
class DemoPrintWindow : public DocumentPrintWindow
{
public:
    explicit DemoPrintWindow(QWidget *parent)
        : DocumentPrintWindow(parent)
        , m_head(Alias::Data, "DEMOKOPF.DB", this)
    {
        m_head.open();
    }
    bool findDocument(int number) override { return m_head.findKey({ number }); }

protected:
    void showEvent(QShowEvent *event) override
    {
        DocumentPrintWindow::showEvent(event);
        windowLog->printCaptions.append(windowTitle());
        QTimer::singleShot(0, this, &QDialog::accept);
    }

private:
    Table m_head;
};

DocumentRegister *frmRegieDemo = nullptr;

DocumentKind demoKind()
{
    DocumentKind kind;
    kind.code = "3";
    kind.registerClass = "TfrmRegieDemo";
    kind.caption = "Regiezentrum: Demo";
    kind.headTable = "DEMOKOPF.DB";
    kind.headComponent = "tbDemo";
    kind.positionTable = "DEMOPOS.DB";
    kind.positionComponent = "tbDemoPos";
    kind.parameter = parameterFieldsFor("3");
    kind.columns = { { "BelegNr", "BelegNr.", 10 }, { "Datum", "", 10 }, { "Name1", "Empfänger", 30 } };
    kind.navigationHints = { "Erstes Demo", "Vorheriges Demo", "Nächstes Demo", "Letztes Demo" };
    kind.printCaptionPrefix = "Druck Demo - Belegnummer: ";
    kind.searchNameField = "Name1";
    kind.nameIndex = "iName";
    kind.copy = CopyStyle::DocumentWithPositions;
    kind.instance = &frmRegieDemo;
    kind.createEntryWindow = [](DocumentRegister &r, QWidget *parent) { return new DemoEntryWindow(r, parent); };
    kind.createPrintWindow = [](DocumentRegister &, QWidget *parent) { return new DemoPrintWindow(parent); };
    return kind;
}

// Exceptions the event steps report to the error dialog.
class ReportedErrors
{
public:
    ReportedErrors()
    {
        m_previous
            = Application::setExceptionHandler([this](const CrashReport &report) { messages.append(report.message); });
    }
    ~ReportedErrors() { Application::setExceptionHandler(m_previous); }
    QStringList messages;

private:
    Application::ExceptionHandler m_previous;
};

// Child: Löschen of the range given, the program killed when the given
// position delete is under way (arguments: directory, from, to, kill at).
int deleteRangeAndDie(const QStringList &arguments)
{
    registerDemoTables();
    testsupport::TestProgramDirectory dir(arguments.at(0));
    ScriptedDialogService dialogs;
    DialogServiceGuard guard { dialogs };
    DocumentRegister reg(demoKind());
    int deletes = 0;
    const int killAt = arguments.at(3).toInt();
    reg.positions()->beforeDelete = [&deletes, killAt](DataSet &) {
        if (++deletes == killAt)
            std::raise(SIGKILL);
    };
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *range = qobject_cast<TDeleteDlg *>(dialog);
        range->Edit1->setText(arguments.at(1));
        range->Edit2->setText(arguments.at(2));
        range->OKBtn->click();
    });
    reg.SpeedButton4->click();
    return 3; // not killed
}
testsupport::ChildRegistration deleteAndDie("deleteRangeAndDie", &deleteRangeAndDie);

class DocumentRegisterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerDemoTables();
        dir = std::make_unique<testsupport::TestProgramDirectory>();
        windowLog = &log;
    }
    void TearDown() override { windowLog = nullptr; }

    // Documents straight into the tables, the template with its default text.
    void addDocuments(const QVector<QPair<int, QString>> &documents, int positionsEach = 0)
    {
        Table head(Alias::Data, "DEMOKOPF.DB");
        Table positions(Alias::Data, "DEMOPOS.DB");
        head.open();
        positions.open();
        for (const auto &[number, name] : documents) {
            head.append();
            head.field(0).setAsInteger(number);
            head.field(1).setAsDate(QDate(2020, 1, 1));
            head.fieldByName("Name1").setAsString(name);
            head.fieldByName("Vorgabe").setAsString(number == TemplateNumber ? "aus der Vorlage" : "");
            head.post();
            for (int p = 1; p <= positionsEach; ++p) {
                positions.append();
                positions.field(0).setAsInteger(number);
                positions.field(1).setAsInteger(p);
                positions.field(2).setAsString(QStringLiteral("%1/%2").arg(number).arg(p));
                positions.post();
            }
        }
    }

    QList<int> documentNumbers(const QString &table = "DEMOKOPF.DB")
    {
        Table t(Alias::Data, table);
        t.open();
        QList<int> numbers;
        for (t.first(); !t.eof(); t.next())
            numbers.append(t.field(0).asInteger());
        return numbers;
    }

    QList<QPair<int, int>> positionKeys()
    {
        Table t(Alias::Data, "DEMOPOS.DB");
        t.open();
        QList<QPair<int, int>> keys;
        for (t.first(); !t.eof(); t.next())
            keys.append({ t.field(0).asInteger(), t.field(1).asInteger() });
        return keys;
    }

    QVariant storedParameter(const QString &field)
    {
        Table t(Alias::Data, ParameterTableName);
        t.open();
        return t.fieldByName(field).value();
    }

    void setProposal(const QVariant &value)
    {
        Table t(Alias::Data, ParameterTableName);
        t.open();
        t.edit();
        t.fieldByName("VorschlagNr_3").setValue(value);
        t.post();
    }

    std::unique_ptr<testsupport::TestProgramDirectory> dir;
    ScriptedDialogService dialogs;
    DialogServiceGuard guard { dialogs };
    WindowLog log;
};

TEST_F(DocumentRegisterTest, WindowHasTheCommandsOfEveryRegister)
{
    DocumentRegister reg(demoKind());
    EXPECT_EQ(reg.objectName(), "TfrmRegieDemo");
    EXPECT_EQ(reg.windowTitle(), "Regiezentrum: Demo");
    EXPECT_EQ(frmRegieDemo, &reg);
    EXPECT_EQ(reg.head().objectName(), "tbDemo");
    EXPECT_EQ(reg.positions()->objectName(), "tbDemoPos");
    EXPECT_EQ(reg.parameter().objectName(), "tbParameter");
    EXPECT_EQ(reg.editButton(), reg.SpeedButton3);

    const QVector<QPair<QToolButton *, QString>> buttons = {
        { reg.SpeedButton2, "&Neu" },
        { reg.SpeedButton3, "&Bearbeiten" },
        { reg.SpeedButton4, "&Löschen" },
        { reg.SpeedButton5, "&Kopieren" },
        { reg.SpeedButton6, "&Suchen" },
        { reg.SpeedButton7, "&Drucken" },
        { reg.SpeedButton12, "&Master-Form" },
        { reg.SpeedButtonParameter, "&Parameter" },
        { reg.SpeedButton1, "Sc&hließen" },
    };
    for (const auto &[button, caption] : buttons)
        EXPECT_EQ(button->text(), caption) << button->objectName().toStdString();
    const QVector<QPair<QToolButton *, QString>> hints = {
        { reg.SpeedButton8, "Erstes Demo" },
        { reg.SpeedButton9, "Vorheriges Demo" },
        { reg.SpeedButton10, "Nächstes Demo" },
        { reg.SpeedButton11, "Letztes Demo" },
    };
    for (const auto &[button, hint] : hints)
        EXPECT_EQ(button->toolTip(), hint);

    QStringList items;
    int separators = 0;
    for (QAction *action : reg.PopupMenu1->actions()) {
        if (action->isSeparator())
            ++separators;
        else
            items.append(action->text());
    }
    EXPECT_EQ(items,
        QStringList({ "&Neu", "&Bearbeiten", "&Löschen", "&Kopieren", "&Suchen", "&Drucken", "&Master - Form",
            "&Parameter", "Schließen" }));
    EXPECT_EQ(separators, 8);

    const QAbstractItemModel *model = reg.dbgrRegie->model();
    ASSERT_EQ(model->columnCount(), 3);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "BelegNr.");
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), "Empfänger");
}

TEST_F(DocumentRegisterTest, FlatButtonsAreReadableWithTheirShadowBesideThem)
{
    // The default options draw the command and navigator buttons flat.
    DocumentRegister reg(demoKind());
    reg.show();
    const QImage image = reg.grab().toImage();
    QList<QToolButton *> buttons = reg.findChildren<QToolButton *>();
    ASSERT_GE(buttons.size(), 13);
    for (QToolButton *button : std::as_const(buttons)) {
        ASSERT_TRUE(button->autoRaise()) << "flat look";
        const QRect face(button->mapTo(&reg, QPoint(0, 0)), button->size());
        const QColor first = image.pixelColor(face.topLeft());
        bool oneColour = true;
        int black = 0;
        for (int y = face.top(); y <= face.bottom(); ++y) {
            for (int x = face.left(); x <= face.right(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                oneColour = oneColour && pixel == first;
                black += pixel == QColor(Qt::black);
            }
        }
        EXPECT_FALSE(oneColour) << button->objectName().toStdString() << " is a block of one colour";
        EXPECT_LT(black, face.width() * face.height() / 4) << button->objectName().toStdString();
        EXPECT_EQ(image.pixelColor(face.bottomRight() + QPoint(2, 2)), QColor(Qt::black))
            << button->objectName().toStdString() << ": the shadow falls beside the button";
    }
}

TEST_F(DocumentRegisterTest, EmptyTablesGetTheTemplateOnOpenAndDocumentOneOnClose)
{
    struct Case {
        const char *what;
        bool datedToday;
        bool positionOne;
        bool templateToday;
        QVariant date;
        QList<QPair<int, int>> positions;
        QDate templateDate;
    };
    const QVector<Case> cases = {
        { "as a rule", true, true, true, QDate(2024, 3, 5), { { 1, 1 }, { TemplateNumber, 1 } }, QDate(2024, 3, 5) },
        { "without dates and position", false, false, false, QVariant(), { { TemplateNumber, 1 } },
            QDate(1899, 12, 31) },
    };
    for (const Case &c : cases) {
        Table(Alias::Data, "DEMOKOPF.DB").emptyTable();
        Table(Alias::Data, "DEMOPOS.DB").emptyTable();
        DocumentKind kind = demoKind();
        kind.documentOneDatedToday = c.datedToday;
        kind.positionOneOnClose = c.positionOne;
        kind.templateDateToday = c.templateToday;
        {
            DocumentRegister reg(kind);
            EXPECT_EQ(documentNumbers(), QList<int>({ TemplateNumber })) << c.what;
            EXPECT_EQ(positionKeys(), (QList<QPair<int, int>> { { TemplateNumber, 1 } })) << c.what;
            EXPECT_TRUE(reg.isTemplate());
            Table head(Alias::Data, "DEMOKOPF.DB");
            head.open();
            EXPECT_EQ(head.field(1).asDate(), c.templateDate) << c.what;
            reg.show();
            reg.reject();
        }
        EXPECT_EQ(documentNumbers(), QList<int>({ 1, TemplateNumber })) << c.what;
        Table head(Alias::Data, "DEMOKOPF.DB");
        head.open();
        EXPECT_EQ(head.field(1).value(), c.date) << c.what;
        EXPECT_EQ(positionKeys(), c.positions) << c.what;

        // The next opening finds a document beside the template and adds nothing.
        DocumentRegister again(kind);
        again.show();
        again.reject();
        EXPECT_EQ(documentNumbers(), QList<int>({ 1, TemplateNumber })) << c.what;
    }
}

TEST_F(DocumentRegisterTest, NeuProposesTheFirstFreeNumberAndStoresTheNextBeforeAsking)
{
    struct Case {
        QVariant stored;
        QString offered;
        int storedAfter;
    };
    const QVector<Case> cases = {
        { 5, "8", 9 },
        { QVariant(), "1", 2 },
        { 0, "1", 2 },
        { -4, "1", 2 },
        { 9, "9", 10 },
    };
    addDocuments({ { TemplateNumber, "Vorlage" }, { 5, "A" }, { 6, "B" }, { 7, "C" } });
    for (const Case &c : cases) {
        setProposal(c.stored);
        DocumentRegister reg(demoKind());
        dialogs.clear();
        dialogs.answerCancel();
        reg.SpeedButton2->click();
        ASSERT_EQ(dialogs.calls().size(), 1);
        const DialogCall &call = dialogs.calls().at(0);
        EXPECT_EQ(call.kind, DialogKind::Input);
        EXPECT_EQ(call.caption, "Belegnummmer !");
        EXPECT_EQ(call.text, "Übernehmen oder Ändern");
        EXPECT_EQ(call.preset, c.offered) << c.stored.toString().toStdString();
        EXPECT_EQ(storedParameter("VorschlagNr_3").toInt(), c.storedAfter) << "a cancelled Neu keeps the new proposal";
        EXPECT_TRUE(log.numberTexts.isEmpty());
    }
}

TEST_F(DocumentRegisterTest, NeuCreatesOnlyValidFreeNumbers)
{
    struct Case {
        QString answer;
        QStringList messages;
        QList<int> documents;
        QStringList reported;
    };
    const QList<int> before = { 5, TemplateNumber };
    const QVector<Case> cases = {
        { "12", {}, { 5, 12, TemplateNumber }, {} },
        { "5", { "Belegnummer existiert bereits !" }, before, {} },
        { "2000000000", { "Belegnummer existiert bereits !" }, before, {} },
        { "2000000001", {}, before, {} },
        { "0", { "Belegnummer muss größer als 0 sein !" }, before, {} },
        { "-3", { "Belegnummer muss größer als 0 sein !" }, before, {} },
        { "12a", {}, before, { "'12a' ist kein gültiger Integerwert." } },
    };
    for (const Case &c : cases) {
        Table(Alias::Data, "DEMOKOPF.DB").emptyTable();
        addDocuments({ { TemplateNumber, "Vorlage" }, { 5, "A" } });
        log = {};
        ReportedErrors reported;
        DocumentRegister reg(demoKind());
        dialogs.clear();
        dialogs.answerText(c.answer);
        reg.SpeedButton2->click();
        QStringList messages = dialogs.texts();
        messages.removeFirst(); // the input box
        EXPECT_EQ(messages, c.messages) << c.answer.toStdString();
        EXPECT_EQ(documentNumbers(), c.documents) << c.answer.toStdString();
        EXPECT_EQ(reported.messages, c.reported) << c.answer.toStdString();
        if (c.documents.contains(12)) {
            EXPECT_EQ(log.numberTexts, QStringList({ "BelegNr: 12" }));
            EXPECT_EQ(log.openedOn, QList<int>({ 12 }));
            EXPECT_EQ(reg.head().fieldByName("Vorgabe").asString(), "aus der Vorlage");
            EXPECT_EQ(reg.head().field(1).asDate(), QDate(2024, 3, 5));
        } else {
            EXPECT_TRUE(log.numberTexts.isEmpty()) << c.answer.toStdString();
        }
    }
}

TEST_F(DocumentRegisterTest, NeuCopiesTheTemplateAfterASearchByName)
{
    addDocuments({ { TemplateNumber, "Vorlage" }, { 3, "Zander" }, { 4, "Albers" }, { 8, "Meier" } });
    DocumentKind kind = demoKind();
    kind.search = SearchStyle::SearchAsYouType;
    DocumentRegister reg(kind);
    reg.show();

    testsupport::onNextModal([](QDialog *dialog) {
        auto *search = qobject_cast<TSearchDlg *>(dialog);
        ASSERT_NE(search, nullptr);
        search->RadioButton2->click();
        QTest::keyClicks(search->Edit1, "zz");
        search->OKBtn->click();
    });
    reg.SpeedButton6->click();
    EXPECT_EQ(reg.head().indexName(), "iName") << "the name order stays after the search";
    EXPECT_EQ(reg.currentNumber(), 3) << "nearest name at or after \"zz\": none, so the last, Zander";

    dialogs.answerText("9");
    reg.SpeedButton2->click();
    EXPECT_EQ(log.openedOn, QList<int>({ 9 }));
    EXPECT_EQ(reg.head().fieldByName("Vorgabe").asString(), "aus der Vorlage");
    EXPECT_EQ(reg.head().fieldByName("Name1").asString(), "Vorlage");

    // The number search moves to the nearest number at or above the one typed.
    QList<int> seen;
    ReportedErrors reported;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *search = qobject_cast<TSearchDlg *>(dialog);
        search->Edit1->setText("5");
        seen.append(reg.currentNumber());
        search->Edit1->setText("x");
        seen.append(reg.currentNumber());
        search->Edit1->setText("2000000000");
        seen.append(reg.currentNumber());
        search->OKBtn->click();
    });
    dialogs.clear();
    reg.SpeedButton6->click();
    EXPECT_EQ(seen, QList<int>({ 8, 8, TemplateNumber }));
    EXPECT_EQ(reported.messages, QStringList({ "'x' ist kein gültiger Integerwert." }));
    EXPECT_EQ(dialogs.texts(), QStringList({ "Masterformular wird nicht angezeigt !" }));
    EXPECT_TRUE(reg.isTemplate()) << "the table stays where the search left it";
}

TEST_F(DocumentRegisterTest, SucheFindsExactNumbersAndNamesWithApostrophes)
{
    addDocuments({ { TemplateNumber, "Vorlage" }, { 12, "Müller" }, { 120, "O'Neill" }, { 121, "o'neill & Co" } });
    struct Case {
        int key;
        QString text;
        int rows;
        int chosen; // current after Übernehmen
    };
    const QVector<Case> cases = {
        { 0, "12", 1, 12 }, { 0, "120", 1, 120 }, { 1, "O'NEILL", 2, 120 }, { 1, "mü", 1, 12 },
        { 1, "x", 0, 12 }, // nothing found: the unfiltered table stays on its first record
    };
    for (const Case &c : cases) {
        DocumentRegister reg(demoKind());
        reg.show();
        int rows = -1;
        testsupport::onNextModal([&](QDialog *dialog) {
            auto *search = qobject_cast<TfrmSuche *>(dialog);
            ASSERT_NE(search, nullptr);
            EXPECT_EQ(search->RadioGroup1->items(), QStringList({ "BelegNr.", "Empfänger" }));
            search->RadioGroup1->button(c.key)->click();
            search->Edit1->setText(c.text);
            search->SpeedButton3->click();
            rows = search->DBGrid1->model()->rowCount();
            search->BtnUebernehmen->click();
        });
        reg.SpeedButton6->click();
        EXPECT_EQ(rows, c.rows) << c.text.toStdString();
        EXPECT_EQ(reg.currentNumber(), c.chosen) << c.text.toStdString();
        EXPECT_FALSE(reg.head().filtered());
        EXPECT_EQ(reg.head().recordCount(), 4);
    }
}

TEST_F(DocumentRegisterTest, KopierenChecksNumbersAndCopiesWithPositions)
{
    struct Case {
        const char *what;
        QString from, to;
        bool setBack;
        QStringList messages;
        QList<int> documents;
        int proposalAfter;
    };
    const QList<int> before = { 3, 7, TemplateNumber };
    const QVector<Case> cases = {
        { "copied", "3", "8", false, {}, { 3, 7, 8, TemplateNumber }, 9 },
        { "copied, proposal set back", "3", "8", true, {}, { 3, 7, 8, TemplateNumber }, 8 },
        { "copied elsewhere, proposal set back", "3", "20", true, {}, { 3, 7, 20, TemplateNumber }, 8 },
        { "no source", "4", "7", false, { "Quelle - Belegnummer existiert nicht !" }, before, 9 },
        { "target used", "3", "7", false, { "Ziel - Belegnummer existiert bereits !" }, before, 9 },
        { "target above the documents", "3", "2000000001", false, {}, before, 9 },
        { "target below 1", "3", "0", false, { "Belegnummer muss größer als 0 sein !" }, before, 9 },
    };
    for (const Case &c : cases) {
        Table(Alias::Data, "DEMOKOPF.DB").emptyTable();
        Table(Alias::Data, "DEMOPOS.DB").emptyTable();
        addDocuments({ { TemplateNumber, "Vorlage" }, { 3, "Quelle" }, { 7, "Andere" } }, 2);
        setProposal(7);
        log = {};
        DocumentKind kind = demoKind();
        kind.proposalSetBackAfterCopy = c.setBack;
        DocumentRegister reg(kind);
        reg.head().findKey({ 3 });
        dialogs.clear();
        QString offeredFrom, offeredTo;
        testsupport::onNextModal([&](QDialog *dialog) {
            auto *copy = qobject_cast<TCopyDlg *>(dialog);
            ASSERT_NE(copy, nullptr);
            EXPECT_EQ(copy->windowTitle(), "Kopieren");
            offeredFrom = copy->Edit1->text();
            offeredTo = copy->Edit2->text();
            copy->Edit1->setText(c.from);
            copy->Edit2->setText(c.to);
            copy->OKBtn->click();
        });
        reg.SpeedButton5->click();
        EXPECT_EQ(offeredFrom, "3") << c.what;
        EXPECT_EQ(offeredTo, "8") << c.what;
        EXPECT_EQ(dialogs.texts(), c.messages) << c.what;
        EXPECT_EQ(documentNumbers(), c.documents) << c.what;
        EXPECT_EQ(storedParameter("VorschlagNr_3").toInt(), c.proposalAfter) << c.what;
        const int target = c.to.toInt();
        if (c.documents.contains(target) && !before.contains(target)) {
            EXPECT_EQ(log.openedOn, QList<int>({ target })) << c.what;
            EXPECT_EQ(reg.head().fieldByName("Name1").asString(), "Quelle");
            EXPECT_TRUE(positionKeys().contains(qMakePair(target, 2))) << c.what;
        } else {
            EXPECT_TRUE(log.openedOn.isEmpty()) << c.what;
        }
    }
}

TEST_F(DocumentRegisterTest, RangeDialogsConvertOnEveryClosing)
{
    addDocuments({ { TemplateNumber, "Vorlage" }, { 3, "A" } });
    DocumentRegister reg(demoKind());
    reg.head().findKey({ 3 });
    ReportedErrors reported;
    bool stayedOpen = false;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *range = qobject_cast<TDeleteDlg *>(dialog);
        ASSERT_NE(range, nullptr);
        EXPECT_EQ(range->windowTitle(), "Löschen");
        EXPECT_EQ(range->Label2->text(), "bis");
        range->Edit2->setText("drei");
        range->CancelBtn->click();
        QTest::keyClick(range->Edit1, Qt::Key_Return);
        stayedOpen = range->isVisible();
        range->Edit2->setText("3");
        QTest::keyClick(range->Edit1, Qt::Key_Escape);
    });
    reg.SpeedButton4->click();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(reported.messages,
        QStringList({ "'drei' ist kein gültiger Integerwert.", "'drei' ist kein gültiger Integerwert." }));
    EXPECT_EQ(documentNumbers(), QList<int>({ 3, TemplateNumber })) << "Escape deletes nothing";
}

TEST_F(DocumentRegisterTest, LoeschenDeletesTheRangeWithPositionsAndRefusesTheTemplate)
{
    struct Case {
        QString from, to;
        QStringList messages;
        QList<int> documents;
    };
    const QVector<Case> cases = {
        { "3", "5", {}, { 2, 6, TemplateNumber } },
        { "5", "3", {}, { 2, 4, 6, TemplateNumber } },
        { "4", "4", {}, { 2, 6, TemplateNumber } },
        { "1", "1999999999", {}, { TemplateNumber } },
        { "4", "2000000000", { "Masterformular kann nicht gelöscht werden !" }, { 2, 4, 6, TemplateNumber } },
    };
    for (const Case &c : cases) {
        Table(Alias::Data, "DEMOKOPF.DB").emptyTable();
        Table(Alias::Data, "DEMOPOS.DB").emptyTable();
        addDocuments({ { TemplateNumber, "Vorlage" }, { 2, "A" }, { 4, "B" }, { 6, "C" } }, 2);
        DocumentRegister reg(demoKind());
        reg.head().findKey({ 4 });
        dialogs.clear();
        QString offered;
        testsupport::onNextModal([&](QDialog *dialog) {
            auto *range = qobject_cast<TDeleteDlg *>(dialog);
            offered = range->Edit1->text() + "-" + range->Edit2->text();
            range->Edit1->setText(c.from);
            range->Edit2->setText(c.to);
            range->OKBtn->click();
        });
        reg.SpeedButton4->click();
        EXPECT_EQ(offered, "4-4");
        EXPECT_EQ(dialogs.texts(), c.messages) << c.from.toStdString() << "-" << c.to.toStdString();
        EXPECT_EQ(documentNumbers(), c.documents) << c.from.toStdString() << "-" << c.to.toStdString();
        QList<int> positionOwners;
        for (const auto &key : positionKeys()) {
            if (!positionOwners.contains(key.first))
                positionOwners.append(key.first);
        }
        EXPECT_EQ(positionOwners, c.documents) << "positions go with their document";
    }
}

TEST_F(DocumentRegisterTest, LoeschenOfADocumentIsWholeOrNothingWhenTheProgramIsKilled)
{
    struct Case {
        int killAt; // the position delete during which the program dies
        QList<int> documents;
    };
    // Two positions each: the third position delete is the first of document 4.
    const QVector<Case> cases = { { 1, { 2, 4, 6, TemplateNumber } }, { 2, { 2, 4, 6, TemplateNumber } },
        { 3, { 4, 6, TemplateNumber } }, { 6, { 6, TemplateNumber } } };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.killAt);
        Table(Alias::Data, "DEMOKOPF.DB").emptyTable();
        Table(Alias::Data, "DEMOPOS.DB").emptyTable();
        addDocuments({ { TemplateNumber, "Vorlage" }, { 2, "A" }, { 4, "B" }, { 6, "C" } }, 2);
        dir->session().closeAll();
        const testsupport::ChildResult result
            = testsupport::runChild("deleteRangeAndDie", { dir->path(), "2", "6", QString::number(c.killAt) });
        ASSERT_TRUE(result.crashed) << result.output.toStdString();
        EXPECT_EQ(documentNumbers(), c.documents);
        QList<QPair<int, int>> expected;
        for (int number : c.documents)
            for (int p = 1; p <= 2; ++p)
                expected.append({ number, p });
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(positionKeys(), expected) << "every document left has all its positions";
    }
}

TEST_F(DocumentRegisterTest, LoeschenReportsADatabaseFailureAndKeepsTheDocumentWhole)
{
    addDocuments({ { TemplateNumber, "Vorlage" }, { 2, "A" }, { 4, "B" } }, 2);
    DocumentRegister reg(demoKind());
    reg.head().findKey({ 4 });
    // Another user holds the head table while the first position is gone.
    reg.head().beforeDelete = [](DataSet &) {
        throw DatabaseError(QStringLiteral("Die Tabelle DEMOKOPF.DB wird gerade von einem anderen Benutzer geändert. "
                                           "Bitte versuchen Sie es noch einmal."));
    };
    dialogs.clear();
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *range = qobject_cast<TDeleteDlg *>(dialog);
        range->Edit1->setText("4");
        range->Edit2->setText("4");
        range->OKBtn->click();
    });
    reg.SpeedButton4->click();
    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(
        dialogs.texts().first().startsWith("Der Beleg 4 konnte nicht gelöscht werden; er bleibt vollständig erhalten."))
        << dialogs.texts().first().toStdString();
    EXPECT_EQ(documentNumbers(), QList<int>({ 2, 4, TemplateNumber }));
    EXPECT_EQ(positionKeys().size(), 6) << "the positions deleted before the failure are back";
}

TEST_F(DocumentRegisterTest, PositionCountsStayCurrentOnEveryWriteWithoutARecountOnOpening)
{
    addDocuments({ { TemplateNumber, "Vorlage" }, { 2, "A" }, { 4, "B" } }, 2);
    auto storedCounts = [] {
        QList<int> counts;
        Table t(Alias::Data, "DEMOKOPF.DB");
        t.open();
        for (t.first(); !t.eof(); t.next())
            counts.append(t.fieldByName("AnzPos").asInteger());
        return counts;
    };
    {
        DocumentKind kind = demoKind();
        kind.positionsCountField = "AnzPos";
        DocumentRegister reg(kind);
        EXPECT_EQ(storedCounts(), QList<int>({ 2, 2, 2 }))
            << "counts of a directory from before are brought up to date";
    }
    // Positions written by anyone, the register closed: the counts follow in
    // the same transaction.
    {
        auto second = dir->openSecondSession();
        Table positions(Alias::Data, "DEMOPOS.DB");
        positions.setSession(second.get());
        positions.open();
        positions.append();
        positions.field(0).setAsInteger(4);
        positions.field(1).setAsInteger(3);
        positions.post();
        ASSERT_TRUE(positions.findKey({ 2, 1 }));
        positions.deleteRecord();
        EXPECT_EQ(storedCounts(), QList<int>({ 1, 3, 2 }));
        ASSERT_TRUE(positions.findKey({ 4, 1 }));
        positions.edit();
        positions.field(0).setAsInteger(2);
        positions.field(1).setAsInteger(9);
        positions.post();
    }
    EXPECT_EQ(storedCounts(), QList<int>({ 2, 2, 2 })) << "a position moved to another document";
    testsupport::insertRecord("DEMOKOPF.DB", { { "BelegNr", 6 }, { "AnzPos", 7 } });
    EXPECT_EQ(storedCounts(), QList<int>({ 2, 2, 0, 2 })) << "a new head counts what is there";
    platform::CountLink link { "DEMOKOPF", "BelegNr", "AnzPos", "DEMOPOS", "BelegNr" };
    EXPECT_FALSE(Session::current().database(Alias::Data).keepCountCurrent(link)) << "no recount while counts are kept";
}

TEST_F(DocumentRegisterTest, RangeHidesTheTemplateAndDisablesCommandsWhenItIsAlone)
{
    DocumentKind kind = demoKind();
    kind.templateHiding = TemplateHiding::Range;
    kind.neuRefreshesTables = false;
    {
        DocumentRegister reg(kind);
        reg.show();
        EXPECT_TRUE(reg.isTemplate());
        for (QToolButton *button : { reg.SpeedButton3, reg.SpeedButton4, reg.SpeedButton5, reg.SpeedButton6 })
            EXPECT_FALSE(button->isEnabled()) << button->text().toStdString();
        for (QAction *action : { reg.Bearbeiten1, reg.Lschen1, reg.Kopieren1, reg.Suchen1 })
            EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
        EXPECT_TRUE(reg.SpeedButton2->isEnabled());
        EXPECT_TRUE(reg.SpeedButton12->isEnabled());

        reg.SpeedButton12->click();
        EXPECT_EQ(log.numberTexts, QStringList({ "Master-Formular" }));

        dialogs.answerText("4");
        reg.SpeedButton2->click();
        EXPECT_EQ(log.openedOn, QList<int>({ TemplateNumber, 4 }));
        EXPECT_EQ(reg.head().recordCount(), 1) << "after Neu the range hides the template again";
        EXPECT_EQ(reg.currentNumber(), 4);
        EXPECT_TRUE(reg.SpeedButton3->isEnabled());
        EXPECT_TRUE(reg.Suchen1->isEnabled());
        reg.reject();
    }
    EXPECT_EQ(documentNumbers(), QList<int>({ 4, TemplateNumber })) << "no document 1 beside a real one";

    // Showing returns to the remembered document only when the range holds more than two.
    addDocuments({ { 5, "B" }, { 6, "C" } });
    CurrentDocumentNumber = 5;
    DocumentRegister reg(kind);
    reg.show();
    EXPECT_EQ(reg.head().recordCount(), 3);
    EXPECT_EQ(reg.currentNumber(), 5);
    reg.SpeedButton12->click();
    EXPECT_EQ(reg.head().recordCount(), 4) << "Master-Form lifts the range";
}

TEST_F(DocumentRegisterTest, FilterHidesTheTemplateAgainAfterNeu)
{
    DocumentKind kind = demoKind();
    kind.templateHiding = TemplateHiding::Filter;
    {
        DocumentRegister reg(kind);
        EXPECT_FALSE(reg.head().filtered()) << "the template alone stays visible";
        reg.show();
        reg.reject();
    }
    DocumentRegister reg(kind);
    EXPECT_TRUE(reg.head().filtered());
    EXPECT_EQ(reg.head().recordCount(), 1);
    dialogs.answerCancel();
    reg.SpeedButton2->click();
    EXPECT_TRUE(reg.head().filtered()) << "a cancelled Neu sets the filter again";
    dialogs.answerText("2000000000");
    reg.SpeedButton2->click();
    EXPECT_EQ(dialogs.texts().last(), "Belegnummer existiert bereits !") << "the filter does not hide the template";
    EXPECT_EQ(reg.head().recordCount(), 1);
}

TEST_F(DocumentRegisterTest, BearbeitenShowsNumberTextsAndStoresThePositionCount)
{
    addDocuments({ { TemplateNumber, "Vorlage" }, { 3, "A" }, { 4, "B" } }, 2);
    DocumentKind kind = demoKind();
    kind.positionsCountField = "AnzPos";
    kind.statusNumberPrefix = "BelegNr. : ";
    kind.statusTemplateText = "BelegNr. : Master-Formular";
    kind.setsCurrentNumberBeforeOpening = true;
    DocumentRegister reg(kind);
    EXPECT_EQ(reg.currentNumber(), 3) << "after the recount the first document is current";
    EXPECT_EQ(reg.head().fieldByName("AnzPos").asInteger(), 2) << "counted on opening";

    log.whileOpen = [](DocumentRegister &r) {
        r.positions()->append();
        r.positions()->field(1).setAsInteger(3);
        r.positions()->post();
    };
    QTest::keyClick(reg.dbgrRegie, Qt::Key_Return);
    EXPECT_EQ(log.numberTexts, QStringList({ "BelegNr. : 3" }));
    EXPECT_EQ(CurrentDocumentNumber, 3);
    EXPECT_EQ(reg.head().fieldByName("AnzPos").asInteger(), 3);

    log.whileOpen = nullptr;
    reg.SpeedButton12->click();
    EXPECT_EQ(log.numberTexts.last(), "BelegNr. : Master-Formular");
    EXPECT_EQ(CurrentDocumentNumber, TemplateNumber);
}

TEST_F(DocumentRegisterTest, ShowingAndClosingUseTheCurrentDocumentNumber)
{
    addDocuments({ { TemplateNumber, "Vorlage" }, { 3, "A" }, { 4, "B" } });
    struct Case {
        int current;
        bool stores;
        int shownOn;
        int afterClose;
    };
    const QVector<Case> cases = {
        { 4, false, 4, 4 },
        { 99, false, TemplateNumber, 99 }, // absent: the cursor stays where it was
        { 3, true, 3, 3 },
    };
    for (const Case &c : cases) {
        CurrentDocumentNumber = c.current;
        DocumentKind kind = demoKind();
        kind.storesCurrentNumberOnClose = c.stores;
        DocumentRegister reg(kind);
        reg.show();
        EXPECT_EQ(reg.currentNumber(), c.shownOn) << c.current;
        reg.reject();
        EXPECT_EQ(CurrentDocumentNumber, c.afterClose) << c.current;
    }
    CurrentDocumentNumber = 1;
    DocumentKind kind = demoKind();
    kind.storesCurrentNumberOnClose = true;
    DocumentRegister reg(kind);
    reg.show();
    reg.SpeedButton10->click();
    reg.SpeedButton1->click();
    EXPECT_EQ(CurrentDocumentNumber, TemplateNumber) << "the template's number is stored too";
}

TEST_F(DocumentRegisterTest, NavigationButtonsFollowThePosition)
{
    addDocuments({ { TemplateNumber, "Vorlage" }, { 1, "A" }, { 2, "B" } });
    DocumentRegister reg(demoKind());
    auto states = [&reg] {
        QString s;
        for (QToolButton *b : { reg.SpeedButton8, reg.SpeedButton9, reg.SpeedButton10, reg.SpeedButton11 })
            s += b->isEnabled() ? '1' : '0';
        return s;
    };
    struct Step {
        QToolButton *button;
        int number;
        QString states;
    };
    const QVector<Step> steps = {
        { reg.SpeedButton8, 1, "0011" },
        { reg.SpeedButton10, 2, "1111" },
        { reg.SpeedButton10, TemplateNumber, "1111" },
        { reg.SpeedButton10, TemplateNumber, "1100" },
        { reg.SpeedButton9, 2, "1111" },
        { reg.SpeedButton11, TemplateNumber, "1100" },
    };
    for (const Step &step : steps) {
        step.button->click();
        EXPECT_EQ(reg.currentNumber(), step.number) << step.button->objectName().toStdString();
        EXPECT_EQ(states(), step.states) << step.button->objectName().toStdString();
    }
}

TEST_F(DocumentRegisterTest, OpenDocumentOpensAnExistingDocumentWithoutShowingTheRegister)
{
    addDocuments({ { TemplateNumber, "Vorlage" }, { 3, "A" } });
    bool registerVisible = true;
    log.whileOpen = [&registerVisible](DocumentRegister &r) {
        registerVisible = r.isVisible();
        EXPECT_EQ(frmRegieDemo, &r);
    };
    DocumentRegister::OpenDocument(demoKind(), 3);
    EXPECT_EQ(log.openedOn, QList<int>({ 3 }));
    EXPECT_FALSE(registerVisible);
    EXPECT_EQ(frmRegieDemo, nullptr);

    DocumentRegister::OpenDocument(demoKind(), 5);
    EXPECT_EQ(log.openedOn, QList<int>({ 3 })) << "a number that does not exist opens nothing";
    EXPECT_EQ(documentNumbers(), QList<int>({ 3, TemplateNumber })) << "and the close steps did not run";
}

TEST_F(DocumentRegisterTest, DruckenOpensThePrintWindowOnTheDocument)
{
    addDocuments({ { TemplateNumber, "Vorlage" }, { 3, "A" } });
    DocumentRegister reg(demoKind());
    reg.head().findKey({ 3 });
    reg.SpeedButton7->click();
    reg.print();
    EXPECT_EQ(log.printCaptions, QStringList({ "Druck Demo - Belegnummer: 3", "Druck Demo - Belegnummer: 3" }));

    // Gone in the meantime: the print window does not find it and is not shown.
    auto second = dir->openSecondSession();
    {
        Table other(Alias::Data, "DEMOKOPF.DB");
        other.setSession(second.get());
        other.open();
        ASSERT_TRUE(other.findKey({ 3 }));
        other.deleteRecord();
    }
    second->closeAll();
    EXPECT_EQ(reg.currentNumber(), 3);
    reg.print();
    EXPECT_EQ(log.printCaptions.size(), 2);
}

TEST_F(DocumentRegisterTest, FailedSavesShowTheMessageAndKeepTheInput)
{
    addDocuments({ { TemplateNumber, "Vorlage" }, { 3, "A" }, { 4, "B" } });
    DocumentRegister reg(demoKind());
    reg.head().findKey({ 4 });
    reg.head().edit();
    reg.head().field(0).setAsInteger(3);
    EXPECT_THROW(reg.head().post(), AbortException);
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls().at(0).kind, DialogKind::Error);
    EXPECT_TRUE(dialogs.calls().at(0).text.endsWith("\rDaten konnten nicht gespeichert werden!"));
    EXPECT_GT(dialogs.calls().at(0).text.size(), QString("\rDaten konnten nicht gespeichert werden!").size());
    EXPECT_TRUE(reg.head().isEditing());
    EXPECT_EQ(reg.head().field(0).asInteger(), 3);
}

TEST_F(DocumentRegisterTest, ParameterEditsTheKindsProposalAndSwitch)
{
    setProposal(7);
    DocumentRegister reg(demoKind());
    for (const bool ok : { false, true }) {
        testsupport::onNextModal([ok](QDialog *dialog) {
            auto *form = qobject_cast<TfrmParameter *>(dialog);
            ASSERT_NE(form, nullptr);
            form->DBEdit1->selectAll();
            QTest::keyClicks(form->DBEdit1, "70");
            form->DBCheckBox1->click();
            (ok ? form->BtnOK : form->BtnAbbrechen)->click();
        });
        reg.Parameter1->trigger();
        EXPECT_EQ(storedParameter("VorschlagNr_3").toInt(), ok ? 70 : 7);
        EXPECT_EQ(storedParameter("Plausi_3").toBool(), ok);
        EXPECT_FALSE(reg.parameter().isEditing());
    }
}

TEST_F(DocumentRegisterTest, AFailedSaveOnClosingIsShownAndTheWindowStillCloses)
{
    addDocuments({ { TemplateNumber, "Vorlage" }, { 3, "A" }, { 4, "B" } });
    DocumentRegister reg(demoKind());
    reg.show();
    reg.head().findKey({ 4 });
    reg.head().edit();
    reg.head().field(0).setAsInteger(3);
    reg.SpeedButton1->click();
    EXPECT_FALSE(reg.isVisible());
    ASSERT_EQ(dialogs.calls(DialogKind::Error).size(), 1);
    EXPECT_TRUE(dialogs.calls(DialogKind::Error).at(0).text.endsWith("Daten konnten nicht gespeichert werden!"));
    EXPECT_EQ(documentNumbers(), QList<int>({ 3, 4, TemplateNumber }));
}

// A kind whose own creation and copy fail.
class FailingRegister : public DocumentRegister
{
public:
    using DocumentRegister::DocumentRegister;

protected:
    bool createDocument(int) override { return false; }
    bool copyDocument(int, int) override { return false; }
};

TEST_F(DocumentRegisterTest, NoEntryWindowWhenTheDocumentWasNotWritten)
{
    addDocuments({ { TemplateNumber, "Vorlage" }, { 3, "A" } });
    FailingRegister reg(demoKind());
    reg.head().findKey({ 3 });
    dialogs.answerText("5");
    reg.SpeedButton2->click();
    testsupport::onNextModal([](QDialog *dialog) { qobject_cast<TCopyDlg *>(dialog)->OKBtn->click(); });
    reg.SpeedButton5->click();
    EXPECT_TRUE(log.openedOn.isEmpty());
}

TEST_F(DocumentRegisterTest, CopyOfASingleRecordLeavesThePositions)
{
    addDocuments({ { TemplateNumber, "Vorlage" }, { 3, "Quelle" } }, 2);
    DocumentKind kind = demoKind();
    kind.copy = CopyStyle::Record;
    DocumentRegister reg(kind);
    reg.head().findKey({ 3 });
    testsupport::onNextModal([](QDialog *dialog) { qobject_cast<TCopyDlg *>(dialog)->OKBtn->click(); });
    reg.SpeedButton5->click();
    EXPECT_EQ(documentNumbers(), QList<int>({ 1, 3, TemplateNumber }));
    EXPECT_EQ(log.openedOn, QList<int>({ 1 }));
    EXPECT_FALSE(positionKeys().contains(qMakePair(1, 1)));
}

TEST_F(DocumentRegisterTest, RefreshingKindsSeeTheProposalAnotherUserStored)
{
    struct Case {
        const char *what;
        bool neuRefreshes;
        bool kopierenRefreshes;
        QString neuOffers;
        QString kopierenOffers;
    };
    const QVector<Case> cases = {
        { "re-reading", true, true, "20", "20" },
        { "as last read", false, false, "7", "8" }, // Kopieren starts from what Neu stored
    };
    for (const Case &c : cases) {
        setProposal(7);
        DocumentKind kind = demoKind();
        kind.neuRefreshesTables = c.neuRefreshes;
        kind.kopierenRefreshesTables = c.kopierenRefreshes;
        DocumentRegister reg(kind);
        const auto storeElsewhere = [this](int value) {
            auto second = dir->openSecondSession();
            Table t(Alias::Data, ParameterTableName);
            t.setSession(second.get());
            t.open();
            t.edit();
            t.fieldByName("VorschlagNr_3").setAsInteger(value);
            t.post();
            t.close();
            second->closeAll();
        };
        storeElsewhere(20);
        dialogs.clear();
        dialogs.answerCancel();
        reg.SpeedButton2->click();
        EXPECT_EQ(dialogs.calls().at(0).preset, c.neuOffers) << c.what;

        storeElsewhere(20);
        QString offered;
        testsupport::onNextModal([&offered](QDialog *dialog) {
            auto *copy = qobject_cast<TCopyDlg *>(dialog);
            offered = copy->Edit2->text();
            copy->CancelBtn->click();
        });
        reg.SpeedButton5->click();
        EXPECT_EQ(offered, c.kopierenOffers) << c.what;
    }
}

TEST_F(DocumentRegisterTest, HoverHighlightAndShadows)
{
    DocumentKind kind = demoKind();
    kind.hoverHighlight = true;
    DocumentRegister reg(kind);
    reg.show();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(reg.SpeedButton5, &enter);
    EXPECT_EQ(reg.SpeedButton5->palette().color(QPalette::ButtonText), QColor(Qt::blue));
    EXPECT_TRUE(reg.SpeedButton5->font().underline());
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&reg, &move);
    EXPECT_EQ(reg.SpeedButton5->palette().color(QPalette::ButtonText), QColor(Qt::black));
    EXPECT_FALSE(reg.SpeedButton5->font().underline());

    const QImage picture = reg.grab().toImage();
    const QRect button = reg.SpeedButton2->geometry();
    EXPECT_EQ(QColor(picture.pixel(button.right() + 2, button.bottom() + 2)), QColor(Qt::black))
        << "a shadow 3 pixels right and below";
    EXPECT_NE(QColor(picture.pixel(button.right() + 5, button.bottom() + 5)), QColor(Qt::black));
}

} // namespace
