#include "shell/entrywindow.h"

#include "platform/datacheckbox.h"
#include "platform/dataedit.h"
#include "platform/field.h"
#include "platform/schemaregistry.h"
#include "platform/scripteddialogservice.h"
#include "platform/table.h"
#include "shell/documentregister.h"
#include "shell/documentroutines.h"
#include "shell/drawingroutines.h"
#include "shell/mainstate.h"
#include "shell/parameterrecord.h"
#include "shell/printwindow.h"
#include "shell/settings.h"
#include "support/modaldialog.h"
#include "support/recordingprinters.h"
#include "support/testprogramdirectory.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace platform;
using namespace shell;

namespace {

void registerEntryTables()
{
    auto &registry = SchemaRegistry::instance();
    if (registry.contains("ERFASSUNG"))
        return;
    TableSchema head("ERFASSUNG.DB", Alias::Data);
    head.integer("BelegNr").date("Datum").strings("we1_", 1, 3, 34).string("we3_1", 34);
    head.strings("we6_", 1, 2, 34).string("we12_1", 30).string("we12_2", 30).string("we15_1", 30);
    head.string("Gefahr", 1).primaryKey({ "BelegNr" });
    registry.add(head);
}

// What the demonstration picks were asked and answer.
struct PickLog {
    int runs = 0;
    bool choose = true;
    DataSetState stateWhileOpen = DataSetState::Inactive;
};
PickLog *pickLog = nullptr;

std::optional<PickValues> pickCustomer(EntryWindow &window, const QString &box)
{
    ++pickLog->runs;
    pickLog->stateWhileOpen = window.head().state();
    if (!pickLog->choose)
        return std::nullopt;
    return PickValues { { box + "1", "Kunde GmbH" }, { box + "2", "Hafenstraße 5" } };
}

// A small form in the shape of the EUR.1: boxes 1, 3, 6 and 12 on the front,
// a line on the back, pick lists for boxes 1 and 3 and three required boxes.
EntryWindowDefinition demoEntryDefinition(PickProtocol protocol = PickProtocol::EditPickPost)
{
    EntryWindowDefinition definition;
    definition.objectName = "frmDemo";
    definition.caption = "DEMO 1";
    definition.size = QSize(600, 400);
    definition.pages = { { "Vorderseite", 1338 }, { "Rückseite", 0 } };
    QFont title("Arial");
    title.setPointSize(10);
    title.setBold(true);
    definition.labels = {
        EntryLabel::at("DEMO 1", 0, 450, 5).named("lblTitel").withFont(title, Qt::black),
        EntryLabel::at("1 Ausführer / Exporteur", 0, 10, 10).named("Label1"),
        EntryLabel::at("Gefahrgut", 0, 400, 1100, 80, 20).named("Label9").toggling("DBCheckBox1"),
    };
    const QString hint1 = "1 Ausführer / Exporteur";
    definition.controls = {
        EntryControl::edit("DBEdit1", "we1_1").at(0, 10, 30, 300, 21).hint(hint1).pick(0).enterScrollsTo(0),
        EntryControl::edit("DBEdit2", "we1_2").at(0, 10, 55, 300, 21).hint(hint1).pick(0).enterScrollsTo(0),
        EntryControl::edit("DBEdit3", "we1_3").at(0, 10, 80, 300, 21).hint(hint1).pick(0).enterScrollsTo(0),
        EntryControl::edit("DBEdit6", "we3_1").at(0, 10, 150, 300, 21).hint("3 Empfänger").pick(1),
        EntryControl::edit("DBEdit14", "we6_1")
            .at(0, 10, 300, 300, 21)
            .hint("6 Angaben zur Beförderung")
            .scrollOnExit(),
        EntryControl::edit("DBEdit15", "we6_2")
            .at(0, 10, 1000, 300, 21)
            .hint("6 Angaben zur Beförderung")
            .scrollOnExit(),
        EntryControl::checkBox("DBCheckBox1", "Gefahr", "")
            .at(0, 380, 1100, 20, 20)
            .hint("Gefahrgut")
            .checkValues("j", "n")
            .focusColors(QColor(0, 0, 128), Qt::white),
        EntryControl::edit("DBEdit104", "we12_1").at(0, 10, 1200, 300, 21).hint("12. Ort und Datum"),
        EntryControl::edit("DBEdit105", "we12_2").at(0, 10, 1240, 300, 21).hint("12. Unterschrift").exitShowsPage(1),
        EntryControl::edit("DBEdit116", "we15_1").at(1, 10, 30, 300, 21).hint("Ort und Datum"),
    };
    definition.picks = {
        { "SpeedButton1", 0, QRect(320, 30, 21, 21), [](EntryWindow &w) { return pickCustomer(w, "we1_"); }, "DBEdit6",
            {} },
        { "SpeedButton2", 0, QRect(320, 150, 21, 21), [](EntryWindow &w) { return pickCustomer(w, "we3_"); },
            "DBEdit14", {} },
    };
    definition.pickProtocol = protocol;
    PlausibilityDefinition plausibility;
    plausibility.boxes
        = { { "DBEdit1", "Ausführer / Exporteur" }, { "DBEdit6", "Empfänger" }, { "DBEdit105", "Unterschrift" } };
    plausibility.rows = { 2, 1 };
    definition.plausibility = plausibility;
    return definition;
}

PrintWindowDefinition demoPrintDefinition()
{
    PrintWindowDefinition definition;
    definition.objectName = "frmDemo_d";
    definition.headTable = "ERFASSUNG.DB";
    PrintSheet sheet;
    sheet.row = "DEMO";
    sheet.print = [](SheetJob &job) { job.painter.draw({ fieldAt("we1_1", 280, 410) }, job.window.head()); };
    definition.sheets = { sheet };
    return definition;
}

DocumentKind demoKind()
{
    DocumentKind kind;
    kind.code = "3";
    kind.registerClass = "TfrmRegieDemo";
    kind.caption = "Regiezentrum: Demo";
    kind.headTable = "ERFASSUNG.DB";
    kind.headComponent = "tbDemo";
    kind.parameter = parameterFieldsFor("3");
    kind.printCaptionPrefix = "Druck Demo - Belegnummer: ";
    kind.createEntryWindow
        = [](DocumentRegister &r, QWidget *parent) { return new EntryWindow(r, demoEntryDefinition(), parent); };
    kind.createPrintWindow
        = [](DocumentRegister &, QWidget *parent) { return new PrintWindow(demoPrintDefinition(), parent); };
    return kind;
}

class EntryWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerEntryTables();
        resetMainState();
        dir = std::make_unique<testsupport::TestProgramDirectory>();
        pickLog = &picks;
        Table head(Alias::Data, "ERFASSUNG.DB");
        head.open();
        for (int number : { 5, 6, TemplateNumber }) {
            head.append();
            head.field(0).setAsInteger(number);
            head.fieldByName("we1_1").setAsString(number == 5 ? "Exporteur AG" : "");
            head.post();
        }
        documentRegister = std::make_unique<DocumentRegister>(kind);
    }
    void TearDown() override
    {
        documentRegister.reset();
        pickLog = nullptr;
    }

    // A fresh program directory for the next case of a table.
    void restart()
    {
        TearDown();
        dir.reset();
        SetUp();
    }

    void setParameter(const QString &field, const QVariant &value)
    {
        Table &parameter = documentRegister->parameter();
        EditIfBrowsing(parameter);
        parameter.fieldByName(field).setValue(value);
        parameter.post();
    }

    QString storedParameter(const QString &field)
    {
        Table parameter(Alias::Data, ParameterTableName);
        parameter.open();
        return parameter.fieldByName(field).asString();
    }

    // The entry window on a document of the register, shown and active.
    std::unique_ptr<EntryWindow> openOn(int number, EntryWindowDefinition definition = demoEntryDefinition())
    {
        EXPECT_TRUE(documentRegister->head().findKey({ number }));
        auto window = std::make_unique<EntryWindow>(*documentRegister, std::move(definition));
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }

    // Replaces the text of an edit by typing, as the user does.
    static void typeInto(EntryWindow &window, const QString &name, const QString &text)
    {
        auto *edit = static_cast<QLineEdit *>(window.control(name));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    static QColor colorOf(EntryWindow &window, const QString &name)
    {
        return window.control(name)->palette().color(QPalette::Base);
    }

    DocumentKind kind = demoKind();
    std::unique_ptr<testsupport::TestProgramDirectory> dir;
    std::unique_ptr<DocumentRegister> documentRegister;
    ScriptedDialogService dialogs;
    DialogServiceGuard guard { dialogs };
    PickLog picks;
};

