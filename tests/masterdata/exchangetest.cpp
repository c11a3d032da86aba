#include "masterdata/dbasefile.h"
#include "masterdata/delimitedtext.h"
#include "masterdata/exchangefiles.h"
#include "masterdata/fixedtextfile.h"
#include "masterdata/masterdataexchange.h"
#include "masterdata/paradoxfile.h"
#include "masterdata/tfrmdatenbank.h"
#include "masterdata/tfrmkundenimport.h"
#include "masterdatafixture.h"

#include "platform/fieldvalue.h"
#include "platform/schemaregistry.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"
#include "shell/twheeldbgrid.h"
#include "support/modaldialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtEndian>

#include <csignal>
#include <sys/resource.h>

#include <shapefil.h>
extern "C" {
#include <paradox.h>
}

using namespace masterdata;
using platform::DialogKind;

namespace {

using Snapshot = QVector<QStringList>;

QByteArray cp1252(const QString &text)
{
    return ExchangeEncoding::encode(text, ExchangeEncoding::Windows1252);
}

} // namespace

class ExchangeTest : public MasterDataTest
{
protected:
    QString file(const QString &name) const { return files.filePath(name); }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

    // The customer header line in the given delimiter and separator.
    static QString customerHeader(QChar delimiter = u'"', QChar separator = u';')
    {
        QStringList names;
        for (const platform::FieldDef &field : platform::SchemaRegistry::instance().find(Tables::Customers)->fields())
            names.append(delimitedValue(field.name, delimiter));
        return names.join(separator);
    }

    // A customer line: the number and the name, the other fields empty.
    static QString customerLine(const QString &number, const QString &name)
    {
        QStringList values { number, delimitedValue(name, u'"') };
        for (int i = 2; i < 16; ++i)
            values.append(QStringLiteral("\"\""));
        return values.join(u';');
    }

    static bool importCustomers(const QString &text)
    {
        return MasterDataImport(exchangeKind(ExchangeKinds::Customers)).importDelimited(text, u'"', u';');
    }

    static Snapshot customers() { return snapshot(Tables::Customers, QStringLiteral("nummer")); }

    // Customers whose texts try every trap of the formats.
    void insertTrickyCustomers(bool beyondWindows1252)
    {
        insert(Tables::Customers,
            { { "nummer", 1 }, { "name1", "Müller & Söhne GmbH" }, { "name2", "Sagt \"Grüß Gott\"" },
                { "name3", "O'Neill; Smith, Jones" }, { "strasse", "Äußere Straße 5" }, { "ort", "Köln" },
                { "land", "004" }, { "telefon", "+49 221 12;34" }, { "ustnr", "DE 123,456" }, { "TIN", "DE1234567" },
                { "IsDeuZoll", "J" }, { "PLZ", "50667" }, { "franka", "Preis 100 €" } });
        insert(Tables::Customers, { { "nummer", 2 }, { "name1", "\"" }, { "name2", "'" }, { "name3", "\"\"" } });
        insert(Tables::Customers, { { "nummer", 30 }, { "name1", "  führende Leerzeichen" } });
        if (beyondWindows1252)
            insert(Tables::Customers, { { "nummer", 4 }, { "name1", "Łódź Spółka" }, { "ort", "Kraków" } });
    }

    // An import window on the kind, with its chooser on the format.
    struct Windows {
        TfrmDatenbank chooser;
        TfrmKundenImport window { &chooser };
        Windows(int tag, ExchangeFormat format, QChar delimiter = u'"', QChar separator = u';')
        {
            const ExchangeKind &kind = exchangeKind(tag);
            chooser.setFormat(int(format));
            chooser.separatorBox()->setEditText(QString(separator));
            chooser.delimiterBox()->setEditText(QString(delimiter));
            window.setTag(tag);
            window.setMasterTable(kind.table, kind.order);
            window.openMasterTable();
        }
    };

    QTemporaryDir files;
};

TEST_F(ExchangeTest, SplitDelimitedFieldTakesTheFirstFieldOffTheLine)
{
    struct Case {
        QString line;
        QChar delimiter;
        QChar separator;
        QString field;
        QString rest;
        bool more;
    };
    const QVector<Case> cases = {
        { R"("12";"Müller & Co";"";x)", u'"', u';', "12", R"("Müller & Co";"";x)", true },
        { R"("Müller & Co";"";x)", u'"', u';', "Müller & Co", R"("";x)", true },
        { R"("";x)", u'"', u';', "", "x", true },
        { R"("a;b";c)", u'"', u';', "a;b", "c", true }, // a separator inside delimiters stays
        { R"("sagt ""ja""";x)", u'"', u';', R"(sagt "ja")", "x", true }, // doubled delimiters are one
        { R"("""";x)", u'"', u';', R"(")", "x", true },
        { R"(")", u'"', u';', "", "", false }, // only a delimiter: empty
        { "", u'"', u';', "", "", false },
        { "abc", u'"', u';', "abc", "", false },
        { ";x", u'"', u';', "", "x", true },
        { "x;", u'"', u';', "x", "", true }, // one more, empty, field follows
        { "12,5;x", u'"', u';', "12,5", "x", true },
        { "'it''s',1", u'\'', u',', "it's", "1", true },
        { R"("a,b",c)", u'"', u',', "a,b", "c", true },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        QString line = c.line;
        QString field = QStringLiteral("vorher");
        EXPECT_EQ(SplitDelimitedField(line, c.delimiter, c.separator, field), c.more);
        EXPECT_EQ(field, c.field);
        EXPECT_EQ(line, c.rest);
    }
    EXPECT_EQ(splitDelimitedLine(R"("a";"b";)", u'"', u';'), QStringList({ "a", "b", "" }));
    EXPECT_EQ(splitDelimitedLine("", u'"', u';'), QStringList());
    EXPECT_EQ(delimitedRecords("\"a\r\nb\";1\r\n\r\nc;2\n", u'"'), QStringList({ "\"a\r\nb\";1", "c;2" }));
}

