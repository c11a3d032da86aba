#include "masterdata/dbasefile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>

#include <shapefil.h>

#include <memory>
#include <optional>

namespace masterdata::DBaseFile {

namespace {

QString damaged(const QString &path)
{
    return QStringLiteral("Die dBASE-Datei \"%1\" ist unvollständig oder beschädigt und kann nicht gelesen werden.")
        .arg(QDir::toNativeSeparators(path));
}

// shapelib reports through a hook without context; the last message is kept
// for the German error that follows.
QString &lastLibraryMessage()
{
    static QString message;
    return message;
}

void keepMessage(const char *message)
{
    lastLibraryMessage() = QString::fromLocal8Bit(message);
    logLibraryMessage("shapelib", {}, lastLibraryMessage());
}

SAHooks hooks()
{
    SAHooks h;
    SASetupDefaultHooks(&h);
    h.Error = keepMessage;
    return h;
}

struct DbfCloser {
    void operator()(DBFInfo *handle) const { DBFClose(handle); }
};
using DbfHandle = std::unique_ptr<DBFInfo, DbfCloser>;

// The header's promise must fit the file: a table cut short in copying or
// transfer is refused instead of read with garbage records. Gives the
// number of records the header names.
quint32 checkHeader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ExchangeFileError(cannotOpenMessage(path, file));
    const QByteArray header = file.read(32);
    if (header.size() < 32)
        throw ExchangeFileError(damaged(path));
    const quint32 records = qFromLittleEndian<quint32>(header.constData() + 4);
    const quint16 headerLength = qFromLittleEndian<quint16>(header.constData() + 8);
    const quint16 recordLength = qFromLittleEndian<quint16>(header.constData() + 10);
    const qint64 size = file.size();
    if (headerLength < 33 || recordLength < 1 || (headerLength - 1) / 32 < 1
        || qint64(headerLength) + qint64(records) * recordLength > size)
        throw ExchangeFileError(damaged(path));
    // Each field description must lie inside the header and its field inside
    // the record.
    const QByteArray descriptions = file.read(headerLength - 32);
    if (descriptions.size() != headerLength - 32)
        throw ExchangeFileError(damaged(path));
    int end = 1; // the deletion flag
    for (int at = 0; at + 32 <= descriptions.size() && descriptions.at(at) != '\r'; at += 32) {
        end += uchar(descriptions.at(at + 16));
        if (end > recordLength)
            throw ExchangeFileError(damaged(path));
    }
    return records;
}

// The text encoding a code page note of shapelib names.
QByteArray encodingOf(const char *codePage)
{
    const QByteArray note = QByteArray(codePage ? codePage : "").trimmed().toUpper();
    if (note.startsWith("LDID/")) {
        switch (note.mid(5).toInt()) {
        case 0x01:
            return QByteArrayLiteral("IBM437");
        case 0x02:
        case 0x37:
            return QByteArrayLiteral("IBM850");
        case 0x64:
            return QByteArrayLiteral("IBM852");
        case 0xC8:
            return QByteArrayLiteral("windows-1250");
        default:
            return ExchangeEncoding::Windows1252;
        }
    }
    if (note.contains("UTF-8") || note.contains("UTF8") || note == "65001")
        return ExchangeEncoding::Utf8;
    if (note.isEmpty() || note == "1252" || note.contains("1252") || note.contains("ANSI"))
        return ExchangeEncoding::Windows1252;
    bool number = false;
    const int page = note.toInt(&number);
    if (number)
        return page >= 1250 && page <= 1258 ? "windows-" + note : "IBM" + note;
    return note;
}

// The companion file of the path with that extension, in any case.
QString companion(const QString &path, const QString &extension)
{
    const QFileInfo info(path);
    const QDir dir = info.absoluteDir();
    const QString wanted = info.completeBaseName() + QLatin1Char('.') + extension;
    const QStringList names = dir.entryList(QDir::Files);
    for (const QString &name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    }
    return {};
}

platform::FieldDef fieldOf(DBFInfo *dbf, int index, char *nameBuffer)
{
    int width = 0;
    int decimals = 0;
    DBFGetFieldInfo(dbf, index, nameBuffer, &width, &decimals);
    platform::FieldDef def;
    def.name = QString::fromLatin1(nameBuffer).trimmed();
    switch (DBFGetNativeFieldType(dbf, index)) {
    case 'N':
    case 'F':
        def.type = decimals == 0 && width <= 9 ? platform::FieldType::Integer : platform::FieldType::Float;
        break;
    case 'L':
        def.type = platform::FieldType::Boolean;
        break;
    case 'D':
        def.type = platform::FieldType::Date;
        break;
    case 'C':
        def.type = platform::FieldType::String;
        def.size = width;
        break;
    default:
        def.type = platform::FieldType::Memo;
        break;
    }
    return def;
}

QVariant valueOf(const platform::FieldDef &def, const char *raw, const QByteArray &encoding)
{
    const QByteArray text = QByteArray(raw ? raw : "").trimmed();
    switch (def.type) {
    case platform::FieldType::Integer: {
        bool ok = false;
        const qlonglong value = text.toLongLong(&ok);
        return ok ? QVariant(value) : QVariant();
    }
    case platform::FieldType::Float: {
        bool ok = false;
        const double value = text.toDouble(&ok);
        return ok ? QVariant(value) : QVariant();
    }
    case platform::FieldType::Boolean: {
        const char c = text.isEmpty() ? '?' : text.at(0);
        if (QByteArrayView("TtYyJj").contains(c))
            return true;
        if (QByteArrayView("FfNn").contains(c))
            return false;
        return {};
    }
    case platform::FieldType::Date: {
        const QDate date = QDate::fromString(QString::fromLatin1(text), QStringLiteral("yyyyMMdd"));
        return date.isValid() ? QVariant(date) : QVariant();
    }
    default:
        return ExchangeEncoding::decode(raw ? QByteArray(raw) : QByteArray(), encoding);
    }
}

// A text field of a record as stored, without the padding after it (the
// blanks before it belong to the value: shapelib's text reading drops them).
QByteArrayView storedText(DBFInfo *dbf, const char *tuple, int field)
{
    QByteArrayView raw(tuple + dbf->panFieldOffset[field], dbf->panFieldSize[field]);
    while (!raw.isEmpty() && (raw.back() == ' ' || raw.back() == '\0'))
        raw.chop(1);
    return raw;
}

class DBaseReader : public TableReader
{
public:
    explicit DBaseReader(const QString &path)
        : m_path(path)
    {
        checkHeader(path);
        lastLibraryMessage().clear();
        SAHooks h = hooks();
        m_dbf.reset(DBFOpenLL(QFile::encodeName(readablePath(path)).constData(), "rb", &h));
        if (!m_dbf)
            throw ExchangeFileError(damaged(path));
        const int fieldCount = DBFGetFieldCount(m_dbf.get());
        for (int i = 0; i < fieldCount; ++i) {
            char name[XBASE_FLDNAME_LEN_READ + 1] = {};
            m_fields.append(fieldOf(m_dbf.get(), i, name));
        }
        m_records = DBFGetRecordCount(m_dbf.get());
        const char *named = DBFGetCodePage(m_dbf.get());
        m_encoding = named && *named ? encodingOf(named) : encodingOfText();
    }

