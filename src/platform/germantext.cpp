#include "platform/germantext.h"

namespace platform {

QString foldCase(const QString &text)
{
    return text.toLower();
}

QString upperCase(const QString &text)
{
    return text.toUpper();
}

namespace {

// Base letter of a folded character for the first comparison level.
inline void appendBase(QString &out, QChar c)
{
    switch (c.unicode()) {
    case 0x00E4: out.append(QLatin1Char('a')); break;  // ä
    case 0x00F6: out.append(QLatin1Char('o')); break;  // ö
    case 0x00FC: out.append(QLatin1Char('u')); break;  // ü
    case 0x00DF: out.append(QLatin1String("ss")); break;  // ß
    case 0x00E9: case 0x00E8: case 0x00EA: out.append(QLatin1Char('e')); break;
    case 0x00E1: case 0x00E0: case 0x00E2: out.append(QLatin1Char('a')); break;
    default: out.append(c);
    }
}

QString baseForm(const QString &folded)
{
    QString out;
    out.reserve(folded.size() + 2);
    for (QChar c : folded)
        appendBase(out, c);
    return out;
}

bool isPlainAscii(const QString &s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

int compareCaseInsensitive(const QString &a, const QString &b)
{
    const QString fa = foldCase(a);
    const QString fb = foldCase(b);
    if (isPlainAscii(fa) && isPlainAscii(fb))
        return fa.compare(fb);
    const int primary = baseForm(fa).compare(baseForm(fb));
    if (primary != 0)
        return primary;
    return fa.compare(fb);
}

QString caseInsensitiveSortKey(const QString &text)
{
    return baseForm(foldCase(text));
}

} // namespace platform
