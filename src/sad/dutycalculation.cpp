#include "sad/dutycalculation.h"

#include "platform/localformat.h"

#include <cmath>

namespace sad {

namespace {

double roundSignificant(double value, int digits)
{
    if (value == 0.0 || !std::isfinite(value))
        return value;
    const int magnitude = int(std::floor(std::log10(std::fabs(value)))) + 1;
    return platform::roundToDecimals(value, digits - magnitude);
}

} // namespace

std::optional<double> dutyNumber(const QString &text)
{
    QString plain = text;
    plain.remove(QLatin1Char('.'));
    bool ok = false;
    const double value = platform::parseNumber(plain, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString formatDuty(double value, int significantDigits)
{
    return platform::formatNumber(roundSignificant(value, significantDigits), 2);
}

DutyAmount ComputeDutyAmount(const QString &base, const QString &rate)
{
    const std::optional<double> b = dutyNumber(base);
    const std::optional<double> r = dutyNumber(rate);
    if (!b || !r)
        return {};
    // Written and read back: the amount rounded as it is shown.
    const std::optional<double> shown = dutyNumber(formatDuty(*b * *r / 100.0, AmountDigits));
    return { shown.value_or(0.0), !shown };
}

DutyResult recalculateDuties(const QVector<DutyLine> &lines, const QString &total, int amountSize)
{
    DutyResult result;
    result.total = total;
    double sum = 0.0;
    bool anyValid = false;
    for (int k = 0; k < lines.size(); ++k) {
        const DutyAmount line = ComputeDutyAmount(lines.at(k).base, lines.at(k).rate);
        QString amount = lines.at(k).amount;
        bool invalid = line.error;
        if (!line.error) {
            const QString text = formatDuty(line.amount, AmountDigits);
            if (text.size() > amountSize) {
                // Cut to the field it would be another number.
                invalid = true;
                result.tooLong.append(k + 1);
            } else {
                amount = text;
                sum += line.amount;
                anyValid = true;
            }
        }
        result.amounts.append(amount);
        result.invalid.append(invalid);
    }
    if (anyValid) {
        const QString text = formatDuty(sum, AmountDigits);
        if (text.size() > amountSize)
            result.totalTooLong = true;
        else
            result.total = text;
    }
    return result;
}

std::optional<SheetSummary> sumSheetSummary(const QVector<QString> &amounts, const QString &total, int amountSize)
{
    SheetSummary result;
    result.total = total;
    double sum = 0.0;
    for (int k = 0; k < amounts.size(); ++k) {
        const QString &typed = amounts.at(k);
        const std::optional<double> value = typed.trimmed().isEmpty() ? 0.0 : dutyNumber(typed);
        if (!value)
            return std::nullopt;
        const QString text = formatDuty(*value, AmountDigits);
        const bool tooLong = text.size() > amountSize;
        if (tooLong) {
            result.tooLong.append(k + 1);
        } else {
            sum += *dutyNumber(text);
        }
        result.amounts.append(tooLong ? typed : text);
        result.invalid.append(tooLong);
    }
    const QString text = formatDuty(sum, AmountDigits);
    if (text.size() > amountSize)
        result.totalTooLong = true;
    else
        result.total = text;
    return result;
}

QString tooLongMessage(const QVector<int> &lines, bool total, int amountSize)
{
    if (lines.isEmpty() && !total)
        return QString();
    QStringList numbers;
    for (int line : lines)
        numbers.append(QString::number(line));
    QString text;
    if (!lines.isEmpty())
        text = QStringLiteral("Der Betrag der Zeile %1 hat mehr als %2 Zeichen und passt nicht in sein Feld; "
                              "er wird nicht übernommen und nicht mitgerechnet.")
                   .arg(numbers.join(QStringLiteral(", ")))
                   .arg(amountSize);
    if (total) {
        if (!text.isEmpty())
            text += QLatin1Char('\r');
        text
            += QStringLiteral("Die Summe hat mehr als %1 Zeichen und passt nicht in ihr Feld; sie bleibt, wie sie war.")
                   .arg(amountSize);
    }
    return text;
}

int sheetSummarySource(int item)
{
    const int distance = (item + 1) % 3;
    return distance != 0 && item > 1 ? item - distance : 0;
}

bool showsSheetSummary(int item, int itemCount)
{
    return itemCount >= 2 && (item + 1) % 3 == 0;
}

} // namespace sad
