#pragma once

#include "platform/dataset.h"
#include "platform/fieldtype.h"

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <QIODevice>
#include <QStringDecoder>

#include <memory>
#include <stdexcept>

namespace masterdata {

// The fields and rows of a table file read into memory or about to be
// written: a dBASE, Paradox or text table exchanged with other programs.
struct TableContent {
    QVector<platform::FieldDef> fields;
    QVector<QVector<QVariant>> rows;

    QStringList fieldNames() const;
};

// A table file read one record at a time: what is held in memory is a block
// of the file, not the file.
class TableReader
{
public:
    virtual ~TableReader() = default;

    const QVector<platform::FieldDef> &fields() const { return m_fields; }
    // The next record, one value per field (a line of delimited text may
    // hold fewer); false after the last. Throws ExchangeFileError.
    virtual bool next(QVector<QVariant> &row) = 0;
    // How much of the file has been read, 0 to 1000.
    virtual int permille() const = 0;

protected:
    QVector<platform::FieldDef> m_fields;
};

// Every record of a reader, for a grid.
TableContent readAll(TableReader &reader);

// A table file that cannot be read or written. The message is German and
// ready to show.
class ExchangeFileError : public std::runtime_error
{
public:
    explicit ExchangeFileError(const QString &message);
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// "Die Datei ... kann nicht geöffnet werden." with the reason in German;
// the system's own text goes to the log.
QString cannotOpenMessage(const QString &path, const QFileDevice &file);
// "Die Datei ... kann nicht geschrieben werden. ..." (a full disk, say); the
// older file of that name is kept. The system's text goes to the log.
QString cannotWriteMessage(const QString &path, const QString &systemText = {});
// A library's own message, for the log only.
void logLibraryMessage(const char *library, const QString &path, const QString &message);

// Writes the file as a whole or not at all: into a temporary file beside it,
// every write checked, put in place of an older file only when everything
// was written. Throws ExchangeFileError (the older file stays).
void saveFile(const QString &path, const QByteArray &bytes);
// Files that belong together (a table and its schema): every one written
// before any older one is replaced.
void saveFiles(const QVector<std::pair<QString, QByteArray>> &files);
// The bytes of a table a library wrote into a temporary file, to be saved
// under its path; throws ExchangeFileError (it cannot be written) when they
// cannot be read whole.
QByteArray writtenBytes(const QString &written, const QString &path);

// A table file's content as a read-only dataset, for a grid.
class ExchangeTable : public platform::DataSet
{
    Q_OBJECT
public:
    explicit ExchangeTable(QObject *parent = nullptr);

    // Shows the content (the dataset is opened on it).
    void setContent(const TableContent &content);
    const TableContent &content() const { return m_content; }

    bool canModify() const override { return false; }

protected:
    void openCursor() override;
    void closeCursor() override { }
    int rowCount() override { return int(m_content.rows.size()); }
    qint64 rowIdAt(int position) override { return position; }
    int positionOf(qint64 rowId) override;
    QVector<QVariant> fetchRow(int position) override { return m_content.rows.value(position); }
    QVector<QVariant> rereadRow(qint64 rowId, bool *found) override;

private:
    TableContent m_content;
};

// Text of exchanged files: Windows-1252 unless the file says otherwise.
namespace ExchangeEncoding {
inline const QByteArray Windows1252 = QByteArrayLiteral("windows-1252");
inline const QByteArray Utf8 = QByteArrayLiteral("UTF-8");

QString decode(const QByteArray &bytes, const QByteArray &encoding);
QByteArray encode(const QString &text, const QByteArray &encoding);
// Whether Windows-1252 holds every character of the text.
bool fitsWindows1252(const QString &text);
// Windows-1252 where it holds every text value of the content, else UTF-8.
QByteArray encodingFor(const TableContent &content);

// The encoding of text whose file names none, told from its bytes: UTF-8
// when they are valid UTF-8 and hold a character beyond ASCII, else
// Windows-1252; neither (empty) when they are not plausible Windows-1252
// text either (control characters, bytes Windows-1252 leaves undefined).
// Fed piece by piece; a piece ends where a multi-byte character must end
// (a field of a record) or not (a block of a file).
class Sniffer
{
public:
    void add(QByteArrayView bytes);
    // Ends a piece: a character cut off at its end makes the text invalid
    // UTF-8.
    void endPiece();
    QByteArray result() const;

private:
    int m_pending = 0; // continuation bytes still expected
    uchar m_low = 0x80, m_high = 0xBF; // the range of the next one
    bool m_validUtf8 = true;
    bool m_beyondAscii = false;
    bool m_plausible1252 = true;
    bool m_control = false;
};
} // namespace ExchangeEncoding

// "Die Datei ... ist weder UTF-8- noch Windows-1252-Text ..."
QString notTextMessage(const QString &path);

// Marks the constructors that take text already read, not a path.
struct InMemoryText {
};

// The lines of a text file, read and decoded a block at a time. The text is
// in the encoding given; without one, UTF-8 after a byte-order mark, else
// as the Sniffer tells (a first pass over the file). Throws ExchangeFileError
// for a file that cannot be opened, is no text, or holds a line too long
// for any table.
class TextLines
{
public:
    TextLines(const QString &path, const QByteArray &encoding = {});
    // Text already in memory (its lines as above).
    TextLines(const QString &text, InMemoryText);
    ~TextLines();

    // The next line without its end (LF or CR LF); false after the last.
    bool next(QString &line);
    int permille() const;
    const QString &path() const { return m_path; }
    const QByteArray &encoding() const { return m_encoding; }

    // No record of a master table comes near this.
    static constexpr qsizetype LongestLine = 1 << 20;

private:
    bool fill();

    QString m_path;
    std::unique_ptr<QIODevice> m_device;
    QByteArray m_encoding;
    std::unique_ptr<QStringDecoder> m_decoder;
    QString m_buffer;
    qsizetype m_start = 0; // of the next line in the buffer
    qsizetype m_scan = 0; // where the search for its end goes on
    qint64 m_size = 0;
    bool m_atEnd = false;
};

} // namespace masterdata
