#include "masterdata/masterdataexchange.h"

#include "masterdata/delimitedtext.h"
#include "masterdata/masterdatatables.h"
#include "platform/database.h"
#include "platform/dialogservice.h"
#include "platform/fieldvalue.h"
#include "platform/schemaregistry.h"
#include "platform/table.h"

namespace masterdata {

namespace {

const QString NothingImported = QStringLiteral("Es wurden keine Daten übernommen.");

// A value the field cannot take; the import stops at it.
struct ConversionFailure {
    QString message;
};

QVariant fieldValue(const platform::FieldDef &field, const QString &text)
{
    bool ok = false;
    QString error;
    const QVariant value = platform::textToValue(field, text, &ok, &error);
    if (!ok)
        throw ConversionFailure { error };
    // Cut as the table cuts it, so that the key looked for is the key stored.
    if (field.type == platform::FieldType::String && field.size > 0 && value.toString().size() > field.size)
        return value.toString().left(field.size);
    return value;
}

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

bool MasterDataImport::importTable(const TableContent &source, int nameLength)
{
    if (!structureMatches(m_fields, source.fieldNames(), nameLength)) {
        platform::dialogs().error(structureMismatchMessage());
        return false;
    }
    // Each value goes in as the text it shows, into the field at its position.
    QVector<QStringList> rows;
    rows.reserve(source.rows.size());
    for (const QVector<QVariant> &row : source.rows) {
        QStringList texts;
        for (int i = 0; i < m_fields.size(); ++i) {
            const QVariant value = row.value(i);
            const platform::FieldType type = source.fields.at(i).type;
            texts.append(value.typeId() == QMetaType::QString ? value.toString() : platform::valueToText(type, value));
        }
        rows.append(texts);
    }
    return importRows(rows);
}

bool MasterDataImport::importDelimited(const QString &text, QChar delimiter, QChar separator)
{
    const QStringList records = delimitedRecords(text, delimiter);
    QStringList names;
    if (!records.isEmpty())
        names = splitDelimitedLine(records.first(), delimiter, separator);
    if (!structureMatches(m_fields, names)) {
        platform::dialogs().error(structureMismatchMessage());
        return false;
    }
    QVector<QStringList> rows;
    rows.reserve(records.size());
    for (int r = 1; r < records.size(); ++r) {
        QStringList values = splitDelimitedLine(records.at(r), delimiter, separator);
        // A line cut short would blank the fields it lacks.
        if (values.size() < m_fields.size()) {
            platform::dialogs().error(tooFewFieldsMessage(r + 1, int(values.size()), int(m_fields.size()))
                + QStringLiteral("\r") + NothingImported);
            return false;
        }
        values.resize(m_fields.size());
        rows.append(values);
    }
    return importRows(rows);
}

bool MasterDataImport::importRows(const QVector<QStringList> &rows)
{
    platform::Table table(platform::Alias::Data, m_kind.table);
    table.setIndexFieldNames(m_kind.order);
    table.open();
    const int total = int(rows.size());
    int row = 0;
    int field = 0;
    try {
        platform::Transaction transaction(table.database());
        for (; row < total; ++row) {
            const QStringList &texts = rows.at(row);
            QVariantList key;
            for (field = 0; field < m_kind.keyFields; ++field)
                key.append(fieldValue(m_fields.at(field), texts.value(field)));
            // A record without its number would be numbered anew at every
            // import.
            if (m_kind.keyFields == 1 && (key.first().isNull() || key.first().toString().isEmpty())) {
                platform::dialogs().error(QStringLiteral("Datensatz %1 hat kein \"%2\".\r%3")
                                              .arg(row + 1)
                                              .arg(m_fields.first().name, NothingImported));
                return false;
            }
            if (table.findKey(key))
                table.edit();
            else
                table.insert();
            for (field = 0; field < m_fields.size(); ++field)
                table.setValue(field, fieldValue(m_fields.at(field), texts.value(field)));
            table.post();
            if (row % 64 == 0)
                report(row, total);
        }
        transaction.commit();
    } catch (const ConversionFailure &failure) {
        if (table.isEditing())
            table.cancel();
        platform::dialogs().error(QStringLiteral("%1\rDatensatz %2, Feld \"%3\".\r%4")
                                      .arg(failure.message)
                                      .arg(row + 1)
                                      .arg(m_fields.value(field).name, NothingImported));
        return false;
    } catch (const platform::DatabaseError &error) {
        if (table.isEditing())
            table.cancel();
        platform::dialogs().error(
            error.message() + QStringLiteral("\rDaten konnten nicht gespeichert werden!\r") + NothingImported);
        return false;
    }
    report(total, total);
    return true;
}

} // namespace masterdata
