#pragma once

#include "shell/printoffsets.h"

#include <QColor>
#include <QLine>
#include <QPoint>
#include <QString>
#include <QVector>

namespace platform {
class PrintCanvas;
}

namespace sad {

// The drawing kit of the blank-paper forms of the single administrative
// document. A form is a list of primitives in form positions (0.1 mm from
// the sheet's left and top edges); drawForm maps them through the page
// offsets onto the canvas. Texts are Arial, drawn transparent from their
// top-left corner; heights are character heights in 0.1 mm except for
// rotated texts (cell heights).
struct FormPrimitive {
    enum class Kind {
        Rectangle, // (x, y)-(x2, y2), outline only
        Line, // (x, y) to (x2, y2)
        Dashes, // count dashes of 1 mm every 2 mm from (x, y), across or down
        Dots, // count dots of 0.4 mm every 0.8 mm from (x, y), across or down
        Text, // text at (x, y)
        SpacedText, // each character 26 further than the one before
        RotatedText, // TextOutRotated: height = cell height, angle in degrees
        CentredText, // centred between x and x2 (and on y when centredBoth)
        Polygon, // filled with the colour, the brush white afterwards
        Stroked, // (x, y) to (x2, y2) across or down in strokes of a pattern
    };

    Kind kind = Kind::Text;
    int x = 0;
    int y = 0;
    int x2 = 0;
    int y2 = 0;
    int pen = 1; // 0.1 mm
    QString text;
    int height = 22;
    bool bold = false;
    QColor color = Qt::black;
    int angle = 0; // degrees, counter-clockwise
    int count = 0;
    bool down = false; // Dashes, Dots: downwards instead of across
    bool centredBoth = false; // CentredText: centred on (x, y) both ways
    QVector<QPoint> points; // Polygon
    int strokeLength = 0; // Stroked
    int strokePitch = 0;
};

// A broken line: strokes of length, one every pitch.
struct StrokePattern {
    int length = 0;
    int pitch = 0;
};
// The dotted line of the forms drawn complete: 0.3 mm every 0.6 mm.
inline constexpr StrokePattern FineDots { 3, 6 };
// Dashes of 1 mm every 2 mm.
inline constexpr StrokePattern Dashes { 10, 20 };

using FormDrawing = QVector<FormPrimitive>;

// Builders of the primitives.
FormPrimitive frame(int x1, int y1, int x2, int y2, int pen = 1);
FormPrimitive line(int x1, int y1, int x2, int y2, int pen = 1);
FormPrimitive dashes(int x, int y, int count, bool down = false);
FormPrimitive dots(int x, int y, int count, bool down = false);
FormPrimitive caption(const QString &text, int x, int y, int height = 22);
FormPrimitive title(const QString &text, int x, int y, int height = 22);
FormPrimitive spaced(const QString &text, int x, int y, int height, bool bold = false);
FormPrimitive rotated(const QString &text, int x, int y, int cellHeight, int angle, const QColor &color = Qt::black);
FormPrimitive centred(const QString &text, int left, int right, int y, int height, bool bold = true);
FormPrimitive centredOn(const QString &text, int x, int y, int height, bool bold = true);
// A grey run of letters "X" marking a part the form leaves empty.
FormPrimitive xRun(int letters, int x, int y);
FormPrimitive filledPolygon(const QVector<QPoint> &points, const QColor &color = Qt::black);
// A line from (x1, y1) to (x2, y2), across or down, in strokes of a pattern.
FormPrimitive strokedLine(int x1, int y1, int x2, int y2, StrokePattern pattern, int pen = 1);

// Draws the primitives; afterwards the font colour is black and the brush
// white, the pen of width 1.
void drawForm(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets, const FormDrawing &form);

// A text in a font made for it at the given cell height (the caller passes
// the negative of it, as the old font heights go) and an escapement of
// angle tenths of a degree, in the canvas's current face name; the canvas's
// font is restored afterwards. An empty text draws nothing. (x, y) are device
// coordinates.
void TextOutRotated(
    const QString &text, int x, int y, int height, int angle, platform::PrintCanvas &canvas, bool bold = false);
// The same in bold, with the angle in degrees, moved along y by half the
// text's width as the canvas's current font measures it, so that a text read
// downwards stands centred on y. An empty text draws nothing.
void DrawRotatedBoldText(const QString &text, int x, int y, int angle, int height, platform::PrintCanvas &canvas);
// A line from (x1, y1) to (x2, y2) with the current pen; device coordinates.
void DrawLine(int x1, int y1, int x2, int y2, platform::PrintCanvas &canvas);
// A broken line in device coordinates: across when r is flat (from p1
// rightwards up to p2), down when it is upright (from p1 down to p2, y
// falling); any other line draws nothing. The last stroke ends at the end.
void DrawStrokedLine(platform::PrintCanvas &canvas, const QLine &r, StrokePattern pattern);
void DrawDottedLine(platform::PrintCanvas &canvas, const QLine &r);
void DrawDashedLine(platform::PrintCanvas &canvas, const QLine &r);
// Each character on its own, the i-th at x + 26 i; device coordinates.
void TextOutSpaced(platform::PrintCanvas &canvas, int x, const QString &text, int y);

} // namespace sad
