#include "masterdata/masterdataexchange.h"

#include "masterdata/delimitedtext.h"
#include "masterdata/exchangefiles.h"
#include "masterdata/masterdatatables.h"
#include "platform/database.h"
#include "platform/dialogservice.h"
#include "platform/fieldvalue.h"
#include "platform/schemaregistry.h"
#include "platform/table.h"

namespace masterdata {

namespace {

const QString NothingImported = QStringLiteral("Es wurden keine Daten übernommen.");

} // namespace

const ExchangeKind &exchangeKind(int tag)
{
    static const QVector<ExchangeKind> kinds = {
        { ExchangeKinds::Customers, Tables::Customers, QStringLiteral("Nummer"), QStringLiteral("KundenImport"),
            QStringLiteral("Stammdaten Import !          * Kunden *"), 1 },
        { ExchangeKinds::Articles, Tables::Articles, QStringLiteral("Artikel"), QStringLiteral("Artikel-Import"),
            QStringLiteral("Stammdaten Import !          * Artikel *"), 1 },
        { ExchangeKinds::GoodsNumbers, Tables::GoodsNumbers, QStringLiteral("waren;bez1;bez2;bez3;bez4;bez5;Land"),
            QStringLiteral("WarenImport"),
            QStringLiteral("Stammdaten Import !          * Statistische Waren-Nr. und Artiekel-Stammdaten *"), 5 },
    };
    for (const ExchangeKind &kind : kinds) {
        if (kind.tag == tag)
            return kind;
    }
    return kinds.first();
}

QString structureMismatchMessage()
{
    return QStringLiteral("Die Struktur Ihrer Datenbank entspricht nicht\r               der Vorgabe-Struktur!");
}

bool structureMatches(const QVector<platform::FieldDef> &master, const QStringList &sourceNames, int nameLength)
{
    if (sourceNames.size() < master.size())
        return false;
    for (int i = 0; i < master.size(); ++i) {
        const QString expected = nameLength > 0 ? master.at(i).name.left(nameLength) : master.at(i).name;
        if (sourceNames.at(i).trimmed().toUpper() != expected.toUpper())
            return false;
    }
    return true;
}

TableContent tableContent(platform::DataSet &set)
{
    TableContent content;
    content.fields = set.fieldDefs();
    const int count = set.recordCount();
    content.rows.reserve(count);
    for (int i = 0; i < count; ++i)
        content.rows.append(set.rowAt(i));
    return content;
}

MasterDataImport::MasterDataImport(const ExchangeKind &kind)
    : m_kind(kind)
{
    if (const platform::TableSchema *schema = platform::SchemaRegistry::instance().find(kind.table))
        m_fields = schema->fields();
}

void MasterDataImport::report(int done, int total)
{
    if (progress)
        progress(done, total);
}

bool MasterDataImport::importFile(TableReader &source, int nameLength)
{
    QStringList names;
    for (const platform::FieldDef &field : source.fields())
        names.append(field.name);
    if (!structureMatches(m_fields, names, nameLength)) {
        platform::dialogs().error(structureMismatchMessage());
        return false;
    }
    return importRecords(source);
}

bool MasterDataImport::importDelimited(const QString &text, QChar delimiter, QChar separator)
{
    DelimitedTableReader source(text, delimiter, separator, InMemoryText {});
    return importFile(source);
}

bool MasterDataImport::importDelimitedFile(const QString &path, QChar delimiter, QChar separator)
{
    try {
        DelimitedTableReader source(path, delimiter, separator);
        return importFile(source);
    } catch (const ExchangeFileError &error) {
        platform::dialogs().error(error.message());
        return false;
    }
}

namespace {

// SQLite keeps more of the database in memory while an import runs: the
// indexes of a large table no longer fit its default page cache. The
// connection gets its former size back afterwards.
class LargerPageCache
{
public:
    explicit LargerPageCache(platform::Database &db)
        : m_db(db)
    {
        if (db.connection().driverName() != QLatin1String("QSQLITE"))
            return;
        QSqlQuery size = db.exec(QStringLiteral("PRAGMA cache_size"));
        if (!size.next())
            return;
        m_former = size.value(0);
        size.finish();
        // Negative: in KiB.
        db.exec(QStringLiteral("PRAGMA cache_size = -32768"));
    }
    ~LargerPageCache()
    {
        if (m_former.isValid()) {
            try {
                m_db.exec(QStringLiteral("PRAGMA cache_size = %1").arg(m_former.toLongLong()));
            } catch (const platform::DatabaseError &) {
                // The former size is a matter of memory only.
            }
        }
    }
    LargerPageCache(const LargerPageCache &) = delete;
    LargerPageCache &operator=(const LargerPageCache &) = delete;

private:
    platform::Database &m_db;
    QVariant m_former;
};

} // namespace

bool MasterDataImport::importRecords(TableReader &source)
{
    platform::Table table(platform::Alias::Data, m_kind.table);
    table.setIndexFieldNames(m_kind.order);
    table.open();
    const QVector<platform::FieldDef> &sourceFields = source.fields();
    const int count = int(m_fields.size());
    int row = 0;
    int field = 0;
    // Shown once the transaction has been rolled back.
    QString failure;
    try {
        LargerPageCache cache(table.database());
        platform::Transaction transaction(table.database());
        QVector<QVariant> values;
        QStringList texts;
        for (; source.next(values); ++row) {
            // A line cut short would blank the fields it lacks.
            if (values.size() < count) {
                failure = tooFewFieldsMessage(row + 2, int(values.size()), count);
                break;
            }
            // Each value goes in as the text it shows, into the field at its
            // position.
            texts.resize(count);
            for (int i = 0; i < count; ++i) {
                texts[i] = exchangedText(sourceFields.at(i), values.at(i));
            }
            QVariantList key;
            for (field = 0; field < m_kind.keyFields; ++field)
                key.append(exchangedValue(m_fields.at(field), texts.at(field)));
            // A record without its number would be numbered anew at every
            // import.
            if (m_kind.keyFields == 1 && (key.first().isNull() || key.first().toString().isEmpty())) {
                failure = QStringLiteral("Datensatz %1 hat kein \"%2\".").arg(row + 1).arg(m_fields.first().name);
                break;
            }
            if (table.findKey(key))
                table.edit();
            else
                table.insert();
            for (field = 0; field < count; ++field)
                table.setValue(field, exchangedValue(m_fields.at(field), texts.at(field)));
            table.post();
            if (row % 256 == 0)
                report(source.permille(), 1000);
        }
        if (failure.isEmpty())
            transaction.commit();
    } catch (const ExchangeValueError &conversion) {
        failure = QStringLiteral("%1\rDatensatz %2, Feld \"%3\".")
                      .arg(conversion.message)
                      .arg(row + 1)
                      .arg(m_fields.value(field).name);
    } catch (const ExchangeFileError &error) {
        failure = error.message();
    } catch (const platform::DatabaseError &error) {
        failure = error.message() + QStringLiteral("\rDaten konnten nicht gespeichert werden!");
    }
    if (table.isEditing())
        table.cancel();
    if (!failure.isEmpty()) {
        platform::dialogs().error(failure + QStringLiteral("\r") + NothingImported);
        return false;
    }
    report(1000, 1000);
    return true;
}

} // namespace masterdata
