#include "masterdata/tablecontent.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtGlobal>

#include <vector>

#include <algorithm>

namespace masterdata {

QStringList TableContent::fieldNames() const
{
    QStringList names;
    for (const platform::FieldDef &field : fields)
        names.append(field.name);
    return names;
}

TableContent readAll(TableReader &reader)
{
    TableContent content;
    content.fields = reader.fields();
    QVector<QVariant> row;
    while (reader.next(row))
        content.rows.append(row);
    return content;
}

namespace {

// Reads and writes of files go a block at a time.
constexpr qint64 BlockSize = 64 * 1024;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString cannotOpenMessage(const QString &path, const QFileDevice &file)
{
    logLibraryMessage("file system", path, file.errorString());
    if (!QFileInfo::exists(path))
        return QStringLiteral("Die Datei \"%1\" ist nicht vorhanden.").arg(native(path));
    return QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden. Bitte prüfen Sie, ob Sie sie lesen dürfen.")
        .arg(native(path));
}

QString cannotWriteMessage(const QString &path, const QString &systemText)
{
    if (!systemText.isEmpty())
        logLibraryMessage("file system", path, systemText);
    return QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.\rIst der Datenträger voll oder "
                          "schreibgeschützt? Eine ältere Datei dieses Namens bleibt unverändert.")
        .arg(native(path));
}

void logLibraryMessage(const char *library, const QString &path, const QString &message)
{
    if (!message.isEmpty())
        qWarning("%s: %s: %s", library, qUtf8Printable(native(path)), qUtf8Printable(message));
}

namespace {

// Writes the next bytes into the file being saved; false when the system
// took fewer than all of them.
bool writeAll(QSaveFile &file, QByteArrayView bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.data() + done, std::min<qint64>(BlockSize, bytes.size() - done));
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

[[noreturn]] void abandon(QSaveFile &file, const QString &path)
{
    const QString reason = file.errorString();
    file.cancelWriting();
    throw ExchangeFileError(cannotWriteMessage(path, reason));
}

// Whether everything written has reached the file.
bool flushed(QSaveFile &file)
{
    return file.flush() && file.error() == QFileDevice::NoError;
}

void commit(QSaveFile &file, const QString &path)
{
    if (!flushed(file))
        abandon(file, path);
    if (!file.commit())
        throw ExchangeFileError(cannotWriteMessage(path, file.errorString()));
}

} // namespace

void saveFile(const QString &path, const QByteArray &bytes)
{
    saveFiles({ { path, bytes } });
}

void saveFiles(const QVector<std::pair<QString, QByteArray>> &files)
{
    std::vector<std::unique_ptr<QSaveFile>> saved;
    for (const auto &[path, bytes] : files) {
        auto file = std::make_unique<QSaveFile>(path);
        if (!file->open(QIODevice::WriteOnly))
            throw ExchangeFileError(cannotWriteMessage(path, file->errorString()));
        if (!writeAll(*file, bytes) || !flushed(*file))
            abandon(*file, path);
        saved.push_back(std::move(file));
    }
    // Only now, with every byte of every file written, are the older files
    // replaced.
    for (std::size_t i = 0; i < saved.size(); ++i)
        commit(*saved.at(i), files.at(qsizetype(i)).first);
}

QByteArray writtenBytes(const QString &written, const QString &path)
{
    QFile file(written);
    if (!file.open(QIODevice::ReadOnly))
        throw ExchangeFileError(cannotWriteMessage(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        throw ExchangeFileError(cannotWriteMessage(path, file.errorString()));
    return bytes;
}

QString notTextMessage(const QString &path)
{
    return QStringLiteral("Die Datei \"%1\" enthält keinen Text, der sich lesen lässt (weder UTF-8 noch "
                          "Windows-1252).\rBitte speichern Sie sie als Text in einer dieser Zeichencodierungen.")
        .arg(native(path));
}

TextLines::TextLines(const QString &path, const QByteArray &encoding)
    : m_path(path)
    , m_encoding(encoding)
{
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        throw ExchangeFileError(cannotOpenMessage(path, *file));
    m_size = file->size();
    const QByteArray start = file->peek(3);
    if (start == "\xEF\xBB\xBF") {
        m_encoding = ExchangeEncoding::Utf8;
        file->seek(3);
    } else if (m_encoding.isEmpty()) {
        ExchangeEncoding::Sniffer sniffer;
        for (;;) {
            const QByteArray block = file->read(BlockSize);
            if (block.isEmpty())
                break;
            sniffer.add(block);
        }
        sniffer.endPiece();
        m_encoding = sniffer.result();
        if (m_encoding.isEmpty())
            throw ExchangeFileError(notTextMessage(path));
        file->seek(0);
    }
    m_device = std::move(file);
    m_decoder = std::make_unique<QStringDecoder>(m_encoding.constData());
    if (!m_decoder->isValid())
        m_decoder = std::make_unique<QStringDecoder>(QStringConverter::Latin1);
}

TextLines::TextLines(const QString &text, InMemoryText)
    : m_encoding(ExchangeEncoding::Utf8)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(text.toUtf8());
    buffer->open(QIODevice::ReadOnly);
    m_size = buffer->size();
    m_device = std::move(buffer);
    m_decoder = std::make_unique<QStringDecoder>(QStringConverter::Utf8);
}

TextLines::~TextLines() = default;

bool TextLines::fill()
{
    if (m_atEnd)
        return false;
    m_buffer.remove(0, m_start);
    m_scan -= m_start;
    m_start = 0;
    const QByteArray block = m_device->read(BlockSize);
    if (block.isEmpty()) {
        m_atEnd = true;
        return false;
    }
    m_buffer += m_decoder->decode(block);
    return true;
}

bool TextLines::next(QString &line)
{
    for (;;) {
        const qsizetype end = m_buffer.indexOf(QLatin1Char('\n'), m_scan);
        if (end >= 0) {
            line = m_buffer.mid(m_start, end - m_start);
            m_start = m_scan = end + 1;
            break;
        }
        m_scan = m_buffer.size();
        if (m_scan - m_start > LongestLine)
            throw ExchangeFileError(QStringLiteral("Die Datei \"%1\" enthält eine Zeile mit mehr als %2 Zeichen und "
                                                   "ist keine Tabelle, die sich einlesen lässt.")
                                        .arg(native(m_path))
                                        .arg(LongestLine));
        if (!fill()) {
            if (m_start >= m_buffer.size())
                return false;
            line = m_buffer.mid(m_start);
            m_start = m_scan = m_buffer.size();
            break;
        }
    }
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return true;
}

int TextLines::permille() const
{
    return m_size > 0 ? int(std::min<qint64>(1000, m_device->pos() * 1000 / m_size)) : 1000;
}

ExchangeFileError::ExchangeFileError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

ExchangeTable::ExchangeTable(QObject *parent)
    : platform::DataSet(parent)
{
}

void ExchangeTable::setContent(const TableContent &content)
{
    close();
    m_content = content;
    open();
}

void ExchangeTable::openCursor()
{
    setFields(m_content.fields);
}

int ExchangeTable::positionOf(qint64 rowId)
{
    return rowId >= 0 && rowId < m_content.rows.size() ? int(rowId) : -1;
}

QVector<QVariant> ExchangeTable::rereadRow(qint64 rowId, bool *found)
{
    *found = rowId >= 0 && rowId < m_content.rows.size();
    return m_content.rows.value(rowId);
}

namespace ExchangeEncoding {

QString decode(const QByteArray &bytes, const QByteArray &encoding)
{
    QStringDecoder decoder(encoding.constData());
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray encode(const QString &text, const QByteArray &encoding)
{
    QStringEncoder encoder(encoding.constData());
    if (!encoder.isValid())
        return text.toLatin1();
    if (encoding != Windows1252 || fitsWindows1252(text))
        return encoder.encode(text);
    // What the code page lacks becomes "?", not the converter's control
    // character.
    QString fitting;
    fitting.reserve(text.size());
    for (QChar c : text)
        fitting.append(fitsWindows1252(QString(c)) ? c : QChar(u'?'));
    return encoder.encode(fitting);
}

bool fitsWindows1252(const QString &text)
{
    // Windows-1252 agrees with Latin-1 outside 0x80 to 0x9F.
    const bool latin = std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x80 || (u >= 0xA0 && u <= 0xFF);
    });
    if (latin)
        return true;
    QStringEncoder encoder(Windows1252.constData(), QStringEncoder::Flag::Stateless);
    if (!encoder.isValid())
        return false;
    // Converting back must give the same text: anything Windows-1252 lacks
    // comes back as a substitute.
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError() && decode(bytes, Windows1252) == text;
}

void Sniffer::add(QByteArrayView bytes)
{
    for (const char byte : bytes) {
        const auto b = uchar(byte);
        if ((b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f' && b != 0x1A) || b == 0x7F)
            m_control = true;
        if (b < 0x80 && m_pending == 0)
            continue;
        m_beyondAscii = true;
        // Windows-1252 leaves five bytes undefined.
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            m_plausible1252 = false;
        if (!m_validUtf8)
            continue;
        if (m_pending > 0) {
            if (b < m_low || b > m_high)
                m_validUtf8 = false;
            --m_pending;
            m_low = 0x80;
            m_high = 0xBF;
            continue;
        }
        // A lead byte: how many follow, and the range of the first of them
        // (no overlong forms, no surrogates, nothing beyond U+10FFFF).
        if (b >= 0xC2 && b <= 0xDF) {
            m_pending = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            m_pending = 2;
            m_low = b == 0xE0 ? 0xA0 : 0x80;
            m_high = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            m_pending = 3;
            m_low = b == 0xF0 ? 0x90 : 0x80;
            m_high = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            m_validUtf8 = false;
        }
    }
}

void Sniffer::endPiece()
{
    if (m_pending > 0)
        m_validUtf8 = false;
    m_pending = 0;
    m_low = 0x80;
    m_high = 0xBF;
}

QByteArray Sniffer::result() const
{
    if (m_control)
        return {};
    if (m_validUtf8 && m_beyondAscii)
        return Utf8;
    return m_plausible1252 ? Windows1252 : QByteArray();
}

QByteArray encodingFor(const TableContent &content)
{
    for (const QVector<QVariant> &row : content.rows) {
        for (int i = 0; i < row.size() && i < content.fields.size(); ++i) {
            if (platform::isTextType(content.fields.at(i).type) && !fitsWindows1252(row.at(i).toString()))
                return Utf8;
        }
    }
    return Windows1252;
}

} // namespace ExchangeEncoding

} // namespace masterdata
