#include "masterdata/delimitedtext.h"

#include "platform/fieldvalue.h"

#include <QDir>
#include <QFile>

namespace masterdata {

namespace {

// The value of a field as written: without enclosing delimiters, and with
// each doubled delimiter inside them read as one.
QString unquoted(QStringView raw, QChar delimiter)
{
    if (raw.size() < 2 || raw.front() != delimiter || raw.back() != delimiter)
        return raw.size() == 1 && raw.front() == delimiter ? QString() : raw.toString();
    QString inner = raw.mid(1, raw.size() - 2).toString();
    if (inner.contains(delimiter))
        inner.replace(QString(2, delimiter), QString(delimiter));
    return inner;
}

// Where the field that starts at `from` ends: the separator outside the
// delimiters, or the end of the line.
qsizetype fieldEnd(QStringView line, qsizetype from, QChar delimiter, QChar separator)
{
    bool inside = false;
    for (qsizetype i = from; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == delimiter)
            inside = !inside;
        else if (c == separator && !inside)
            return i;
    }
    return line.size();
}

// Whether a line leaves a delimiter open, a record running on over its end.
bool leavesDelimiterOpen(QStringView line, QChar delimiter, bool inside)
{
    for (QChar c : line) {
        if (c == delimiter)
            inside = !inside;
    }
    return inside;
}

} // namespace

bool SplitDelimitedField(QString &line, QChar delimiter, QChar separator, QString &field)
{
    const qsizetype end = fieldEnd(line, 0, delimiter, separator);
    field = unquoted(QStringView(line).left(end), delimiter);
    if (end == line.size()) {
        line.clear();
        return false;
    }
    line.remove(0, end + 1);
    return true;
}

QStringList splitDelimitedLine(const QString &line, QChar delimiter, QChar separator)
{
    QStringList fields;
    if (line.isEmpty())
        return fields;
    for (qsizetype from = 0;;) {
        const qsizetype end = fieldEnd(line, from, delimiter, separator);
        fields.append(unquoted(QStringView(line).mid(from, end - from), delimiter));
        if (end == line.size())
            return fields;
        from = end + 1;
    }
}

QString delimitedValue(const QString &text, QChar delimiter)
{
    QString doubled = text;
    doubled.replace(QString(delimiter), QString(2, delimiter));
    return delimiter + doubled + delimiter;
}

bool DelimitedRecords::next(QString &record)
{
    record.clear();
    QString line;
    bool inside = false;
    bool any = false;
    while (m_lines.next(line)) {
        if (any)
            record += QStringLiteral("\r\n");
        record += line;
        any = true;
        if (record.size() > TextLines::LongestLine)
            throw ExchangeFileError(QStringLiteral("Die Datei \"%1\" enthält einen Datensatz mit mehr als %2 Zeichen "
                                                   "(ein Textbegrenzungszeichen ohne sein Gegenstück?).")
                                        .arg(QDir::toNativeSeparators(m_lines.path()))
                                        .arg(TextLines::LongestLine));
        inside = leavesDelimiterOpen(line, m_delimiter, inside);
        if (inside)
            continue;
        // Empty lines are left out.
        if (!record.isEmpty())
            return true;
        any = false;
    }
    return !record.isEmpty();
}

QStringList delimitedRecords(const QString &text, QChar delimiter)
{
    DelimitedRecords reader(std::make_unique<TextLines>(text, InMemoryText {}), delimiter);
    QStringList records;
    QString record;
    while (reader.next(record))
        records.append(record);
    return records;
}

QString readDelimitedText(const QString &path)
{
    TextLines lines(path);
    QString text;
    QString line;
    while (lines.next(line))
        text += line + QStringLiteral("\r\n");
    return text;
}

void writeDelimitedFile(const QString &path, const TableContent &content, QChar delimiter, QChar separator)
{
    QStringList lines;
    QStringList names;
    for (const platform::FieldDef &field : content.fields)
        names.append(delimitedValue(field.name, delimiter));
    lines.append(names.join(separator));
    for (const QVector<QVariant> &row : content.rows) {
        QStringList values;
        for (int i = 0; i < content.fields.size(); ++i) {
            const platform::FieldDef &field = content.fields.at(i);
            const QVariant value = row.value(i);
            if (platform::isTextType(field.type)) {
                values.append(delimitedValue(value.toString(), delimiter));
                continue;
            }
            // A decimal comma must not split a number when the comma
            // separates the fields.
            const QString text = platform::valueToText(field.type, value);
            values.append(
                text.contains(separator) || text.contains(delimiter) ? delimitedValue(text, delimiter) : text);
        }
        lines.append(values.join(separator));
    }
    const QString text = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    const QByteArray encoding = ExchangeEncoding::encodingFor(content);
    QByteArray bytes = ExchangeEncoding::encode(text, encoding);
    if (encoding == ExchangeEncoding::Utf8)
        bytes.prepend("\xEF\xBB\xBF");
    saveFile(path, bytes);
}

DelimitedTableReader::DelimitedTableReader(const QString &path, QChar delimiter, QChar separator)
    : m_records(std::make_unique<TextLines>(path), delimiter)
    , m_delimiter(delimiter)
    , m_separator(separator)
{
    readHeader();
}

DelimitedTableReader::DelimitedTableReader(const QString &text, QChar delimiter, QChar separator, InMemoryText)
    : m_records(std::make_unique<TextLines>(text, InMemoryText {}), delimiter)
    , m_delimiter(delimiter)
    , m_separator(separator)
{
    readHeader();
}

void DelimitedTableReader::readHeader()
{
    QString header;
    if (!m_records.next(header))
        return;
    for (const QString &name : splitDelimitedLine(header, m_delimiter, m_separator)) {
        platform::FieldDef field;
        field.name = name;
        field.type = platform::FieldType::String;
        field.size = 1;
        m_fields.append(field);
    }
    m_record = 1;
}

bool DelimitedTableReader::next(QVector<QVariant> &row)
{
    QString record;
    if (!m_records.next(record))
        return false;
    ++m_record;
    const QStringList values = splitDelimitedLine(record, m_delimiter, m_separator);
    row.resize(values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        row[i] = values.at(i);
    return true;
}

TableContent readDelimitedTable(const QString &path, QChar delimiter, QChar separator)
{
    DelimitedTableReader reader(path, delimiter, separator);
    TableContent content;
    content.fields = reader.fields();
    QVector<QVariant> row;
    while (reader.next(row)) {
        if (row.size() < content.fields.size())
            throw ExchangeFileError(
                tooFewFieldsMessage(int(reader.record()), int(row.size()), int(content.fields.size())));
        row.resize(content.fields.size());
        for (int i = 0; i < content.fields.size(); ++i) {
            QVariant &value = row[i];
            if (value.toString().isEmpty())
                value = QVariant();
            else
                content.fields[i].size = std::max(content.fields.at(i).size, int(value.toString().size()));
        }
        content.rows.append(row);
    }
    return content;
}

QString tooFewFieldsMessage(int line, int found, int expected)
{
    return QStringLiteral("Die Zeile %1 der Datei enthält nur %2 von %3 Feldern.").arg(line).arg(found).arg(expected);
}

} // namespace masterdata
