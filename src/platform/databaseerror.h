#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

#include <stdexcept>

namespace platform {

// A failure of the table layer. The message is German and ready to show.
class DatabaseError : public std::runtime_error
{
public:
    explicit DatabaseError(const QString &message, const QString &detail = {});
    const QString &message() const { return m_message; }
    const QString &detail() const { return m_detail; }  // the database's own text, for logs

private:
    QString m_message;
    QString m_detail;
};

// A post refused because another user changed a field of the record since
// editing began. Carries the record as now stored.
class RecordChangedError : public DatabaseError
{
public:
    RecordChangedError(const QString &message, const QVector<QVariant> &stored)
        : DatabaseError(message)
        , m_stored(stored)
    {
    }
    const QVector<QVariant> &stored() const { return m_stored; }

private:
    QVector<QVariant> m_stored;
};

// Silent abandonment of an operation (a handler has already told the user).
class AbortException : public std::exception
{
public:
    const char *what() const noexcept override { return "Operation abgebrochen"; }
};

} // namespace platform