TEST_F(EntryWindowTest, F6InTheTemplateFixesAFieldAndFreesItAgain)
{
    setParameter("Memo_3", "DBEdit99\r\nDBEdit104");
    auto window = openOn(TemplateNumber);
    QWidget *edit = window->control("DBEdit14");
    edit->setFocus();
    EXPECT_EQ(colorOf(*window, "DBEdit104"), ActiveBorderColor) << "fixed before";
    EXPECT_TRUE(window->control("DBEdit104")->isEnabled()) << "the template may change it";

    struct Step {
        QColor color;
        QString memo;
    };
    const QVector<Step> steps = {
        { ActiveBorderColor, "DBEdit99\r\nDBEdit104\r\nDBEdit14" },
        { WindowColor, "DBEdit99\r\nDBEdit104" },
        { ActiveBorderColor, "DBEdit99\r\nDBEdit104\r\nDBEdit14" },
    };
    for (const Step &step : steps) {
        QTest::keyClick(edit, Qt::Key_F6);
        EXPECT_EQ(colorOf(*window, "DBEdit14"), step.color);
        EXPECT_EQ(storedParameter("Memo_3"), step.memo) << "posted at once";
        EXPECT_FALSE(documentRegister->parameter().isEditing());
    }
    QTest::keyClick(edit, Qt::Key_F7);
    EXPECT_EQ(storedParameter("Memo_3"), "DBEdit99\r\nDBEdit104\r\nDBEdit14") << "other keys do nothing";
    window->close();

    // A document opened afterwards shows the field fixed and locked; F6 there
    // changes nothing.
    window = openOn(5);
    for (const QString name : { "DBEdit14", "DBEdit104" }) {
        EXPECT_EQ(colorOf(*window, name), ActiveBorderColor) << name.toStdString();
        EXPECT_FALSE(window->control(name)->isEnabled()) << name.toStdString();
    }
    EXPECT_TRUE(window->control("DBEdit1")->isEnabled());
    QTest::keyClick(window->control("DBEdit1"), Qt::Key_F6);
    EXPECT_EQ(colorOf(*window, "DBEdit1"), WindowColor);
    EXPECT_EQ(storedParameter("Memo_3"), "DBEdit99\r\nDBEdit104\r\nDBEdit14");
    window->close();
}

