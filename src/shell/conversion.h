#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

namespace shell {

// A typed text that is not a number of the wanted kind. The message is the
// German text the error dialog shows.
class ConversionError : public std::runtime_error
{
public:
    explicit ConversionError(const QString &message);
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// The text as a whole number (blanks around it allowed); throws
// ConversionError "'x' ist kein gültiger Integerwert." otherwise.
int toWholeNumber(const QString &text);

// The lines of a memo text; a line break at its end starts no further line.
QStringList memoTextLines(const QString &text);

} // namespace shell
