#include "orders/invoiceexchange.h"

#include "masterdata/exchangefiles.h"
#include "orders/ordertables.h"
#include "platform/database.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/localformat.h"
#include "platform/query.h"
#include "platform/schemaregistry.h"
#include "platform/table.h"
#include "shell/documentroutines.h"

#include <QHash>

namespace orders {

using masterdata::ExchangeFileError;
using masterdata::ExchangeValueError;
using masterdata::TableReader;

namespace {

const QString NothingImported = QStringLiteral("Es wurden keine Rechnungen übernommen.");

QVector<platform::FieldDef> tableFields(const QString &table)
{
    const platform::TableSchema *schema = platform::SchemaRegistry::instance().find(table);
    return schema ? schema->fields() : QVector<platform::FieldDef>();
}

QStringList fieldNames(const TableReader &reader)
{
    QStringList names;
    for (const platform::FieldDef &field : reader.fields())
        names.append(field.name);
    return names;
}

// A record of a file as the texts of its values; a record that holds fewer
// values than the file has fields gives fewer texts.
QStringList recordTexts(const TableReader &reader, const QVector<QVariant> &values)
{
    QStringList texts;
    texts.reserve(values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        texts.append(masterdata::exchangedText(reader.fields().value(i), values.at(i)));
    return texts;
}

// Where an import stopped, for its message.
struct ImportFailure {
    QString message;
};

qint64 documentNumber(const QString &text, const QString &what, qint64 record)
{
    bool ok = false;
    const qint64 number = text.trimmed().toLongLong(&ok);
    if (!ok)
        throw ImportFailure {
            QStringLiteral("%1 %2 hat keine gültige BelegNr. (\"%3\").").arg(what).arg(record).arg(text)
        };
    return number;
}

// The order date: a date or a date with its time, in the program's format.
QVariant orderDate(const platform::FieldDef &field, const QString &text)
{
    try {
        return masterdata::exchangedValue(field, text);
    } catch (const ExchangeValueError &) {
        const QDateTime moment = platform::parseDateTime(text.trimmed());
        if (moment.isValid())
            return moment.date();
        throw;
    }
}

// Writes one record: fields 1 onwards by place from the texts (the missing
// ones empty), field 0 the target number. A head's field 1 is its date.
void writeRecord(platform::Table &table, const QVector<platform::FieldDef> &fields, const QStringList &texts,
    int target, bool head, int *field)
{
    table.append();
    for (*field = 1; *field < fields.size(); ++*field) {
        const QString text = texts.value(*field);
        const platform::FieldDef &def = fields.at(*field);
        table.setValue(*field, head && *field == 1 ? orderDate(def, text) : masterdata::exchangedValue(def, text));
    }
    *field = 0;
    table.setValue(0, target);
    table.post();
}

} // namespace

QString invalidStartNumberMessage()
{
    return QStringLiteral("Sie haben keine gültige BelegNr. eingegeben!");
}

QString proposedStartNumber()
{
    platform::Table orders(platform::Alias::Data, Tables::Orders);
    orders.open();
    if (orders.isEmpty())
        return {};
    orders.last();
    orders.prior();
    return orders.field(0).asString();
}

bool validStartNumber(const QString &text, int *number)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (!ok || value < 1 || value >= shell::TemplateNumber)
        return false;
    *number = int(value);
    return true;
}

InvoiceImport::InvoiceImport(std::unique_ptr<TableReader> heads, int headNameLength,
    std::unique_ptr<TableReader> positions, int positionNameLength)
    : m_heads(std::move(heads))
    , m_positions(std::move(positions))
    , m_headNameLength(headNameLength)
    , m_positionNameLength(positionNameLength)
{
}

InvoiceImport::~InvoiceImport() = default;

bool InvoiceImport::structureFits() const
{
    return masterdata::structureMatches(tableFields(Tables::Orders), fieldNames(*m_heads), m_headNameLength)
        && masterdata::structureMatches(tableFields(Tables::Positions), fieldNames(*m_positions), m_positionNameLength);
}

int InvoiceImport::importFrom(int start)
{
    const QVector<platform::FieldDef> headFields = tableFields(Tables::Orders);
    const QVector<platform::FieldDef> positionFields = tableFields(Tables::Positions);
    platform::Table orders(platform::Alias::Data, Tables::Orders);
    orders.open();
    platform::Table positions(platform::Alias::Data, Tables::Positions);
    positions.open();

    QString failure;
    QString where;
    int imported = 0;
    int field = 0;
    try {
        // The positions of each source number, in the file's order.
        QHash<qint64, QVector<QStringList>> positionsOf;
        QVector<QVariant> values;
        for (qint64 record = 1; m_positions->next(values); ++record) {
            QStringList texts = recordTexts(*m_positions, values);
            positionsOf[documentNumber(texts.value(0), QStringLiteral("Die Position"), record)].append(texts);
        }

        platform::Transaction transaction(orders.database());
        qint64 target = start;
        for (qint64 record = 1; m_heads->next(values); ++record) {
            const QStringList texts = recordTexts(*m_heads, values);
            const qint64 source = documentNumber(texts.value(0), QStringLiteral("Die Rechnung"), record);
            while (target < shell::TemplateNumber && orders.findKey({ target }))
                ++target;
            // Imported orders never take or pass the template's number.
            if (target >= shell::TemplateNumber)
                throw ImportFailure { invalidStartNumberMessage() };
            where = QStringLiteral("Rechnung %1 (BelegNr. %2)").arg(record).arg(source);
            writeRecord(orders, headFields, texts, int(target), true, &field);
            where = QStringLiteral("Position der Rechnung %1 (BelegNr. %2)").arg(record).arg(source);
            for (const QStringList &position : positionsOf.value(source))
                writeRecord(positions, positionFields, position, int(target), false, &field);
            where.clear();
            ++imported;
            if (progress)
                progress(m_heads->permille(), 1000);
        }
        transaction.commit();
    } catch (const ImportFailure &stop) {
        failure = stop.message;
    } catch (const ExchangeValueError &conversion) {
        const QVector<platform::FieldDef> &fields
            = where.startsWith(QLatin1String("Position")) ? positionFields : headFields;
        failure = QStringLiteral("%1\r%2, Feld \"%3\".").arg(conversion.message, where, fields.value(field).name);
    } catch (const ExchangeFileError &error) {
        failure = error.message();
    } catch (const platform::DatabaseError &error) {
        failure = error.message() + (where.isEmpty() ? QString() : QStringLiteral("\r") + where)
            + QStringLiteral("\rDaten konnten nicht gespeichert werden!");
    }
    for (platform::Table *table : { &orders, &positions }) {
        if (table->isEditing())
            table->cancel();
    }
    if (!failure.isEmpty()) {
        platform::dialogs().error(failure + QStringLiteral("\r") + NothingImported);
        return -1;
    }
    if (progress)
        progress(1000, 1000);
    return imported;
}

masterdata::TableContent exportedOrders()
{
    platform::Table orders(platform::Alias::Data, Tables::Orders);
    orders.open();
    return masterdata::tableContent(orders);
}

masterdata::TableContent exportedPositions()
{
    platform::Table positions(platform::Alias::Data, Tables::Positions);
    positions.open();
    return masterdata::tableContent(positions);
}

} // namespace orders
