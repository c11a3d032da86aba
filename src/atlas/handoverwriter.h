#pragma once

#include "atlas/handovertree.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <memory>
#include <stdexcept>

namespace platform {
class Session;
}

namespace atlas {

// The rows of one query, fields found ignoring case.
class SourceRows
{
public:
    // Runs a SELECT on the data directory with the values bound.
    static SourceRows read(platform::Session &session, const QString &sql, const QVariantList &values);

    int size() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    // A field of a row as text exactly as stored: a null field is empty,
    // a whole number its decimal digits. Throws a German DatabaseError for
    // a field the table lacks.
    QString text(int row, const QString &field) const;
    // The names of the columns, in the order of the statement.
    QStringList fieldNames() const { return m_names; }

private:
    std::shared_ptr<const QHash<QString, int>> m_fields; // lower-case name -> column
    QStringList m_names;
    QVector<QVector<QVariant>> m_rows;
};

// A value the file cannot carry; the export stops before anything is written.
class HandOverError : public std::runtime_error
{
public:
    explicit HandOverError(const QString &message);
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// Writes the XML document of a layout for the given heads: the declaration
// line with version 1.0, standalone yes and no encoding (the bytes are
// UTF-8), the root, the header from the first head, one entry per head and
// below them the lists, each read with its own query in the order BelegNr,
// Pos. Every element is written, empty when it has no value. Characters XML
// cannot hold (control characters other than tab, line feed and carriage
// return) are left out; the rest is escaped.
class HandOverWriter
{
public:
    HandOverWriter(const HandOverLayout &layout, platform::Session &session);

    void setCustomerNumber(const QString &number) { m_customerNumber = number; }
    QByteArray document(const SourceRows &heads);

    // The text without the characters XML 1.0 cannot hold.
    static QString xmlText(const QString &text);
    static QString withLetterCase(const QString &text, LetterCase letterCase);

private:
    struct Context;
    class Output;

    void writeEntry(Output &out, const HandOverList &list, const Context &context);
    void writeElement(Output &out, const HandOverElement &element, const Context &context);
    QString valueOf(const HandOverElement &element, const Context &context);
    QString grossMass(const QString &number);

    const HandOverLayout &m_layout;
    platform::Session &m_session;
    QString m_customerNumber;
};

} // namespace atlas
