// Search as you type over 20,000 statistical goods numbers: the time of each
// keystroke's lookup, as the windows make it; and the import of 200,000 goods
// numbers from a delimited file (all new, then all overwritten) beside a raw
// bulk insert of the same file into a copy of the table with the same
// indexes, with the resident memory the import adds at its peak.
#include "benchsupport.h"

#include "masterdata/delimitedtext.h"
#include "masterdata/keylookup.h"
#include "masterdata/masterdataexchange.h"
#include "masterdata/masterdatatables.h"
#include "masterdata/picklists.h"
#include "platform/database.h"
#include "platform/dataset.h"
#include "platform/germantext.h"
#include "platform/localformat.h"
#include "platform/schemaregistry.h"
#include "platform/session.h"
#include "platform/sqlitebackend.h"
#include "platform/table.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace masterdata;

namespace {

constexpr int Rows = 20000;
constexpr int ImportRows = 200000;
constexpr int ShownRows = 25; // rows a grid shows after each keystroke

const char *const Words[] = { "Maschinen", "Teile", "Rechner", "Ventile", "Pumpen", "Lager", "Motoren", "Kabel",
    "Schrauben", "Getriebe", "Filter", "Dichtungen", "Öfen", "Ähnliche Waren", "Überzüge", "Zubehör" };

double ms(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// Goods numbers as the tariff has them: eight digits, a description of a
// few words, a country of origin.
TableContent goodsNumbers()
{
    TableContent content;
    platform::Table table(platform::Alias::Data, Tables::GoodsNumbers);
    table.open();
    content.fields = table.fieldDefs();
    QRandomGenerator random(4711);
    const QStringList countries = { "DE", "FR", "IT", "CN", "US", "AT", "PL", "CH" };
    for (int i = 0; i < Rows; ++i) {
        QVector<QVariant> row(content.fields.size());
        row[0] = QStringLiteral("%1").arg(random.bounded(1000000, 99999999), 8, 10, QLatin1Char('0'));
        const int words = 1 + random.bounded(3);
        QStringList description;
        for (int w = 0; w < words; ++w)
            description.append(QString::fromUtf8(Words[random.bounded(int(std::size(Words)))]));
        row[1] = description.join(QLatin1Char(' ')) + QStringLiteral(" %1").arg(i);
        row[2] = QStringLiteral("aus unedlen Metallen");
        row[5] = countries.at(random.bounded(int(countries.size())));
        row[9] = QString::number(random.bounded(1, 500));
        content.rows.append(row);
    }
    return content;
}

// The delimited file of an import of goods numbers, written a line at a time
// (the bench holds no table of them, so that its memory is the program's).
void writeGoodsFile(const QString &path, const QVector<platform::FieldDef> &fields, int rows)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return;
    QStringList names;
    for (const platform::FieldDef &field : fields)
        names.append(delimitedValue(field.name, u'"'));
    out.write(names.join(u';').toUtf8() + "\r\n");
    QRandomGenerator random(815);
    const QStringList countries = { "DE", "FR", "IT", "CN", "US", "AT", "PL", "CH" };
    for (int i = 0; i < rows; ++i) {
        QStringList values(fields.size(), QStringLiteral("\"\""));
        values[0] = QStringLiteral("\"%1\"").arg(random.bounded(1000000, 99999999), 8, 10, QLatin1Char('0'));
        QStringList description;
        for (int w = 1 + random.bounded(3); w > 0; --w)
            description.append(QString::fromUtf8(Words[random.bounded(int(std::size(Words)))]));
        values[1] = QStringLiteral("\"%1 %2\"").arg(description.join(QLatin1Char(' '))).arg(i);
        values[2] = QStringLiteral("\"aus unedlen Metallen\"");
        values[5] = QStringLiteral("\"%1\"").arg(countries.at(random.bounded(int(countries.size()))));
        values[9] = QStringLiteral("\"%1\"").arg(random.bounded(1, 500));
        out.write(values.join(u';').toUtf8() + "\r\n");
    }
}

using bench::handleOf;
using bench::resetPeak;
using bench::statusKib;

// The same file into a copy of the table with the same indexes, through the
// SQLite C API on the program's own connection (its collation included): the
// lines split at ";", the quotes taken off, prepared statements, one
// transaction. With `overwrite`, each row is looked for by its five key
// fields first and updated when found, as the import does.
double rawImport(platform::Database &db, const QString &raw, const QString &path, bool overwrite)
{
    sqlite3 *handle = handleOf(db);
    const QString table = db.quote(raw);
    QSqlQuery info = db.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table));
    QStringList names;
    while (info.next())
        names.append(db.quote(info.value(1).toString()));
    info.finish();
    const int fieldCount = int(names.size());
    // The key fields compared as the index compares them.
    QStringList keys;
    for (int i = 0; i < 5; ++i)
        keys.append(names.at(i) + QStringLiteral(" = ? COLLATE GNOCASE"));
    QStringList sets;
    for (const QString &name : names)
        sets.append(name + QStringLiteral(" = ?"));
    sqlite3_stmt *insert = nullptr;
    sqlite3_stmt *find = nullptr;
    sqlite3_stmt *update = nullptr;
    sqlite3_prepare_v2(handle,
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(table, names.join(u','), QStringList(fieldCount, QStringLiteral("?")).join(u','))
            .toUtf8()
            .constData(),
        -1, &insert, nullptr);
    sqlite3_prepare_v2(handle,
        QStringLiteral("SELECT rowid FROM %1 WHERE %2")
            .arg(table, keys.join(QStringLiteral(" AND ")))
            .toUtf8()
            .constData(),
        -1, &find, nullptr);
    sqlite3_prepare_v2(handle,
        QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(table, sets.join(u',')).toUtf8().constData(), -1,
        &update, nullptr);

    QElapsedTimer timer;
    timer.start();
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return 0;
    in.readLine();
    sqlite3_exec(handle, "BEGIN", nullptr, nullptr, nullptr);
    while (!in.atEnd()) {
        QByteArray line = in.readLine();
        line.chop(2);
        QList<QByteArray> values = line.split(';');
        for (QByteArray &value : values)
            value = value.mid(1, value.size() - 2);
        sqlite3_int64 found = 0;
        if (overwrite) {
            for (int i = 0; i < 5; ++i)
                sqlite3_bind_text(find, i + 1, values.at(i).constData(), int(values.at(i).size()), SQLITE_STATIC);
            if (sqlite3_step(find) == SQLITE_ROW)
                found = sqlite3_column_int64(find, 0);
            sqlite3_reset(find);
        }
        sqlite3_stmt *statement = found ? update : insert;
        for (int i = 0; i < fieldCount; ++i)
            sqlite3_bind_text(
                statement, i + 1, values.value(i).constData(), int(values.value(i).size()), SQLITE_TRANSIENT);
        if (found)
            sqlite3_bind_int64(statement, fieldCount + 1, found);
        sqlite3_step(statement);
        sqlite3_reset(statement);
    }
    sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr);
    const double elapsed = ms(timer);
    sqlite3_finalize(insert);
    sqlite3_finalize(find);
    sqlite3_finalize(update);
    return elapsed;
}

