#include "masterdata/paradoxfile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QtEndian>

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
// refused here before pxlib reads past its end.
void checkHeader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ExchangeFileError(QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden:\r%2")
                                    .arg(QDir::toNativeSeparators(path), file.errorString()));
    const QByteArray header = file.read(0x58);
    if (header.size() < 0x58)
        throw ExchangeFileError(unreadable(path));
    const auto *bytes = reinterpret_cast<const uchar *>(header.constData());
    const quint16 recordSize = qFromLittleEndian<quint16>(bytes);
    const quint16 headerSize = qFromLittleEndian<quint16>(bytes + 2);
    const quint8 fileType = bytes[4];
    const quint8 blockKilobytes = bytes[5];
    const quint16 fileBlocks = qFromLittleEndian<quint16>(bytes + 0x0C);
    const quint16 fieldCount = qFromLittleEndian<quint16>(bytes + 0x21);
    const bool sizes = recordSize > 0 && headerSize >= 0x58 && headerSize % 0x800 == 0 && fieldCount > 0
        && fieldCount <= 255 && (fileType == 0 || fileType == 2) && blockKilobytes >= 1 && blockKilobytes <= 32;
    if (!sizes || qint64(headerSize) + qint64(fileBlocks) * blockKilobytes * 1024 > file.size())
        throw ExchangeFileError(unreadable(path));
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

QVariant valueOf(pxdoc_t *doc, const pxfield_t &field, char *data, const QByteArray &encoding)
{
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

} // namespace

TableContent read(const QString &path)
{
    checkHeader(path);
    QString message;
    PxDocument doc(PX_new2(keepMessage, nullptr, nullptr, nullptr));
    if (!doc)
        throw ExchangeFileError(unreadable(path));
    doc->errorhandler_user_data = &message;
    if (PX_open_file(doc.get(), QFile::encodeName(path).constData()) < 0)
        throw ExchangeFileError(unreadable(path) + (message.isEmpty() ? QString() : "\r" + message));

    const QByteArray encoding = encodingOf(doc->px_head->px_doscodepage);
    const int fieldCount = PX_get_num_fields(doc.get());
    const pxfield_t *fields = PX_get_fields(doc.get());
    if (fieldCount <= 0 || !fields)
        throw ExchangeFileError(unreadable(path));
    TableContent content;
    for (int i = 0; i < fieldCount; ++i)
        content.fields.append(fieldOf(fields[i]));

    const int recordSize = PX_get_recordsize(doc.get());
    QByteArray record(recordSize, '\0');
    const int records = PX_get_num_records(doc.get());
    for (int r = 0; r < records; ++r) {
        if (!PX_get_record(doc.get(), r, record.data()))
            throw ExchangeFileError(unreadable(path) + (message.isEmpty() ? QString() : "\r" + message));
        QVector<QVariant> row(fieldCount);
        int offset = 0;
        for (int i = 0; i < fieldCount; ++i) {
            if (offset + fields[i].px_flen > recordSize)
                throw ExchangeFileError(unreadable(path));
            row[i] = valueOf(doc.get(), fields[i], record.data() + offset, encoding);
            offset += fields[i].px_flen;
        }
        content.rows.append(row);
    }
    return content;
}

void write(const QString &path, const TableContent &content)
{
    QString message;
    auto cannotWrite = [&] {
        return ExchangeFileError(
            QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.%2")
                .arg(QDir::toNativeSeparators(path), message.isEmpty() ? QString() : "\r" + message));
    };
    if (content.fields.isEmpty())
        throw cannotWrite();
    if (QFile::exists(path) && !QFile::remove(path))
        throw cannotWrite();

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
    if (PX_create_file(doc.get(), fields, fieldCount, QFile::encodeName(path).constData(), pxfFileTypNonIndexDB) < 0)
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

} // namespace masterdata::ParadoxFile
