#include "atlas/handoverwriter.h"

#include "atlas/atlastables.h"
#include "atlas/exportunit.h"
#include "platform/databaseerror.h"
#include "platform/localformat.h"
#include "platform/query.h"
#include "platform/session.h"
#include "platform/tableschema.h"

#include <QBuffer>
#include <QXmlStreamWriter>

namespace atlas {

using namespace Fields;

namespace {

bool isXmlCharacter(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

} // namespace

SourceRows SourceRows::read(platform::Session &session, const QString &sql, const QVariantList &values)
{
    platform::Query query(platform::Alias::Data, sql);
    query.setSession(&session);
    for (const QVariant &value : values)
        query.addBindValue(value);
    query.open();
    SourceRows rows;
    auto fields = std::make_shared<QHash<QString, int>>();
    for (int i = 0; i < query.fieldCount(); ++i) {
        fields->insert(query.fieldDef(i).name.toLower(), i);
        rows.m_names.append(query.fieldDef(i).name);
    }
    rows.m_fields = fields;
    const int count = query.recordCount();
    rows.m_rows.reserve(count);
    for (int i = 0; i < count; ++i)
        rows.m_rows.append(query.rowAt(i));
    query.close();
    return rows;
}

QString SourceRows::text(int row, const QString &field) const
{
    const int column = m_fields->value(field.toLower(), -1);
    if (column < 0)
        throw platform::DatabaseError(QStringLiteral("Das Feld \"%1\" wurde nicht gefunden.").arg(field));
    const QVariant &value = m_rows.at(row).at(column);
    return value.isNull() ? QString() : value.toString();
}

HandOverError::HandOverError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

// Where the writer stands: the head, the goods item and the row whose
// fields the elements read.
struct HandOverWriter::Context {
    const SourceRows *heads = nullptr;
    int head = 0;
    const SourceRows *items = nullptr;
    int item = -1;
    const SourceRows *rows = nullptr;
    int row = 0;

