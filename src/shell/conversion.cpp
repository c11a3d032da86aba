#include "shell/conversion.h"

#include <QRegularExpression>

#include <limits>

namespace shell {

ConversionError::ConversionError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

int toWholeNumber(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw ConversionError(QStringLiteral("'%1' ist kein gültiger Integerwert.").arg(text));
    return int(value);
}

QStringList memoTextLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    if (lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace shell
