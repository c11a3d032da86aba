#pragma once

#include "masterdata/tablecontent.h"

#include <memory>

namespace masterdata {

// Fixed-width text tables: one record a line (CR LF), each field in its
// columns, described by a schema file of the same name with the extension
// ".SCH" beside the text file:
//
//     [KUNDEN]
//     FILETYPE = FIXED
//     CHARSET = ANSIINTL
//     Field1 = nummer,LONGINT,11,00,00
//     Field2 = name1,CHAR,29,00,11
//
// (name, type, width, decimals, offset; the types CHAR, LONGINT, SHORTINT,
// NUMBER, FLOAT, BOOL, DATE). ANSIINTL text is Windows-1252; a schema may
// name UTF8 or a DOS code page instead. Numbers are written with a decimal
// point, dates as dd.mm.yyyy.
namespace FixedTextFile {

// The schema file beside a text file (which need not exist yet).
QString schemaPath(const QString &path);

// Throws ExchangeFileError when the text or its schema file is missing or
// the schema cannot be read. A schema naming ANSI text (or none) reads the
// text as Windows-1252 unless it is UTF-8.
std::unique_ptr<TableReader> open(const QString &path);
TableContent read(const QString &path);
// Writes the text file and its schema file (existing ones are replaced, both
// only once both are written).
void write(const QString &path, const TableContent &content);

} // namespace FixedTextFile

} // namespace masterdata
