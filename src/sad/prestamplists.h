#pragma once

#include <QBitArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace sad {

// The pre-stamp lists in the program directory: for each of the export and
// the transit declaration the boxes not printed in advance (name ending in
// 0) and those printed in advance (name ending in 1). Windows-1252, one entry
// a line, each line ended by CR LF; an empty list is an empty file.
inline const QString ExportUnprintedFile = QStringLiteral("Vorab.TV0");
inline const QString ExportPrintedFile = QStringLiteral("Vorab.TV1");
inline const QString TransitUnprintedFile = QStringLiteral("VorabT12.TV0");
inline const QString TransitPrintedFile = QStringLiteral("VorabT12.TV1");

// Entries 0 .. 55 are box groups of the first sheet; "44_1", "44_2" and
// "44_3" (the lower lines of box 44) are entries 56, 57 and 58.
constexpr int PreStampEntries = 59;

// What a reader does with a line that is no entry.
enum class UnknownPreStampLine {
    Stop, // the export print: the conversion error stops the print
    Skip, // the transit print: the line is passed over
};

// The path of a list file in the program directory.
QString preStampPath(const QString &fileName);

// The lines of a list file; nothing when it cannot be read.
std::optional<QStringList> readPreStampList(const QString &path);

// Writes the two lists of a pair. Both are written to temporaries beside
// their files first and replace them only when both are complete, so a
// failed write leaves both files as they were. Throws std::runtime_error with
// the German message on failure.
void writePreStampPair(
    const QString &unprintedPath, const QStringList &unprinted, const QString &printedPath, const QStringList &printed);

// The entries a list sets. An integer outside 0 .. 55 is ignored; any other
// line that is no entry throws shell::ConversionError (Stop) or is skipped.
QBitArray preStampBoxes(const QStringList &lines, UnknownPreStampLine rule);

// Creates the four list files empty where they are missing, so a new
// installation can print.
void createMissingPreStampFiles();

} // namespace sad
