#pragma once

#include <QStringList>

namespace shell {

// Tells the clerk where the PDF printer put the files of a print just done
// and offers to open them (one file: the file; several: the folder). Nothing
// when the print wrote no PDF file. Call it once a print command has
// printed all its sheets and copies.
void reportWrittenPdfFiles();

// The text of that question for the files.
QString writtenPdfFilesText(const QStringList &files);

} // namespace shell
