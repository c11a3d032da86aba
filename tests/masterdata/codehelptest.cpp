#include "masterdata/codehelp.h"

#include "support/modaldialog.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace masterdata;

namespace {

void triggerMenu(QDialog &window, const QString &text)
{
    for (QAction *action : window.findChild<QMenuBar *>()->actions())
        if (action->text() == text)
            action->trigger();
}

} // namespace

TEST(CodeHelpTest, Box44ListsTheCodesOfTheGroupChosen)
{
    TfrmInfoF44 window;
    window.show();
    EXPECT_EQ(window.windowTitle(), "Information für Feld 44 (keine Übernahme)");
    QStringList nodes;
    for (int i = 0; i < window.TreeView1->topLevelItemCount(); ++i)
        nodes.append(window.TreeView1->topLevelItem(i)->text(0));
    EXPECT_EQ(nodes, QStringList({ "Allgemein ", "Einfuhr ", "Ausfuhr" }));
    EXPECT_EQ(window.selectedGroup(), -1) << "no group is chosen at first";
    EXPECT_TRUE(window.listedCodes().isEmpty());

    struct Case {
        int group;
        QStringList codes;
    };
    const QVector<Case> cases = {
        { 2, { "30100", "30200", "30300", "30400" } },
        { 1, { "10100", "10200", "10300", "10400", "10500" } },
        { 0, { "00100" } },
    };
    for (const Case &c : cases) {
        window.selectGroup(c.group);
        EXPECT_EQ(window.listedCodes(), c.codes);
        EXPECT_EQ(window.detailText(0), "") << "no row chosen: no details";
    }

    window.selectGroup(2);
    window.selectRow(2);
    EXPECT_EQ(window.detailText(0), "30300");
    EXPECT_EQ(window.detailText(1),
        "Artikel 298 der Verordnung (EWG) Nr. 2454/93 Besondere Verwendung: zur Ausfuhr vorgesehene Waren – Anwendung "
        "der landwirtschaftlichen Ausfuhrerstattungen ausgeschlossen");
    EXPECT_EQ(window.detailText(2), "Ausfuhr landwirtschaftlicher Erzeugnisse im Rahmen der besonderen Verwendung");
    window.selectRow(-1);
    EXPECT_EQ(window.detailText(1), "");

    triggerMenu(window, "Schließen");
    EXPECT_FALSE(window.isVisible());
}

TEST(CodeHelpTest, Box40ComposesTheTwoElementsForTakeOver)
{
    TfrmInfoF40 window;
    window.show();
    EXPECT_EQ(window.windowTitle(), "Information für Feld 40 (mit Übenahme)");
    EXPECT_EQ(window.selectedGroup(), 0) << "opens on the first element";
    EXPECT_EQ(window.listedCodes(), QStringList({ "X", "Y", "Z" }));

    window.btnVerwenden->click(); // no row chosen
    EXPECT_EQ(window.Edit1->text(), "");
    window.selectRow(1);
    window.btnVerwenden->click();
    window.selectGroup(1);
    const QStringList second = window.listedCodes();
    EXPECT_EQ(second.size(), 30);
    EXPECT_EQ(second.first(), "235");
    EXPECT_EQ(second.last(), "ZZZ");
    window.btnVerwenden->click(); // the new list has no row chosen
    EXPECT_EQ(window.Edit2->text(), "");
    window.selectRow(second.indexOf("380"));
    EXPECT_EQ(window.detailText(1), "Handelsrechnung");
    window.btnVerwenden->click();
    EXPECT_EQ(window.Edit1->text(), "Y");
    EXPECT_EQ(window.Edit2->text(), "380");

    // "Schließen" cancels even with both filled; "Code Übernehmen" confirms.
    window.hide();
    testsupport::onNextModal([](QDialog *dialog) { triggerMenu(*dialog, "Schließen"); });
    EXPECT_EQ(window.exec(), QDialog::Rejected);
    testsupport::onNextModal([](QDialog *dialog) {
        auto *help = dynamic_cast<TfrmInfoF40 *>(dialog);
        EXPECT_EQ(help->selectedGroup(), 0) << "each showing starts on the first element";
        help->btnUebernehmen->click();
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_EQ(window.Edit1->text() + "-" + window.Edit2->text(), "Y-380");
}
