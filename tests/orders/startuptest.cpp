#include "shell/startupfixture.h"

#include "masterdata/masterdatatables.h"
#include "orders/ordertables.h"
#include "platform/database.h"
#include "platform/session.h"
#include "platform/tablefiles.h"
#include "shell/tchoosepathbox.h"
#include "shell/tfrmmain.h"
#include "support/modaldialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using testsupport::StartupFixture;

namespace {

const QStringList OrderTables
    = { orders::Tables::Orders, orders::Tables::Positions, orders::Tables::SumLines, orders::Tables::Packages };

// A data directory as the program made it before it had orders.
void dropOrderTables()
{
    for (const QString &name : OrderTables)
        platform::Table(platform::Alias::Data, name).deleteTable();
    platform::Session::current().closeAll();
}

struct StartupWithOrders : StartupFixture {
    StartupWithOrders()
    {
        masterdata::registerMasterdataTables();
        orders::registerOrderTables();
        // A new directory, now with the order tables declared.
        dir.reset();
        dir = std::make_unique<testsupport::TestProgramDirectory>();
        shell::IniWriteString(QStringLiteral("DatenBankPfad"), dir->dataDirectory());
        setOption(QStringLiteral("AutomatischAnmelden"), QStringLiteral("1"));
    }
};

TEST(OrderStartupTest, AnOlderDataDirectoryGetsTheOrderTablesOnStart)
{
    StartupWithOrders f;
    dropOrderTables();
    ASSERT_FALSE(platform::tableFileExists(f.dir->dataDirectory(), QStringLiteral("Rechnung.DB")));
    bool asked = false;
    testsupport::onNextModal(
        [&asked](QDialog *dialog) {
            asked = true;
            dialog->reject();
        },
        300);
    shell::TfrmMain window;
    EXPECT_TRUE(window.FormCreate());
    QTest::qWait(400);
    EXPECT_FALSE(asked) << "the data directory was taken without asking";
    for (const QString &name : OrderTables)
        EXPECT_TRUE(platform::tableFileExists(f.dir->dataDirectory(), name)) << name.toStdString();
}

TEST(OrderStartupTest, TheFolderDialogTakesOnlyAFolderWithTheOrderTable)
{
    StartupWithOrders f;
    dropOrderTables();
    shell::IniWriteString(QStringLiteral("DatenBankPfad"), f.dir->userDirectory());
    bool offeredOld = true;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *box = qobject_cast<shell::TChoosePathBox *>(dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Pfad der Datenbanken auswählen!");
        EXPECT_EQ(box->EditFileName->text(), "Rechnung.DB");
        box->setDirectory(f.dir->dataDirectory());
        offeredOld = box->BtnOK->isEnabled();
        platform::Table(platform::Alias::Data, orders::Tables::Orders).createTable();
        box->setDirectory(f.dir->userDirectory());
        box->setDirectory(f.dir->dataDirectory());
        EXPECT_TRUE(box->BtnOK->isEnabled());
        box->BtnOK->click();
    });
    shell::TfrmMain window;
    EXPECT_TRUE(window.FormCreate());
    EXPECT_FALSE(offeredOld) << "a folder without the order table is not taken";
    EXPECT_EQ(shell::IniReadString(QStringLiteral("DatenBankPfad"), QString()), f.dir->dataDirectory());
}

} // namespace