TEST_F(EntryWindowTest, ThePlausibilityCheckListsTheGapsWhenItsSwitchIsOn)
{
    struct Case {
        const char *name;
        bool switchOn;
        QString signature; // we12_2
        QString consignee; // we3_1
        bool answerKorrigieren;
        QVector<bool> ticked; // empty: no window
        bool closes;
        QString focused;
    };
    const QVector<Case> cases = {
        { "switch off", false, "", "", false, {}, true, "" },
        { "everything there", true, "Meier", "Kunde", false, {}, true, "" },
        { "blanks count", true, " ", "Kunde", false, {}, true, "" },
        { "one gap, Korrigieren", true, "", "Kunde", true, { false, false, true }, false, "DBEdit105" },
        { "one gap, Schließen", true, "", "Kunde", false, { false, false, true }, true, "DBEdit105" },
        { "two gaps", true, "", "", true, { false, true, true }, false, "DBEdit6" },
    };
    for (const Case &c : cases) {
        restart();
        setParameter("Plausi_3", c.switchOn);
        auto window = openOn(5);
        window->control("DBEdit1")->setFocus();
        typeInto(*window, "DBEdit105", c.signature);
        typeInto(*window, "DBEdit6", c.consignee);
        QVector<bool> ticked;
        QString caption;
        if (!c.ticked.isEmpty()) {
            testsupport::onNextModal([&](QDialog *dialog) {
                auto *plausi = qobject_cast<PlausibilityDialog *>(dialog);
                ASSERT_NE(plausi, nullptr);
                caption = plausi->windowTitle() + " / " + plausi->GroupBox1->title();
                for (int i = 0; i < plausi->checkBoxCount(); ++i)
                    ticked.append(plausi->checkBox(i)->isChecked());
                (c.answerKorrigieren ? plausi->BtnKorrigieren : plausi->BtnSchliessen)->click();
            });
        }
        window->close();
        EXPECT_EQ(ticked, c.ticked) << c.name;
        if (!c.ticked.isEmpty()) {
            EXPECT_EQ(caption, "Genehmigungsprüfung / Nicht ausgefüllte Felder sind markiert!") << c.name;
        }
        EXPECT_EQ(window->isVisible(), !c.closes) << c.name;
        if (!c.focused.isEmpty()) {
            EXPECT_EQ(window->focusWidget(), window->control(c.focused)) << c.name;
        }
        window.reset();
    }
}

