#include "masterdata/paradoxfile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>

extern "C" {
#include <paradox.h>
}

#include <cstring>
#include <memory>

namespace masterdata::ParadoxFile {

namespace {

// Days of a Paradox date count from 1 January of the year 1.
constexpr long SdnOfDayZero = 1721425;

QString unreadable(const QString &path)
{
    return QStringLiteral("Die Paradox-Datei \"%1\" ist unvollständig oder beschädigt und kann nicht gelesen werden.")
        .arg(QDir::toNativeSeparators(path));
}

// pxlib's messages are English: they go to the log, the clerk is told in
// German.
void keepMessage(pxdoc_t *, int, const char *message, void *data)
{
    if (data && message)
        *static_cast<QString *>(data) = QString::fromLocal8Bit(message).trimmed();
}

struct PxDeleter {
    void operator()(pxdoc_t *doc) const
    {
        PX_close(doc);
        PX_delete(doc);
    }
};
using PxDocument = std::unique_ptr<pxdoc_t, PxDeleter>;

// pxlib trusts the header; a file that is no table or was cut short is
// refused here before pxlib reads past its end. pxlib follows the chain of
// data blocks from block to block: a chain that leaves the file, loops, or
// names more records in a block than it holds is refused as well. Gives the
// number of records the header names.
quint32 checkFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ExchangeFileError(cannotOpenMessage(path, file));
    const QByteArray header = file.read(0x78);
    if (header.size() < 0x58)
        throw ExchangeFileError(unreadable(path));
    const auto *bytes = reinterpret_cast<const uchar *>(header.constData());
    const quint16 recordSize = qFromLittleEndian<quint16>(bytes);
    const quint16 headerSize = qFromLittleEndian<quint16>(bytes + 2);
    const quint8 fileType = bytes[4];
    const quint8 blockKilobytes = bytes[5];
    const quint32 records = qFromLittleEndian<quint32>(bytes + 6);
    const quint16 fileBlocks = qFromLittleEndian<quint16>(bytes + 0x0C);
    const quint16 firstBlock = qFromLittleEndian<quint16>(bytes + 0x0E);
    const quint16 fieldCount = qFromLittleEndian<quint16>(bytes + 0x21);
    const qint64 blockSize = qint64(blockKilobytes) * 1024;
    const bool sizes = recordSize > 0 && headerSize >= 0x58 && headerSize % 0x800 == 0 && fieldCount > 0
        && fieldCount <= 255 && (fileType == 0 || fileType == 2) && blockKilobytes >= 1 && blockKilobytes <= 32
        && recordSize <= blockSize - 6;
    if (!sizes || qint64(headerSize) + qint64(fileBlocks) * blockSize > file.size())
        throw ExchangeFileError(unreadable(path));
    // A version pxlib does not know leaves parts of its header unset, and its
    // walk through the blocks may then not end.
    const quint8 version = bytes[0x39];
    if (version < 3 || version > 12)
        throw ExchangeFileError(unreadable(path));
    // An encrypted table would need its password; pxlib's attempt to read it
    // without one may not end.
    const quint32 encryption = qFromLittleEndian<quint32>(bytes + 0x25);
    const bool extended = version >= 5 && header.size() >= 0x78;
    if ((encryption != 0 && encryption != 0xFF00FF00u) || (extended && qFromLittleEndian<quint32>(bytes + 0x5C) != 0))
        throw ExchangeFileError(
            QStringLiteral("Die Paradox-Datei \"%1\" ist verschlüsselt und kann nicht gelesen werden.")
                .arg(QDir::toNativeSeparators(path)));