TEST_F(ExchangeTest, HeaderIsCheckedByNameInCapitalsAndPosition)
{
    const QString header = customerHeader();
    struct Case {
        const char *what;
        QString header;
        bool passes;
    };
    const QVector<Case> cases = {
        { "exact", header, true },
        { "other case", header.toLower(), true },
        { "a further column", header + QStringLiteral(";\"Extra\""), true },
        { "a column missing", header.section(u';', 0, 14), false },
        { "two columns swapped",
            header.section(u';', 1, 1) + u';' + header.section(u';', 0, 0) + u';' + header.section(u';', 2), false },
        { "no header", QString(), false },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.clear();
        const QString text = c.header + QStringLiteral("\r\n") + customerLine("5", "Neu") + QStringLiteral("\r\n");
        EXPECT_EQ(importCustomers(text), c.passes);
        EXPECT_EQ(customers().size(), c.passes ? 1 : 0);
        if (!c.passes) {
            ASSERT_EQ(dialogs.calls().size(), 1);
            EXPECT_EQ(dialogs.lastCall().kind, DialogKind::Error);
            EXPECT_EQ(dialogs.lastCall().text, structureMismatchMessage());
        }
        platform::Table(platform::Alias::Data, Tables::Customers).emptyTable();
    }
}

TEST_F(ExchangeTest, ImportThatFailsOnTheWayLeavesTheTableAsBefore)
{
    insert(Tables::Customers, { { "nummer", 1 }, { "name1", "Alt" } });
    insert(Tables::Customers, { { "nummer", 2 }, { "name1", "Bleibt" } });
    const Snapshot before = customers();
    const QString good = customerLine("1", "Überschrieben") + QStringLiteral("\r\n") + customerLine("3", "Neu");
    struct Case {
        const char *what;
        QString badLine;
        QString message;
    };
    const QVector<Case> cases = {
        { "a number that is none", customerLine("x7", "Falsch"), "Datensatz 3, Feld \"nummer\"" },
        { "a line short of fields", QStringLiteral("4;\"Kurz\";\"\""),
            "Die Zeile 4 der Datei enthält nur 3 von 16 Feldern." },
        { "a line without its number", customerLine("", "Ohne Nummer"), "Datensatz 3 hat kein \"nummer\"." },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.clear();
        const QString text = customerHeader() + QStringLiteral("\r\n") + good + QStringLiteral("\r\n") + c.badLine
            + QStringLiteral("\r\n") + customerLine("5", "Danach") + QStringLiteral("\r\n");
        EXPECT_FALSE(importCustomers(text));
        ASSERT_EQ(dialogs.calls(DialogKind::Error).size(), 1);
        EXPECT_TRUE(dialogs.lastCall().text.contains(c.message)) << dialogs.lastCall().text.toStdString();
        EXPECT_TRUE(dialogs.lastCall().text.endsWith("Es wurden keine Daten übernommen."));
        EXPECT_EQ(customers(), before);
    }
    // The same rows without the bad one go in.
    EXPECT_TRUE(importCustomers(customerHeader() + QStringLiteral("\r\n") + good));
    platform::Table table(platform::Alias::Data, Tables::Customers);
    table.open();
    EXPECT_EQ(column(table, "name1"), QStringList({ "Überschrieben", "Bleibt", "Neu" }));
}

TEST_F(ExchangeTest, ImportingTheSameFileTwiceGivesTheSameTable)
{
    insert(Tables::GoodsNumbers, { { "waren", "84713000" }, { "bez1", "Alt" }, { "Land", "DE" } });
    const QString longLine = QString(50, u'x');
    QTemporaryDir dir;
    const QString path = file("waren.txt");
    {
        Windows w(ExchangeKinds::GoodsNumbers, ExchangeFormat::DelimitedText);
        TableContent content = tableContent(w.window.masterTable());
        content.rows.clear();
        auto row = [&](const QString &waren, const QString &bez1, const QString &land, const QString &netto) {
            QVector<QVariant> values(content.fields.size());
            values[0] = waren;
            values[1] = bez1;
            values[5] = land;
            values[9] = netto;
            content.rows.append(values);
        };
        row("84713000", "Alt", "FR", "1"); // overwrites the row there
        row("84713000", "Neu", "DE", "2");
        row("84713000", "Neu", "AT", "3"); // the same key again: overwrites the row before
        row("85171200", longLine, "CN", "4"); // a key longer than its field
        row("", "ohne Nummer", "", "5");
        writeDelimitedFile(path, content, u'"', u';');
    }
    Snapshot first;
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        Windows w(ExchangeKinds::GoodsNumbers, ExchangeFormat::DelimitedText);
        dialogs.answerText(path);
        w.window.openDatabase();
        w.window.importData();
        EXPECT_TRUE(dialogs.calls(DialogKind::Error).isEmpty());
        const Snapshot now = snapshot(Tables::GoodsNumbers, QStringLiteral("waren;bez1;Land"));
        if (run == 0)
            first = now;
        else
            EXPECT_EQ(now, first);
    }
    ASSERT_EQ(first.size(), 4);
    EXPECT_EQ(first.at(0).at(1), "ohne Nummer");
    EXPECT_EQ(first.at(1).mid(0, 2), QStringList({ "84713000", "Alt" }));
    EXPECT_EQ(first.at(1).at(5), "FR");
    EXPECT_EQ(first.at(2).at(5), "AT");
    EXPECT_EQ(first.at(3).at(1), QString(40, u'x'));
}