TEST_F(EntryWindowTest, BoxDescriptionsPicksAndKeys)
{
    auto window = openOn(6);
    window->setNumberText("BelegNr. : 6");
    EXPECT_EQ(window->statusText(1), "BelegNr. : 6");
    window->control("DBEdit1")->setFocus();
    EXPECT_EQ(window->statusText(0), "1 Ausführer / Exporteur - (hier besteht eine Übernahmemöglichkeit)");
    window->control("DBEdit14")->setFocus();
    EXPECT_EQ(window->statusText(0), "6 Angaben zur Beförderung");

    // Enter moves on as Tab does.
    QTest::keyClick(window->control("DBEdit14"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), window->control("DBEdit15"));

    // F9 in box 1 runs its pick: fields written, focus in box 3, posted.
    window->control("DBEdit2")->setFocus();
    QTest::keyClick(window->control("DBEdit2"), Qt::Key_F9);
    EXPECT_EQ(picks.runs, 1);
    EXPECT_EQ(picks.stateWhileOpen, DataSetState::Edit) << "the document is edited before the pick";
    EXPECT_EQ(documentRegister->head().state(), DataSetState::Browse);
    EXPECT_EQ(static_cast<QLineEdit *>(window->control("DBEdit2"))->text(), "Hafenstraße 5");
    EXPECT_EQ(QApplication::focusWidget(), window->control("DBEdit6"));
    Table stored(Alias::Data, "ERFASSUNG.DB");
    stored.open();
    stored.findKey({ 6 });
    EXPECT_EQ(stored.fieldByName("we1_1").asString(), "Kunde GmbH");

    // F9 where the box has no pick does nothing.
    QTest::keyClick(window->control("DBEdit14"), Qt::Key_F9);
    EXPECT_EQ(picks.runs, 1);

    // A cancelled pick still posts what was typed.
    picks.choose = false;
    typeInto(*window, "DBEdit6", "von Hand");
    ASSERT_TRUE(documentRegister->head().isEditing());
    window->pickButton(1)->click();
    EXPECT_EQ(picks.runs, 2);
    EXPECT_EQ(documentRegister->head().state(), DataSetState::Browse);
    EXPECT_EQ(QApplication::focusWidget(), window->control("DBEdit6")) << "the focus stays";
    window->close();

    // Picks of the courier kinds edit only when something was chosen.
    picks = PickLog();
    picks.choose = false;
    window = openOn(6, demoEntryDefinition(PickProtocol::PickEditPost));
    window->pickButton(0)->click();
    EXPECT_EQ(picks.stateWhileOpen, DataSetState::Browse);
    EXPECT_EQ(documentRegister->head().state(), DataSetState::Browse);
    picks.choose = true;
    window->pickButton(0)->click();
    EXPECT_EQ(documentRegister->head().state(), DataSetState::Browse);
    EXPECT_EQ(static_cast<QLineEdit *>(window->control("DBEdit1"))->text(), "Kunde GmbH");
    window->close();

    // A pick may name where the focus goes after a cancel.
    for (const PickProtocol protocol : { PickProtocol::EditPickPost, PickProtocol::PickEditPost }) {
        picks.choose = false;
        EntryWindowDefinition definition = demoEntryDefinition(protocol);
        definition.picks[0].focusAfterCancel = "DBEdit14";
        window = openOn(6, definition);
        window->control("DBEdit2")->setFocus();
        QTest::keyClick(window->control("DBEdit2"), Qt::Key_F9);
        EXPECT_EQ(QApplication::focusWidget(), window->control("DBEdit14")) << int(protocol);
        window->close();
    }
}