    QVector<bool> visited(fileBlocks + 1, false);
    quint64 held = 0;
    for (quint16 block = fileBlocks > 0 ? firstBlock : 0; block != 0;) {
        if (block > fileBlocks || visited.at(block))
            throw ExchangeFileError(unreadable(path));
        visited[block] = true;
        if (!file.seek(headerSize + (block - 1) * blockSize))
            throw ExchangeFileError(unreadable(path));
        const QByteArray blockHeader = file.read(6);
        if (blockHeader.size() < 6)
            throw ExchangeFileError(unreadable(path));
        const auto *head = reinterpret_cast<const uchar *>(blockHeader.constData());
        // The offset of the block's last record; one record size below zero
        // for an empty block.
        const qint16 lastRecord = qFromLittleEndian<qint16>(head + 4);
        if (lastRecord < -qint32(recordSize) || lastRecord % recordSize != 0
            || 6 + qint64(lastRecord) + recordSize > blockSize)
            throw ExchangeFileError(unreadable(path));
        held += quint64(lastRecord / recordSize + 1);
        block = qFromLittleEndian<quint16>(head);
    }
    if (held < records)
        throw ExchangeFileError(unreadable(path));
    return records;
}

QByteArray encodingOf(int codePage)
{
    if (codePage <= 0 || codePage == 1252)
        return ExchangeEncoding::Windows1252;
    if (codePage >= 1250 && codePage <= 1258)
        return "windows-" + QByteArray::number(codePage);
    return "IBM" + QByteArray::number(codePage);
}

platform::FieldDef fieldOf(const pxfield_t &field)
{
    platform::FieldDef def;
    def.name = QString::fromLatin1(field.px_fname);
    switch (field.px_ftype) {
    case pxfAlpha:
        def.type = platform::FieldType::String;
        def.size = field.px_flen;
        break;
    case pxfDate:
        def.type = platform::FieldType::Date;
        break;
    case pxfShort:
        def.type = platform::FieldType::SmallInt;
        break;
    case pxfLong:
    case pxfAutoInc:
        def.type = platform::FieldType::Integer;
        break;
    case pxfCurrency:
        def.type = platform::FieldType::Currency;
        break;
    case pxfNumber:
        def.type = platform::FieldType::Float;
        break;
    case pxfLogical:
        def.type = platform::FieldType::Boolean;
        break;
    default:
        // Memos, pictures, times: shown empty, not read.
        def.type = platform::FieldType::Memo;
        break;
    }
    return def;
}

// Whether a field's bytes are all zero: Paradox's empty value. pxlib tests
// a four-byte number for it through a variable of eight bytes on this
// platform, so the bytes of the next field decide; an empty number or date
// then read as -2147483648.
bool emptyValue(const char *data, int length)
{
    return std::all_of(data, data + length, [](char c) { return c == 0; });
}

QVariant valueOf(pxdoc_t *doc, const pxfield_t &field, char *data, const QByteArray &encoding)
{
    if (field.px_ftype != pxfAlpha && emptyValue(data, field.px_flen))
        return {};
    switch (field.px_ftype) {
    case pxfAlpha: {
        char *text = nullptr;
        if (PX_get_data_alpha(doc, data, field.px_flen, &text) <= 0 || !text)
            return {};
        const QString value = ExchangeEncoding::decode(QByteArray(text), encoding);
        doc->free(doc, text);
        return value;
    }
    case pxfDate: {
        long days = 0;
        if (PX_get_data_long(doc, data, field.px_flen, &days) <= 0)
            return {};
        int year = 0, month = 0, day = 0;
        PX_SdnToGregorian(days + SdnOfDayZero, &year, &month, &day);
        const QDate date(year, month, day);
        return date.isValid() ? QVariant(date) : QVariant();
    }
    case pxfShort: {
        short value = 0;
        return PX_get_data_short(doc, data, field.px_flen, &value) > 0 ? QVariant(int(value)) : QVariant();
    }
    case pxfLong:
    case pxfAutoInc: {
        long value = 0;
        return PX_get_data_long(doc, data, field.px_flen, &value) > 0 ? QVariant(qlonglong(value)) : QVariant();
    }
    case pxfCurrency:
    case pxfNumber: {
        double value = 0;
        return PX_get_data_double(doc, data, field.px_flen, &value) > 0 ? QVariant(value) : QVariant();
    }
    case pxfLogical: {
        char value = 0;
        return PX_get_data_byte(doc, data, field.px_flen, &value) > 0 ? QVariant(value != 0) : QVariant();
    }
    default:
        return {};
    }
}

// Whether a field has the length of its type: pxlib reads a number into a
// variable of the type's size, whatever length the header names.
bool lengthFits(const pxfield_t &field)
{
    switch (field.px_ftype) {
    case pxfAlpha:
        return field.px_flen >= 1 && field.px_flen <= 255;
    case pxfShort:
        return field.px_flen == 2;
    case pxfDate:
    case pxfLong:
    case pxfAutoInc:
        return field.px_flen == 4;
    case pxfCurrency:
    case pxfNumber:
        return field.px_flen == 8;
    case pxfLogical:
        return field.px_flen == 1;
    default:
        // Not read.
        return field.px_flen >= 0;
    }
}

// The Paradox type and length of a field written here.
std::pair<char, int> paradoxType(const platform::FieldDef &field)
{
    switch (field.type) {
    case platform::FieldType::String:
        return { pxfAlpha, std::clamp(field.size, 1, 255) };
    case platform::FieldType::SmallInt:
        return { pxfShort, 2 };
    case platform::FieldType::Integer:
    case platform::FieldType::AutoInc:
        return { pxfLong, 4 };
    case platform::FieldType::Currency:
        return { pxfCurrency, 8 };
    case platform::FieldType::Float:
    case platform::FieldType::Bcd:
        return { pxfNumber, 8 };
    case platform::FieldType::Boolean:
        return { pxfLogical, 1 };
    case platform::FieldType::Date:
        return { pxfDate, 4 };
    default:
        return { pxfAlpha, 255 };
    }
}

class ParadoxReader : public TableReader
{
public:
    explicit ParadoxReader(const QString &path)
        : m_path(path)
    {
        checkFile(path);
        m_doc.reset(PX_new2(keepMessage, nullptr, nullptr, nullptr));
        if (!m_doc)
            throw ExchangeFileError(unreadable(path));
        m_doc->errorhandler_user_data = &m_message;
        if (PX_open_file(m_doc.get(), QFile::encodeName(path).constData()) < 0)
            refuse();
        m_encoding = encodingOf(m_doc->px_head->px_doscodepage);
        const int fieldCount = PX_get_num_fields(m_doc.get());
        m_pxFields = PX_get_fields(m_doc.get());
        if (fieldCount <= 0 || !m_pxFields)
            refuse();
        int size = 0;
        for (int i = 0; i < fieldCount; ++i) {
            if (!lengthFits(m_pxFields[i]))
                refuse();
            m_fields.append(fieldOf(m_pxFields[i]));
            size += m_pxFields[i].px_flen;
        }
        m_record.resize(PX_get_recordsize(m_doc.get()));
        if (size > m_record.size())
            refuse();
        m_records = PX_get_num_records(m_doc.get());
    }

