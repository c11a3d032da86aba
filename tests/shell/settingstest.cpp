#include "shell/settings.h"
#include "shell/installation.h"
#include "support/testprogramdirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

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

TEST(SettingsTest, TheProgramKeepsItsFilesBesideItOrInTheXdgDataFolder)
{
    // Never the real home: the XDG data folder of this test is a temporary one.
    QTemporaryDir root;
    const QByteArray savedXdg = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", root.filePath("xdg").toLocal8Bit());
    const QString xdg = root.filePath("xdg/exportversand/");
    QDir(root.path()).mkpath("plain");
    QDir(root.path()).mkpath("build/src/app");
    QFile(root.filePath("build/CMakeCache.txt")).open(QIODevice::WriteOnly);
    QDir(root.path()).mkpath("portable/build/src/app");
    QFile(root.filePath("portable/build/CMakeCache.txt")).open(QIODevice::WriteOnly);
    QFile(root.filePath("portable/build/src/app/Export.ini")).open(QIODevice::WriteOnly);
    QDir(root.path()).mkpath("usr/bin");
    QDir(root.path()).mkpath("readonly");
    QFile::setPermissions(root.filePath("readonly"), QFile::ReadOwner | QFile::ExeOwner);
    struct Case {
        const char *folder;
        QString expected;
    };
    const Case cases[] = {
        { "plain", root.filePath("plain/") },
        { "build/src/app", xdg },
        { "portable/build/src/app", root.filePath("portable/build/src/app/") },
        { "usr/bin", xdg },
        { "readonly", xdg },
    };
    for (const Case &c : cases) {
        if (QString::fromLatin1(c.folder) == "readonly" && QFileInfo(root.filePath("readonly")).isWritable())
            continue; // the superuser writes anywhere
        EXPECT_EQ(chooseProgramDirectory(root.filePath(c.folder)), c.expected) << c.folder;
    }
    QFile::setPermissions(root.filePath("readonly"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (savedXdg.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", savedXdg);
}

TEST(SettingsTest, TheManualIsFoundInTheBuildTreeAndInTheInstallation)
{
    QTemporaryDir root;
    for (const char *folder : { "build/src/app/Handbuch", "usr/share/exportversand/Handbuch", "usr/bin" })
        QDir(root.path()).mkpath(folder);
    for (const char *file :
        { "build/src/app/Handbuch/Handbuch.html", "usr/share/exportversand/Handbuch/Handbuch.html" })
        QFile(root.filePath(file)).open(QIODevice::WriteOnly);
    EXPECT_EQ(manualFile(root.filePath("build/src/app")), root.filePath("build/src/app/Handbuch/Handbuch.html"));
    EXPECT_EQ(manualFile(root.filePath("usr/bin")), root.filePath("usr/share/exportversand/Handbuch/Handbuch.html"));
    EXPECT_EQ(manualFile(root.path()), root.filePath("Handbuch/Handbuch.html")) << "missing: the first place";
    // The manual of this source tree has the chapters the clerks need.
    QFile manual(QStringLiteral(EV_SOURCE_DIR "/docs/Handbuch/Handbuch.html"));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(manual.readAll());
    for (const char *heading : { "Erster Start", "Stammdaten", "Auftrag", "EUR.1", "Drucker", "Daten" })
        EXPECT_TRUE(text.contains(QString::fromUtf8(heading))) << heading;
}

} // namespace
