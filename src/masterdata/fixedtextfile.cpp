#include "masterdata/fixedtextfile.h"

#include "platform/localformat.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace masterdata::FixedTextFile {

namespace {

struct Column {
    platform::FieldDef def;
    QString typeName;
    int width = 0;
    int decimals = 0;
    int offset = 0;
};

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QByteArray encodingOf(const QString &charset)
{
    const QString name = charset.trimmed().toUpper();
    // Windows-1252 unless the text is UTF-8: told from the bytes.
    if (name.isEmpty() || name.startsWith(QLatin1String("ANSI")) || name.contains(QLatin1String("1252")))
        return {};
    if (name.contains(QLatin1String("UTF")))
        return ExchangeEncoding::Utf8;
    // The DOS character sets of older exports.
    if (name == QLatin1String("ASCII") || name.contains(QLatin1String("437")))
        return QByteArrayLiteral("IBM437");
    if (name.contains(QLatin1String("850")))
        return QByteArrayLiteral("IBM850");
    return name.toLatin1();
}

platform::FieldType typeOf(const QString &name)
{
    const QString type = name.trimmed().toUpper();
    if (type == QLatin1String("LONGINT") || type == QLatin1String("INTEGER") || type == QLatin1String("AUTOINC"))
        return platform::FieldType::Integer;
    if (type == QLatin1String("SHORTINT") || type == QLatin1String("SMALLINT"))
        return platform::FieldType::SmallInt;
    if (type == QLatin1String("NUMBER") || type == QLatin1String("FLOAT") || type == QLatin1String("MONEY"))
        return platform::FieldType::Float;
    if (type == QLatin1String("BOOL") || type == QLatin1String("BOOLEAN") || type == QLatin1String("LOGICAL"))
        return platform::FieldType::Boolean;
    if (type == QLatin1String("DATE"))
        return platform::FieldType::Date;
    return platform::FieldType::String;
}

QString typeName(platform::FieldType type)
{
    switch (type) {
    case platform::FieldType::SmallInt:
        return QStringLiteral("SHORTINT");
    case platform::FieldType::Integer:
    case platform::FieldType::AutoInc:
        return QStringLiteral("LONGINT");
    case platform::FieldType::Float:
    case platform::FieldType::Currency:
    case platform::FieldType::Bcd:
        return QStringLiteral("FLOAT");
    case platform::FieldType::Boolean:
        return QStringLiteral("BOOL");
    case platform::FieldType::Date:
        return QStringLiteral("DATE");
    default:
        return QStringLiteral("CHAR");
    }
}

struct Schema {
    QByteArray encoding;
    QVector<Column> columns;
};

Schema readSchema(const QString &path)
{
    const QString schemaFile = schemaPath(path);
    QFile file(schemaFile);
    if (!file.open(QIODevice::ReadOnly))
        throw ExchangeFileError(
            QStringLiteral("Zur Textdatei \"%1\" fehlt die Schemadatei \"%2\".").arg(native(path), native(schemaFile)));
    // A schema is a few lines; anything larger is no schema.
    if (file.size() > 64 * 1024)
        throw ExchangeFileError(QStringLiteral("Die Schemadatei \"%1\" ist fehlerhaft.").arg(native(schemaFile)));
    const QString text = QString::fromLatin1(file.readAll());
    Schema schema;
    QMap<int, Column> numbered;
    static const QRegularExpression fieldKey(
        QStringLiteral("^FIELD(\\d+)$"), QRegularExpression::CaseInsensitiveOption);
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.isEmpty() || line.startsWith(QLatin1Char('[')) || line.startsWith(QLatin1Char(';')) || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key.compare(QLatin1String("FILETYPE"), Qt::CaseInsensitive) == 0) {
            if (value.compare(QLatin1String("FIXED"), Qt::CaseInsensitive) != 0)
                throw ExchangeFileError(QStringLiteral(
                    "Die Schemadatei \"%1\" beschreibt keine Textdatei mit festen Spalten (FILETYPE = %2).")
                                            .arg(native(schemaFile), value));
        } else if (key.compare(QLatin1String("CHARSET"), Qt::CaseInsensitive) == 0) {
            schema.encoding = encodingOf(value);
        } else if (const auto match = fieldKey.match(key); match.hasMatch()) {
            const QStringList parts = value.split(QLatin1Char(','));
            bool widthOk = false, offsetOk = false;
            Column column;
            if (parts.size() >= 5) {
                column.def.name = parts.at(0).trimmed();
                column.typeName = parts.at(1).trimmed();
                column.width = parts.at(2).trimmed().toInt(&widthOk);
                column.decimals = parts.at(3).trimmed().toInt();
                column.offset = parts.at(4).trimmed().toInt(&offsetOk);
            }
            if (!widthOk || !offsetOk || column.width <= 0 || column.offset < 0 || column.def.name.isEmpty()
                || column.width > TextLines::LongestLine || column.offset > TextLines::LongestLine)
                throw ExchangeFileError(
                    QStringLiteral("Die Schemadatei \"%1\" ist fehlerhaft:\r%2").arg(native(schemaFile), line));
            column.def.type = typeOf(column.typeName);
            if (column.def.type == platform::FieldType::String)
                column.def.size = column.width;
            numbered.insert(match.captured(1).toInt(), column);
        }
    }
    if (numbered.isEmpty())
        throw ExchangeFileError(
            QStringLiteral("Die Schemadatei \"%1\" beschreibt keine Felder.").arg(native(schemaFile)));
    schema.columns = numbered.values();
    return schema;
}

