#include "platform/inifile.h"
#include "platform/registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

namespace {

QString readAll(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

TEST(IniFileTest, KeepsOtherContentAndFindsKeysIgnoringCase)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("Export.ini");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("; Kommentar\r\n[Andere]\r\nX=1\r\n\r\n[Tarvelo Export]\r\nDatenBankPfad = C:\\Daten \r\nZahl=12\r\n");
    f.close();

    IniFile ini(path);
    EXPECT_EQ(ini.readString("TARVELO EXPORT", "datenbankpfad"), "C:\\Daten");
    EXPECT_EQ(ini.readInteger("Tarvelo Export", "Zahl", 0), 12);
    EXPECT_EQ(ini.readInteger("Tarvelo Export", "Fehlt", 7), 7);
    ini.writeString("tarvelo export", "Zahl", "13");
    ini.writeString("Tarvelo Export", "Neu", "ä");
    ini.writeString("Dritte", "A", "b");
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(readAll(path), QStringLiteral("; Kommentar\r\n[Andere]\r\nX=1\r\n\r\n[Tarvelo Export]\r\nDatenBankPfad = C:\\Daten \r\n"
                                            "Zahl=13\r\nNeu=ä\r\n[Dritte]\r\nA=b\r\n"));
}

TEST(IniFileTest, ReadingAMissingFileCreatesNothing)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("fehlt.ini");
    IniFile ini(path);
    EXPECT_EQ(ini.readString("S", "K", "vorgabe"), "vorgabe");
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(RegistryTest, KeepsMachineAndUserStoresApart)
{
    QTemporaryDir dir;
    Registry::setStoreFiles(QDir(dir.path()).filePath("m.ini"), QDir(dir.path()).filePath("u/u.ini"));
    Registry machine(Registry::Root::LocalMachine);
    Registry user(Registry::Root::CurrentUser);
    ASSERT_TRUE(machine.writeString("Software\\Brenix", "DatenBankPfad", "/daten"));
    EXPECT_FALSE(user.valueExists("Software\\Brenix", "DatenBankPfad"));
    ASSERT_TRUE(user.writeString("\\Software\\Brenix", "Upgedated", "1"));
    EXPECT_EQ(user.readString("Software\\Brenix", "upgedated"), "1");
    EXPECT_EQ(machine.readString("Software\\Brenix", "DatenBankPfad"), "/daten");
    Registry::setStoreFiles(QString(), QString());
}

} // namespace
