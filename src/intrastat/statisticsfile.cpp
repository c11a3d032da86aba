#include "intrastat/statisticsfile.h"

#include "masterdata/tablecontent.h"
#include "platform/field.h"
#include "platform/localformat.h"
#include "platform/query.h"
#include "platform/tableschema.h"

#include <QSaveFile>

namespace intrastat {

namespace {

QString left(const QString &value, int width)
{
    return value.leftJustified(width, QLatin1Char(' '));
}

QString right(const QString &value, int width, QChar fill = QLatin1Char(' '))
{
    return value.rightJustified(width, fill);
}

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

// A number column: the value right-aligned, written whole when longer.
QString amount(const QString &value)
{
    return right(value, 11);
}

QString kb(double bytes)
{
    return platform::formatAmount(bytes / 1024.0);
}

} // namespace

QString statisticsLine(bool isDispatch, const FieldValues &head, const FieldValues &position, int lineNumber)
{
    const QChar zero = QLatin1Char('0');
    const QString month = head(QStringLiteral("int2_1"));
    const QString year = head(QStringLiteral("int2_2"));
    // The two kinds share their columns but for a few blanks and box 14.
    QString line = isDispatch ? QStringLiteral("22 ") : QStringLiteral("11");
    line.reserve(130);
    line += right(month, 2, zero);
    line += QStringLiteral("00");
    line += right(QString::number(lineNumber), 6, zero);
    line += blanks(2);
    line += left(head(QStringLiteral("int1_3")), 2);
    line += left(head(QStringLiteral("int1_1")), 11);
    line += right(head(QStringLiteral("int1_2")), 3, zero);
    if (!isDispatch)
        line += blanks(1);
    line += left(position(QStringLiteral("int8_1")), 3);
    line += left(position(QStringLiteral("int8_2")), 2);
    if (!isDispatch)
        line += blanks(2);
    line += left(position(QStringLiteral("int10_1")), 2);
    line += left(position(QStringLiteral("int11_1")), 1);
    line += blanks(13);
    line += left(position(QStringLiteral("int13_1")), 8);
    line += isDispatch ? blanks(10) : left(position(QStringLiteral("int14_1")), 3) + blanks(5);
    line += amount(position(QStringLiteral("int16_1")));
    line += amount(position(QStringLiteral("int17_1")));
    line += blanks(2);
    line += amount(position(QStringLiteral("int18_1")));
    line += amount(position(QStringLiteral("int19_1")));
    if (isDispatch)
        line += blanks(2);
    line += right(month, 2);
    line += right(year, 2);
    line += blanks(isDispatch ? 6 : 8);
    return line;
}

StatisticsContent collectStatistics(
    const Direction &direction, const QString &month, const QString &year, const std::function<void()> &progress)
{
    StatisticsContent content;
    platform::Query heads(platform::Alias::Data,
        QStringLiteral("SELECT * FROM \"%1\" WHERE \"int2_1\" = ? AND \"int2_2\" = ? ORDER BY \"belegnr\"")
            .arg(platform::TableSchema::tableNameOf(direction.headTable())));
    heads.addBindValue(month);
    heads.addBindValue(year);
    heads.open();
    platform::Query positions(platform::Alias::Data,
        QStringLiteral("SELECT * FROM \"%1\" WHERE \"belegnr\" = ? ORDER BY \"Pos\"")
            .arg(platform::TableSchema::tableNameOf(direction.positionTable())));
    const FieldValues headValues = [&heads](const QString &field) { return heads.fieldByName(field).asString(); };
    const FieldValues positionValues
        = [&positions](const QString &field) { return positions.fieldByName(field).asString(); };

    for (heads.first(); !heads.eof(); heads.next()) {
        const QString number = headValues(QStringLiteral("belegnr"));
        positions.close();
        positions.clearBindValues();
        positions.addBindValue(heads.fieldByName(QStringLiteral("belegnr")).asInteger());
        positions.open();
        for (positions.first(); !positions.eof(); positions.next()) {
            const QString where = QStringLiteral("Intrastatmeldung %1, Position %2: ")
                                      .arg(number, positionValues(QStringLiteral("Pos")));
            const QString vat = headValues(QStringLiteral("int1_1"));
            if (vat.size() > 11) {
                content.error = where + QStringLiteral("Die Umsatzsteuer-Nr. \"%1\" hat mehr als 11 Zeichen.").arg(vat)
                    + QStringLiteral("\rEs wurde keine Datei geschrieben.");
                content.lines.clear();
                return content;
            }
            const struct {
                const char *field;
                const char *caption;
                double *total;
            } sums[] = { { "int18_1", "Rechnungsbetrag (Feld 18)", &content.invoiceTotal },
                { "int19_1", "Statistische Wert (Feld 19)", &content.valueTotal } };
            for (const auto &sum : sums) {
                const QString text = positionValues(QString::fromLatin1(sum.field));
                if (text.trimmed().isEmpty())
                    continue;
                bool ok = false;
                const double value = platform::parseAmount(text.trimmed(), &ok);
                if (!ok) {
                    content.error = where
                        + QStringLiteral("Der %1 \"%2\" ist keine Zahl.").arg(QString::fromLatin1(sum.caption), text)
                        + QStringLiteral("\rEs wurde keine Datei geschrieben.");
                    content.lines.clear();
                    return content;
                }
                *sum.total += value;
            }
            content.lines.append(
                statisticsLine(direction.isDispatch, headValues, positionValues, int(content.lines.size()) + 1));
            if (progress)
                progress();
        }
    }
    return content;
}

bool writeStatisticsFile(const QString &path, const QStringList &lines, QString *error)
{
    QSaveFile file(path);
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += masterdata::ExchangeEncoding::encode(line, masterdata::ExchangeEncoding::Windows1252);
        bytes += "\r\n";
    }
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error
                = QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden:\r%2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

qint64 statisticsSpaceNeeded(const Direction &direction)
{
    const QString count = platform::queryScalar(QStringLiteral("SELECT COUNT(*) FROM \"%1\"")
                                                    .arg(platform::TableSchema::tableNameOf(direction.positionTable())),
        {}, platform::Alias::Data);
    return 256 * count.toLongLong();
}

QString spaceMessage(qint64 freeBytes, qint64 neededBytes)
{
    return QStringLiteral("Die Diskette hat nur noch ") + kb(double(freeBytes)) + QStringLiteral(" KB freien Platz")
        + QStringLiteral("\r") + QStringLiteral("Sie benötigen jedoch ") + kb(double(neededBytes))
        + QStringLiteral(" KB !");
}

QString summaryMessage(const StatisticsContent &content)
{
    return QStringLiteral("Anzahl der Datensätze  : ") + QString::number(content.lines.size()) + QStringLiteral("\r")
        + QStringLiteral("\r") + QStringLiteral("Gesamt Rechnungswert in EUR: ")
        + platform::formatAmount(content.invoiceTotal) + QStringLiteral("\r")
        + QStringLiteral("Gesamt Stat. Wert in EUR       : ") + platform::formatAmount(content.valueTotal)
        + QStringLiteral("\r");
}

} // namespace intrastat
