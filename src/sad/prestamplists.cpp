#include "sad/prestamplists.h"

#include "shell/conversion.h"
#include "shell/settings.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <memory>
#include <stdexcept>

namespace sad {

namespace {

QByteArray encodedList(const QStringList &lines)
{
    QStringEncoder encoder("Windows-1252", QStringEncoder::Flag::Stateless);
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encoder.encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

[[noreturn]] void failWrite(const QString &path, const QString &reason)
{
    throw std::runtime_error(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.\r%2")
                                 .arg(QDir::toNativeSeparators(path), reason)
                                 .toStdString());
}

} // namespace

QString preStampPath(const QString &fileName)
{
    return QDir(shell::ProgramDirectory()).filePath(fileName);
}

std::optional<QStringList> readPreStampList(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringDecoder decoder("Windows-1252");
    QString text = decoder.decode(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    // The line end of the last line opens no further line.
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

void writePreStampPair(
    const QString &unprintedPath, const QStringList &unprinted, const QString &printedPath, const QStringList &printed)
{
    QSaveFile first(unprintedPath);
    QSaveFile second(printedPath);
    const auto prepare = [](QSaveFile &file, const QStringList &lines) {
        if (!file.open(QIODevice::WriteOnly))
            failWrite(file.fileName(), file.errorString());
        const QByteArray bytes = encodedList(lines);
        if (file.write(bytes) != bytes.size())
            failWrite(file.fileName(), file.errorString());
    };
    prepare(first, unprinted);
    prepare(second, printed);
    // Both are complete; only now do they take the places of the old files.
    if (!first.commit())
        failWrite(unprintedPath, first.errorString());
    if (!second.commit())
        failWrite(printedPath, second.errorString());
}

QBitArray preStampBoxes(const QStringList &lines, UnknownPreStampLine rule)
{
    QBitArray boxes(PreStampEntries);
    for (const QString &line : lines) {
        const QString entry = line.trimmed();
        if (entry == QLatin1String("44_1") || entry == QLatin1String("44_2") || entry == QLatin1String("44_3")) {
            boxes.setBit(56 + entry.right(1).toInt() - 1);
            continue;
        }
        bool ok = false;
        const int number = entry.toInt(&ok);
        if (!ok) {
            if (rule == UnknownPreStampLine::Skip)
                continue;
            shell::toWholeNumber(line); // throws the conversion error
        }
        if (number >= 0 && number <= 55)
            boxes.setBit(number);
    }
    return boxes;
}

void createMissingPreStampFiles()
{
    for (const QString &name : { ExportUnprintedFile, ExportPrintedFile, TransitUnprintedFile, TransitPrintedFile }) {
        QFile file(preStampPath(name));
        if (!file.exists() && file.open(QIODevice::WriteOnly))
            file.close();
    }
}

} // namespace sad
