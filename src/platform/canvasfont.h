#pragma once

#include <QColor>
#include <QFlags>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>

class QFont;

namespace platform {

enum class FontStyle {
    Bold = 0x1,
    Italic = 0x2,
    Underline = 0x4,
    StrikeOut = 0x8,
};
Q_DECLARE_FLAGS(FontStyles, FontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(FontStyles)

// The style set of a widget font (bold, italic, underline, strike-out).
FontStyles fontStylesOf(const QFont &font);

// Character height used for a font height of 0 (3.5 mm).
inline constexpr int DefaultCharacterHeight = 35;

// The font state of a print canvas. Heights are in the canvas's logical
// units (0.1 mm): negative = character height (em size), positive = cell
// height (ascent + descent), 0 = the default character height. The angle is
// in tenths of a degree, counter-clockwise.
struct CanvasFont {
    QString name = QStringLiteral("Arial");
    int height = -DefaultCharacterHeight;
    FontStyles style;
    int angle = 0;
    QColor color = Qt::black;

    bool operator==(const CanvasFont &other) const = default;
};

// Pen width in logical units; 0 = the thinnest line the device draws.
struct CanvasPen {
    QColor color = Qt::black;
    int width = 1;

    bool operator==(const CanvasPen &other) const = default;
};

// Fills rectangles, ellipses and fillRect; none leaves the inside alone.
struct CanvasBrush {
    QColor color = Qt::white;
    bool none = false;

    bool operator==(const CanvasBrush &other) const = default;
};

// The family that prints for a font name: the prints name Windows fonts,
// which stand here as their metric-compatible Liberation fonts (Arial Narrow
// as Nimbus Sans Narrow).
QString printFontFamily(const QString &name);

// Font metrics in logical units. Every canvas measures and places text with
// these (design metrics, no hinting, no kerning), so that positions a layout
// computes from a recording canvas are those the printer draws.
class CanvasFontMetrics
{
public:
    explicit CanvasFontMetrics(const CanvasFont &font);

    double ascent() const;
    double descent() const;
    double cellHeight() const { return ascent() + descent(); }
    double width(const QString &text) const;

    // The resolved font at the character height in logical units, and the
    // glyphs of a text with their pen positions from the start of the line.
    const QRawFont &rawFont() const { return m_raw; }
    QList<quint32> glyphs(const QString &text) const;
    QList<QPointF> positions(const QList<quint32> &glyphs) const;

private:
    QRawFont m_raw;
};

} // namespace platform
