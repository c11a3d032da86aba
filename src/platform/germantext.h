#pragma once

#include <QString>

namespace platform {

// Case-insensitive text handling that knows the German letters:
// "müller" matches "Müller", and umlauts sort beside their base letters.
QString foldCase(const QString &text);
// Order of the case-insensitive indexes: base letters first (ä beside a,
// ß as ss), then the folded text, so that equal means "equal ignoring case".
int compareCaseInsensitive(const QString &a, const QString &b);
// The smallest text of that order among those whose base letters are the
// text's own: a prefix search starts there.
QString caseInsensitiveSortKey(const QString &text);
// Upper and lower case that convert umlauts too.
QString upperCase(const QString &text);

} // namespace platform
