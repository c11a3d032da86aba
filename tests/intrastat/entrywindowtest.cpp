#include "intrastatfixture.h"

#include "intrastat/tfrmintra.h"
#include "intrastat/tfrmintraanl.h"
#include "intrastat/tfrmregieintrastat.h"
#include "platform/dataedit.h"
#include "shell/plausibilitydialog.h"
#include "shell/twheeldbgrid.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>

using namespace intrastat;
using platform::DialogAnswer;

namespace {

// The captions of the ticked boxes of a plausibility window.
QStringList ticked(QDialog *dialog)
{
    QStringList captions;
    auto *plausibility = qobject_cast<shell::PlausibilityDialog *>(dialog);
    if (!plausibility)
        return { "<no plausibility window>" };
    for (int i = 0; i < plausibility->checkBoxCount(); ++i) {
        if (plausibility->checkBox(i)->isChecked())
            captions << plausibility->checkBox(i)->text();
    }
    return captions;
}

QVariantMap completeHead()
{
    return { { "int1_1", "DE123456789" }, { "int1_2", "1" }, { "int1_3", "09" }, { "int1_4", "Müller GmbH" },
        { "int2_1", "03" }, { "int2_2", "24" }, { "int20_1", "Bremen, 1.4.24" }, { "int20_3", "Meier" } };
}

QVariantMap completePosition()
{
    return { { "int6_2", "Drucker" }, { "int8_1", "FR" }, { "int8_2", "09" }, { "int10_1", "11" }, { "int11_1", "3" },
        { "int12_1", "DEHAM" }, { "int13_1", "84713000" }, { "int16_1", "120" }, { "int17_1", "4" },
        { "int18_1", "1500" }, { "int19_1", "1500" } };
}

} // namespace

class EntryWindowTest : public IntrastatTest
{
protected:
    // The head window of declaration 5 of the direction, with the switch on.
    std::unique_ptr<TfrmIntra> openHead(bool dispatch, const QVariantMap &head = completeHead())
    {
        const Direction direction { dispatch };
        setParameter(dispatch ? "Plausi_2_2" : "Plausi_2_1", true);
        addHead(direction.headTable(), 5, head);
        m_register = std::make_unique<TfrmRegieIntrastat>(dispatch);
        m_register->head().findKey({ 5 });
        auto window = std::make_unique<TfrmIntra>(*m_register);
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }

    void TearDown() override
    {
        m_register.reset();
        IntrastatTest::TearDown();
    }

    std::unique_ptr<TfrmRegieIntrastat> m_register;
};

TEST_F(EntryWindowTest, TheHeadCheckTicksTheGapAndMovesTheFocusThere)
{
    QVariantMap head = completeHead();
    head.remove("int20_1");
    auto window = openHead(false, head);
    QStringList boxes;
    closeNextModal([&boxes](QDialog *dialog) { boxes = ticked(dialog); });
    EXPECT_TRUE(window->plausibilityCheck()) << "\"Schließen\" lets the window close";
    EXPECT_EQ(boxes, QStringList({ "20 Ort, Datum" }));
    EXPECT_EQ(window->focusWidget(), window->control("DBEdit18"));

    closeNextModal({}, shell::PlausibilityDialog::Korrigieren);
    EXPECT_FALSE(window->plausibilityCheck()) << "\"Korrigieren\" keeps it open";
}

TEST_F(EntryWindowTest, ThePositionCheckAsksOnlyForRequiredBoxes)
{
    struct Case {
        const char *name;
        QString emptied; // field left empty
        QStringList ticked; // empty: no window
        const char *focus;
    };
    const Case cases[] = {
        { "box 15 is not required", "int15_1", {}, nullptr },
        { "the region", "int8_2", { "8 Best.-Ursp.-Land", "15 Verfahren" }, "DBEdit9" },
        { "both description lines", "int6_2", { "6 Warenbez.", "15 Verfahren" }, "DBEdit1" },
    };
    auto window = openHead(true);
    for (const Case &c : cases) {
        platform::Table &positions = *m_register->positions();
        while (!positions.isEmpty()) {
            positions.first();
            positions.deleteRecord();
        }
        QVariantMap values = completePosition();
        values.remove(c.emptied);
        addPosition(Tables::DispatchPositions, 5, 1, values);
        positions.refresh();
        positions.first();
        TfrmIntraAnl position(*window);
        position.show();
        QApplication::setActiveWindow(&position);
        QStringList boxes = { "<no window>" };
        if (!c.ticked.isEmpty())
            closeNextModal(
                [&boxes](QDialog *dialog) { boxes = ticked(dialog); }, shell::PlausibilityDialog::Korrigieren);
        const bool closes = position.plausibilityCheck();
        if (c.ticked.isEmpty()) {
            EXPECT_TRUE(closes) << c.name;
            continue;
        }
        EXPECT_FALSE(closes) << c.name;
        EXPECT_EQ(boxes, c.ticked) << c.name;
        EXPECT_EQ(position.focusWidget(), position.control(c.focus)) << c.name;
    }
}