// A value as the file holds it; text that is no value of the column's type
// stays text, for the import to report against the field it goes into.
QVariant valueOf(const Column &column, const QString &raw)
{
    const QString text = column.def.type == platform::FieldType::String ? raw : raw.trimmed();
    if (text.isEmpty())
        return {};
    bool ok = false;
    switch (column.def.type) {
    case platform::FieldType::Integer:
    case platform::FieldType::SmallInt: {
        const qlonglong value = text.toLongLong(&ok);
        return ok ? QVariant(value) : QVariant(text);
    }
    case platform::FieldType::Float: {
        double value = QLocale::c().toDouble(text, &ok);
        if (!ok)
            value = platform::parseNumber(text, &ok);
        return ok ? QVariant(value) : QVariant(text);
    }
    case platform::FieldType::Boolean: {
        const QChar c = text.at(0).toUpper();
        if (c == QLatin1Char('T') || c == QLatin1Char('J') || c == QLatin1Char('Y') || c == QLatin1Char('1'))
            return true;
        if (c == QLatin1Char('F') || c == QLatin1Char('N') || c == QLatin1Char('0'))
            return false;
        return text;
    }
    case platform::FieldType::Date: {
        const QDate date = platform::parseDate(text);
        return date.isValid() ? QVariant(date) : QVariant(text);
    }
    default:
        return text;
    }
}

int widthOf(const platform::FieldDef &field, int column, const TableContent &content)
{
    switch (field.type) {
    case platform::FieldType::SmallInt:
        return 6;
    case platform::FieldType::Integer:
    case platform::FieldType::AutoInc:
        return 11;
    case platform::FieldType::Float:
    case platform::FieldType::Currency:
    case platform::FieldType::Bcd:
        return 20;
    case platform::FieldType::Boolean:
        return 1;
    case platform::FieldType::Date:
        return 10;
    case platform::FieldType::String:
        return std::max(field.size, 1);
    default: {
        int width = 1;
        for (const QVector<QVariant> &row : content.rows)
            width = std::max(width, int(row.value(column).toString().size()));
        return width;
    }
    }
}

QString textOf(const platform::FieldDef &field, const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return {};
    switch (field.type) {
    case platform::FieldType::SmallInt:
    case platform::FieldType::Integer:
    case platform::FieldType::AutoInc:
        return QString::number(value.toLongLong());
    case platform::FieldType::Float:
    case platform::FieldType::Currency:
    case platform::FieldType::Bcd:
        return QLocale::c().toString(value.toDouble(), 'g', 15);
    case platform::FieldType::Boolean:
        return value.toBool() ? QStringLiteral("T") : QStringLiteral("F");
    case platform::FieldType::Date:
        return platform::formatDate(value.toDate());
    default:
        return value.toString();
    }
}

