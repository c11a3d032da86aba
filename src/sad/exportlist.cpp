#include "sad/exportlist.h"

#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/query.h"
#include "platform/tableschema.h"
#include "sad/sadtables.h"
#include "shell/settings.h"
#include "shell/tfrmdates.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QScopeGuard>
#include <QStringEncoder>

#include <xlsxwriter.h>

#include <stdexcept>

namespace sad {

namespace {

[[noreturn]] void fail(const QString &path, const QString &reason)
{
    throw std::runtime_error(QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.\r%2")
                                 .arg(QDir::toNativeSeparators(path), reason)
                                 .toStdString());
}

QString withSuffix(const QString &path, const QString &suffix)
{
    return path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive) ? path : path + QLatin1Char('.') + suffix;
}

} // namespace

QString PadToWidth(const QString &text, int width, bool leftAligned)
{
    if (text.size() >= width)
        return text;
    const QString blanks(width - text.size(), QLatin1Char(' '));
    return leftAligned ? text + blanks : blanks + text;
}

QVector<ListedDeclaration> declarationsDated(const QDate &from, const QDate &to)
{
    // The dates go in bound, never as typed text.
    platform::Query query(platform::Alias::Data,
        QStringLiteral("SELECT * FROM Einheit.db WHERE (Datum >= ?) AND (Datum <= ?) ORDER BY Datum"));
    query.addBindValue(from);
    query.addBindValue(to);
    query.open();
    QVector<ListedDeclaration> rows;
    for (query.first(); !query.eof(); query.next()) {
        rows.append({ query.fieldByName(QStringLiteral("AENR")).asString(),
            query.fieldByName(QStringLiteral("datum")).asDate(), query.fieldByName(QStringLiteral("F17_2")).asString(),
            query.fieldByName(QStringLiteral("f22_2")).asString(),
            query.fieldByName(QStringLiteral("f7")).asString() });
    }
    return rows;
}

QStringList declarationListLines(const QVector<ListedDeclaration> &rows)
{
    QStringList lines;
    int r = 0;
    for (const ListedDeclaration &row : rows) {
        ++r;
        lines.append(PadToWidth(QString::number(r), 5, false) + QLatin1Char(' ') + PadToWidth(row.aeNr, 11, true)
            + PadToWidth(row.datum.isValid() ? row.datum.toString(QStringLiteral("dd.MM.yyyy")) : QString(), 11, true)
            + PadToWidth(row.f17_2, 18, true) + PadToWidth(row.f22_2, 14, false) + QLatin1Char(' ')
            + PadToWidth(row.f7, 23, true));
    }
    return lines;
}

void writeDeclarationText(const QString &path, const QVector<ListedDeclaration> &rows)
{
    QStringEncoder encoder("Windows-1252", QStringEncoder::Flag::Stateless);
    QByteArray bytes;
    for (const QString &line : declarationListLines(rows)) {
        bytes += encoder.encode(line);
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(path, file.errorString());
}

void writeDeclarationWorkbook(const QString &path, const QVector<ListedDeclaration> &rows)
{
    const QByteArray name = QFile::encodeName(path);
    lxw_workbook *workbook = workbook_new(name.constData());
    if (!workbook)
        fail(path, QStringLiteral("Die Arbeitsmappe kann nicht angelegt werden."));
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
    lxw_format *dateFormat = workbook_add_format(workbook);
    format_set_num_format(dateFormat, "dd.mm.yyyy");
    lxw_row_t row = 0;
    for (const ListedDeclaration &declaration : rows) {
        worksheet_write_number(sheet, row, 0, double(row + 1), nullptr);
        const auto text = [&](lxw_col_t column, const QString &value) {
            if (!value.isEmpty())
                worksheet_write_string(sheet, row, column, value.toUtf8().constData(), nullptr);
        };
        text(1, declaration.aeNr);
        if (declaration.datum.isValid()) {
            lxw_datetime date
                = { declaration.datum.year(), declaration.datum.month(), declaration.datum.day(), 0, 0, 0 };
            worksheet_write_datetime(sheet, row, 2, &date, dateFormat);
        }
        text(3, declaration.f17_2);
        text(4, declaration.f22_2);
        text(5, declaration.f7);
        ++row;
    }
    const lxw_error result = workbook_close(workbook);
    if (result != LXW_NO_ERROR) {
        // A failed check may still leave a file behind.
        QFile::remove(path);
        fail(path, QString::fromUtf8(lxw_strerror(result)));
    }
}

void exportDeclarationList(QWidget *parent)
{
    shell::TfrmDates dates(parent);
    if (dates.exec() != QDialog::Accepted)
        return;
    const std::optional<QDate> from = dates.fromDate();
    const std::optional<QDate> to = dates.toDate();
    if (!from || !to)
        return;
    const QVector<ListedDeclaration> rows = declarationsDated(*from, *to);
    if (rows.isEmpty()) {
        platform::dialogs().information(QStringLiteral("Es wurde kein Datensatz mit dieser Auswahl gefunden!"));
        return;
    }
    const QString directory = shell::ProgramDirectory();
    if (dates.excel()) {
        const QString chosen = platform::dialogs().saveFileName(
            QStringLiteral("Speichern unter"), QStringLiteral("Excel-Datei (*.xlsx)"), directory);
        if (!chosen.isEmpty()) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
            writeDeclarationWorkbook(withSuffix(chosen, QStringLiteral("xlsx")), rows);
        }
    } else if (dates.text()) {
        const QString chosen = platform::dialogs().saveFileName(
            QStringLiteral("Speichern unter"), QStringLiteral("Text-Datei (*.txt)"), directory);
        if (!chosen.isEmpty())
            writeDeclarationText(withSuffix(chosen, QStringLiteral("txt")), rows);
    }
    platform::dialogs().information(QStringLiteral("Die Liste wurde exportiert!"));
}

} // namespace sad