TEST_F(EntryWindowTest, LeavingBoxesAndTheWheelScrollTheirPage)
{
    auto window = openOn(5);
    QScrollArea *front = window->scrollBox(0);
    QScrollBar *bar = front->verticalScrollBar();
    EXPECT_EQ(window->pageControl()->currentIndex(), 0);
    EXPECT_EQ(bar->value(), 0);
    const int height = front->viewport()->height();

    // Upper part: no step.
    window->control("DBEdit14")->setFocus();
    window->control("DBEdit1")->setFocus();
    EXPECT_EQ(bar->value(), 0);

    // Lower part: three quarters of the height.
    bar->setValue(1000 - height + 30);
    const int before = bar->value();
    const int top = window->control("DBEdit15")->mapTo(front->viewport(), QPoint()).y();
    ASSERT_GT(top, height - height * 25 / 100);
    window->control("DBEdit15")->setFocus();
    window->control("DBEdit104")->setFocus();
    EXPECT_EQ(bar->value(), std::min(bar->maximum(), before + CalcScrollStep(top, height)));

    // Entering box 1 scrolls to the top.
    window->control("DBEdit2")->setFocus();
    EXPECT_EQ(bar->value(), 0);

    // The wheel over a control inside the scroll box: position minus delta.
    QWidget *edit = window->control("DBEdit6");
    QWheelEvent towardsUser(QPointF(5, 5), edit->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(edit, &towardsUser);
    EXPECT_EQ(bar->value(), 120);
    EXPECT_TRUE(towardsUser.isAccepted());

    // Over the status bar, outside the scroll boxes, the wheel is not taken,
    // unless the kind scrolls from anywhere.
    auto *statusBar = window->findChild<QStatusBar *>("StatusBar1");
    QWheelEvent overStatus(QPointF(5, 5), statusBar->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(statusBar, &overStatus);
    EXPECT_EQ(bar->value(), 120);

    // Leaving the last box of the front shows the back.
    window->control("DBEdit105")->setFocus();
    window->control("DBEdit104")->setFocus();
    EXPECT_EQ(window->pageControl()->currentIndex(), 1);
    window->close();

    EntryWindowDefinition courier = demoEntryDefinition();
    courier.pages = { { "", 1338 } };
    for (EntryControl &control : courier.controls)
        control.page = 0;
    courier.wheelScrollsFromAnywhere = true;
    window = openOn(5, courier);
    EXPECT_EQ(window->pageControl(), nullptr) << "one scroll box, no tabs";
    statusBar = window->findChild<QStatusBar *>("StatusBar1");
    QWheelEvent anywhere(QPointF(5, 5), statusBar->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(statusBar, &anywhere);
    EXPECT_EQ(window->scrollBox(0)->verticalScrollBar()->value(), 120);
    window->close();
}

TEST_F(EntryWindowTest, FontsColoursAndCheckBoxes)
{
    mainState().EingabeFelderFont = QFont("Courier New", 11);
    mainState().FormularAnzeigeFont = QFont("Times New Roman", 9);
    mainState().HinterGrundFarbe = QColor(200, 220, 240);
    auto window = openOn(5);
    EXPECT_EQ(window->control("DBEdit1")->font().family(), "Courier New");
    EXPECT_EQ(window->label("Label1")->font().family(), "Times New Roman");
    EXPECT_EQ(window->label("lblTitel")->font().family(), "Arial");
    EXPECT_TRUE(window->label("lblTitel")->font().bold());
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(200, 220, 240));
    EXPECT_EQ(colorOf(*window, "DBEdit1"), WindowColor);

    auto *check = qobject_cast<DataCheckBox *>(window->control("DBCheckBox1"));
    ASSERT_NE(check, nullptr);
    check->setFocus();
    EXPECT_EQ(check->palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_EQ(window->statusText(0), "Gefahrgut");
    QTest::mouseClick(window->label("Label9"), Qt::LeftButton);
    EXPECT_TRUE(check->isChecked()) << "the label toggles its check box";
    EXPECT_EQ(documentRegister->head().fieldByName("Gefahr").asString(), "j");
    window->control("DBEdit104")->setFocus();
    EXPECT_NE(check->palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_EQ(window->statusText(0), "12. Ort und Datum");
    window->control("DBEdit104")->clearFocus();
    window->close();
    EXPECT_EQ(documentRegister->head().state(), DataSetState::Browse) << "closing posts";
}

TEST_F(EntryWindowTest, ACaptionSizedByItsTextBeyondTheLastBoxIsNotCut)
{
    EntryWindowDefinition definition = demoEntryDefinition();
    definition.labels.append(EntryLabel::at("Unterschrift im Auftrag des Versenders", 0, 300, 60).named("lblWeit"));
    auto window = openOn(5, definition);
    QLabel *caption = window->label("lblWeit");
    ASSERT_NE(caption, nullptr);
    EXPECT_GT(caption->geometry().right(), 410) << "it reaches beyond the boxes";
    EXPECT_LT(caption->geometry().right(), window->scrollBox(0)->widget()->width());
    window->close();
}

TEST_F(EntryWindowTest, AFailedSaveKeepsTheWindowOpen)
{
    auto window = openOn(6);
    QTest::keyClicks(window->control("DBEdit6"), "Neu");
    ASSERT_TRUE(documentRegister->head().isEditing());
    {
        auto other = dir->openSecondSession();
        Table head(Alias::Data, "ERFASSUNG.DB");
        head.setSession(other.get());
        head.open();
        ASSERT_TRUE(head.findKey({ 6 }));
        head.deleteRecord();
        other->closeAll();
    }
    window->close();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(dialogs.calls(DialogKind::Error).size(), 1);
    EXPECT_TRUE(dialogs.calls(DialogKind::Error).at(0).text.endsWith("\rDaten konnten nicht gespeichert werden!"));
    EXPECT_TRUE(documentRegister->head().isEditing()) << "the input stays";
    documentRegister->head().cancel();
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(EntryWindowTest, PrintingFromTheWindowPostsChecksAndOpensThePrintWindow)
{
    testsupport::RecordingPrinters printers;
    setParameter("Plausi_3", true);
    auto window = openOn(5);
    typeInto(*window, "DBEdit6", "Kunde");
    typeInto(*window, "DBEdit105", "Meier");
    ASSERT_TRUE(documentRegister->head().isEditing());
    QString printCaption;
    testsupport::onNextModal([&](QDialog *dialog) {
        printCaption = dialog->windowTitle();
        dialog->reject();
    });
    window->mnuDrucken->trigger();
    EXPECT_EQ(printCaption, "Druck Demo - Belegnummer: 5");
    EXPECT_EQ(documentRegister->head().state(), DataSetState::Browse) << "posted before printing";

    // A gap and "Korrigieren": no print window.
    typeInto(*window, "DBEdit105", "");
    QStringList opened;
    testsupport::onNextModal([&](QDialog *dialog) {
        opened << dialog->objectName();
        qobject_cast<PlausibilityDialog *>(dialog)->BtnKorrigieren->click();
    });
    window->mnuDrucken->trigger();
    QTest::qWait(20);
    EXPECT_EQ(opened, QStringList({ "frmEur1_Plausi" }));
    EXPECT_EQ(window->focusWidget(), window->control("DBEdit105"));
    setParameter("Plausi_3", false);
    window->close();
}

TEST_F(EntryWindowTest, TheRegistersBearbeitenOpensTheWindowOnItsDocument)
{
    documentRegister->head().findKey({ 5 });
    QString numberText;
    QString first;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *window = qobject_cast<EntryWindow *>(dialog);
        ASSERT_NE(window, nullptr);
        numberText = window->statusText(1);
        first = static_cast<QLineEdit *>(window->control("DBEdit1"))->text();
        window->close();
    });
    documentRegister->editButton()->click();
    EXPECT_EQ(numberText, "BelegNr: 5");
    EXPECT_EQ(first, "Exporteur AG");
}

} // namespace