TEST_F(ExchangeTest, ExportThenImportRestoresEveryTextField)
{
    struct Case {
        const char *what;
        ExchangeFormat format;
        QChar delimiter;
        QChar separator;
        QString fileName;
        QString written; // with the default extension
        bool beyondWindows1252;
    };
    const QVector<Case> cases = {
        { "delimited ; \"", ExchangeFormat::DelimitedText, u'"', u';', "kunden.txt", "kunden.txt", true },
        { "delimited , '", ExchangeFormat::DelimitedText, u'\'', u',', "kunden2.txt", "kunden2.txt", true },
        { "fixed width", ExchangeFormat::FixedText, u'"', u';', "KUNDEN.TXT", "KUNDEN.TXT", true },
        { "dBASE", ExchangeFormat::DBase, u'"', u';', "kunden", "kunden.DBF", true },
        { "Paradox", ExchangeFormat::Paradox, u'"', u';', "KUNDEN.DB", "KUNDEN.DB", false },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        platform::Table(platform::Alias::Data, Tables::Customers).emptyTable();
        insertTrickyCustomers(c.beyondWindows1252);
        const Snapshot before = customers();
        dialogs.clear();
        {
            Windows w(ExchangeKinds::Customers, c.format, c.delimiter, c.separator);
            dialogs.answerText(file(c.fileName));
            w.window.exportData();
        }
        platform::Table(platform::Alias::Data, Tables::Customers).emptyTable();
        {
            Windows w(ExchangeKinds::Customers, c.format, c.delimiter, c.separator);
            dialogs.answerText(file(c.written));
            w.window.openDatabase();
            w.window.importData();
            EXPECT_EQ(w.window.masterTable().recordCount(), before.size()) << "the grid shows the imported rows";
        }
        EXPECT_TRUE(dialogs.calls(DialogKind::Error).isEmpty()) << dialogs.texts().join(" | ").toStdString();
        EXPECT_EQ(customers(), before);
    }
}

TEST_F(ExchangeTest, NumbersAndFlagsSurviveTheRoundTripWithACommaSeparator)
{
    insert(Tables::Articles,
        { { "artikel", "A-1" }, { "bez1", "Schraube, verzinkt" }, { "preis", 1234.5 }, { "netto", 0.125 },
            { "Praefberech", true } });
    insert(Tables::Articles, { { "artikel", "A-2" }, { "preis", 0.0 }, { "Praefberech", false } });
    const Snapshot before = snapshot(Tables::Articles, QStringLiteral("artikel"));
    for (ExchangeFormat format :
        { ExchangeFormat::DelimitedText, ExchangeFormat::FixedText, ExchangeFormat::DBase, ExchangeFormat::Paradox }) {
        SCOPED_TRACE(int(format));
        const QString path = file(QStringLiteral("artikel%1.dat").arg(int(format)));
        {
            Windows w(ExchangeKinds::Articles, format, u'"', u',');
            dialogs.answerText(path);
            w.window.exportData();
        }
        platform::Table(platform::Alias::Data, Tables::Articles).emptyTable();
        {
            Windows w(ExchangeKinds::Articles, format, u'"', u',');
            dialogs.answerText(path);
            w.window.openDatabase();
            w.window.importData();
        }
        EXPECT_TRUE(dialogs.calls(DialogKind::Error).isEmpty()) << dialogs.texts().join(" | ").toStdString();
        EXPECT_EQ(snapshot(Tables::Articles, QStringLiteral("artikel")), before);
    }
}

TEST_F(ExchangeTest, DatesAndEmptyNumbersSurviveEveryTableFormat)
{
    // An empty integer before another one (Paradox) and a date (dBASE) were
    // the values a table file lost.
    TableContent content;
    for (auto [name, type] : { std::pair { "Nummer", platform::FieldType::Integer },
             { "Datum", platform::FieldType::Date }, { "Leer", platform::FieldType::Integer },
             { "Auch", platform::FieldType::Integer }, { "Betrag", platform::FieldType::Float } }) {
        platform::FieldDef field;
        field.name = QString::fromLatin1(name);
        field.type = type;
        content.fields.append(field);
    }
    content.rows = { { 1, QDate(2026, 5, 17), QVariant(), QVariant(), 12.5 }, { 2, QVariant(), 0, -7, QVariant() } };
    for (ExchangeFormat format : { ExchangeFormat::DBase, ExchangeFormat::Paradox, ExchangeFormat::FixedText }) {
        SCOPED_TRACE(int(format));
        const QString path = file(QStringLiteral("werte%1.dat").arg(int(format)));
        writeTableFile(format, path, content, u'"', u';');
        const TableContent read = readTableFile(format, path, u'"', u';');
        ASSERT_EQ(read.rows.size(), 2);
        for (int r = 0; r < 2; ++r) {
            for (int i = 0; i < content.fields.size(); ++i) {
                const platform::FieldType type = content.fields.at(i).type;
                EXPECT_EQ(platform::valueToText(type, read.rows.at(r).value(i)),
                    platform::valueToText(type, content.rows.at(r).at(i)))
                    << "row " << r << ", field " << i;
            }
        }
    }
}

