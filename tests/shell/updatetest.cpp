#include "startupfixture.h"

#include "platform/database.h"
#include "platform/schemaregistry.h"
#include "platform/session.h"
#include "shell/tfrmupdatedatabases.h"
#include "shell/tmmtimer.h"

#include <QLabel>

#include <gtest/gtest.h>

using namespace shell;
using testsupport::StartupFixture;

namespace {

// Two small tables in the shape of the master tables an update changes.
void declareTables()
{
    auto &registry = platform::SchemaRegistry::instance();
    registry.add(platform::TableSchema(QStringLiteral("S_UPD1.DB"), platform::Alias::Data)
                     .integer("nummer")
                     .string("Name1", 30)
                     .integer("Menge")
                     .primaryKey({ "nummer" }));
    registry.add(platform::TableSchema(QStringLiteral("S_UPD2.DB"), platform::Alias::Data)
                     .string("Code", 3)
                     .string("Bez", 20)
                     .primaryKey({ "Code" }));
}

void fill(const QString &table, int count)
{
    platform::Table t(platform::Alias::Data, table);
    t.open();
    for (int i = 1; i <= count; ++i) {
        t.append();
        t.setValue(0, table.startsWith(QLatin1String("S_UPD1")) ? QVariant(i) : QVariant(QString::number(i)));
        t.setValue(1, QStringLiteral("Name %1").arg(i));
        t.post();
    }
}

struct UpdateRun {
    int result;
    int errors;
    QStringList log;
};

UpdateRun runUpdate(StartupFixture &f, const QByteArray &list)
{
    f.writeFile(UpdateListFileName, list);
    TfrmUpdateDataBases window(f.dir->dataDirectory());
    window.StarteUpdate();
    return { window.result(), window.errorCount(), f.readFile(UpdateLogFileName).split(QLatin1Char('\n')) };
}

QStringList summary(const QString &table, int records, int fieldsBefore, int fieldsAfter)
{
    return { table + ":", QStringLiteral("Es waren %1 Datensätze vor dem Update vorhanden.").arg(records),
        QStringLiteral("Es waren %1 Felder vor dem Update vorhanden.").arg(fieldsBefore),
        QStringLiteral("Es sind %1 Datensätze nach dem Update vorhanden.").arg(records),
        QStringLiteral("Es sind %1 Felder nach dem Update vorhanden.").arg(fieldsAfter), " " };
}

TEST(UpdateTest, LengthensAndAddsFieldsAndSummarisesEveryTable)
{
    declareTables();
    StartupFixture f;
    fill(QStringLiteral("S_UPD1.DB"), 3);
    fill(QStringLiteral("S_UPD2.DB"), 2);
    const UpdateRun run = runUpdate(f,
        "1,\"M\",\"Name1\",40,1,\"S_UPD1\",0\n"
        "2,\"M\",\"Menge\",8,5,\"S_UPD1\",0\n" // a number of the same type: nothing
        "3,\"N\",\"Ort\",25,1,\"S_UPD1\",0\n"
        "4,\"M\",\"Name1\",40,1,\"S_FEHLT\",0\n" // a missing table: skipped
        "5;\"M\";\"Bez\";20;1;\"S_UPD2\";0\n" // the same type and length: nothing
        "6,\"N\",\"Aktiv\",0,14,\"S_UPD2\",0\n");
    const QStringList expected = QStringList { "Starte Update", "DataBaseName = " + f.dir->dataDirectory(),
        "SUCCES AENDERUNG: Feld: Name1,\tAlt-Länge: 30,\tNeu-Länge: 40,\tNeu-Typ: "
        "pxAlpha,\tTabelle: S_UPD1.DB",
        "SUCCES NEU:       Feld: Ort,\tLänge: 25,\tTyp: pxAlpha,\tTabelle: S_UPD1.DB" }
        + summary("S_UPD1.DB", 3, 3, 4)
        + QStringList { "SUCCES NEU:       Feld: Aktiv,\tLänge: 0,\tTyp: pxLogical,\tTabelle: S_UPD2.DB" }
        + summary("S_UPD2.DB", 2, 2, 3) + QStringList { "Update Abbgeschlossen mit 0 Fehlern", "", "" };
    EXPECT_EQ(run.log, expected);
    EXPECT_EQ(run.result, QDialog::Accepted);
    platform::Database &db = platform::Session::current().database(platform::Alias::Data);
    const auto stored = db.storedSchemaOf(QStringLiteral("S_UPD1"));
    EXPECT_EQ(stored.fieldAt(stored.fieldIndex("Name1")).size, 40);
}

TEST(UpdateTest, ErrorsAreLoggedCountedAndKeepTheListForTheNextStart)
{
    declareTables();
    StartupFixture f;
    fill(QStringLiteral("S_UPD2.DB"), 1);
    const UpdateRun run = runUpdate(f, "1,\"N\",\"Alt\",10,18,\"S_UPD2\",0\n");
    EXPECT_EQ(run.result, QDialog::Rejected);
    EXPECT_EQ(run.errors, 1);
    EXPECT_TRUE(run.log.contains("ERROR - Feld: Alt, Länge: 10, Typ dbCharacter, Tabelle S_UPD2.DB"));
    EXPECT_FALSE(run.log.join("\n").contains("SUCCES"));
    const int at = run.log.indexOf("Update Abbgeschlossen mit 1 Fehlern");
    ASSERT_GE(at, 0);
    EXPECT_EQ(run.log.mid(at + 2, 4),
        (QStringList { "Folgende Dateien schicken Sie bitte an: " + SupportMailAddress,
            f.dir->dataDirectory() + "/S_UPD2.DB", f.dir->filePath("Aenderung.txt"), f.dir->filePath("Log.txt") }));
    ASSERT_EQ(f.dialogs.calls(platform::DialogKind::Error).size(), 1);
    EXPECT_TRUE(f.dialogs.texts().first().startsWith("Beim Updaten der Datenbanken wurden 1 Fehler festgestellt."));

    const UpdateRun empty = runUpdate(f, "");
    EXPECT_EQ(empty.result, QDialog::Accepted);
    EXPECT_EQ(empty.log,
        (QStringList { "Starte Update", "DataBaseName = " + f.dir->dataDirectory(),
            "Update Abbgeschlossen mit 0 Fehlern", "", "" }));
}

TEST(UpdateTest, PreStampLinesAreInsertedOnlyOnce)
{
    StartupFixture f;
    f.writeFile("Vorab.TV1", "33\r\n44\r\n46\r\n");
    f.writeFile("Vorab.TV0", "44\r\n");
    for (int run = 0; run < 3; ++run)
        patchPreStampFiles(f.dir->path());
    EXPECT_EQ(f.readFile("Vorab.TV1"), "33\r\n44\r\n44_1\r\n44_2\r\n44_3\r\n46\r\n");
    EXPECT_EQ(f.readFile("Vorab.TV0"), "44\r\n44_1\r\n44_2\r\n44_3\r\n");

    f.writeFile("Vorab.TV1", "33\r\n");
    f.writeFile("Vorab.TV0", "44\r\n");
    patchPreStampFiles(f.dir->path());
    EXPECT_EQ(f.readFile("Vorab.TV0"), "44\r\n") << "only after a \"44\" in Vorab.TV1";
}

TEST(UpdateTest, ElapsedAndRemainingTime)
{
    StartupFixture f;
    TfrmUpdateDataBases window(f.dir->dataDirectory());
    for (int i = 0; i < 3725; ++i)
        window.MMTimer1->OnTimer(window.MMTimer1, 0);
    EXPECT_EQ(window.Label1->text(), "Verstrichene Zeit 01:02:05");
    struct Case {
        int maximum, position, ticks;
        const char *text;
    };
    const Case cases[] = {
        { 10, 4, 6, "Verbleibende Zeit 00:00:09" },
        { 3, 2, 5, "Verbleibende Zeit 00:00:02" }, // 2.5 to the even neighbour
        { 3, 2, 7, "Verbleibende Zeit 00:00:04" }, // 3.5 likewise
        { 1000, 1, 4, "Verbleibende Zeit 01:06:36" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(remainingTimeText(c.maximum, c.position, c.ticks), c.text);
}

} // namespace
