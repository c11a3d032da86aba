#include "atlasfixture.h"

#include "atlas/tfrmexportauswahl.h"
#include "support/modaldialog.h"

#include <QDateEdit>
#include <QToolButton>
#include <QTreeWidget>

namespace {

QStringList listed(const atlas::TfrmExportAuswahl &dialog)
{
    QStringList rows;
    for (int i = 0; i < dialog.ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = dialog.ListView1->topLevelItem(i);
        rows.append(QStringList({ row->text(0), row->text(1), row->text(2), row->text(3) }).join(QLatin1Char('|')));
    }
    return rows;
}

void select(atlas::TfrmExportAuswahl &dialog, const QList<int> &rows)
{
    for (int row : rows)
        dialog.ListView1->topLevelItem(row)->setSelected(true);
}

} // namespace

class ExportAuswahlTest : public AtlasTest
{
protected:
    void addHeads()
    {
        const struct {
            int number;
            const char *date;
            const char *name;
        } heads[]
            = { { 3, "01.03.2024", "Müller GmbH" }, { 5, "13.02.2024", "Schmidt AG" }, { 9, "15.03.2024", "Meier" },
                  { 11, "12.02.2024", "Vorher" }, { 12, "16.03.2024", "Nachher" }, { 14, nullptr, "Ohne Datum" } };
        for (const auto &head : heads) {
            addHead(head.number,
                { { QStringLiteral("Datum"), head.date ? QVariant(QString::fromLatin1(head.date)) : QVariant() },
                    { QStringLiteral("EMP_Name"), QString::fromUtf8(head.name) },
                    { QStringLiteral("EMP_TIN"), QStringLiteral("TIN%1").arg(head.number) } });
        }
    }
};

TEST_F(ExportAuswahlTest, TheRangeStartsAMonthsDaysBackAndTheListFollowsTheDates)
{
    const struct {
        QDate today;
        QDate from;
    } ranges[] = { { QDate(2024, 3, 15), QDate(2024, 2, 13) }, { QDate(2024, 4, 15), QDate(2024, 3, 16) },
        { QDate(2024, 3, 31), QDate(2024, 2, 29) } };
    for (const auto &range : ranges) {
        platform::Clock::setFixed(QDateTime(range.today, QTime(9, 0)));
        atlas::TfrmExportAuswahl dialog;
        EXPECT_EQ(dialog.DateVon->date(), range.from);
        EXPECT_EQ(dialog.DateBis->date(), range.today);
    }
    platform::Clock::setFixed(QDateTime(QDate(2024, 3, 15), QTime(14, 30, 5)));

    addHeads();
    atlas::TfrmExportAuswahl dialog;
    EXPECT_EQ(dialog.windowTitle(), "frmExportAuswahl");
    EXPECT_EQ(dialog.ListView1->headerItem()->text(2), "Empfänger:");
    dialog.FillList();
    EXPECT_EQ(listed(dialog),
        QStringList({ "3|01.03.2024|Müller GmbH|TIN3", "5|13.02.2024|Schmidt AG|TIN5", "9|15.03.2024|Meier|TIN9" }));

    // Changing a date refills the list and drops the selection.
    select(dialog, { 0 });
    dialog.DateVon->setDate(QDate(2024, 2, 12));
    EXPECT_EQ(dialog.ListView1->topLevelItemCount(), 4);
    EXPECT_TRUE(dialog.ListView1->selectedItems().isEmpty());
    dialog.DateBis->setDate(QDate(2024, 2, 12));
    EXPECT_EQ(listed(dialog), QStringList({ "11|12.02.2024|Vorher|TIN11" }));
    dialog.DateBis->setDate(QDate(2024, 2, 1));
    EXPECT_TRUE(listed(dialog).isEmpty());

    // "Auswahl Übernehmen" reads the table anew.
    dialog.DateBis->setDate(QDate(2024, 3, 20));
    addHead(15, { { QStringLiteral("Datum"), QStringLiteral("20.03.2024") } });
    EXPECT_EQ(dialog.ListView1->topLevelItemCount(), 5);
    dialog.SpeedButton3->click();
    EXPECT_EQ(dialog.ListView1->topLevelItemCount(), 6);
}

TEST_F(ExportAuswahlTest, UebernehmenBuildsTheConditionOrCancels)
{
    addHeads();
    const struct {
        QList<int> rows;
        bool accepted;
        const char *where;
    } cases[] = { { { 0, 1, 2 }, true, "BelegNr in (3, 5, 9)" }, { { 1 }, true, "BelegNr = 5" }, { {}, false, "" } };
    for (const auto &c : cases) {
        atlas::TfrmExportAuswahl dialog;
        dialog.FillList();
        select(dialog, c.rows);
        dialog.SpeedButton2->click();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted) << c.where;
        EXPECT_EQ(dialog.WhereText(), QString::fromLatin1(c.where));
    }
    EXPECT_TRUE(dialogs.calls().isEmpty());
}

TEST_F(ExportAuswahlTest, SelectDeclarationsReturnsTheChoiceOnlyWhenConfirmed)
{
    addHeads();
    atlas::DeclarationSelection selection { { 42 } };
    testsupport::onNextModal([](QDialog *dialog) {
        testsupport::buttonWithText<QToolButton>(dialog, QStringLiteral("Abbrechen"))->click();
    });
    EXPECT_FALSE(atlas::TfrmExportAuswahl::SelectDeclarations(selection));
    EXPECT_EQ(selection.numbers, QList<int>({ 42 }));

    testsupport::onNextModal([](QDialog *dialog) {
        auto *list = dialog->findChild<QTreeWidget *>(QStringLiteral("ListView1"));
        list->topLevelItem(2)->setSelected(true);
        list->topLevelItem(0)->setSelected(true);
        testsupport::buttonWithText<QToolButton>(dialog, QStringLiteral("Übernehmen"))->click();
    });
    EXPECT_TRUE(atlas::TfrmExportAuswahl::SelectDeclarations(selection));
    EXPECT_EQ(selection.whereText(), "BelegNr in (3, 9)");

    // The chosen declarations go into one file.
    createImportFolder();
    atlas::ExportDeclarations(selection);
    const QByteArray file = readFile(atlas::handOverFolder() + QStringLiteral("expDat_20240315_143005.xml"));
    EXPECT_EQ(file.count("<ExpDatKopf>"), 2);
    EXPECT_EQ(dialogs.texts(), QStringList({ atlas::ExportTexts::Exported }));
}