TEST_F(ExchangeTest, ParadoxExportSaysWhatItCannotHold)
{
    insert(Tables::Customers, { { "nummer", 1 }, { "name1", "Łódź Spółka" } });
    Windows w(ExchangeKinds::Customers, ExchangeFormat::Paradox);
    dialogs.answerText(file("KUNDEN.DB"));
    w.window.exportData();
    ASSERT_EQ(dialogs.calls(DialogKind::Warning).size(), 1);
    EXPECT_EQ(dialogs.lastCall().text,
        "Einige Zeichen lassen sich in einer Paradox-Datei nicht speichern und wurden durch \"?\" ersetzt.");
    EXPECT_EQ(ParadoxFile::read(file("KUNDEN.DB")).rows.first().at(1).toString(), "?ód? Spó?ka");
}

TEST_F(ExchangeTest, DBaseFileWrittenByShapelibIsImportedAndACutOneRefused)
{
    const QString path = file("KUNDEN.DBF");
    {
        DBFHandle dbf = DBFCreateEx(QFile::encodeName(file("kunden.dbf")).constData(), "LDID/87");
        ASSERT_TRUE(dbf);
        const auto *schema = platform::SchemaRegistry::instance().find(Tables::Customers);
        for (const platform::FieldDef &field : schema->fields()) {
            if (field.type == platform::FieldType::Integer)
                DBFAddField(dbf, field.name.toUpper().toLatin1(), FTInteger, 8, 0);
            else
                DBFAddField(dbf, field.name.toUpper().toLatin1(), FTString, field.size, 0);
        }
        for (int r = 0; r < 40; ++r) {
            DBFWriteIntegerAttribute(dbf, r, 0, 100 + r);
            DBFWriteStringAttribute(dbf, r, 1, cp1252(QStringLiteral("Müller %1").arg(r)).constData());
            DBFWriteStringAttribute(dbf, r, 5, cp1252(QStringLiteral("Düsseldorf")).constData());
        }
        DBFMarkRecordDeleted(dbf, 39, 1);
        DBFClose(dbf);
        QFile::rename(file("kunden.dbf"), path);
    }
    Windows w(ExchangeKinds::Customers, ExchangeFormat::DBase);
    dialogs.answerText(path);
    w.window.openDatabase();
    EXPECT_FALSE(w.window.sourceGrid()->isHidden());
    EXPECT_EQ(w.window.fileNameField()->text(), path);
    EXPECT_EQ(w.window.sourceTable().recordCount(), 39) << "the deleted record is left out";
    w.window.importData();
    EXPECT_TRUE(dialogs.calls(DialogKind::Error).isEmpty()) << dialogs.texts().join(" | ").toStdString();
    const Snapshot imported = customers();
    ASSERT_EQ(imported.size(), 39);
    EXPECT_EQ(imported.first().mid(0, 2), QStringList({ "100", "Müller 0" }));
    EXPECT_EQ(imported.first().at(5), "Düsseldorf");

    // Cut short in the middle of its records: refused, nothing changes.
    QFile whole(path);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    writeFile(file("CUT.DBF"), whole.readAll().chopped(700));
    dialogs.clear();
    dialogs.answerText(file("CUT.DBF"));
    w.window.openDatabase();
    ASSERT_EQ(dialogs.calls(DialogKind::Error).size(), 1);
    EXPECT_TRUE(dialogs.lastCall().text.contains("unvollständig oder beschädigt"));
    EXPECT_TRUE(w.window.sourceGrid()->isHidden());
    w.window.importData();
    EXPECT_EQ(customers(), imported);
}

TEST_F(ExchangeTest, ParadoxFileWrittenByPxlibIsImportedAndAnUnreadableOneRefused)
{
    const QString path = file("ARTIKEL.DB");
    const auto *schema = platform::SchemaRegistry::instance().find(Tables::Articles);
    {
        pxdoc_t *doc = PX_new();
        const int count = schema->fieldCount();
        auto *fields = static_cast<pxfield_t *>(doc->malloc(doc, sizeof(pxfield_t) * count, "fields"));
        int size = 0;
        for (int i = 0; i < count; ++i) {
            const platform::FieldDef &field = schema->fieldAt(i);
            fields[i].px_fname = PX_strdup(doc, field.name.toLatin1().constData());
            fields[i].px_fdc = 0;
            if (field.type == platform::FieldType::Float) {
                fields[i].px_ftype = pxfNumber;
                fields[i].px_flen = 8;
            } else if (field.type == platform::FieldType::Boolean) {
                fields[i].px_ftype = pxfLogical;
                fields[i].px_flen = 1;
            } else {
                fields[i].px_ftype = pxfAlpha;
                fields[i].px_flen = field.size;
            }
            size += fields[i].px_flen;
        }
        ASSERT_GE(PX_create_file(doc, fields, count, QFile::encodeName(path).constData(), pxfFileTypNonIndexDB), 0);
        QByteArray record(size, '\0');
        for (int r = 0; r < 120; ++r) {
            record.fill('\0');
            QByteArray number = QByteArray::number(r + 1);
            PX_put_data_alpha(doc, record.data(), 20, number.data());
            QByteArray name = cp1252(QStringLiteral("Grüner Tee %1").arg(r));
            PX_put_data_alpha(doc, record.data() + 28, 40, name.data());
            int offset = 0;
            for (int i = 0; i < schema->fieldIndex("preis"); ++i)
                offset += fields[i].px_flen;
            PX_put_data_double(doc, record.data() + offset, 8, 2.5 * r);
            PX_put_record(doc, record.data());
        }
        PX_close(doc);
        PX_delete(doc);
    }
    Windows w(ExchangeKinds::Articles, ExchangeFormat::Paradox);
    dialogs.answerText(path);
    w.window.openDatabase();
    EXPECT_EQ(w.window.sourceTable().recordCount(), 120);
    w.window.importData();
    EXPECT_TRUE(dialogs.calls(DialogKind::Error).isEmpty()) << dialogs.texts().join(" | ").toStdString();
    platform::Table articles(platform::Alias::Data, Tables::Articles);
    articles.open();
    ASSERT_TRUE(articles.findKey({ "3" }));
    EXPECT_EQ(articles.fieldByName("bez1").asString(), "Grüner Tee 2");
    EXPECT_EQ(articles.fieldByName("preis").asFloat(), 5.0);
    const Snapshot imported = snapshot(Tables::Articles, QStringLiteral("artikel"));

    QFile whole(path);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    struct Case {
        const char *what;
        QByteArray content;
    };
    const QVector<Case> cases = {
        { "cut short", bytes.left(bytes.size() / 2) },
        { "a text file", QByteArray("artikel;bez1\r\n1;Tee\r\n").repeated(40) },
        { "empty", QByteArray() },
        { "a header only", bytes.left(0x58) },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(file("KAPUTT.DB"), c.content);
        dialogs.clear();
        dialogs.answerText(file("KAPUTT.DB"));
        w.window.openDatabase();
        ASSERT_EQ(dialogs.calls(DialogKind::Error).size(), 1);
        EXPECT_TRUE(dialogs.lastCall().text.contains("Paradox-Datei")) << dialogs.lastCall().text.toStdString();
        w.window.importData();
        EXPECT_EQ(snapshot(Tables::Articles, QStringLiteral("artikel")), imported);
    }
}