TEST_F(EntryWindowTest, NewPositionsTakeTheTemplatesFirstPositionDeletionRenumbers)
{
    auto window = openHead(false);
    setParameter("Plausi_2_1", false);
    m_register->parameter().refresh();
    // The template's first position, captured when the window opens.
    platform::Table model(platform::Alias::Data, Tables::ArrivalPositions);
    model.open();
    ASSERT_TRUE(model.findKey({ 2000000000, 1 }));
    model.edit();
    model.fieldByName("int10_1").setAsString("11");
    model.fieldByName("int15_1").setAsString("10000");
    model.post();
    window.reset();
    m_register->head().findKey({ 5 });
    closeNextModal([this](QDialog *dialog) {
        auto *head = qobject_cast<TfrmIntra *>(dialog);
        ASSERT_NE(head, nullptr);
        for (int i = 0; i < 3; ++i) {
            closeNextModal();
            head->addPosition();
        }
        EXPECT_EQ(positionColumn(Tables::ArrivalPositions, 5, "Pos"), QStringList({ "1", "2", "3" }));
        EXPECT_EQ(positionColumn(Tables::ArrivalPositions, 5, "int15_1"), QStringList({ "10000", "10000", "10000" }));
        platform::Table &positions = *m_register->positions();
        positions.first();
        positions.next();
        positions.edit();
        positions.fieldByName("int13_1").setAsString("zweite");
        positions.post();
        positions.last();
        positions.edit();
        positions.fieldByName("int13_1").setAsString("dritte");
        positions.post();
        positions.first();
        positions.next();
        dialogs.answer(DialogAnswer::Ok);
        head->SpeedButton25->click();
        EXPECT_EQ(positionColumn(Tables::ArrivalPositions, 5, "Pos"), QStringList({ "1", "2" }));
        EXPECT_EQ(positionColumn(Tables::ArrivalPositions, 5, "int13_1"), QStringList({ "", "dritte" }));
        head->reject();
    });
    m_register->SpeedButton3->click();
    EXPECT_EQ(stored(Tables::ArrivalHeads, { 5 }, "Positionen"), "2") << "counted when the window closes";

    // The template itself gets an empty position.
    m_register->head().findKey({ 2000000000 });
    closeNextModal([](QDialog *dialog) {
        auto *head = qobject_cast<TfrmIntra *>(dialog);
        closeNextModal();
        head->addPosition();
        head->reject();
    });
    m_register->SpeedButton3->click();
    EXPECT_EQ(positionColumn(Tables::ArrivalPositions, 2000000000, "int15_1"), QStringList({ "10000", "" }));
}

TEST_F(EntryWindowTest, TheDirectionDecidesLabelsBoxTextsAndBox14)
{
    for (const bool dispatch : { false, true }) {
        TearDown();
        SetUp();
        auto window = openHead(dispatch);
        EXPECT_EQ(window->PanelVersendung->isVisible(), dispatch);
        EXPECT_EQ(window->PanelEingang->isVisible(), !dispatch);
        addPosition(Direction { dispatch }.positionTable(), 5, 1, completePosition());
        m_register->positions()->refresh();
        m_register->positions()->first();
        TfrmIntraAnl position(*window);
        position.show();
        QApplication::setActiveWindow(&position);
        EXPECT_EQ(position.control("DBEdit14")->isVisible(), !dispatch);
        EXPECT_EQ(position.label("Label8")->text(), dispatch ? "8 Best.-Land/Urspr.-Reg." : "8 Vers.-Land/Best.-Reg.");
        position.focusControl("DBEdit8");
        EXPECT_EQ(position.statusText(0),
            QString(dispatch ? "8 Bestimmungsland" : "8 Versendungsland")
                + " - (hier besteht eine Übernahmemöglichkeit)");
        position.focusControl("DBEdit12");
        EXPECT_EQ(position.statusText(0),
            QString(dispatch ? "12 Einladehafen" : "12 Entladehafen") + " - (hier besteht eine Übernahmhemöglichkeit)");
        EXPECT_FALSE(position.control("DBEdit15")->isVisible());
    }
}

TEST_F(EntryWindowTest, ThePageHoldsThePositionGridAndTheDirectionPanel)
{
    auto window = openHead(true);
    window->show();
    const QWidget *surface = window->DBGrid1->parentWidget();
    EXPECT_GE(surface->width(), window->DBGrid1->geometry().right());
    EXPECT_GE(surface->width(), window->PanelVersendung->geometry().right());
    EXPECT_GE(surface->height(), window->DBGrid1->geometry().bottom());
}
