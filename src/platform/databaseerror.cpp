#include "platform/databaseerror.h"

namespace platform {

DatabaseError::DatabaseError(const QString &message, const QString &detail)
    : std::runtime_error(message.toStdString())
    , m_message(message)
    , m_detail(detail)
{
}

} // namespace platform
