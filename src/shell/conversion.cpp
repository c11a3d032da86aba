#include "shell/conversion.h"

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

} // namespace shell
