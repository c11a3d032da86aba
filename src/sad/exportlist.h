#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

class QWidget;

namespace sad {

// One declaration of the list by date range.
struct ListedDeclaration {
    QString aeNr;
    QDate datum;
    QString f17_2;
    QString f22_2;
    QString f7;
};

// The text extended with blanks to at least width: after it when left
// aligned, before it otherwise; a longer text stays whole.
QString PadToWidth(const QString &text, int width, bool leftAligned);

// The export declarations dated from .. to (both included), by date.
QVector<ListedDeclaration> declarationsDated(const QDate &from, const QDate &to);

// The fixed-width lines of the text list (without line ends).
QStringList declarationListLines(const QVector<ListedDeclaration> &rows);

// Writes the text list in Windows-1252 with CR LF, or the workbook (no
// heading row; number, AeNR as text, the date as a date cell, F17_2, f22_2,
// f7 as text). Throws std::runtime_error with the German message.
void writeDeclarationText(const QString &path, const QVector<ListedDeclaration> &rows);
void writeDeclarationWorkbook(const QString &path, const QVector<ListedDeclaration> &rows);

// "Liste" of the register: asks the range and the kind of file, then the
// file, and writes it.
void exportDeclarationList(QWidget *parent);

} // namespace sad