bool isNumber(platform::FieldType type)
{
    return platform::isIntegerType(type) || platform::isFloatType(type);
}

// Each line a record.
class FixedTextReader : public TableReader
{
public:
    explicit FixedTextReader(const QString &path)
        : m_schema(readSchema(path))
        , m_lines(path, m_schema.encoding)
    {
        for (const Column &column : m_schema.columns)
            m_fields.append(column.def);
    }

    bool next(QVector<QVariant> &row) override
    {
        QString line;
        do {
            if (!m_lines.next(line))
                return false;
        } while (line.trimmed().isEmpty());
        row.resize(m_schema.columns.size());
        for (int i = 0; i < m_schema.columns.size(); ++i) {
            const Column &column = m_schema.columns.at(i);
            // Text keeps leading blanks; the padding after it goes.
            QStringView raw = QStringView(line).mid(column.offset, column.width);
            while (!raw.isEmpty() && raw.back().isSpace())
                raw.chop(1);
            row[i] = valueOf(column, raw.toString());
        }
        return true;
    }

    int permille() const override { return m_lines.permille(); }

private:
    Schema m_schema;
    TextLines m_lines;
};

} // namespace

QString schemaPath(const QString &path)
{
    const QFileInfo info(path);
    const QDir dir = info.absoluteDir();
    const QString wanted = info.completeBaseName() + QStringLiteral(".SCH");
    const QStringList names = dir.entryList(QDir::Files);
    for (const QString &name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return dir.filePath(wanted);
}

std::unique_ptr<TableReader> open(const QString &path)
{
    // The text first: its absence is the clearer message.
    if (!QFileInfo::exists(path)) {
        QFile file(path);
        throw ExchangeFileError(cannotOpenMessage(path, file));
    }
    return std::make_unique<FixedTextReader>(path);
}

TableContent read(const QString &path)
{
    return readAll(*open(path));
}

void write(const QString &path, const TableContent &content)
{
    const QByteArray encoding = ExchangeEncoding::encodingFor(content);
    QString schema = QStringLiteral("[%1]\r\nFILETYPE = FIXED\r\nCHARSET = %2\r\n")
                         .arg(QFileInfo(path).completeBaseName().toUpper(),
                             encoding == ExchangeEncoding::Utf8 ? QStringLiteral("UTF8") : QStringLiteral("ANSIINTL"));
    QVector<int> widths;
    int offset = 0;
    for (int i = 0; i < content.fields.size(); ++i) {
        const platform::FieldDef &field = content.fields.at(i);
        const int width = widthOf(field, i, content);
        widths.append(width);
        schema += QStringLiteral("Field%1 = %2,%3,%4,%5,%6\r\n")
                      .arg(i + 1)
                      .arg(field.name, typeName(field.type))
                      .arg(width, 2, 10, QLatin1Char('0'))
                      .arg(platform::isFloatType(field.type) ? 6 : 0, 2, 10, QLatin1Char('0'))
                      .arg(offset, 2, 10, QLatin1Char('0'));
        offset += width;
    }
    QString text;
    for (const QVector<QVariant> &row : content.rows) {
        for (int i = 0; i < content.fields.size(); ++i) {
            const platform::FieldDef &field = content.fields.at(i);
            const QString value = textOf(field, row.value(i)).left(widths.at(i));
            // Numbers stand right in their columns, everything else left.
            text += isNumber(field.type) ? value.rightJustified(widths.at(i)) : value.leftJustified(widths.at(i));
        }
        text += QStringLiteral("\r\n");
    }
    saveFiles({ { path, ExchangeEncoding::encode(text, encoding) }, { schemaPath(path), schema.toLatin1() } });
}

} // namespace masterdata::FixedTextFile
