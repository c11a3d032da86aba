#include "startupfixture.h"

#include "platform/database.h"
#include "platform/dataedit.h"
#include "platform/schemaregistry.h"
#include "platform/session.h"
#include "shell/printsettings.h"
#include "shell/tfrmbenutzer.h"
#include "shell/tpassworddlg.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace shell;
using testsupport::StartupFixture;

namespace {

int rowsIn(const QString &directory)
{
    platform::Session session;
    session.setAliasPath(platform::Alias::User, directory);
    platform::Table t(platform::Alias::User, QStringLiteral("S_BENUTZ.DB"));
    t.setSession(&session);
    t.open();
    return t.recordCount();
}

TEST(UsersTest, NewUserGetsTheNextNumberAndItsDirectoryOnce)
{
    registerPrintTables();
    StartupFixture f;
    platform::Database &data = platform::Session::current().database(platform::Alias::Data);
    prepareDataDirectory(platform::Session::current());
    {
        // The master copy of the print settings in the data directory.
        platform::Table master(platform::Alias::Data, QStringLiteral("S_BENUTZ.DB"));
        master.open();
        for (const char *name : { "EUR1", "CMR" }) {
            master.append();
            master.fieldByName("name").setAsString(QString::fromLatin1(name));
            master.fieldByName("schnittst").setAsString("0");
            master.post();
        }
    }
    ASSERT_TRUE(data.tableExists(QStringLiteral("S_BEARB")));
    f.addUser(QStringLiteral("Chef"), QString(), 3, AdministratorFunction);
    f.addUser(QStringLiteral("Meier"), QString(), 7);
    mainState().Kurzname = QStringLiteral("Chef");
    mainState().DatenBankPfad = f.dir->dataDirectory();
    // The directory of user 9 is left over from a deleted user.
    QDir(f.dir->path()).mkpath(QStringLiteral("User9"));
    f.writeFile(QStringLiteral("User9/behalten.txt"), "x");

    TfrmBenutzer window;
    ASSERT_TRUE(window.btnAdd->isEnabled()) << "the administrator may add users";
    for (const auto &[kurzname, number] : { std::pair { "Neu1", 8 }, std::pair { "Neu2", 9 } }) {
        window.btnAdd->click();
        window.users().setValue(QStringLiteral("Kurzname"), QString::fromLatin1(kurzname));
        window.users().post();
        EXPECT_EQ(window.users().value(QStringLiteral("UserNr")).toInt(), number) << kurzname;
    }
    EXPECT_EQ(rowsIn(f.dir->filePath(QStringLiteral("User8"))), 2) << "print settings copied";
    EXPECT_TRUE(QFileInfo::exists(f.dir->filePath(QStringLiteral("User9/behalten.txt"))))
        << "an existing directory stays";
    EXPECT_TRUE(f.dialogs.calls().isEmpty());
    f.dialogs.answer(platform::DialogAnswer::No);
    window.btnClose->click();
    EXPECT_EQ(f.dialogs.texts(),
        QStringList { "Bitte beachten Sie, dass Änderungen erst nach einem Programm-Neustart wirksam werden!" });
}

TEST(UsersTest, AdministratorIsCreatedKeptAndAloneAndOthersAreRestricted)
{
    StartupFixture f;
    mainState().Kurzname = QStringLiteral("Meier");
    f.addUser(QStringLiteral("Meier"), QString(), 4);
    {
        TfrmBenutzer window;
        EXPECT_EQ(window.users().recordCount(), 2) << "an administrator is created when none exists";
        EXPECT_TRUE(window.users().findKey({ QStringLiteral("Systemverwalter") }));
        EXPECT_EQ(window.users().value(QStringLiteral("UserNr")).toInt(), 5);
        EXPECT_FALSE(window.btnAdd->isEnabled()) << "an ordinary user changes nothing but his own record";
        EXPECT_FALSE(window.btnDelete->isEnabled());
        EXPECT_TRUE(window.btnSearch->isEnabled());
        window.Delete();
        EXPECT_EQ(f.dialogs.texts().first(), "Sie können den Systemverwalter nicht löschen");
        EXPECT_EQ(f.dialogs.calls().last().text,
            "Nach dieser Änderung müssen Sie das Programm \rneu Starten um Fehler zu vermeiden!\rJetzt Beenden?");
        // A second administrator keeps the window open.
        window.users().findKey({ QStringLiteral("Meier") });
        window.users().edit();
        window.users().setValue(QStringLiteral("Funktion"), QStringLiteral("systemverwalter"));
        f.dialogs.clear();
        window.btnClose->click();
        EXPECT_EQ(f.dialogs.texts().first(), "Sie können nur einen Systemverwalter anlegen!");
        EXPECT_TRUE(window.twoAdministrators());
        EXPECT_TRUE(window.users().isActive()) << "the window stays open";
        f.dialogs.answer(platform::DialogAnswer::Yes);
        f.dialogs.answer(platform::DialogAnswer::No);
        window.Delete(); // any record may go now
        EXPECT_EQ(window.users().recordCount(), 1);
    }
}

TEST(UsersTest, APasswordIsNoLongerThanItsStoredField)
{
    StartupFixture f;
    f.addUser(QStringLiteral("Chef"), QString(), 1, AdministratorFunction);
    f.addUser(QStringLiteral("Meier"), QStringLiteral("zehnzeichn"), 7);
    mainState().Kurzname = QStringLiteral("Chef");
    {
        TfrmBenutzer window;
        window.show();
        window.edPasswort->setFocus();
        QTest::keyClicks(window.edPasswort, QStringLiteral("zwoelfzeiche"));
        EXPECT_EQ(window.edPasswort->text(), "zwoelfzeic");
        ASSERT_FALSE(f.dialogs.texts().isEmpty()) << "a longer password is refused with a message";
        EXPECT_EQ(f.dialogs.texts().first(), "Das Paßwort darf höchstens 10 Zeichen lang sein!");
        EXPECT_EQ(f.dialogs.calls().first().kind, platform::DialogKind::Error);
        window.users().cancel();
    }

    struct Case {
        const char *typed;
        bool accepted;
    };
    // The login edit takes 20 characters; only the 10 the field holds count.
    const Case cases[] = { { "zehnzeichn", true }, { "ZEHNZEICHNxy", true }, { "zehnzeich", false } };
    for (const Case &c : cases) {
        f.dialogs.clear();
        TPasswordDlg login;
        login.show();
        login.cbbxBenutzer->setCurrentIndex(login.cbbxBenutzer->findText(QStringLiteral("Meier")));
        login.Password->setText(QString::fromLatin1(c.typed));
        login.OKBtn->click();
        EXPECT_EQ(login.result() == QDialog::Accepted, c.accepted) << c.typed;
        EXPECT_EQ(f.dialogs.calls().isEmpty(), c.accepted) << c.typed;
    }
}

} // namespace
