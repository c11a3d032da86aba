#include "masterdata/delimitedtext.h"

#include "platform/fieldvalue.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace masterdata {

namespace {

// The value of a field as written: without enclosing delimiters, and with
// each doubled delimiter inside them read as one.
QString unquoted(const QString &raw, QChar delimiter)
{
    if (raw.size() < 2 || raw.front() != delimiter || raw.back() != delimiter)
        return raw.size() == 1 && raw.front() == delimiter ? QString() : raw;
    QString inner = raw.mid(1, raw.size() - 2);
    inner.replace(QString(2, delimiter), QString(delimiter));
    return inner;
}

} // namespace

bool SplitDelimitedField(QString &line, QChar delimiter, QChar separator, QString &field)
{
    bool inside = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == delimiter) {
            inside = !inside;
        } else if (c == separator && !inside) {
            field = unquoted(line.left(i), delimiter);
            line = line.mid(i + 1);
            return true;
        }
    }
    field = unquoted(line, delimiter);
    line.clear();
    return false;
}

QStringList splitDelimitedLine(const QString &line, QChar delimiter, QChar separator)
{
    QStringList fields;
    QString rest = line;
    bool more = !rest.isEmpty();
    while (more) {
        QString field;
        more = SplitDelimitedField(rest, delimiter, separator, field);
        fields.append(field);
    }
    return fields;
}

QString delimitedValue(const QString &text, QChar delimiter)
{
    QString doubled = text;
    doubled.replace(QString(delimiter), QString(2, delimiter));
    return delimiter + doubled + delimiter;
}

QStringList delimitedRecords(const QString &text, QChar delimiter)
{
    QStringList records;
    QString record;
    bool inside = false;
    bool open = false;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (open)
            record += QStringLiteral("\r\n");
        record += line;
        for (QChar c : line) {
            if (c == delimiter)
                inside = !inside;
        }
        open = inside;
        if (open)
            continue;
        if (!record.isEmpty())
            records.append(record);
        record.clear();
    }
    if (!record.isEmpty())
        records.append(record);
    return records;
}

QString readDelimitedText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ExchangeFileError(QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden:\r%2")
                                    .arg(QDir::toNativeSeparators(path), file.errorString()));
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return ExchangeEncoding::decode(bytes.mid(3), ExchangeEncoding::Utf8);
    return ExchangeEncoding::decode(bytes, ExchangeEncoding::Windows1252);
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ExchangeFileError(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden:\r%2")
                                    .arg(QDir::toNativeSeparators(path), file.errorString()));
}

TableContent readDelimitedTable(const QString &path, QChar delimiter, QChar separator)
{
    const QStringList records = delimitedRecords(readDelimitedText(path), delimiter);
    TableContent content;
    if (records.isEmpty())
        return content;
    const QStringList names = splitDelimitedLine(records.first(), delimiter, separator);
    QVector<int> widths(names.size(), 1);
    for (int r = 1; r < records.size(); ++r) {
        const QStringList values = splitDelimitedLine(records.at(r), delimiter, separator);
        if (values.size() < names.size())
            throw ExchangeFileError(tooFewFieldsMessage(r + 1, int(values.size()), int(names.size())));
        QVector<QVariant> row;
        for (int i = 0; i < names.size(); ++i) {
            row.append(values.at(i).isEmpty() ? QVariant() : QVariant(values.at(i)));
            widths[i] = std::max(widths.at(i), int(values.at(i).size()));
        }
        content.rows.append(row);
    }
    for (int i = 0; i < names.size(); ++i)
        content.fields.append({ names.at(i), platform::FieldType::String, widths.at(i) });
    return content;
}

QString tooFewFieldsMessage(int line, int found, int expected)
{
    return QStringLiteral("Die Zeile %1 der Datei enthält nur %2 von %3 Feldern.").arg(line).arg(found).arg(expected);
}

} // namespace masterdata
