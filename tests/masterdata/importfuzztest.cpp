// Damaged files from the program's own exports, each imported in a child
// process with a time limit: no crash, no hang, a German message when the
// file is refused, and the table exactly as before. EXPORTVERSAND_FUZZ_INPUTS
// sets the number of inputs per format (a few hundred by default),
// EXPORTVERSAND_FUZZ_START the number of the first input.
#include "masterdata/dbasefile.h"
#include "masterdata/delimitedtext.h"
#include "masterdata/fixedtextfile.h"
#include "masterdata/masterdataexchange.h"
#include "masterdata/paradoxfile.h"
#include "masterdata/tfrmkundenimport.h"
#include "masterdatafixture.h"

#include "platform/fieldvalue.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

using namespace masterdata;
using platform::DialogKind;

namespace {

using Snapshot = QVector<QStringList>;

constexpr int DefaultInputs = 200;
constexpr unsigned TimeLimitSeconds = 20;

// What a child found.
enum Outcome : int {
    Imported = 0,
    Refused = 1,
    NotGerman = 2, // refused with a message that is no German one of ours
    Changed = 3, // refused, yet the table is not as before
    Silent = 4, // refused without a word
};

QString outcomeText(int status)
{
    if (WIFSIGNALED(status))
        return WTERMSIG(status) == SIGALRM ? QStringLiteral("hung (time limit)")
                                           : QStringLiteral("crashed with signal %1").arg(WTERMSIG(status));
    switch (WEXITSTATUS(status)) {
    case NotGerman:
        return QStringLiteral("refused with a message that is not German");
    case Changed:
        return QStringLiteral("refused but changed the table");
    case Silent:
        return QStringLiteral("refused without a message");
    default:
        return QStringLiteral("exit code %1").arg(WEXITSTATUS(status));
    }
}

Snapshot articles()
{
    return snapshot(Tables::Articles, QStringLiteral("artikel"));
}

// Our messages are German; a library's English text must not reach them.
bool isGerman(const QString &message)
{
    static const char *const english[]
        = { "Could not", "could not", "paradox database", "Error", "error", "failed", "No such", "cannot", "Unable" };
    for (const char *word : english) {
        if (message.contains(QLatin1String(word)))
            return false;
    }
    static const char *const german[] = { "Datei", "Datensatz", "Struktur", "Zeile", "Daten", "Feld" };
    for (const char *word : german) {
        if (message.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

struct Format {
    const char *name;
    ExchangeFormat format;
    QString fileName;
    bool text;
};

class Mutator
{
public:
    explicit Mutator(quint32 number)
        : m_random(number)
    {
    }

    int below(int n) { return n > 0 ? int(m_random.bounded(quint32(n))) : 0; }

    // A third of the inputs of every format: the file cut short somewhere,
    // or a few bits flipped anywhere. False for the others.
    bool cutOrFlip(QByteArray &bytes)
    {
        switch (below(6)) {
        case 0:
            bytes.truncate(below(int(bytes.size())));
            return true;
        case 1:
            for (int n = 1 + below(8); n > 0 && !bytes.isEmpty(); --n)
                bytes[below(int(bytes.size()))] ^= char(1 << below(8));
            return true;
        default:
            return false;
        }
    }

    // A file of a table format: bytes cut, flipped, or numbers of its header
    // (and, for Paradox, of its blocks) set to extremes.
    QByteArray binary(QByteArray bytes, int headerLength, int blockOffset, int blockSize)
    {
        static const quint32 extremes[] = { 0, 1, 2, 0x7F, 0x80, 0xFF, 0x7FFF, 0x8000, 0xFFFF, 0x7FFFFFFF, 0xFFFFFFFF };
        if (cutOrFlip(bytes))
            return bytes;
        switch (below(3)) {
        case 0: {
            const quint32 value = below(3) == 0 ? m_random.generate() : extremes[below(int(std::size(extremes)))];
            const int width = below(2) == 0 ? 2 : 4;
            const int at = below(std::min(headerLength, int(bytes.size())) - width);
            for (int i = 0; i < width && at + i < bytes.size(); ++i)
                bytes[at + i] = char((value >> (8 * i)) & 0xFF);
            break;
        }
        case 1:
            if (blockSize > 0 && bytes.size() > blockOffset + 6) {
                const int blocks = std::max(1, int((bytes.size() - blockOffset) / blockSize));
                const int at = blockOffset + below(blocks) * blockSize + 2 * below(3);
                const quint32 value = extremes[below(int(std::size(extremes)))];
                if (at + 1 < bytes.size()) {
                    bytes[at] = char(value & 0xFF);
                    bytes[at + 1] = char((value >> 8) & 0xFF);
                }
            } else {
                bytes.append(bytes.left(below(int(bytes.size()))));
            }
            break;
        default:
            for (int n = 1 + below(4); n > 0 && !bytes.isEmpty(); --n)
                bytes[below(std::min(int(bytes.size()), headerLength + 64))] = char(m_random.generate());
            break;
        }
        return bytes;
    }

    // A text table: cut, flipped, lines too long, quotes left open, other
    // code pages.
    QByteArray text(QByteArray bytes)
    {
        if (cutOrFlip(bytes))
            return bytes;
        switch (below(4)) {
        case 0: {
            const int at = bytes.indexOf('\n', below(int(bytes.size()))) + 1;
            static const QByteArray pieces[] = { "x", ";", "\"", "\xC3\xA4", ";\"\";" };
            const QByteArray &piece = pieces[below(int(std::size(pieces)))];
            bytes.insert(at, piece.repeated((below(2) == 0 ? 300000 : 1200000) / piece.size()));
            break;
        }
        case 1:
            bytes.insert(below(int(bytes.size())), below(2) == 0 ? "\"" : "'");
            break;
        case 2: {
            const QString text = QString::fromUtf8(bytes);
            static const char *const pages[] = { "UTF-16LE", "UTF-16BE", "IBM850", "windows-1250", "ISO-8859-15" };
            QStringEncoder encoder(pages[below(int(std::size(pages)))]);
            bytes = encoder.isValid() ? QByteArray(encoder.encode(text)) : text.toLatin1();
            break;
        }
        default: {
            static const QByteArray bad[] = { "\x81", "\xC3", "\xED\xA0\x80", "\xF4\x90\x80\x80", QByteArray(1, '\0') };
            bytes.insert(below(int(bytes.size())), bad[below(int(std::size(bad)))]);
            break;
        }
        }
        return bytes;
    }

    // A schema of a fixed-width table with numbers, names and code pages
    // no export writes.
    QByteArray schema(QByteArray bytes)
    {
        QList<QByteArray> lines = bytes.split('\n');
        if (lines.isEmpty())
            return bytes;
        static const QByteArray numbers[]
            = { "-1", "0", "1", "2147483647", "2147483648", "99999999999", "1048577", "65535", "x" };
        static const QByteArray charsets[] = { "UTF8", "UTF16", "IBM437", "BOGUS", "", "ANSIINTL" };
        QByteArray &line = lines[below(int(lines.size()))];
        if (line.startsWith("Field")) {
            QList<QByteArray> parts = line.split(',');
            parts[below(int(parts.size()))] = numbers[below(int(std::size(numbers)))];
            line = parts.join(',');
        } else if (line.startsWith("CHARSET")) {
            line = "CHARSET = " + charsets[below(int(std::size(charsets)))] + "\r";
        } else if (below(2) == 0) {
            line.clear();
        } else {
            line = "Field" + QByteArray::number(below(40)) + " = x,CHAR," + numbers[below(int(std::size(numbers)))]
                + ",00," + numbers[below(int(std::size(numbers)))] + "\r";
        }
        return lines.join('\n');
    }

private:
    QRandomGenerator m_random;
};

QByteArray readBytes(const QString &path)
{
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile out(path);
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
}

} // namespace

class ImportFuzzTest : public MasterDataTest
{
protected:
    struct Source {
        Format format;
        QByteArray original;
        QByteArray schema; // of a fixed-width table
        int headerLength = 32;
        int blockOffset = 0;
        int blockSize = 0;
    };

    static quint32 inputNumber(quint32 firstNumber, int input) { return firstNumber + quint32(input); }

    // The damaged file of one input, made again the same way from its number.
    QString makeInput(const Source &source, quint32 number) const
    {
        Mutator mutate(number * 7919u + quint32(source.format.format));
        const QString path = m_work.filePath(QStringLiteral("%1-%2").arg(number).arg(source.format.fileName));
        if (source.format.format == ExchangeFormat::FixedText) {
            const bool schemaOnly = mutate.below(3) == 0;
            writeBytes(path, schemaOnly ? source.original : mutate.text(source.original));
            writeBytes(FixedTextFile::schemaPath(path), schemaOnly ? mutate.schema(source.schema) : source.schema);
        } else if (source.format.text) {
            writeBytes(path, mutate.text(source.original));
        } else {
            writeBytes(path, mutate.binary(source.original, source.headerLength, source.blockOffset, source.blockSize));
        }
        return path;
    }

    // Imports the inputs from the first on, each in a child process with a
    // time limit. A child takes one input after the other (a fork for each
    // would copy the test's memory again and again) and says over a pipe
    // which it begins and how it ended; when it dies, the input it began is
    // the culprit and a new child goes on after it. Returns the outcome of
    // each input, a wait status for one that killed its child.
    QVector<QString> importInChildren(const Source &source, int inputs, quint32 firstNumber, int *imported)
    {
        QVector<QString> failures;
        *imported = 0;
        for (int from = 0; from < inputs;) {
            int channel[2];
            if (pipe(channel) != 0) {
                failures.append(QStringLiteral("no pipe"));
                return failures;
            }
            std::fflush(nullptr);
            const pid_t child = fork();
            if (child == 0) {
                close(channel[0]);
                for (int input = from; input < inputs; ++input) {
                    const QString path = makeInput(source, inputNumber(firstNumber, input));
                    (void)!write(channel[1], &input, sizeof input);
                    alarm(TimeLimitSeconds);
                    const char outcome = char(importHere(source.format, path));
                    alarm(0);
                    (void)!write(channel[1], &outcome, 1);
                    QFile::remove(path);
                    QFile::remove(FixedTextFile::schemaPath(path));
                }
                _exit(0);
            }
            close(channel[1]);
            int begun = -1;
            bool ended = true;
            for (;;) {
                int input = 0;
                if (read(channel[0], &input, sizeof input) != sizeof input)
                    break;
                begun = input;
                ended = false;
                char outcome = 0;
                if (read(channel[0], &outcome, 1) != 1)
                    break;
                ended = true;
                if (outcome == Imported)
                    ++*imported;
                else if (outcome != Refused)
                    failures.append(failure(source, firstNumber, input, outcomeText(W_EXITCODE(outcome, 0))));
            }
            close(channel[0]);
            int status = 0;
            waitpid(child, &status, 0);
            if (ended && WIFEXITED(status) && WEXITSTATUS(status) == 0)
                break;
            // The child died on the input it had begun (or before the first).
            const int culprit = begun < 0 || ended ? std::max(begun + 1, from) : begun;
            failures.append(failure(source, firstNumber, culprit, outcomeText(status)));
            from = culprit + 1;
        }
        return failures;
    }

    QString failure(const Source &source, quint32 firstNumber, int input, const QString &what) const
    {
        // Kept for a look by hand.
        const quint32 number = inputNumber(firstNumber, input);
        const QString made = makeInput(source, number);
        const QString kept = QDir::temp().filePath(QFileInfo(made).fileName());
        QFile::remove(kept);
        QFile::copy(made, kept);
        return QStringLiteral("%1 input %2 (number %3, kept as %4): %5")
            .arg(QLatin1String(source.format.name))
            .arg(input)
            .arg(number)
            .arg(kept, what);
    }

    // What the import window does with the file: read it whole for its grid,
    // then import it a record at a time.
    int importHere(const Format &format, const QString &path)
    {
        const Snapshot before = articles();
        dialogs.clear();
        auto open = [&] { return openTableFile(format.format, path, u'"', u';'); };
        MasterDataImport importer(exchangeKind(ExchangeKinds::Articles));
        bool done = false;
        try {
            if (format.format != ExchangeFormat::DelimitedText)
                readAll(*open());
            done
                = importer.importFile(*open(), format.format == ExchangeFormat::DBase ? DBaseFile::FieldNameLength : 0);
        } catch (const ExchangeFileError &error) {
            platform::dialogs().error(error.message());
        }
        const QVector<platform::DialogCall> errors = dialogs.calls(DialogKind::Error);
        if (done && errors.isEmpty())
            return Imported;
        if (errors.isEmpty())
            return Silent;
        for (const platform::DialogCall &call : errors) {
            if (!isGerman(call.text)) {
                std::fprintf(stderr, "%s\n", qUtf8Printable(call.text));
                return NotGerman;
            }
        }
        return articles() == before ? Refused : Changed;
    }

    QTemporaryDir m_work;
};

TEST_F(ImportFuzzTest, DamagedFilesAreRefusedInGermanAndLeaveTheTableAsBefore)
{
    const int inputs = qEnvironmentVariableIsSet("EXPORTVERSAND_FUZZ_INPUTS")
        ? qEnvironmentVariableIntValue("EXPORTVERSAND_FUZZ_INPUTS")
        : DefaultInputs;
    const quint32 firstNumber = quint32(qEnvironmentVariableIntValue("EXPORTVERSAND_FUZZ_START"));

    insert(Tables::Articles,
        { { "artikel", "A-1" }, { "bez1", "Schraube, verzinkt" }, { "preis", 1234.5 }, { "netto", 0.125 },
            { "Praefberech", true }, { "urland", "DE" } });
    insert(Tables::Articles, { { "artikel", "A-2" }, { "bez1", "Grüße \"ÄÖÜ\" ß €" }, { "preis", 0.0 } });
    insert(Tables::Articles, { { "artikel", "B-7" }, { "bez1", "Łódź" }, { "Praefberech", false } });
    for (int n = 1; n <= 8; ++n)
        insert(Tables::Articles, { { "artikel", QStringLiteral("C-%1").arg(n) }, { "waren", "84713000" } });
    ASSERT_TRUE(m_work.isValid());
    platform::Table table(platform::Alias::Data, Tables::Articles);
    table.setIndexFieldNames(QStringLiteral("artikel"));
    table.open();
    const TableContent content = tableContent(table);
    table.close();
    const QVector<Format> formats = {
        { "dBASE", ExchangeFormat::DBase, "artikel.dbf", false },
        { "Paradox", ExchangeFormat::Paradox, "artikel.db", false },
        { "fixed width", ExchangeFormat::FixedText, "artikel.txt", true },
        { "delimited", ExchangeFormat::DelimitedText, "artikel.csv", true },
    };
    const QString exports = m_work.filePath(QStringLiteral("exports"));
    QDir().mkpath(exports);
    DBaseFile::write(exports + QStringLiteral("/artikel.dbf"), content);
    ParadoxFile::write(exports + QStringLiteral("/artikel.db"), content);
    FixedTextFile::write(exports + QStringLiteral("/artikel.txt"), content);
    writeDelimitedFile(exports + QStringLiteral("/artikel.csv"), content, u'"', u';');

    // The connection every child uses is opened once, before the first fork,
    // and left idle (no statement open, so no lock held) while a child runs.
    articles();
    for (const Format &format : formats) {
        SCOPED_TRACE(format.name);
        Source source { format, readBytes(exports + QLatin1Char('/') + format.fileName),
            readBytes(FixedTextFile::schemaPath(exports + QLatin1Char('/') + format.fileName)) };
        ASSERT_FALSE(source.original.isEmpty());
        if (format.format == ExchangeFormat::DBase) {
            source.headerLength = uchar(source.original.at(8)) | uchar(source.original.at(9)) << 8;
        } else if (format.format == ExchangeFormat::Paradox) {
            // The header with the field descriptions (type and length).
            source.headerLength = 0x78 + 2 * (uchar(source.original.at(0x21)) | uchar(source.original.at(0x22)) << 8);
            source.blockOffset = uchar(source.original.at(2)) | uchar(source.original.at(3)) << 8;
            source.blockSize = uchar(source.original.at(5)) * 1024;
        }
        QElapsedTimer timer;
        timer.start();
        int imported = 0;
        const QVector<QString> failures = importInChildren(source, inputs, firstNumber, &imported);
        for (const QString &failure : failures)
            ADD_FAILURE() << failure.toStdString();
        std::printf("%s: %d inputs, %d imported, %d refused, %lld ms\n", format.name, inputs, imported,
            inputs - imported - int(failures.size()), timer.elapsed());
    }
}
