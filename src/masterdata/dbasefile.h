#pragma once

#include "masterdata/tablecontent.h"

#include <memory>

namespace masterdata {

// dBASE tables, read and written through shapelib's DBF functions. Text is
// Windows-1252 unless the file names another code page (its language driver
// byte or a ".cpg" file beside it).
namespace DBaseFile {

// The longest field name a dBASE table holds; longer names are cut.
constexpr int FieldNameLength = 10;

// Every record not marked deleted, a record at a time. Throws
// ExchangeFileError for a file that is missing, no dBASE table, or shorter
// than its header says. A table that names no code page has its text read as
// Windows-1252 unless it is UTF-8.
std::unique_ptr<TableReader> open(const QString &path);
TableContent read(const QString &path);
// A new table with the content's fields and rows (a file of that name is
// replaced once the new one is complete). Text that Windows-1252 cannot hold
// is written in UTF-8 and a ".cpg" file beside it says so. Empty numbers,
// flags and dates are blanks.
void write(const QString &path, const TableContent &content);

} // namespace DBaseFile

} // namespace masterdata