// A copy of the table's declaration and indexes under another name.
void copyStructure(platform::Database &db, const QString &table, const QString &raw)
{
    QSqlQuery ddl = db.exec(
        QStringLiteral("SELECT sql FROM sqlite_master WHERE tbl_name = ? AND sql IS NOT NULL ORDER BY type DESC"),
        { table });
    QStringList statements;
    while (ddl.next())
        statements.append(ddl.value(0).toString());
    ddl.finish();
    for (QString statement : statements) {
        statement.replace(table, raw, Qt::CaseInsensitive);
        db.exec(statement);
    }
}

// 200,000 goods numbers, all new and then all overwritten, the program's
// import beside the raw one, with the resident memory the import adds.
void importBench(platform::Database &db, const QString &directory)
{
    const QString file = directory + QStringLiteral("/waren200000.txt");
    platform::Table goods(platform::Alias::Data, Tables::GoodsNumbers);
    goods.open();
    const QVector<platform::FieldDef> fields = goods.fieldDefs();
    goods.close();
    writeGoodsFile(file, fields, ImportRows);
    const QString raw = QStringLiteral("RawGoods");
    copyStructure(db, platform::SchemaRegistry::instance().find(Tables::GoodsNumbers)->tableName(), raw);
    db.emptyTable(Tables::GoodsNumbers);

    std::printf("import of %d goods numbers from a delimited file (resident before: %lld KiB)\n", ImportRows,
        statusKib("VmRSS:"));
    for (const bool overwrite : { false, true }) {
        const double rawMs = rawImport(db, raw, file, overwrite);
        MasterDataImport importer(exchangeKind(ExchangeKinds::GoodsNumbers));
        const qint64 before = statusKib("VmRSS:");
        resetPeak();
        QElapsedTimer timer;
        timer.start();
        const bool done = importer.importDelimitedFile(file, u'"', u';');
        const double programMs = ms(timer);
        const qint64 peak = statusKib("VmHWM:");
        std::printf("  %-18s program %9.1f ms, raw %9.1f ms, ratio %5.2f, peak +%lld KiB%s\n",
            overwrite ? "all overwritten:" : "all new:", programMs, rawMs, rawMs > 0 ? programMs / rawMs : 0.0,
            peak - before, done ? "" : "  FAILED");
    }
    std::printf(
        "goods numbers in the table: %lld (raw copy %lld)\n\n", db.countRows(Tables::GoodsNumbers), db.countRows(raw));
    db.dropTable(raw);
}