TEST_F(ExchangeTest, FixedWidthTextNeedsItsSchemaFile)
{
    insert(Tables::Customers, { { "nummer", 1 }, { "name1", "Erster" } });
    const QString path = file("kunden.txt");
    {
        Windows w(ExchangeKinds::Customers, ExchangeFormat::FixedText);
        dialogs.answerText(path);
        w.window.exportData();
    }
    const QString schema = FixedTextFile::schemaPath(path);
    QFile schemaFile(schema);
    ASSERT_TRUE(schemaFile.open(QIODevice::ReadOnly));
    const QString schemaText = QString::fromLatin1(schemaFile.readAll());
    EXPECT_TRUE(schemaText.contains("FILETYPE = FIXED\r\nCHARSET = ANSIINTL\r\nField1 = nummer,LONGINT,11,00,00\r\n"
                                    "Field2 = name1,CHAR,29,00,11\r\n"))
        << schemaText.toStdString();
    schemaFile.close();
    QFile::remove(schema);
    Windows w(ExchangeKinds::Customers, ExchangeFormat::FixedText);
    dialogs.clear();
    dialogs.answerText(path);
    w.window.openDatabase();
    ASSERT_EQ(dialogs.calls(DialogKind::Error).size(), 1);
    EXPECT_TRUE(dialogs.lastCall().text.contains("fehlt die Schemadatei"));
}

TEST_F(ExchangeTest, ExportWritesTheDelimitedFileAsAgreed)
{
    insert(Tables::Articles,
        { { "artikel", "7" }, { "bez1", "Tür \"Nord\"" }, { "preis", 12.5 }, { "Praefberech", true } });
    Windows w(ExchangeKinds::Articles, ExchangeFormat::DelimitedText);
    dialogs.answerText(file("artikel"));
    w.window.exportData();
    QFile written(file("artikel.TXT"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << "the default extension is added";
    const QList<QByteArray> lines = written.readAll().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines.at(0).startsWith("\"artikel\";\"waren\";\"bez1\";"));
    EXPECT_TRUE(lines.at(0).endsWith(";\"E6\";\"Praefberech\"\r"));
    EXPECT_TRUE(lines.at(1).startsWith(cp1252("\"7\";\"\";\"Tür \"\"Nord\"\"\";\"\";")));
    EXPECT_TRUE(lines.at(1).contains(";12,5;;\"\";")) << "preis, netto, urland";
    EXPECT_TRUE(lines.at(1).endsWith(";True\r"));
    EXPECT_EQ(lines.at(2), "");
}

TEST_F(ExchangeTest, CsvExportIsNotAvailableAndWritesNothing)
{
    insert(Tables::Customers, { { "nummer", 1 } });
    Windows w(ExchangeKinds::Customers, ExchangeFormat::Csv);
    w.window.exportData();
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.lastCall().kind, DialogKind::Information);
    EXPECT_EQ(dialogs.lastCall().text, "Diese Option ist leider noch nicht verfügbar!");
}

TEST_F(ExchangeTest, CsvFileIsOpenedAsATable)
{
    const QString path = file("kunden.csv");
    writeFile(path,
        cp1252(customerHeader(u'"', u',') + QStringLiteral("\r\n") + customerLine("8", "Größer").replace(u';', u',')
            + QStringLiteral("\r\n")));
    Windows w(ExchangeKinds::Customers, ExchangeFormat::Csv, u'"', u',');
    dialogs.answerText(path);
    w.window.openDatabase();
    EXPECT_EQ(w.window.sourceTable().recordCount(), 1);
    w.window.importData();
    EXPECT_TRUE(dialogs.calls(DialogKind::Error).isEmpty()) << dialogs.texts().join(" | ").toStdString();
    ASSERT_EQ(customers().size(), 1);
    EXPECT_EQ(customers().first().at(1), "Größer");
}

