#include "startupfixture.h"

#include "platform/database.h"
#include "platform/postgresbackend.h"
#include "platform/registry.h"
#include "platform/schemaregistry.h"
#include "platform/session.h"
#include "platform/tablefiles.h"
#include "shell/tchoosepathbox.h"
#include "shell/tfrmmain.h"
#include "shell/tfrmupdatedatabases.h"
#include "shell/tpassworddlg.h"
#include "support/modaldialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace shell;
using testsupport::StartupFixture;

namespace {

const QString Wrong = QStringLiteral("Das Paßwort ist falsch !!!");
const QString Refused = QStringLiteral("Sie haben keine Zugangsberechtigung !!!");

TEST(StartupTest, LoginTriesMessagesAndResult)
{
    struct Case {
        const char *name;
        QStringList typed; // passwords typed in turn; none: Escape
        QStringList messages;
        bool loggedIn;
    };
    const Case cases[] = {
        { "three wrong passwords end the program", { "a", "b", "c" }, { Wrong, Wrong, Wrong, Refused }, false },
        { "the second try succeeds", { "a", "geheim" }, { Wrong }, true },
        { "case is ignored", { "GEHEIM" }, {}, true },
        { "Escape cancels", {}, {}, false },
    };
    for (const auto &c : cases) {
        StartupFixture f;
        f.addUser(QStringLiteral("Anna"), QStringLiteral("geheim"), 4);
        f.addUser(QStringLiteral("Meier"), QStringLiteral("geheim"), 7);
        testsupport::onNextModal([&c](QDialog *dialog) {
            auto *login = qobject_cast<TPasswordDlg *>(dialog);
            ASSERT_NE(login, nullptr);
            EXPECT_EQ(login->windowTitle(), "Zugangsberechtigung");
            EXPECT_EQ(login->cbbxBenutzer->count(), 2);
            login->cbbxBenutzer->setCurrentIndex(1);
            if (c.typed.isEmpty())
                login->reject();
            for (const QString &password : c.typed) {
                login->Password->setText(password);
                login->OKBtn->click();
            }
        });
        TfrmMain window;
        EXPECT_EQ(window.FormCreate(), c.loggedIn) << c.name;
        EXPECT_EQ(f.dialogs.texts(), c.messages) << c.name;
        if (c.loggedIn) {
            EXPECT_EQ(mainState().Kurzname, "Meier") << c.name;
            EXPECT_EQ(mainState().UserNr, 7) << c.name;
            EXPECT_EQ(CurrentDocumentNumber, 1);
        } else {
            window.close();
            EXPECT_FALSE(f.iniHasKey(QStringLiteral("AutomatischAbmelden"))) << c.name << ": no options written";
        }
    }
}

TEST(StartupTest, AutomaticLoginTakesTheNamedOrTheFirstUser)
{
    struct Case {
        QString name;
        QString kurzname;
        int userNr;
    };
    const Case cases[] = { { "Meier", "Meier", 7 }, { "Niemand", "Anna", 4 } };
    for (const auto &c : cases) {
        StartupFixture f;
        f.addUser(QStringLiteral("Meier"), QStringLiteral("x"), 7);
        f.addUser(QStringLiteral("Anna"), QStringLiteral("y"), 4);
        f.setOption(QStringLiteral("AutomatischAnmelden"), QStringLiteral("1"));
        f.setOption(QStringLiteral("AnmeldeNamen"), c.name);
        TfrmMain window;
        ASSERT_TRUE(window.FormCreate());
        EXPECT_EQ(mainState().Kurzname, c.kurzname);
        EXPECT_EQ(mainState().UserNr, c.userNr);
    }
}

TEST(StartupTest, DataDirectoryWithOrWithoutSeparatorOrChosenInTheFolderDialog)
{
    struct Case {
        const char *name;
        std::function<QString(const testsupport::TestProgramDirectory &)> stored;
        bool dialogShown;
    };
    const Case cases[] = {
        { "plain", [](const auto &d) { return d.dataDirectory(); }, false },
        { "trailing separator", [](const auto &d) { return d.dataDirectory() + "/"; }, false },
        { "folder without the tables", [](const auto &d) { return d.path() + "User1"; }, true },
    };
    for (const auto &c : cases) {
        StartupFixture f;
        f.addUser(QStringLiteral("Meier"), QString(), 7);
        f.setOption(QStringLiteral("AutomatischAnmelden"), QStringLiteral("1"));
        f.setOption(QStringLiteral("DatenBankPfad"), c.stored(*f.dir));
        bool shown = false;
        testsupport::onNextModal(
            [&shown](QDialog *dialog) {
                shown = true;
                auto *box = qobject_cast<TChoosePathBox *>(dialog);
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(box->windowTitle(), "Pfad der Datenbanken auswählen!");
                box->BtnAbbruch->click();
            },
            500);
        TfrmMain window;
        EXPECT_EQ(window.FormCreate(), !c.dialogShown) << c.name;
        if (!c.dialogShown) {
            EXPECT_EQ(mainState().Kurzname, "Meier") << c.name;
            QTest::qWait(600); // until the watcher for a dialog has given up
        }
        EXPECT_EQ(shown, c.dialogShown) << c.name;
    }
}

TEST(StartupTest, ADataDirectoryOnAServerThatDoesNotAnswerEndsTheStartWithTheReasonAndMakesNothing)
{
    StartupFixture f;
    f.setOption(QStringLiteral("AutomatischAnmelden"), QStringLiteral("1"));
    const int port = 1; // where nothing listens
    const QString office = f.dir->filePath(QStringLiteral("Buero"));
    QDir().mkpath(office);
    platform::ServerConnection server;
    server.host = QStringLiteral("127.0.0.1");
    server.port = port;
    server.database = QStringLiteral("buero");
    server.user = QStringLiteral("meier");
    ASSERT_TRUE(server.write(office));
    f.setOption(QStringLiteral("DatenBankPfad"), office);
    TfrmMain window;
    EXPECT_FALSE(window.FormCreate());
    ASSERT_EQ(f.dialogs.texts().size(), 1);
    EXPECT_TRUE(f.dialogs.texts().first().startsWith(
        QStringLiteral("Der Datenbankserver 127.0.0.1:%1 ist nicht erreichbar.").arg(port)))
        << f.dialogs.texts().first().toStdString();
    EXPECT_EQ(QDir(office).entryList(QDir::Files), QStringList { platform::ServerConnection::FileName });
    window.close();
}

TEST(StartupTest, TitleCarriesTheMajorVersion)
{
    StartupFixture f;
    f.setOption(QStringLiteral("AutomatischAnmelden"), QStringLiteral("1"));
    setProgramVersion(2012, 1, 3, 2224);
    TfrmMain window;
    ASSERT_TRUE(window.FormCreate());
    EXPECT_EQ(window.windowTitle(), "Tarvelo Export / Versand 2012");
    EXPECT_EQ(window.majorVersion(), "2012");
    EXPECT_EQ(mainState().Kurzname, "") << "an empty user table logs in nobody";
    EXPECT_EQ(mainState().UserNr, 0);
}

TEST(StartupTest, ClosingAsksUnlessAutomaticLogoutAndWritesTheOptions)
{
    struct Case {
        bool automaticLogout;
        platform::DialogAnswer answer;
        bool closed;
    };
    const Case cases[] = { { false, platform::DialogAnswer::No, false }, { false, platform::DialogAnswer::Yes, true },
        { true, platform::DialogAnswer::No, true } };
    for (const auto &c : cases) {
        StartupFixture f;
        f.setOption(QStringLiteral("AutomatischAnmelden"), QStringLiteral("1"));
        f.setOption(QStringLiteral("AutomatischAbmelden"), c.automaticLogout ? "1" : "0");
        TfrmMain window;
        ASSERT_TRUE(window.FormCreate());
        window.createDataModule();
        window.show();
        EXPECT_EQ(platform::Session::current().aliasPath(platform::Alias::User),
            QDir::cleanPath(f.dir->filePath(QStringLiteral("User0"))));
        mainState().Zollamt1 = QStringLiteral("Zollamt Köln");
        f.dialogs.answer(c.answer);
        EXPECT_EQ(window.close(), c.closed);
        EXPECT_EQ(f.dialogs.calls().size(), c.automaticLogout ? 0 : 1);
        if (!c.automaticLogout) {
            EXPECT_EQ(f.dialogs.calls().at(0).text, "Möchten Sie das Programm wirklich beenden ?");
        }
        EXPECT_EQ(IniReadString(QStringLiteral("Zollamt1"), QString()), c.closed ? "Zollamt Köln" : "");
        EXPECT_EQ(window.dataModule() == nullptr, c.closed);
    }
}

TEST(StartupTest, InstallationValuesAreCopiedToTheUserWhereMissing)
{
    StartupFixture f;
    const QString key = QStringLiteral("Software\\Brenix");
    platform::Registry user(platform::Registry::Root::CurrentUser);
    TfrmMain::copyInstallationValues();
    EXPECT_FALSE(user.keyExists(key)) << "no machine-wide key: nothing written";

    platform::Registry machine(platform::Registry::Root::LocalMachine);
    machine.writeString(key, QStringLiteral("DatenBankPfad"), QStringLiteral("/srv/daten"));
    machine.writeString(key, QStringLiteral("ProgrammPfad"), QStringLiteral("/opt/programm"));
    user.writeString(key, QStringLiteral("ProgrammPfad"), QStringLiteral("/home/eigen"));
    TfrmMain::copyInstallationValues();
    EXPECT_EQ(user.readString(key, QStringLiteral("DatenBankPfad")), "/srv/daten");
    EXPECT_EQ(user.readString(key, QStringLiteral("ProgrammPfad")), "/home/eigen") << "an existing value stays";
    EXPECT_TRUE(user.valueExists(key, QStringLiteral("Upgedated"))) << "a missing value is written empty";
    EXPECT_EQ(user.readString(key, QStringLiteral("Upgedated")), "");
}

TEST(StartupTest, FirstStartCreatesTheDataDirectoryWithTheAdministrator)
{
    registerUserTables();
    QTemporaryDir programDirectory;
    setProgramDirectory(programDirectory.path());
    platform::Session session;
    platform::Session::setCurrent(&session);
    ASSERT_TRUE(firstStart());
    const QString data = programDirectory.filePath(QStringLiteral("Data"));
    EXPECT_EQ(IniReadString(QStringLiteral("DatenBankPfad"), QString()), data);
    EXPECT_TRUE(QFileInfo::exists(programDirectory.filePath(QStringLiteral("User1"))));
    for (const auto &schema : platform::SchemaRegistry::instance().tables(platform::Alias::Data))
        EXPECT_TRUE(platform::tableFileExists(data, schema.fileName())) << schema.fileName().toStdString();
    session.setAliasPath(platform::Alias::Data, data);
    {
        platform::Table users(platform::Alias::Data, UserTableName);
        users.open();
        ASSERT_EQ(users.recordCount(), 1);
        EXPECT_EQ(users.value(QStringLiteral("Kurzname")).toString(), "Systemverwalter");
        EXPECT_EQ(users.value(QStringLiteral("Funktion")).toString(), "Systemverwalter");
        EXPECT_EQ(users.value(QStringLiteral("UserNr")).toInt(), 1);
    }
    EXPECT_FALSE(firstStart()) << "later starts leave everything as it is";
    session.closeAll();
    platform::Session::setCurrent(nullptr);
    setProgramDirectory(QString());
}

TEST(StartupTest, FirstStartInstallsOnlyInAProgramDirectoryNeverUsed)
{
    registerUserTables();
    struct Case {
        const char *name;
        std::function<void(QDir &)> before;
        bool installs;
    };
    const Case cases[] = {
        { "brand new", [](QDir &) {}, true },
        { "a user directory, no Export.ini", [](QDir &d) { d.mkdir(QStringLiteral("User1")); }, false },
        { "Data, no Export.ini", [](QDir &d) { d.mkdir(QStringLiteral("Data")); }, false },
        { "Export.ini naming no data directory",
            [](QDir &) { IniWriteString(QStringLiteral("AutomatischAnmelden"), QStringLiteral("0")); }, false },
    };
    for (const Case &c : cases) {
        QTemporaryDir programDirectory;
        setProgramDirectory(programDirectory.path());
        platform::ScriptedDialogService dialogs;
        platform::DialogServiceGuard guard(dialogs);
        platform::Session session;
        platform::Session::setCurrent(&session);
        QDir dir(programDirectory.path());
        c.before(dir);
        EXPECT_EQ(firstStart(), c.installs) << c.name;
        EXPECT_EQ(platform::tableFileExists(dir.filePath(QStringLiteral("Data")), UserTableName), c.installs) << c.name;
        QString asked;
        if (!c.installs) {
            testsupport::onNextModal([&asked](QDialog *dialog) {
                asked = dialog->windowTitle();
                dialog->reject();
            });
        }
        {
            TfrmMain window;
            if (c.installs) {
                IniWriteString(QStringLiteral("AutomatischAnmelden"), QStringLiteral("1"));
                EXPECT_TRUE(window.FormCreate()) << c.name;
            } else {
                EXPECT_FALSE(window.FormCreate()) << c.name << ": cancelling the folder dialog ends the program";
            }
        }
        EXPECT_EQ(asked, c.installs ? QString() : QStringLiteral("Pfad der Datenbanken auswählen!")) << c.name;
        session.closeAll();
        platform::Session::setCurrent(nullptr);
        setProgramDirectory(QString());
    }
}

TEST(StartupTest, UpdateListIsAppliedBeforeTheLoginAndDeletedAfterSuccess)
{
    platform::SchemaRegistry::instance().add(platform::TableSchema(QStringLiteral("S_START.DB"), platform::Alias::Data)
                                                 .integer("Nr")
                                                 .string("Name1", 30)
                                                 .primaryKey({ "Nr" }));
    for (const bool succeeds : { true, false }) {
        StartupFixture f;
        f.setOption(QStringLiteral("AutomatischAnmelden"), QStringLiteral("1"));
        f.writeFile(QStringLiteral("Aenderung.txt"),
            succeeds ? QByteArray("1,\"M\",\"Name1\",40,1,\"S_START\",0\n")
                     : QByteArray("1,\"M\",\"Name1\",40,18,\"S_START\",0\n"));
        testsupport::onNextModal([](QDialog *dialog) {
            auto *update = qobject_cast<TfrmUpdateDataBases *>(dialog);
            ASSERT_NE(update, nullptr);
            update->btnStart->click();
        });
        TfrmMain window;
        ASSERT_TRUE(window.FormCreate());
        EXPECT_EQ(QFileInfo::exists(f.dir->filePath(QStringLiteral("Aenderung.txt"))), !succeeds);
        EXPECT_TRUE(f.readFile(QStringLiteral("Log.txt")).contains(succeeds ? "SUCCES AENDERUNG" : "ERROR - Feld"));
    }
}

} // namespace