    QString headText(const QString &field) const { return heads->text(head, field); }
    QString rowText(const QString &field) const { return rows->text(row, field); }
};

class HandOverWriter::Output
{
public:
    Output()
    {
        m_buffer.open(QIODevice::WriteOnly);
        // The declaration names no encoding; XML then means UTF-8, which the
        // writer writes. It is written here, as the writer would start a
        // processing instruction on a new line and the declaration must
        // stand at the very beginning.
        m_buffer.write("<?xml version=\"1.0\" standalone=\"yes\"?>");
        m_writer.setDevice(&m_buffer);
        m_writer.setAutoFormatting(true);
        m_writer.setAutoFormattingIndent(2);
    }
    QXmlStreamWriter &writer() { return m_writer; }
    QByteArray bytes()
    {
        m_writer.writeEndDocument();
        return m_buffer.data();
    }

private:
    QBuffer m_buffer;
    QXmlStreamWriter m_writer;
};

HandOverWriter::HandOverWriter(const HandOverLayout &layout, platform::Session &session)
    : m_layout(layout)
    , m_session(session)
{
}

QByteArray HandOverWriter::document(const SourceRows &heads)
{
    Output out;
    QXmlStreamWriter &xml = out.writer();
    xml.writeStartElement(m_layout.root);
    Context context;
    context.heads = &heads;
    context.rows = &heads;
    for (const HandOverElement &element : m_layout.header)
        writeElement(out, element, context);
    for (int i = 0; i < heads.size(); ++i) {
        context.head = i;
        context.row = i;
        writeEntry(out, m_layout.declarations, context);
    }
    xml.writeEndElement();
    return out.bytes();
}

void HandOverWriter::writeEntry(Output &out, const HandOverList &list, const Context &context)
{
    out.writer().writeStartElement(list.entry);
    for (const HandOverElement &element : list.elements)
        writeElement(out, element, context);
    out.writer().writeEndElement();
}

void HandOverWriter::writeElement(Output &out, const HandOverElement &element, const Context &context)
{
    QXmlStreamWriter &xml = out.writer();
    if (element.source != HandOverElement::Source::List) {
        const QString text = xmlText(valueOf(element, context));
        if (text.isEmpty())
            xml.writeEmptyElement(element.name);
        else
            xml.writeTextElement(element.name, text);
        return;
    }

    const HandOverList &list = *element.list;
    const QString number = context.headText(BelegNr);
    SourceRows rows;
    if (list.owner == ListOwner::GoodsItem) {
        rows = SourceRows::read(m_session,
            QStringLiteral("SELECT * FROM %1 WHERE (BelegNr = ?) AND (WarenPos = ?) ORDER BY BelegNr, Pos")
                .arg(list.table),
            { number.toInt(), context.items->text(context.item, Pos).toInt() });
    } else {
        rows = SourceRows::read(m_session,
            QStringLiteral("SELECT * FROM %1 WHERE BelegNr = ? ORDER BY BelegNr, Pos").arg(list.table),
            { number.toInt() });
    }
    if (rows.isEmpty()) {
        xml.writeEmptyElement(element.name);
        return;
    }
    xml.writeStartElement(element.name);
    for (int i = 0; i < rows.size(); ++i) {
        Context entry = context;
        entry.rows = &rows;
        entry.row = i;
        if (list.owner == ListOwner::Declaration) {
            entry.items = &rows;
            entry.item = i;
        }
        writeEntry(out, list, entry);
    }
    xml.writeEndElement();
}

QString HandOverWriter::valueOf(const HandOverElement &element, const Context &context)
{
    switch (element.source) {
    case HandOverElement::Source::Empty:
    case HandOverElement::Source::List:
        return {};
    case HandOverElement::Source::Constant:
        return element.text;
    case HandOverElement::Source::Field: {
        QString text = context.rowText(element.field);
        if (element.firstChar > 0)
            text = text.mid(element.firstChar - 1, element.lastChar - element.firstChar + 1);
        return withLetterCase(text, element.letterCase);
    }
    case HandOverElement::Source::Computed:
        break;
    }
    switch (element.computed) {
    case Computed::Reference:
        return context.headText(BelegNr) + element.text + context.rowText(Pos);
    case Computed::YesFlag:
        return withLetterCase(context.rowText(element.field), LetterCase::Upper) == QLatin1String("J")
            ? QStringLiteral("1")
            : QStringLiteral("0");
    case Computed::GrossMass:
        return grossMass(context.headText(BelegNr));
    case Computed::ItemCount:
        return QueryValue(QStringLiteral("SELECT Count(*) FROM AtlasWare WHERE BelegNr = ?"),
            { context.headText(BelegNr).toInt() }, &m_session)
            .toString();
    case Computed::CustomerNumber:
        return m_customerNumber;
    }
    return {};
}

QString HandOverWriter::grossMass(const QString &number)
{
    // The masses are text; they are read the way the workstation writes
    // numbers. Blank masses count for nothing, as a sum leaves nulls out.
    const SourceRows items = SourceRows::read(m_session,
        QStringLiteral("SELECT Pos, Rohmasse FROM AtlasWare WHERE BelegNr = ? ORDER BY BelegNr, Pos"),
        { number.toInt() });
    double sum = 0.0;
    bool any = false;
    for (int i = 0; i < items.size(); ++i) {
        const QString mass = items.text(i, QStringLiteral("Rohmasse"));
        if (mass.trimmed().isEmpty())
            continue;
        bool ok = false;
        const double value = platform::parseNumber(mass, &ok);
        if (!ok) {
            throw HandOverError(QStringLiteral("Die Rohmasse \"%1\" der Warenposition %2 der Ausfuhranmeldung %3 ist "
                                               "keine Zahl.\rDie Daten wurden nicht exportiert.")
                                    .arg(mass.trimmed(), items.text(i, Pos), number));
        }
        sum += value;
        any = true;
    }
    return any ? platform::formatPlainNumber(sum) : QString();
}

QString HandOverWriter::xmlText(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    const auto codePoints = text.toUcs4();
    bool changed = false;
    for (char32_t c : codePoints) {
        if (isXmlCharacter(c))
            clean.append(QString::fromUcs4(&c, 1));
        else
            changed = true;
    }
    return changed ? clean : text;
}

QString HandOverWriter::withLetterCase(const QString &text, LetterCase letterCase)
{
    if (letterCase == LetterCase::AsStored)
        return text;
    QString result = text;
    for (QChar &c : result) {
        const char16_t u = c.unicode();
        if (letterCase == LetterCase::Upper && u >= u'a' && u <= u'z')
            c = QChar(char16_t(u - 32));
        else if (letterCase == LetterCase::Lower && u >= u'A' && u <= u'Z')
            c = QChar(char16_t(u + 32));
    }
    return result;
}

} // namespace atlas
