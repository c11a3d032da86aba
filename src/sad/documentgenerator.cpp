#include "sad/documentgenerator.h"

#include "platform/database.h"
#include "platform/databaseerror.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/fieldtype.h"
#include "platform/filtercondition.h"
#include "platform/localformat.h"
#include "platform/table.h"
#include "shell/documentregister.h"
#include "shell/documentroutines.h"
#include "shell/waitcursor.h"
#include "shell/windowfactories.h"

#include <QAbstractButton>
#include <QApplication>

#include <stdexcept>

namespace sad {

using platform::Table;

namespace {

// A value the target cannot take; its text is the message shown.
class GenerationError : public std::runtime_error
{
public:
    explicit GenerationError(const QString &message)
        : std::runtime_error(message.toStdString())
    {
    }
};

bool isNumberType(platform::FieldType type)
{
    return platform::isIntegerType(type) || platform::isFloatType(type);
}

void writeValue(platform::Field field, const QVariant &value)
{
    const platform::FieldType type = field.dataType();
    if (value.metaType().id() == QMetaType::QDate) {
        const QDate date = value.toDate();
        if (type == platform::FieldType::Date || type == platform::FieldType::DateTime)
            field.setAsDate(date);
        else
            field.setAsString(date.isValid() ? platform::formatDate(date) : QString());
        return;
    }
    if (isNumberType(type)) {
        double number = 0;
        if (value.metaType().id() == QMetaType::Double || value.metaType().id() == QMetaType::Int) {
            number = value.toDouble();
        } else {
            const QString text = value.toString().trimmed();
            if (text.isEmpty()) {
                field.clear();
                return;
            }
            bool ok = false;
            number = platform::parseNumber(text, &ok);
            if (!ok)
                throw GenerationError(
                    QStringLiteral("'%1' ist keine gültige Zahl (Feld %2).").arg(text, field.fieldName()));
        }
        if (platform::isIntegerType(type))
            field.setAsInteger(int(platform::roundHalfAwayFromZero(number)));
        else
            field.setAsFloat(number);
        return;
    }
    if (value.metaType().id() == QMetaType::Double)
        field.setAsString(platform::formatPlainNumber(value.toDouble()));
    else
        field.setAsString(value.toString());
}

void writeValues(Table &table, const QVector<FieldValue> &values, const SourceDocument &source, int item, int line)
{
    for (const FieldValue &value : values) {
        const QString name = value.target.contains(QLatin1String("%1")) ? value.target.arg(line) : value.target;
        writeValue(table.fieldByName(name), value.value(source, item));
    }
}

int takenItems(const GeneratorTarget &target, const SourceDocument &source)
{
    const int count = int(source.items.size());
    return target.itemLimit > 0 ? std::min(count, target.itemLimit) : count;
}

void removeDocument(shell::DocumentRegister &documentRegister, bool withItems)
{
    Table &head = documentRegister.head();
    if (withItems) {
        if (Table *items = documentRegister.positions()) {
            while (!items->isEmpty()) {
                items->first();
                items->deleteRecord();
            }
        }
    }
    head.deleteRecord();
}

void writeDocument(shell::DocumentRegister &documentRegister, const GeneratorTarget &target,
    const SourceDocument &source, bool overwrite)
{
    Table &head = documentRegister.head();
    if (overwrite)
        removeDocument(documentRegister, target.deletesItems);
    if (!shell::NewRecordFromTemplate(head, source.number))
        throw platform::AbortException(); // reported by the routine
    head.edit();
    writeValues(head, target.head, source, -1, 0);
    const int taken = takenItems(target, source);
    if (target.itemPlace == ItemPlace::HeadLines) {
        for (int i = 0; i < taken; ++i)
            writeValues(head, target.itemFields, source, i, i + target.firstLine);
    }
    head.post();
    if (target.itemPlace == ItemPlace::Items) {
        Table *items = documentRegister.positions();
        if (!items)
            throw GenerationError(QStringLiteral("Die Zieltabelle hat keine Positionen."));
        for (int i = 0; i < taken; ++i) {
            items->append();
            items->field(0).setAsInteger(source.number);
            items->field(1).setAsInteger(i + 1);
            writeValues(*items, target.itemFields, source, i, i + 1);
            items->post();
        }
    }
    if (!target.totals.isEmpty()) {
        head.edit();
        writeValues(head, target.totals, source, -1, 0);
        head.post();
    }
}

void dropPending(shell::DocumentRegister &documentRegister)
{
    if (Table *items = documentRegister.positions())
        shell::cancelIfEditing(*items);
    shell::cancelIfEditing(documentRegister.head());
}

} // namespace

QString SourceRecord::text(const QString &field) const
{
    const QVariant v = value(field);
    if (v.metaType().id() == QMetaType::QDate)
        return platform::formatDate(v.toDate());
    return v.toString();
}

SourceDocument readSourceDocument(Table &head, Table &items)
{
    SourceDocument source;
    source.number = head.field(0).asInteger();
    for (int i = 0; i < head.fieldCount(); ++i)
        source.head.set(head.fieldDef(i).name, head.value(i));
    auto view = shell::openSecondView(items);
    view->setFilter({ platform::FilterCondition::equal(view->fieldDef(0).name, source.number) });
    view->setFiltered(true);
    for (view->first(); !view->eof(); view->next()) {
        SourceRecord item;
        for (int i = 0; i < view->fieldCount(); ++i)
            item.set(view->fieldDef(i).name, view->value(i));
        source.items.append(item);
    }
    return source;
}

Packages splitPackages(const QString &line)
{
    const QString text = line.isEmpty() ? QStringLiteral("0 ") : line;
    const int blank = text.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return { text, QString() };
    return { text.left(blank), text.mid(blank + 1) };
}

double sourceNumber(const QString &text)
{
    if (text.trimmed().isEmpty())
        return 0;
    bool ok = false;
    const double number = platform::parseNumber(text.trimmed(), &ok);
    if (!ok)
        throw GenerationError(QStringLiteral("'%1' ist keine gültige Zahl.").arg(text));
    return number;
}

SourceValue headField(const QString &field)
{
    return [field](const SourceDocument &source, int) { return source.head.value(field); };
}

SourceValue itemField(const QString &field)
{
    return [field](const SourceDocument &source, int item) { return source.items.value(item).value(field); };
}

bool targetAvailable(const GeneratorTarget &target)
{
    return shell::hasDocumentKind(target.kindKey);
}

bool generateDocument(const GeneratorTarget &target, const SourceDocument &source, QWidget *parent)
{
    shell::WaitCursor wait;
    std::unique_ptr<shell::DocumentRegister> documentRegister = shell::createDocumentRegister(target.kindKey, parent);
    if (!documentRegister)
        return false;
    Table &head = documentRegister->head();

    ExistingDocument answer = ExistingDocument::New;
    if (head.findKey({ source.number })) {
        wait.restore();
        answer = platform::dialogs().confirmation(
                     QStringLiteral("Sie haben diese Belegnummer bereits vergeben!\rÜberschreiben?"),
                     platform::DialogButtons::YesNo)
                == platform::DialogAnswer::Yes
            ? ExistingDocument::Overwrite
            : ExistingDocument::Keep;
    }
    if (answer == ExistingDocument::Keep) {
        documentRegister->editButton()->click();
        return false;
    }

    try {
        platform::Transaction transaction(head.database());
        writeDocument(*documentRegister, target, source, answer == ExistingDocument::Overwrite);
        transaction.commit();
    } catch (const platform::AbortException &) {
        // Already reported where it failed.
        dropPending(*documentRegister);
        head.refresh();
        return false;
    } catch (const std::exception &error) {
        dropPending(*documentRegister);
        head.refresh();
        const auto *databaseError = dynamic_cast<const platform::DatabaseError *>(&error);
        wait.restore();
        platform::dialogs().error(QStringLiteral("Der Beleg konnte nicht erstellt werden:\r")
            + (databaseError ? databaseError->message() : QString::fromUtf8(error.what())));
        return false;
    }
    wait.restore();

    const int left = int(source.items.size()) - takenItems(target, source);
    if (left > 0) {
        platform::dialogs().information((left == 1 ? QStringLiteral("1 Position wurde nicht übernommen")
                                                   : QStringLiteral("%1 Positionen wurden nicht übernommen").arg(left))
            + QStringLiteral(": das Formular hat Platz für %1 Positionen.").arg(target.itemLimit));
    }
    head.refresh();
    if (head.findKey({ source.number }))
        documentRegister->editButton()->click();
    return true;
}

} // namespace sad
