#include "shell/documentroutines.h"

#include "platform/clock.h"
#include "platform/database.h"
#include "platform/databaseerror.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/localformat.h"
#include "platform/query.h"
#include "platform/table.h"

namespace shell {

using platform::DatabaseError;
using platform::Table;

namespace {

std::unique_ptr<Table> sameTable(const Table &table)
{
    return openSecondView(table);
}

QStringList recordTexts(Table &table)
{
    QStringList texts;
    texts.reserve(table.fieldCount());
    for (int i = 0; i < table.fieldCount(); ++i)
        texts.append(table.field(i).asString());
    return texts;
}

void writeTexts(Table &table, const QStringList &texts, int from, const QStringList &leaveEmpty = {})
{
    for (int i = from; i < texts.size() && i < table.fieldCount(); ++i) {
        if (!leaveEmpty.contains(table.fieldDef(i).name, Qt::CaseInsensitive))
            table.field(i).setAsString(texts.at(i));
    }
}

void cancelPending(platform::DataSet &dataSet)
{
    cancelIfEditing(dataSet);
}

// Drops the unfinished record and shows what went wrong in an error box;
// a failed save has been reported by the table's failed-save message.
void reportFailure(platform::DataSet &dataSet, const std::exception &error)
{
    cancelPending(dataSet);
    if (dynamic_cast<const platform::AbortException *>(&error))
        return;
    const auto *databaseError = dynamic_cast<const DatabaseError *>(&error);
    platform::dialogs().error(databaseError ? databaseError->message() : QString::fromUtf8(error.what()));
}

} // namespace

std::unique_ptr<Table> openSecondView(const Table &table, const QString &tableName)
{
    auto view = std::make_unique<Table>(table.databaseName(), tableName.isEmpty() ? table.tableName() : tableName);
    view->setSession(&table.session());
    view->open();
    return view;
}

void copyDocumentLines(const Table &lines, int source, int target, const LineCopy &lineCopy)
{
    auto from = openSecondView(lines);
    from->setFilter({platform::FilterCondition::equal(from->fieldDef(0).name, source)});
    from->setFiltered(true);
    auto to = openSecondView(lines);
    int number = 0;
    for (from->first(); !from->eof(); from->next()) {
        to->append();
        // Same table, same types: the values go over as they are.
        for (int i = 1; i < from->fieldCount(); ++i)
            to->setValue(i, from->value(i));
        to->field(0).setAsInteger(target);
        ++number;
        if (!lineCopy.numberField.isEmpty())
            to->fieldByName(lineCopy.numberField).setAsInteger(number);
        if (!lineCopy.dateField.isEmpty())
            setTodayInto(*to, to->fieldIndex(lineCopy.dateField));
        to->post();
    }
}

void cancelIfEditing(platform::DataSet &dataSet)
{
    try {
        if (dataSet.isActive() && dataSet.isEditing())
            dataSet.cancel();
    } catch (...) {
    }
}

void setTodayInto(Table &table, int fieldIndex)
{
    platform::Field f = table.field(fieldIndex);
    if (f.dataType() == platform::FieldType::Date || f.dataType() == platform::FieldType::DateTime)
        f.setAsDate(platform::Clock::today());
    else
        f.setAsString(platform::formatDate(platform::Clock::today()));
}

namespace {

// The field texts of the record with the number, read through a second view
// of the table; false when there is none.
bool readRecord(const Table &table, int number, QStringList *texts)
{
    auto view = sameTable(table);
    if (!view->findKey({number}))
        return false;
    *texts = recordTexts(*view);
    return true;
}

// Appends a record under the number with today's date whose further fields
// are the given texts, and posts it.
void appendCopy(Table &table, const QStringList &texts, int number, const QStringList &leaveEmpty = {})
{
    table.append();
    table.field(0).setAsInteger(number);
    if (table.fieldCount() > 1)
        setTodayInto(table, 1);
    writeTexts(table, texts, 2, leaveEmpty);
    table.post();
}

void copyLines(const Table &lines, int source, int target, const LineCopy &lineCopy = {})
{
    copyDocumentLines(lines, source, target, lineCopy);
}

void refreshUnlinked(Table &lines)
{
    if (lines.isActive() && !lines.masterSource())
        lines.refresh();
}

} // namespace

bool NewRecordFromTemplate(Table &head, int number, const QStringList &leaveEmpty)
{
    try {
        QStringList texts;
        readRecord(head, TemplateNumber, &texts);
        appendCopy(head, texts, number, leaveEmpty);
        return true;
    } catch (const std::exception &e) {
        reportFailure(head, e);
    }
    return false;
}

bool CopyRecord(Table &table, int source, int target)
{
    try {
        QStringList texts;
        if (!readRecord(table, source, &texts))
            return false;
        appendCopy(table, texts, target);
        return true;
    } catch (...) {
        cancelPending(table);
        return false;
    }
}

bool CopyDocumentWithPositions(Table &head, Table &positions, int source, int target, const QStringList &leaveEmpty,
    const LineCopy &lineCopy)
{
    try {
        platform::Transaction transaction(head.database());
        QStringList texts;
        if (!readRecord(head, source, &texts))
            return false;
        appendCopy(head, texts, target, leaveEmpty);
        copyLines(positions, source, target, lineCopy);
        transaction.commit();
        refreshUnlinked(positions);
        return true;
    } catch (const std::exception &e) {
        cancelPending(positions);
        if (lineCopy.reportsErrors)
            reportFailure(head, e);
        else
            cancelPending(head);
        return false;
    }
}

bool NewPackingListFromTemplate(Table &head, Table &lines, int number)
{
    try {
        platform::Transaction transaction(head.database());
        QStringList texts;
        readRecord(head, TemplateNumber, &texts);
        appendCopy(head, texts, number);
        copyLines(lines, TemplateNumber, number);
        transaction.commit();
        head.findKey({number});
        refreshUnlinked(lines);
        return true;
    } catch (...) {
        cancelPending(head);
        cancelPending(lines);
        return false;
    }
}

namespace {

enum class Merge {
    Key,           // part of the group key
    KeepFirst,     // kept from the first position of the group
    Sum,           // summed
    SumIfGiven,    // summed when the source brings a value
    CountIfFlag,   // copied and summed only when the position's flag is set
};

struct Mapping {
    const char *target;
    const char *source;
    Merge merge;
};

bool isEmptyText(const QString &text)
{
    return text.trimmed().isEmpty();
}

double number(const QString &text)
{
    bool ok = true;
    const double value = platform::parseAmount(text, &ok);
    if (!ok)
        throw DatabaseError(QStringLiteral("'%1' ist kein gültiger Gleitkommawert.").arg(text));
    return value;
}

bool condense(Table &source, Table &target, const QVector<Mapping> &mappings, const char *flagField)
{
    try {
        auto flagSet = [&](Table &t) {
            // An empty flag counts as not set.
            return flagField ? t.fieldByName(QString::fromLatin1(flagField)).asBoolean() : true;
        };
        auto copyNew = [&](int position) {
            target.append();
            target.field(1).setAsInteger(position);
            for (const auto &m : mappings) {
                if (m.merge == Merge::CountIfFlag && !flagSet(source))
                    continue;
                target.fieldByName(QString::fromLatin1(m.target)).setAsString(source.fieldByName(QString::fromLatin1(m.source)).asString());
            }
            target.post();
        };

        target.first();
        while (!target.eof() && !target.isEmpty())
            target.deleteRecord();

        source.first();
        if (source.isEmpty()) {
            target.append();
            target.field(1).setAsInteger(1);
            target.post();
            return true;
        }
        copyNew(1);
        for (source.next(); !source.eof(); source.next()) {
            bool found = false;
            for (target.first(); !target.eof(); target.next()) {
                bool same = true;
                for (const auto &m : mappings) {
                    if (m.merge != Merge::Key)
                        continue;
                    if (target.fieldByName(QString::fromLatin1(m.target)).asString()
                        != source.fieldByName(QString::fromLatin1(m.source)).asString()) {
                        same = false;
                        break;
                    }
                }
                if (same) {
                    found = true;
                    break;
                }
            }
            if (!found) {
                copyNew(target.recordCount() + 1);
                continue;
            }
            target.edit();
            for (const auto &m : mappings) {
                const QString sourceText = source.fieldByName(QString::fromLatin1(m.source)).asString();
                platform::Field t = target.fieldByName(QString::fromLatin1(m.target));
                switch (m.merge) {
                case Merge::Key:
                case Merge::KeepFirst:
                    break;
                case Merge::Sum:
                    t.setAsString(platform::formatPlainNumber(number(t.asString()) + number(sourceText)));
                    break;
                case Merge::SumIfGiven:
                    if (!isEmptyText(sourceText))
                        t.setAsString(platform::formatPlainNumber(number(t.asString()) + number(sourceText)));
                    break;
                case Merge::CountIfFlag:
                    if (flagSet(source) && !isEmptyText(sourceText))
                        t.setAsString(platform::formatPlainNumber(number(t.asString()) + number(sourceText)));
                    break;
                }
            }
            target.post();
        }
        return true;
    } catch (const std::exception &e) {
        reportFailure(target, e);
    }
    return false;
}

} // namespace

bool CondenseIntrastatPositions(Table &orderPositions, Table &intrastatPositions)
{
    static const QVector<Mapping> mappings = {
        {"INT13_1", "Waren", Merge::Key},      {"INT8_1", "Urland", Merge::Key},    {"INT8_2", "Buland", Merge::Key},
        {"INT6_1", "Bez1", Merge::KeepFirst},  {"INT6_2", "Bez2", Merge::KeepFirst}, {"INT6_3", "Bez3", Merge::KeepFirst},
        {"INT6_4", "Bez4", Merge::KeepFirst},  {"INT6_5", "Bez5", Merge::KeepFirst}, {"INT6_6", "Bez6", Merge::KeepFirst},
        {"INT6_7", "Bez7", Merge::KeepFirst},  {"INT6_8", "Bez8", Merge::KeepFirst}, {"INT16_1", "nettoges", Merge::Sum},
        {"INT18_1", "Quersum", Merge::Sum},
    };
    return condense(orderPositions, intrastatPositions, mappings, nullptr);
}

bool CondenseDeclarationPositions(Table &orderPositions, Table &declarationPositions)
{
    static const QVector<Mapping> mappings = {
        {"F33_1", "Waren", Merge::Key},          {"F34_1", "UrLand", Merge::Key},        {"F34_2", "BuLand", Merge::Key},
        {"F31_2", "WaBe1", Merge::KeepFirst},    {"F31_3", "WaBe2", Merge::KeepFirst},   {"F31_4", "WaBe3", Merge::KeepFirst},
        {"F31_5", "WaBe4", Merge::KeepFirst},    {"F31_6", "WaBe5", Merge::KeepFirst},   {"F31_7", "WaBe6", Merge::KeepFirst},
        {"F31_8", "WaBe7", Merge::KeepFirst},    {"F31_9", "WaBe8", Merge::KeepFirst},   {"F35_1", "bruttoges", Merge::SumIfGiven},
        {"F38", "nettoges", Merge::SumIfGiven},  {"F46", "Quersum", Merge::SumIfGiven},  {"F41_1", "ANZAHL", Merge::CountIfFlag},
    };
    return condense(orderPositions, declarationPositions, mappings, "BesMassEinheit");
}

std::unique_ptr<platform::Query> CreateDataQuery(const QString &sql)
{
    return std::make_unique<platform::Query>(platform::Alias::Data, sql);
}

QString QueryScalar(const QString &sql, const QVariantList &values)
{
    return platform::queryScalar(sql, values, platform::Alias::Data);
}

void EditIfBrowsing(platform::DataSet &dataSet)
{
    if (dataSet.isBrowsing())
        dataSet.edit();
}

void PostIfEditing(platform::DataSet &dataSet)
{
    if (dataSet.isEditing())
        dataSet.post();
}

} // namespace shell