    bool next(QVector<QVariant> &row) override
    {
        DBFInfo *dbf = m_dbf.get();
        for (; m_record < m_records; ++m_record) {
            if (!DBFIsRecordDeleted(dbf, m_record))
                break;
        }
        if (m_record >= m_records)
            return false;
        const int record = m_record++;
        row.fill(QVariant(), m_fields.size());
        for (int i = 0; i < m_fields.size(); ++i) {
            if (m_fields.at(i).type == platform::FieldType::String) {
                const QByteArrayView raw = storedText(dbf, tuple(record), i);
                if (!raw.isEmpty())
                    row[i] = ExchangeEncoding::decode(raw.toByteArray(), m_encoding);
                continue;
            }
            if (DBFIsAttributeNULL(dbf, record, i))
                continue;
            const char *raw = DBFReadStringAttribute(dbf, record, i);
            if (!raw)
                throw ExchangeFileError(damaged(m_path));
            row[i] = valueOf(m_fields.at(i), raw, m_encoding);
        }
        return true;
    }

    int permille() const override { return m_records > 0 ? int(qint64(m_record) * 1000 / m_records) : 1000; }

private:
    // shapelib finds a table by its base name with ".dbf" or ".DBF" only,
    // and its code page file as ".cpg" or ".CPG": a file named otherwise is
    // read from a copy under a plain name, with its code page file beside it.
    QString readablePath(const QString &path)
    {
        const QFileInfo info(path);
        const QString base = info.absolutePath() + QLatin1Char('/') + info.completeBaseName();
        const QString codePage = companion(path, QStringLiteral("cpg"));
        const bool tableFound = info.suffix() == QLatin1String("dbf")
            || (info.suffix() == QLatin1String("DBF") && !QFileInfo::exists(base + QStringLiteral(".dbf")));
        const bool codePageFound = codePage.isEmpty() || codePage == base + QStringLiteral(".cpg")
            || (codePage == base + QStringLiteral(".CPG") && !QFileInfo::exists(base + QStringLiteral(".cpg")));
        if (tableFound && codePageFound)
            return path;
        m_work.emplace();
        const QString copy = m_work->filePath(QStringLiteral("source.dbf"));
        if (!m_work->isValid() || !QFile::copy(path, copy))
            throw ExchangeFileError(
                QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.").arg(QDir::toNativeSeparators(path)));
        if (!codePage.isEmpty())
            QFile::copy(codePage, m_work->filePath(QStringLiteral("source.cpg")));
        return copy;
    }

    const char *tuple(int record)
    {
        const char *tuple = DBFReadTuple(m_dbf.get(), record);
        if (!tuple)
            throw ExchangeFileError(damaged(m_path));
        return tuple;
    }

    // A table that names no code page: its text fields tell (a first pass
    // over the records).
    QByteArray encodingOfText()
    {
        ExchangeEncoding::Sniffer sniffer;
        for (int record = 0; record < m_records; ++record) {
            const char *row = tuple(record);
            for (int i = 0; i < m_fields.size(); ++i) {
                if (m_fields.at(i).type == platform::FieldType::String) {
                    sniffer.add(storedText(m_dbf.get(), row, i));
                    sniffer.endPiece();
                }
            }
        }
        const QByteArray encoding = sniffer.result();
        if (encoding.isEmpty())
            throw ExchangeFileError(notTextMessage(m_path));
        return encoding;
    }

    QString m_path;
    std::optional<QTemporaryDir> m_work;
    DbfHandle m_dbf;
    QByteArray m_encoding;
    int m_record = 0;
    int m_records = 0;
};

} // namespace

std::unique_ptr<TableReader> open(const QString &path)
{
    return std::make_unique<DBaseReader>(path);
}

TableContent read(const QString &path)
{
    return readAll(*open(path));
}

void write(const QString &path, const TableContent &content)
{
    const QByteArray encoding = ExchangeEncoding::encodingFor(content);
    const bool utf8 = encoding == ExchangeEncoding::Utf8;
    auto cannotWrite = [&path](const QString &reason) { return ExchangeFileError(cannotWriteMessage(path, reason)); };

    // Written under a plain name first, as shapelib names its files itself,
    // then moved into place.
    QTemporaryDir work;
    if (!work.isValid())
        throw cannotWrite({});
    const QString directory = work.path();
    const QString target = directory + QStringLiteral("/target.dbf");
    {
        lastLibraryMessage().clear();
        SAHooks h = hooks();
        DbfHandle dbf(DBFCreateLL(QFile::encodeName(target).constData(), utf8 ? "UTF-8" : "LDID/87", &h));
        if (!dbf)
            throw cannotWrite(lastLibraryMessage());
        for (const platform::FieldDef &field : content.fields) {
            const QByteArray name = field.name.left(FieldNameLength).toLatin1();
            int added = -1;
            switch (field.type) {
            case platform::FieldType::SmallInt:
                added = DBFAddField(dbf.get(), name.constData(), FTInteger, 6, 0);
                break;
            case platform::FieldType::Integer:
            case platform::FieldType::AutoInc:
                added = DBFAddField(dbf.get(), name.constData(), FTInteger, 11, 0);
                break;
            case platform::FieldType::Float:
            case platform::FieldType::Currency:
            case platform::FieldType::Bcd:
                added = DBFAddField(dbf.get(), name.constData(), FTDouble, 20, 6);
                break;
            case platform::FieldType::Boolean:
                added = DBFAddField(dbf.get(), name.constData(), FTLogical, 1, 0);
                break;
            case platform::FieldType::Date:
                added = DBFAddNativeFieldType(dbf.get(), name.constData(), 'D', 8, 0);
                break;
            default: {
                // Wide enough for the longest value in the file's encoding.
                int width = std::max(1, field.type == platform::FieldType::String ? field.size : 1);
                const int column = int(&field - content.fields.constData());
                for (const QVector<QVariant> &row : content.rows)
                    width
                        = std::max(width, int(ExchangeEncoding::encode(row.value(column).toString(), encoding).size()));
                added = DBFAddField(dbf.get(), name.constData(), FTString, std::min(width, 254), 0);
                break;
            }
            }
            if (added < 0)
                throw cannotWrite(lastLibraryMessage());
        }
        int record = 0;
        for (const QVector<QVariant> &row : content.rows) {
            for (int i = 0; i < content.fields.size(); ++i) {
                const QVariant value = row.value(i);
                int written = 0;
                if (value.isNull() || !value.isValid()) {
                    // Blanks, as dBASE programs write an empty value: the
                    // library's "*" and "?" fills read as 0 and false
                    // elsewhere.
                    char blank[] = "";
                    written = DBFWriteAttributeDirectly(dbf.get(), record, i, blank);
                } else {
                    switch (content.fields.at(i).type) {
                    case platform::FieldType::SmallInt:
                    case platform::FieldType::Integer:
                    case platform::FieldType::AutoInc:
                        written = DBFWriteIntegerAttribute(dbf.get(), record, i, value.toInt());
                        break;
                    case platform::FieldType::Float:
                    case platform::FieldType::Currency:
                    case platform::FieldType::Bcd:
                        written = DBFWriteDoubleAttribute(dbf.get(), record, i, value.toDouble());
                        break;
                    case platform::FieldType::Boolean:
                        written = DBFWriteLogicalAttribute(dbf.get(), record, i, value.toBool() ? 'T' : 'F');
                        break;
                    case platform::FieldType::Date: {
                        // The library writes a string into a date field as if
                        // it were a number; the eight digits go in as they are.
                        QByteArray digits = value.toDate().toString(QStringLiteral("yyyyMMdd")).toLatin1();
                        written = DBFWriteAttributeDirectly(dbf.get(), record, i, digits.data());
                        break;
                    }
                    default:
                        written = DBFWriteStringAttribute(
                            dbf.get(), record, i, ExchangeEncoding::encode(value.toString(), encoding).constData());
                        break;
                    }
                }
                if (!written)
                    throw cannotWrite(lastLibraryMessage());
            }
            ++record;
        }
    }

    // The library does not tell of every failed write: the table it left
    // must hold every record before it replaces a file of the same name.
    try {
        if (checkHeader(target) != quint32(content.rows.size()))
            throw cannotWrite({});
    } catch (const ExchangeFileError &) {
        throw cannotWrite({});
    }
    const QByteArray bytes = writtenBytes(target, path);

    // The new table replaces a file of the same name, with its code page file.
    const QString staleCodePage = companion(path, QStringLiteral("cpg"));
    if (utf8) {
        const QString codePageFile = !staleCodePage.isEmpty() ? staleCodePage
                                                              : QFileInfo(path).absolutePath() + QLatin1Char('/')
                + QFileInfo(path).completeBaseName() + QStringLiteral(".cpg");
        saveFiles({ { path, bytes }, { codePageFile, QByteArrayLiteral("UTF-8") } });
    } else {
        saveFile(path, bytes);
        if (!staleCodePage.isEmpty())
            QFile::remove(staleCodePage);
    }
}

} // namespace masterdata::DBaseFile