struct Keystrokes {
    QVector<double> times;
    void print(const char *what, const QStringList &typed) const
    {
        std::printf("%s\n", what);
        for (int i = 0; i < times.size(); ++i)
            std::printf("  %-14s %8.2f ms\n", qPrintable(typed.value(i)), times.at(i));
        QVector<double> sorted = times;
        std::sort(sorted.begin(), sorted.end());
        if (!sorted.isEmpty())
            std::printf("  median %.2f ms, slowest %.2f ms\n", sorted.at(sorted.size() / 2), sorted.last());
    }
};

// min / median / max of a list of times.
QString spread(QVector<double> times)
{
    std::sort(times.begin(), times.end());
    if (times.isEmpty())
        return QString();
    return QStringLiteral("%1 / %2 / %3 ms")
        .arg(times.first(), 0, 'f', 2)
        .arg(times.at(times.size() / 2), 0, 'f', 2)
        .arg(times.last(), 0, 'f', 2);
}

int rawCollate(void *, int len1, const void *s1, int len2, const void *s2)
{
    const int r = platform::compareCaseInsensitive(
        QString::fromUtf8(static_cast<const char *>(s1), len1), QString::fromUtf8(static_cast<const char *>(s2), len2));
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

// The same keystroke written against the SQLite C API: the count and the
// first rows of the prefix's range of the case-insensitive index.
struct RawKeystroke {
    sqlite3 *db = nullptr;
    sqlite3_stmt *count = nullptr;
    sqlite3_stmt *rows = nullptr;
    explicit RawKeystroke(const QString &path)
    {
        sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_create_collation(db, "GNOCASE", SQLITE_UTF8, nullptr, &rawCollate);
        const char *where = " FROM S_WARENN WHERE waren COLLATE GNOCASE >= ?1 AND waren COLLATE GNOCASE < ?2";
        sqlite3_prepare_v2(db, (QByteArray("SELECT COUNT(*)") + where).constData(), -1, &count, nullptr);
        sqlite3_prepare_v2(db,
            (QByteArray("SELECT *") + where + " ORDER BY waren COLLATE GNOCASE, rowid LIMIT "
                + QByteArray::number(ShownRows))
                .constData(),
            -1, &rows, nullptr);
    }
    ~RawKeystroke()
    {
        sqlite3_finalize(count);
        sqlite3_finalize(rows);
        sqlite3_close(db);
    }
    int type(const QString &prefix)
    {
        const QByteArray low = platform::caseInsensitiveSortKey(prefix).toUtf8();
        const QByteArray high = (platform::caseInsensitiveSortKey(prefix) + QChar(0xFFFF)).toUtf8();
        int result = 0;
        for (sqlite3_stmt *st : { count, rows }) {
            sqlite3_bind_text(st, 1, low.constData(), low.size(), SQLITE_TRANSIENT);
            sqlite3_bind_text(st, 2, high.constData(), high.size(), SQLITE_TRANSIENT);
            while (sqlite3_step(st) == SQLITE_ROW)
                result += sqlite3_column_bytes(st, 1) + sqlite3_column_int(st, 0);
            sqlite3_reset(st);
        }
        return result;
    }
};

// The rows a grid shows from the current record on, read without moving.
int readShownRows(platform::DataSet &set)
{
    const int first = std::max(0, set.currentPosition());
    const int end = std::min(first + ShownRows, set.recordCount());
    int characters = 0;
    for (int i = first; i < end; ++i)
        characters += int(set.rowAt(i).value(1).toString().size());
    return characters;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::setWorkstationLocale(QLocale(QLocale::German, QLocale::Germany));
    QTemporaryDir dir;
    registerMasterdataTables();
    platform::Session &session = platform::Session::current();
    session.setAliasPath(platform::Alias::Data, dir.path());
    platform::Database &db = session.database(platform::Alias::Data, true);
    db.ensureTables(platform::SchemaRegistry::instance().tables(platform::Alias::Data));

    importBench(db, dir.path());

    // The searches run over 20,000 goods numbers.
    const TableContent content = goodsNumbers();
    {
        db.emptyTable(Tables::GoodsNumbers);
        const QString file = dir.filePath(QStringLiteral("waren.txt"));
        writeDelimitedFile(file, content, u'"', u';');
        MasterDataImport(exchangeKind(ExchangeKinds::GoodsNumbers)).importDelimitedFile(file, u'"', u';');
    }

    // The data module's lookup of a goods-number field: every keystroke
    // filters by the text typed so far; leaving the field counts the rows.
    {
        platform::Table table(platform::Alias::Data, Tables::GoodsNumbers);
        table.open();
        const KeyLookup lookup { QStringLiteral("waren"), KeyMatch::Prefix, NoGoodsNumberFound };
        const QString number = content.rows.at(Rows / 2).at(0).toString();
        Keystrokes strokes;
        QStringList typed;
        int shown = 0;
        for (int n = 1; n <= number.size(); ++n) {
            typed.append(number.left(n));
            QElapsedTimer timer;
            timer.start();
            filterTypedKey(table, lookup, number.left(n));
            shown += table.recordCount();
            shown += readShownRows(table);
            strokes.times.append(ms(timer));
        }
        strokes.print("typing a goods number into a document field (filter, count, the rows shown):", typed);

        // Repeated, warm, beside the raw statements on the same index.
        constexpr int Repetitions = 7;
        QVector<double> ours, raw;
        RawKeystroke rawKeystroke(platform::SqliteBackend().databaseFilePath(dir.path()));
        for (int r = 0; r < Repetitions; ++r) {
            for (int n = 1; n <= number.size(); ++n) {
                QElapsedTimer timer;
                timer.start();
                filterTypedKey(table, lookup, number.left(n));
                shown += table.recordCount();
                shown += readShownRows(table);
                ours.append(ms(timer));
                timer.restart();
                shown += rawKeystroke.type(number.left(n));
                raw.append(ms(timer));
            }
        }
        std::sort(ours.begin(), ours.end());
        std::sort(raw.begin(), raw.end());
        std::printf("  each keystroke, %d runs, min / median / max: table layer %s, raw SQLite %s, "
                    "ratio of medians %.2fx\n",
            Repetitions, qPrintable(spread(ours)), qPrintable(spread(raw)),
            ours.at(ours.size() / 2) / std::max(raw.at(raw.size() / 2), 1e-6));
        if (shown == 42)
            std::printf(" ");
    }

    // The pick list "Auswahl: Statistische Warennummer": a typed character
    // moves the list to the first description at or after it.
    {
        TfrmWare_e list;
        list.show();
        Keystrokes strokes;
        QStringList typed;
        int shown = 0;
        for (const char *key : { "M", "ü", "R", "z", "a", "Ö", "T", "k", "S", "f" }) {
            typed.append(QString::fromUtf8(key));
            QElapsedTimer timer;
            timer.start();
            list.typeAhead(QString::fromUtf8(key));
            shown += readShownRows(list.table());
            strokes.times.append(ms(timer));
        }
        strokes.print("typing in the pick list of goods numbers (move to the description, the rows shown):", typed);
        if (shown == 42)
            std::printf(" ");
    }
    session.closeAll();
    return 0;
}