    bool next(QVector<QVariant> &row) override
    {
        if (m_next >= m_records)
            return false;
        m_record.fill('\0');
        if (!PX_get_record(m_doc.get(), m_next++, m_record.data()))
            refuse();
        row.resize(m_fields.size());
        int offset = 0;
        for (int i = 0; i < m_fields.size(); ++i) {
            row[i] = valueOf(m_doc.get(), m_pxFields[i], m_record.data() + offset, m_encoding);
            offset += m_pxFields[i].px_flen;
        }
        return true;
    }

    int permille() const override { return m_records > 0 ? int(qint64(m_next) * 1000 / m_records) : 1000; }

private:
    [[noreturn]] void refuse()
    {
        logLibraryMessage("pxlib", m_path, m_message);
        throw ExchangeFileError(unreadable(m_path));
    }

    QString m_path;
    QString m_message;
    PxDocument m_doc;
    const pxfield_t *m_pxFields = nullptr;
    QByteArray m_encoding;
    QByteArray m_record;
    int m_records = 0;
    int m_next = 0;
};

} // namespace

std::unique_ptr<TableReader> open(const QString &path)
{
    return std::make_unique<ParadoxReader>(path);
}

TableContent read(const QString &path)
{
    return readAll(*open(path));
}

void write(const QString &path, const TableContent &content)
{
    QString message;
    auto cannotWrite = [&] {
        logLibraryMessage("pxlib", path, message);
        return ExchangeFileError(cannotWriteMessage(path));
    };
    if (content.fields.isEmpty())
        throw cannotWrite();
    // Written beside, then put in place of a file of that name only when it
    // is complete.
    QTemporaryDir work;
    if (!work.isValid())
        throw cannotWrite();
    const QString target = work.filePath(QStringLiteral("target.db"));
    {
        PxDocument doc(PX_new2(keepMessage, nullptr, nullptr, nullptr));
        if (!doc)
            throw cannotWrite();
        doc->errorhandler_user_data = &message;
        // pxlib takes the field list over and frees it with the document.
        const int fieldCount = int(content.fields.size());
        auto *fields = static_cast<pxfield_t *>(doc->malloc(doc.get(), sizeof(pxfield_t) * fieldCount, "fields"));
        for (int i = 0; i < fieldCount; ++i) {
            const auto [type, length] = paradoxType(content.fields.at(i));
            fields[i].px_fname = PX_strdup(doc.get(), content.fields.at(i).name.left(25).toLatin1().constData());
            fields[i].px_ftype = type;
            fields[i].px_flen = length;
            fields[i].px_fdc = 0;
        }
        if (PX_create_file(doc.get(), fields, fieldCount, QFile::encodeName(target).constData(), pxfFileTypNonIndexDB)
            < 0)
            throw cannotWrite();
        PX_set_value(doc.get(), "codepage", 1252);

        QByteArray record(PX_get_recordsize(doc.get()), '\0');
        for (const QVector<QVariant> &row : content.rows) {
            record.fill('\0');
            char *data = record.data();
            for (int i = 0; i < fieldCount; ++i) {
                const QVariant value = row.value(i);
                const pxfield_t &field = fields[i];
                if (!value.isNull() && value.isValid()) {
                    switch (field.px_ftype) {
                    case pxfAlpha: {
                        QByteArray bytes = ExchangeEncoding::encode(value.toString(), ExchangeEncoding::Windows1252);
                        PX_put_data_alpha(doc.get(), data, field.px_flen, bytes.data());
                        break;
                    }
                    case pxfShort:
                        PX_put_data_short(doc.get(), data, field.px_flen, short(value.toInt()));
                        break;
                    case pxfLong:
                        PX_put_data_long(doc.get(), data, field.px_flen, value.toInt());
                        break;
                    case pxfCurrency:
                    case pxfNumber:
                        PX_put_data_double(doc.get(), data, field.px_flen, value.toDouble());
                        break;
                    case pxfLogical:
                        PX_put_data_byte(doc.get(), data, field.px_flen, value.toBool() ? 1 : 0);
                        break;
                    case pxfDate: {
                        const QDate date = value.toDate();
                        PX_put_data_long(doc.get(), data, field.px_flen,
                            int(PX_GregorianToSdn(date.year(), date.month(), date.day()) - SdnOfDayZero));
                        break;
                    }
                    default:
                        break;
                    }
                }
                data += field.px_flen;
            }
            if (PX_put_record(doc.get(), record.data()) < 0)
                throw cannotWrite();
        }
    }
    // pxlib does not tell of every failed write: the table it left must hold
    // every record.
    try {
        if (checkFile(target) != quint32(content.rows.size()))
            throw cannotWrite();
    } catch (const ExchangeFileError &) {
        throw cannotWrite();
    }
    saveFile(path, writtenBytes(target, path));
}

} // namespace masterdata::ParadoxFile
