#include "platform/filtercondition.h"

#include "platform/databaseerror.h"

namespace platform {

FilterCondition FilterCondition::fromPattern(const QString &field, const QString &pattern, bool caseInsensitive)
{
    if (pattern.endsWith(QLatin1Char('*')))
        return {field, Op::Prefix, pattern.left(pattern.size() - 1), caseInsensitive};
    return {field, Op::Equal, pattern, caseInsensitive};
}

namespace {

class FilterParser
{
public:
    FilterParser(const QString &text, bool ci)
        : m_text(text)
        , m_ci(ci)
    {
    }

    QVector<FilterCondition> parse()
    {
        QVector<FilterCondition> result;
        skipSpace();
        if (atEnd())
            return result;
        for (;;) {
            result.append(condition());
            skipSpace();
            if (atEnd())
                break;
            const QString word = identifier();
            if (word.compare(QLatin1String("AND"), Qt::CaseInsensitive) != 0)
                fail();
        }
        return result;
    }

private:
    [[noreturn]] void fail() const
    {
        throw DatabaseError(QStringLiteral("Der Filter \"%1\" ist ungültig.").arg(m_text));
    }
    bool atEnd() const { return m_pos >= m_text.size(); }
    void skipSpace()
    {
        while (!atEnd() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }
    QString identifier()
    {
        skipSpace();
        if (!atEnd() && m_text.at(m_pos) == QLatin1Char('[')) {
            const int end = m_text.indexOf(QLatin1Char(']'), m_pos);
            if (end < 0)
                fail();
            const QString id = m_text.mid(m_pos + 1, end - m_pos - 1);
            m_pos = end + 1;
            return id;
        }
        const int start = m_pos;
        while (!atEnd() && (m_text.at(m_pos).isLetterOrNumber() || m_text.at(m_pos) == QLatin1Char('_')))
            ++m_pos;
        if (start == m_pos)
            fail();
        return m_text.mid(start, m_pos - start);
    }
    FilterCondition::Op op()
    {
        skipSpace();
        static const QList<QPair<QString, FilterCondition::Op>> ops = {
            {QStringLiteral("<>"), FilterCondition::Op::NotEqual}, {QStringLiteral("<="), FilterCondition::Op::LessEqual},
            {QStringLiteral(">="), FilterCondition::Op::GreaterEqual}, {QStringLiteral("="), FilterCondition::Op::Equal},
            {QStringLiteral("<"), FilterCondition::Op::Less}, {QStringLiteral(">"), FilterCondition::Op::Greater},
        };
        for (const auto &[token, o] : ops) {
            if (m_text.mid(m_pos, token.size()) == token) {
                m_pos += token.size();
                return o;
            }
        }
        fail();
    }
    FilterCondition condition()
    {
        FilterCondition c;
        c.field = identifier();
        c.op = op();
        c.caseInsensitive = m_ci;
        skipSpace();
        if (atEnd())
            fail();
        const QChar q = m_text.at(m_pos);
        if (q == QLatin1Char('\'') || q == QLatin1Char('"')) {
            ++m_pos;
            QString value;
            for (;;) {
                if (atEnd())
                    fail();
                const QChar c2 = m_text.at(m_pos++);
                if (c2 == q) {
                    if (!atEnd() && m_text.at(m_pos) == q) {
                        value.append(q);
                        ++m_pos;
                        continue;
                    }
                    break;
                }
                value.append(c2);
            }
            if (c.op == FilterCondition::Op::Equal && value.endsWith(QLatin1Char('*'))) {
                c.op = FilterCondition::Op::Prefix;
                value.chop(1);
            }
            c.value = value;
        } else {
            const int start = m_pos;
            while (!atEnd() && !m_text.at(m_pos).isSpace())
                ++m_pos;
            const QString token = m_text.mid(start, m_pos - start);
            bool ok = false;
            const qlonglong i = token.toLongLong(&ok);
            if (ok) {
                c.value = i;
            } else {
                const double d = token.toDouble(&ok);
                if (!ok) {
                    if (token.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0) {
                        c.op = c.op == FilterCondition::Op::NotEqual ? FilterCondition::Op::NotNull : FilterCondition::Op::IsNull;
                    } else if (token.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0
                               || token.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0) {
                        c.value = token.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0;
                    } else {
                        fail();
                    }
                } else {
                    c.value = d;
                }
            }
        }
        return c;
    }

    QString m_text;
    bool m_ci;
    int m_pos = 0;
};

} // namespace

QVector<FilterCondition> parseFilterText(const QString &text, bool caseInsensitive)
{
    return FilterParser(text, caseInsensitive).parse();
}

} // namespace platform