TEST_F(ExchangeTest, ChooserChecksSeparatorAndDelimiterOnClosing)
{
    struct Case {
        QString separator;
        QString delimiter;
        QString message;
    };
    const QVector<Case> cases = {
        { ";", "\"", {} },
        { "", "\"", "Feldtrennzeichen muss genau EIN Zeichen enthalten !" },
        { ";;", "\"", "Feldtrennzeichen muss genau EIN Zeichen enthalten !" },
        { ";", "''", "Textbegrenzungszeichen muss genau EIN Zeichen enthalten !" },
        { "|", "|", "Feldtrennzeichen und Textbegrenzungszeichen müssen unterschiedlich sein !" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        TfrmDatenbank chooser;
        chooser.show();
        chooser.setFormat(int(ExchangeFormat::DBase));
        chooser.separatorBox()->setEditText(c.separator);
        chooser.delimiterBox()->setEditText(c.delimiter);
        dialogs.clear();
        chooser.closeButton()->click();
        if (c.message.isEmpty()) {
            EXPECT_TRUE(dialogs.calls().isEmpty());
            EXPECT_EQ(chooser.result(), QDialog::Accepted);
            EXPECT_FALSE(chooser.isVisible());
        } else {
            ASSERT_EQ(dialogs.calls().size(), 1);
            EXPECT_EQ(dialogs.lastCall().text, c.message);
            EXPECT_TRUE(chooser.isVisible());
        }
    }

    // Separator and delimiter are open only for delimited text.
    TfrmDatenbank chooser;
    EXPECT_EQ(chooser.format(), int(ExchangeFormat::DBase));
    for (int format = 0; format < 5; ++format) {
        chooser.formatGroup()->button(format)->click();
        EXPECT_EQ(chooser.separatorBox()->isEnabled(), format == 3);
        EXPECT_EQ(chooser.delimiterBox()->isEnabled(), format == 3);
    }
}

TEST_F(ExchangeTest, ChooserLeftWithoutAFormatAsksFirst)
{
    TfrmDatenbank chooser;
    chooser.setFormat(-1);
    chooser.show();
    dialogs.answer(platform::DialogAnswer::Yes);
    chooser.reject();
    EXPECT_TRUE(chooser.isVisible()) << "Yes: choose one now";
    EXPECT_EQ(dialogs.lastCall().text, "Sie haben kein Datenbank-Format angegeben!\rMöchten Sie nun eines wählen");
    EXPECT_EQ(dialogs.lastCall().caption, "Warnung");
    dialogs.answer(platform::DialogAnswer::No);
    chooser.reject();
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_EQ(chooser.result(), QDialog::Rejected);
}

TEST_F(ExchangeTest, ImportWindowTakesTheStoredFormatOrAsksForOne)
{
    struct Case {
        int tag;
        QString stored;
        int chosen; // in the chooser, where it is shown
        QString storedAfter;
    };
    const QVector<Case> cases = {
        { ExchangeKinds::Customers, "-1", 3, "3" },
        { ExchangeKinds::Articles, "1", -1, "1" },
        { ExchangeKinds::GoodsNumbers, "", 2, "2" },
    };
    for (const Case &c : cases) {
        const ExchangeKind &kind = exchangeKind(c.tag);
        SCOPED_TRACE(kind.iniKey.toStdString());
        if (!c.stored.isEmpty())
            shell::IniWriteString(kind.iniKey, c.stored);
        bool chooserShown = false;
        QString caption;
        QString table;
        int tag = 0;
        auto importWindow = [&](QDialog *dialog) {
            auto *window = dynamic_cast<TfrmKundenImport *>(dialog);
            if (!window) {
                dialog->reject();
                FAIL() << "unexpected window";
            }
            caption = window->windowTitle();
            table = window->masterTable().tableName();
            tag = window->tag();
            window->reject();
        };
        if (c.chosen >= 0) {
            testsupport::onNextModal([&](QDialog *dialog) {
                auto *chooser = dynamic_cast<TfrmDatenbank *>(dialog);
                if (!chooser) {
                    dialog->reject();
                    FAIL() << "the chooser first";
                }
                chooserShown = true;
                chooser->setFormat(c.chosen);
                testsupport::onNextModal(importWindow);
                chooser->closeButton()->click();
            });
        } else {
            testsupport::onNextModal(importWindow);
        }
        showMasterDataImport(kind);
        EXPECT_EQ(chooserShown, c.chosen >= 0);
        EXPECT_EQ(caption, kind.caption);
        EXPECT_EQ(platform::TableSchema::tableNameOf(table), platform::TableSchema::tableNameOf(kind.table));
        EXPECT_EQ(tag, c.tag);
        EXPECT_EQ(shell::IniReadString(kind.iniKey, "-1"), c.storedAfter);
    }
}

TEST_F(ExchangeTest, SpreadsheetFilesAreImportedWithEveryValueExact)
{
    // The sheet's rows as the customer table holds them, in number order.
    QStringList empty16;
    for (int i = 0; i < 16; ++i)
        empty16.append(QString());
    auto row = [&](const QStringList &values) {
        QStringList texts = empty16;
        for (int i = 0; i < values.size(); ++i)
            texts[i] = values.at(i);
        return texts;
    };
    const Snapshot sheet = {
        row({ "7", "Œuvre Café", "\"Zitat\" drin", "", "Rue de l'Église 3", "Besançon", "001", "+33 381; 22", "", "",
            "F", "FR 12 345", "Frei Haus", "FR12345", "N", "25000" }),
        row({ "42", "Müller & Söhne GmbH", "Grüße aus der Straße", "", "Äußere Kanalstraße 5", "Köln", "004",
            "0221 123456", "", "", "D", "DE 123,456", "Preis 100 €", "", "J", "01067" }),
        row({ "1001", "Ärger; Ölung" }),
    };
    auto fixture = [](const char *name) {
        QFile in(QStringLiteral(EV_TEST_DATA "/spreadsheet/") + QLatin1String(name));
        EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << name;
        return in.readAll();
    };
    struct Case {
        const char *what;
        ExchangeFormat format;
        QByteArray bytes;
        QString fileName;
    };
    QByteArray crlf = fixture("kunden-utf8.csv");
    crlf.replace("\n", "\r\n");
    const QVector<Case> cases = {
        { "CSV, Windows-1252", ExchangeFormat::DelimitedText, fixture("kunden-cp1252.csv"), "a.csv" },
        { "CSV, UTF-8 without byte-order mark", ExchangeFormat::DelimitedText, fixture("kunden-utf8.csv"), "b.csv" },
        { "CSV, UTF-8 with byte-order mark", ExchangeFormat::DelimitedText, "\xEF\xBB\xBF" + fixture("kunden-utf8.csv"),
            "c.csv" },
        { "CSV, UTF-8, CR LF", ExchangeFormat::DelimitedText, crlf, "d.csv" },
        { "dBASE, Windows-1252", ExchangeFormat::DBase, fixture("kunden-cp1252.dbf"), "e.dbf" },
        { "dBASE, UTF-8, code page 0 and no .cpg", ExchangeFormat::DBase, fixture("kunden-utf8.dbf"), "f.dbf" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        platform::Table(platform::Alias::Data, Tables::Customers).emptyTable();
        writeFile(file(c.fileName), c.bytes);
        dialogs.clear();
        Windows w(ExchangeKinds::Customers, c.format);
        dialogs.answerText(file(c.fileName));
        w.window.openDatabase();
        w.window.importData();
        EXPECT_TRUE(dialogs.calls(DialogKind::Error).isEmpty()) << dialogs.texts().join(" | ").toStdString();
        EXPECT_EQ(customers(), sheet);
    }
}

TEST_F(ExchangeTest, TextThatIsNeitherUtf8NorWindows1252IsRefused)
{
    insert(Tables::Customers, { { "nummer", 1 }, { "name1", "Bleibt" } });
    const Snapshot before = customers();
    const QByteArray header = customerHeader().toLatin1() + "\r\n";
    struct Case {
        const char *what;
        QByteArray line;
    };
    const QVector<Case> cases = {
        { "bytes Windows-1252 does not define", "2;\"M\x81ller \x8D\";" },
        { "a NUL byte", QByteArray("2;\"Nul\0l\";", 10) },
        { "UTF-16", QByteArray("2\0;\0\"\0\xE4\0\"\0", 10) },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(file("kaputt.txt"), header + c.line + QByteArray(";").repeated(14) + "\r\n");
        dialogs.clear();
        Windows w(ExchangeKinds::Customers, ExchangeFormat::DelimitedText);
        dialogs.answerText(file("kaputt.txt"));
        w.window.openDatabase();
        w.window.importData();
        ASSERT_EQ(dialogs.calls(DialogKind::Error).size(), 1);
        EXPECT_TRUE(dialogs.lastCall().text.contains("weder UTF-8 noch Windows-1252"))
            << dialogs.lastCall().text.toStdString();
        EXPECT_EQ(customers(), before);
    }
}

TEST_F(ExchangeTest, DBaseExportWritesEmptyNumbersAndFlagsAsBlanks)
{
    insert(Tables::Articles, { { "artikel", "A-1" }, { "bez1", "Ohne Preis" } });
    insert(Tables::Articles, { { "artikel", "A-2" }, { "preis", 2.5 }, { "Praefberech", true } });
    const Snapshot before = snapshot(Tables::Articles, QStringLiteral("artikel"));
    const QString path = file("ARTIKEL.DBF");
    {
        Windows w(ExchangeKinds::Articles, ExchangeFormat::DBase);
        dialogs.answerText(path);
        w.window.exportData();
    }
    ASSERT_TRUE(dialogs.calls(DialogKind::Error).isEmpty()) << dialogs.texts().join(" | ").toStdString();

    // The stored bytes of the first record's price, net weight and flag.
    QFile stored(path);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    QByteArray bytes = stored.readAll();
    stored.close();
    DBFHandle dbf = DBFOpen(QFile::encodeName(path).constData(), "rb");
    ASSERT_TRUE(dbf);
    const int headerLength = dbf->nHeaderLength;
    QVector<std::pair<int, int>> empties; // offset in the file, width
    for (const char *name : { "preis", "netto", "Praefberec" }) {
        const int field = DBFGetFieldIndex(dbf, name);
        ASSERT_GE(field, 0) << name;
        empties.append({ headerLength + dbf->panFieldOffset[field], dbf->panFieldSize[field] });
    }
    DBFClose(dbf);
    for (const auto &[offset, width] : empties)
        EXPECT_EQ(bytes.mid(offset, width), QByteArray(width, ' '));

    // Read back empty, and so is the fill another program may have written.
    platform::Table(platform::Alias::Data, Tables::Articles).emptyTable();
    for (const char fill : { ' ', '*' }) {
        SCOPED_TRACE(fill);
        QByteArray filled = bytes;
        for (const auto &[offset, width] : empties)
            filled.replace(offset, width, QByteArray(width, width == 1 && fill == '*' ? '?' : fill));
        writeFile(file("ARTIKEL2.DBF"), filled);
        Windows w(ExchangeKinds::Articles, ExchangeFormat::DBase);
        dialogs.answerText(file("ARTIKEL2.DBF"));
        w.window.openDatabase();
        w.window.importData();
        EXPECT_TRUE(dialogs.calls(DialogKind::Error).isEmpty()) << dialogs.texts().join(" | ").toStdString();
        EXPECT_EQ(snapshot(Tables::Articles, QStringLiteral("artikel")), before);
    }
}

namespace {

// Files may grow only to a few kilobytes while it lives, as on a disk that
// is full: writes beyond fail as they would there.
class FullDisk
{
public:
    FullDisk()
    {
        getrlimit(RLIMIT_FSIZE, &m_former);
        m_formerSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_former;
        limit.rlim_cur = 8192;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_former);
        std::signal(SIGXFSZ, m_formerSignal);
    }

private:
    rlimit m_former {};
    void (*m_formerSignal)(int) = nullptr;
};

QByteArray contentOf(const QString &path)
{
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

} // namespace

TEST_F(ExchangeTest, ExportOntoAFullDiskKeepsTheOlderFileAndSaysSo)
{
    for (int n = 1; n <= 300; ++n)
        insert(Tables::Customers,
            { { "nummer", n }, { "name1", QStringLiteral("Kunde %1 mit einem längeren Namen").arg(n) },
                { "ort", "Köln" } });
    struct Case {
        const char *what;
        ExchangeFormat format;
        QString fileName;
        QStringList companions; // written with the file
    };
    const QVector<Case> cases = {
        { "delimited", ExchangeFormat::DelimitedText, "kunden.txt", {} },
        { "fixed width", ExchangeFormat::FixedText, "fest.txt", { "fest.SCH" } },
        { "dBASE", ExchangeFormat::DBase, "kunden.dbf", {} },
        { "Paradox", ExchangeFormat::Paradox, "kunden.db", {} },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QStringList paths { file(c.fileName) };
        for (const QString &companion : c.companions)
            paths.append(file(companion));
        for (const QString &path : paths)
            writeFile(path, "die ältere Datei " + path.toUtf8());
        dialogs.clear();
        Windows w(ExchangeKinds::Customers, c.format);
        dialogs.answerText(file(c.fileName));
        {
            FullDisk full;
            w.window.exportData();
        }
        ASSERT_EQ(dialogs.calls(DialogKind::Error).size(), 1);
        EXPECT_TRUE(dialogs.lastCall().text.contains("kann nicht geschrieben werden"))
            << dialogs.lastCall().text.toStdString();
        EXPECT_TRUE(dialogs.lastCall().text.contains("Datenträger voll")) << dialogs.lastCall().text.toStdString();
        for (const QString &path : paths)
            EXPECT_EQ(contentOf(path), "die ältere Datei " + path.toUtf8()) << path.toStdString();
        EXPECT_EQ(QDir(files.path()).entryList(QDir::Files).size(), paths.size())
            << "no half-written file is left beside it";
        for (const QString &path : paths)
            QFile::remove(path);
    }
}

TEST_F(ExchangeTest, ParadoxFileWithABrokenChainOfBlocksIsRefused)
{
    for (int n = 1; n <= 200; ++n)
        insert(Tables::Customers, { { "nummer", n }, { "name1", QStringLiteral("Kunde %1").arg(n) } });
    const QString path = file("KUNDEN.DB");
    {
        Windows w(ExchangeKinds::Customers, ExchangeFormat::Paradox);
        dialogs.answerText(path);
        w.window.exportData();
    }
    const QByteArray bytes = contentOf(path);
    ASSERT_GE(bytes.size(), 0x58);
    const int headerSize = qFromLittleEndian<quint16>(bytes.constData() + 2);
    const int blockSize = uchar(bytes.at(5)) * 1024;
    const int blocks = qFromLittleEndian<quint16>(bytes.constData() + 0x0C);
    ASSERT_GE(blocks, 3) << "the table needs a chain of blocks";
    auto patched = [&](int block, int offset, quint16 value) {
        QByteArray copy = bytes;
        qToLittleEndian<quint16>(value, copy.data() + headerSize + (block - 1) * blockSize + offset);
        return copy;
    };
    platform::Table(platform::Alias::Data, Tables::Customers).emptyTable();
    insert(Tables::Customers, { { "nummer", 1 }, { "name1", "Bleibt" } });
    const Snapshot before = customers();
    struct Case {
        const char *what;
        QByteArray content;
    };
    const QVector<Case> cases = {
        { "the chain loops", patched(2, 0, 1) },
        { "a block points at itself", patched(3, 0, 3) },
        { "a block beyond the file", patched(1, 0, quint16(blocks + 5)) },
        { "a block holding more records than fit", patched(1, 4, 0x7FF0) },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(file("KAPUTT.DB"), c.content);
        dialogs.clear();
        Windows w(ExchangeKinds::Customers, ExchangeFormat::Paradox);
        dialogs.answerText(file("KAPUTT.DB"));
        w.window.openDatabase();
        ASSERT_EQ(dialogs.calls(DialogKind::Error).size(), 1);
        EXPECT_TRUE(dialogs.lastCall().text.contains("unvollständig oder beschädigt"))
            << dialogs.lastCall().text.toStdString();
        EXPECT_FALSE(dialogs.lastCall().text.contains("paradox", Qt::CaseSensitive))
            << "pxlib's own text goes to the log only";
        w.window.importData();
        EXPECT_EQ(customers(), before);
    }
}
