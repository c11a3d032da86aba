#pragma once

#include <QColor>
#include <QString>

namespace shell {

// Colours as Export.ini keeps them: the decimal integer of the old colour
// value (0x00BBGGRR; system colours are negative, 0x80000000 + the system
// colour's index) or a colour name such as "clBlue".
namespace TColorValue {
inline constexpr qint32 clBlack = 0x000000;
inline constexpr qint32 clBlue = 0xFF0000;
inline constexpr qint32 clWindowText = qint32(0x80000008);
inline constexpr qint32 clBtnFace = qint32(0x8000000F);
} // namespace TColorValue

// The colour a value stands for; system colours resolve through the
// application's palette. False in ok for text that is neither a colour name
// nor an integer.
QColor colorFromText(const QString &text, bool *ok = nullptr);
QColor colorFromValue(qint32 value);
// The value of an RGB colour.
qint32 colorToValue(const QColor &color);

// Reads the options and the four display fonts from Export.ini into
// mainState(); missing keys take their defaults (Atlas_KundenNr is read by
// the options dialog only).
void OptionenLesen();
// Writes them back.
void OptionenSpeichern();

} // namespace shell
