#include "shell/settings.h"
#include "support/testprogramdirectory.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace shell;

namespace {

TEST(SettingsTest, IniRoutinesReadDefaultsAndWriteByType)
{
    testsupport::TestProgramDirectory dir;
    const QString ini = dir.filePath("Export.ini");
    EXPECT_EQ(IniReadString("Fehlt", "vorgabe"), "vorgabe");
    EXPECT_FALSE(QFileInfo::exists(ini)) << "a read creates no file";
    EXPECT_EQ(StammSortRead("Kunden"), 0);

    IniWriteValue(ini, "S", "Nichts", QVariant());
    EXPECT_FALSE(QFileInfo::exists(ini)) << "an empty value writes nothing";

    struct Case {
        QString key;
        QVariant written;
        QVariant defaultValue;
    };
    const QVector<Case> cases = {
        {"Ganz", 42, 0},
        {"Komma", 2.5, 0.0},
        {"Datum", QDate(2024, 3, 5), QDate(2000, 1, 1)},
        {"Schalter", true, false},
        {"Text", QStringLiteral("Grüße"), QStringLiteral("")},
    };
    for (const auto &c : cases) {
        IniWriteValue(ini, "S", c.key, c.written);
        EXPECT_EQ(IniReadValue(ini, "S", c.key, c.defaultValue), c.written) << c.key.toStdString();
    }
    EXPECT_EQ(IniReadValue(ini, "S", "Ganz", QVariant::fromValue(QStringList{"x"})), QVariant::fromValue(QStringList{"x"}))
        << "an unsupported default comes back unchanged";
    IniWriteValue(ini, "S", "Geld", 12.5, true);
    EXPECT_EQ(IniReadValue(ini, "S", "Geld", 0.0, true).toDouble(), 12.5);
    IniWriteValue(ini, "S", "Kaputt", QStringLiteral("zwölf"));
    EXPECT_ANY_THROW(IniReadValue(ini, "S", "Kaputt", 0.0, true));

    StammSortWrite("Kunden", 2);
    EXPECT_EQ(StammSortRead("Kunden"), 2);
    IniWriteString("DatenBankPfad", "/daten");
    EXPECT_EQ(IniReadString("datenbankpfad", ""), "/daten");
}

TEST(SettingsTest, VersionRulesAndFileVersion)
{
    EXPECT_TRUE(isWindows2000OrLater(true, 5));
    EXPECT_TRUE(isWindows2000OrLater(true, 10));
    EXPECT_FALSE(isWindows2000OrLater(true, 4));
    EXPECT_FALSE(isWindows2000OrLater(false, 5));
    quint16 a = 9, b = 9, c = 9, d = 9;
    EXPECT_FALSE(ReadFileVersion("/etc/hostname", a, b, c, d));
    EXPECT_EQ(a, 9);
    EXPECT_EQ(d, 9);
}

} // namespace
