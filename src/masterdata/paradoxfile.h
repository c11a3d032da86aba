#pragma once

#include "masterdata/tablecontent.h"

#include <memory>

namespace masterdata {

// Paradox tables, read and written through pxlib. Text is in the code page
// the table's header names (Windows-1252 for the tables written here).
namespace ParadoxFile {

// Every record, a record at a time. Throws ExchangeFileError for a file that
// is missing, no Paradox table, shorter than its header says, with a broken
// chain of blocks, or one pxlib cannot read.
std::unique_ptr<TableReader> open(const QString &path);
TableContent read(const QString &path);
// A new table with the content's fields and rows (a file of that name is
// replaced once the new one is complete). Characters Windows-1252 lacks are
// written as "?".
void write(const QString &path, const TableContent &content);

} // namespace ParadoxFile

} // namespace masterdata
