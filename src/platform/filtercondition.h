#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace platform {

// One condition of a dataset filter. Values are always bound, never pasted
// into SQL text, so that "O'Neill" or "50%" are plain values.
struct FilterCondition {
    // AnyPattern: value is a list of patterns as fromPattern reads them; a
    // record matches when one of them does.
    enum class Op { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual, Prefix, IsNull, NotNull, AnyPattern };

    QString field;
    Op op = Op::Equal;
    QVariant value;
    bool caseInsensitive = false;

    static FilterCondition equal(const QString &field, const QVariant &value, bool caseInsensitive = false)
    {
        return {field, Op::Equal, value, caseInsensitive};
    }
    static FilterCondition prefix(const QString &field, const QString &value, bool caseInsensitive = true)
    {
        return {field, Op::Prefix, value, caseInsensitive};
    }
    static FilterCondition compare(const QString &field, Op op, const QVariant &value)
    {
        return {field, op, value, false};
    }
    // A text the user typed: a trailing '*' makes it a prefix match, as the
    // program's searches have always done.
    static FilterCondition fromPattern(const QString &field, const QString &pattern, bool caseInsensitive = true);
    // Any of several such texts.
    static FilterCondition anyPattern(const QString &field, const QStringList &patterns, bool caseInsensitive = true)
    {
        return {field, Op::AnyPattern, patterns, caseInsensitive};
    }
};

// Parses the simple filter texts the program itself writes, such as
// "BelegNr < 2000000000" or "Name = 'EUR1*'", joined by AND. Never used for
// text a user typed. Throws DatabaseError on a text it cannot read.
QVector<FilterCondition> parseFilterText(const QString &text, bool caseInsensitive);

} // namespace platform
