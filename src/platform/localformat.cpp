#include "platform/localformat.h"

#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace platform {

namespace {
std::optional<QLocale> &localeOverride()
{
    static std::optional<QLocale> value;
    return value;
}
} // namespace

QLocale workstationLocale()
{
    if (localeOverride())
        return *localeOverride();
    QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return QLocale(QLocale::German, QLocale::Germany);
    return system;
}

void setWorkstationLocale(const QLocale &locale)
{
    localeOverride() = locale;
}

QChar decimalSeparator()
{
    const QString s = workstationLocale().decimalPoint();
    return s.isEmpty() ? QLatin1Char(',') : s.at(0);
}

QChar groupSeparator()
{
    const QString s = workstationLocale().groupSeparator();
    return s.isEmpty() ? QLatin1Char('.') : s.at(0);
}

QString formatNumber(double value, int decimals)
{
    QLocale locale = workstationLocale();
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    // Round first so that -0,00 does not appear.
    double rounded = roundToDecimals(value, decimals);
    if (rounded == 0.0)
        rounded = 0.0;
    return locale.toString(rounded, 'f', decimals);
}

QString formatAmount(double value)
{
    return formatNumber(value, 2);
}

namespace {
// Two decimals, more when the value has them (up to six).
int displayDecimals(double value)
{
    int decimals = 2;
    while (decimals < 6 && roundToDecimals(value, decimals) != roundToDecimals(value, 6))
        ++decimals;
    return decimals;
}
} // namespace

QString formatDisplayNumber(double value)
{
    if (std::isnan(value) || std::isinf(value))
        return QString();
    return formatNumber(value, displayDecimals(value));
}

QString formatEditNumber(double value)
{
    if (std::isnan(value) || std::isinf(value))
        return QString();
    QLocale locale = workstationLocale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const int decimals = displayDecimals(value);
    double rounded = roundToDecimals(value, decimals);
    if (rounded == 0.0)
        rounded = 0.0; // no "-0,00"
    return locale.toString(rounded, 'f', decimals);
}

QString formatPlainNumber(double value)
{
    if (std::isnan(value) || std::isinf(value))
        return QString();
    QString text = QString::number(value, 'g', 15);
    if (text.contains(QLatin1Char('e'))) {
        // Large or tiny numbers: fixed notation without exponent.
        text = QString::number(value, 'f', 15);
        if (text.contains(QLatin1Char('.'))) {
            while (text.endsWith(QLatin1Char('0')))
                text.chop(1);
            if (text.endsWith(QLatin1Char('.')))
                text.chop(1);
        }
    }
    text.replace(QLatin1Char('.'), decimalSeparator());
    return text;
}

double parseNumber(const QString &input, bool *ok)
{
    QString text = input.trimmed();
    const QChar dec = decimalSeparator();
    const QChar group = groupSeparator();
    if (text.isEmpty()) {
        if (ok)
            *ok = false;
        return 0.0;
    }
    // Accept a leading plus sign and spaces used as group separators.
    text.remove(QLatin1Char(' '));
    text.remove(QChar(0x00A0));
    text.remove(QChar(0x202F));
    if (text.startsWith(QLatin1Char('+')))
        text.remove(0, 1);
    QString normalized;
    normalized.reserve(text.size());
    const int decPos = text.lastIndexOf(dec);
    bool good = true;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == group && i != decPos) {
            // Group separators only between digits and before the decimal separator.
            if (decPos >= 0 && i > decPos) {
                good = false;
                break;
            }
            continue;
        }
        if (c == dec && i == decPos)
            normalized.append(QLatin1Char('.'));
        else
            normalized.append(c);
    }
    double value = 0.0;
    if (good) {
        static const QRegularExpression pattern(QStringLiteral("^-?(\\d+(\\.\\d*)?|\\.\\d+)$"));
        good = pattern.match(normalized).hasMatch();
        if (good)
            value = normalized.toDouble(&good);
    }
    if (ok)
        *ok = good;
    return good ? value : 0.0;
}

double parseAmount(const QString &text, bool *ok)
{
    if (text.trimmed().isEmpty()) {
        if (ok)
            *ok = true;
        return 0.0;
    }
    return parseNumber(text, ok);
}

QString formatDate(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QString formatTime(const QTime &time)
{
    return time.isValid() ? time.toString(QStringLiteral("hh:mm:ss")) : QString();
}

QString formatDateTime(const QDateTime &dt)
{
    if (!dt.isValid())
        return QString();
    return formatDate(dt.date()) + QLatin1Char(' ') + formatTime(dt.time());
}

QDate parseDate(const QString &input)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return {};
    static const QRegularExpression german(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2,4})$"));
    auto m = german.match(text);
    if (m.hasMatch()) {
        int year = m.captured(3).toInt();
        if (m.captured(3).size() <= 2)
            year += (year < 50) ? 2000 : 1900;
        return QDate(year, m.captured(2).toInt(), m.captured(1).toInt());
    }
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})"));
    m = iso.match(text);
    if (m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return {};
}

QTime parseTime(const QString &input)
{
    const QString text = input.trimmed();
    for (const char *format : {"hh:mm:ss", "h:mm:ss", "hh:mm", "h:mm", "hh:mm:ss.zzz"}) {
        const QTime t = QTime::fromString(text, QLatin1String(format));
        if (t.isValid())
            return t;
    }
    return {};
}

QDateTime parseDateTime(const QString &input)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return {};
    const int split = text.indexOf(QRegularExpression(QStringLiteral("[ T]")));
    if (split < 0) {
        const QDate d = parseDate(text);
        return d.isValid() ? QDateTime(d, QTime(0, 0)) : QDateTime();
    }
    const QDate d = parseDate(text.left(split));
    const QTime t = parseTime(text.mid(split + 1));
    if (!d.isValid())
        return {};
    return QDateTime(d, t.isValid() ? t : QTime(0, 0));
}

double roundHalfEven(double value)
{
    return std::nearbyint(value); // default rounding mode: to nearest, ties to even
}

double roundHalfAwayFromZero(double value)
{
    return std::round(value);
}

double roundToDecimals(double value, int decimals)
{
    const double factor = std::pow(10.0, decimals);
    // A small nudge absorbs binary representation errors (2.675 -> 2.68).
    const double scaled = value * factor;
    const double nudged = scaled + (scaled >= 0 ? 1e-9 : -1e-9);
    return std::round(nudged) / factor;
}

} // namespace platform
