#include "intrastatfixture.h"

#include "intrastat/intrastatwindows.h"
#include "intrastat/tfrmintra.h"
#include "intrastat/tfrmregieintrastat.h"
#include "platform/dataedit.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"
#include "shell/tfrmsuche.h"
#include "shell/windowfactories.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace intrastat;
using platform::DialogAnswer;

TEST_F(IntrastatTest, OpeningPreparesBothDirectionsClosingStartsOnlyTheChosenOne)
{
    {
        TfrmRegieIntrastat arrivals(false);
        EXPECT_EQ(arrivals.windowTitle(), "Regiezentrum: Intrastat - Eingang");
        for (const QString &head : { Tables::ArrivalHeads, Tables::DispatchHeads })
            EXPECT_NE(stored(head, { 2000000000 }, "belegnr"), "<none>") << head.toStdString();
        for (const QString &positions : { Tables::ArrivalPositions, Tables::DispatchPositions })
            EXPECT_NE(stored(positions, { 2000000000, 1 }, "Pos"), "<none>") << positions.toStdString();
        arrivals.show();
        arrivals.reject();
    }
    EXPECT_EQ(stored(Tables::ArrivalHeads, { 1 }, "belegnr"), "1");
    EXPECT_EQ(stored(Tables::ArrivalPositions, { 1, 1 }, "Pos"), "1");
    EXPECT_EQ(stored(Tables::DispatchHeads, { 1 }, "belegnr"), "<none>");
}

TEST_F(IntrastatTest, PositionCountsOfBothDirectionsAreRecountedOnOpening)
{
    addHead(Tables::DispatchHeads, 4, { { "Positionen", 0 } });
    addHead(Tables::ArrivalHeads, 4, { { "Positionen", 7 } });
    for (int pos = 1; pos <= 3; ++pos)
        addPosition(Tables::DispatchPositions, 4, pos);
    addPosition(Tables::ArrivalPositions, 4, 1);
    TfrmRegieIntrastat arrivals(false);
    EXPECT_EQ(stored(Tables::DispatchHeads, { 4 }, "Positionen"), "3");
    EXPECT_EQ(stored(Tables::ArrivalHeads, { 4 }, "Positionen"), "1");
}

TEST_F(IntrastatTest, TheMonthIsFoundExactlyAsStored)
{
    addHead(Tables::DispatchHeads, 1, { { "int2_1", "03" } });
    addHead(Tables::DispatchHeads, 2, { { "int2_1", "04" } });
    TfrmRegieIntrastat dispatches(true);
    struct Case {
        int key;
        QString text;
        QList<int> found;
    };
    const Case cases[] = { { 1, "3", {} }, { 1, "03", { 1 } }, { 0, "2", { 2 } } };
    for (const Case &c : cases) {
        QList<int> found;
        testsupport::onNextModal([&](QDialog *dialog) {
            auto *search = qobject_cast<shell::TfrmSuche *>(dialog);
            ASSERT_NE(search, nullptr);
            EXPECT_EQ(search->RadioGroup1->items(), QStringList({ "BelegNr.", "Monat" }));
            search->RadioGroup1->setItemIndex(c.key);
            search->Edit1->setText(c.text);
            search->SpeedButton3->click();
            platform::Table &head = dispatches.head();
            for (head.first(); !head.eof(); head.next())
                found << head.field(0).asInteger();
            search->BtnAbbruch->click();
        });
        dispatches.SpeedButton6->click();
        EXPECT_EQ(found, c.found) << c.text.toStdString();
    }
}

TEST_F(IntrastatTest, NeuAboveTheTemplateCreatesNothingAndOpensTheCurrentDeclaration)
{
    addHead(Tables::ArrivalHeads, 3);
    TfrmRegieIntrastat arrivals(false);
    arrivals.head().findKey({ 3 });
    dialogs.answerText("2000000001");
    QString opened;
    closeNextModal([&opened](QDialog *dialog) { opened = qobject_cast<shell::EntryWindow *>(dialog)->statusText(1); });
    arrivals.SpeedButton2->click();
    EXPECT_EQ(opened, "BelegNr. : 3");
    EXPECT_EQ(stored(Tables::ArrivalHeads, { 2000000001 }, "belegnr"), "<none>");

    // A free number below the template: a head without positions.
    dialogs.answerText("8");
    closeNextModal();
    arrivals.SpeedButton2->click();
    EXPECT_EQ(stored(Tables::ArrivalHeads, { 8 }, "belegnr"), "8");
    EXPECT_TRUE(positionColumn(Tables::ArrivalPositions, 8, "Pos").isEmpty());
    EXPECT_EQ(shell::CurrentDocumentNumber, 1) << "the register never writes the current number";
}

TEST_F(IntrastatTest, TheMainWindowsEntryAsksForTheDirectionFirst)
{
    registerIntrastatWindows();
    const shell::WindowFactory factory = shell::windowFactory("Intrastat");
    ASSERT_TRUE(factory);
    struct Case {
        bool cancel;
        bool eingang;
        const char *caption; // nullptr: no register
    };
    const Case cases[] = { { true, false, nullptr }, { false, false, "Regiezentrum: Intrastat - Versendung" },
        { false, true, "Regiezentrum: Intrastat - Eingang" } };
    for (const Case &c : cases) {
        testsupport::onNextModal([&c](QDialog *dialog) {
            auto *chooser = qobject_cast<TfrmIntrasta_EV *>(dialog);
            ASSERT_NE(chooser, nullptr);
            EXPECT_EQ(chooser->windowTitle(), "Auswahl für Intrastat");
            EXPECT_TRUE(chooser->RadioButton2->isChecked()) << "Versendung at start";
            if (c.eingang)
                chooser->RadioButton1->setChecked(true);
            (c.cancel ? chooser->BtnAbbruch : chooser->BtnOK)->click();
        });
        std::unique_ptr<QDialog> window(factory(nullptr));
        if (!c.caption) {
            EXPECT_EQ(window, nullptr);
            continue;
        }
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), c.caption);
        EXPECT_NE(window->findChild<QToolButton *>("BitBtn1"), nullptr) << "\"&Diskette\"";
    }
}
