#include "sad/formdrawing.h"

#include "platform/printcanvas.h"

namespace sad {

using platform::CanvasFont;
using platform::PrintCanvas;

namespace {

constexpr int DotLength = 4;
constexpr int DotPitch = 8;
constexpr int SpacedPitch = 26;

CanvasFont arial(int height, bool bold, const QColor &color)
{
    CanvasFont font;
    font.name = QStringLiteral("Arial");
    font.height = -height;
    font.style = bold ? platform::FontStyles(platform::FontStyle::Bold) : platform::FontStyles();
    font.color = color;
    return font;
}

FormPrimitive primitive(FormPrimitive::Kind kind, int x, int y, int x2 = 0, int y2 = 0)
{
    FormPrimitive p;
    p.kind = kind;
    p.x = x;
    p.y = y;
    p.x2 = x2;
    p.y2 = y2;
    return p;
}

FormPrimitive text(FormPrimitive::Kind kind, const QString &value, int x, int y, int height, bool bold)
{
    FormPrimitive p = primitive(kind, x, y);
    p.text = value;
    p.height = height;
    p.bold = bold;
    return p;
}

void strokes(PrintCanvas &canvas, const shell::PageOffsets &offsets, const FormPrimitive &p, int length, int pitch)
{
    for (int i = 0; i < p.count; ++i) {
        const int along = i * pitch;
        const QPoint from = p.down ? offsets.toDevice(p.x, p.y + along) : offsets.toDevice(p.x + along, p.y);
        const QPoint to
            = p.down ? offsets.toDevice(p.x, p.y + along + length) : offsets.toDevice(p.x + along + length, p.y);
        canvas.moveTo(from.x(), from.y());
        canvas.lineTo(to.x(), to.y());
    }
}

} // namespace

FormPrimitive frame(int x1, int y1, int x2, int y2, int pen)
{
    FormPrimitive p = primitive(FormPrimitive::Kind::Rectangle, x1, y1, x2, y2);
    p.pen = pen;
    return p;
}

FormPrimitive line(int x1, int y1, int x2, int y2, int pen)
{
    FormPrimitive p = primitive(FormPrimitive::Kind::Line, x1, y1, x2, y2);
    p.pen = pen;
    return p;
}

FormPrimitive dashes(int x, int y, int count, bool down)
{
    FormPrimitive p = primitive(FormPrimitive::Kind::Dashes, x, y);
    p.count = count;
    p.down = down;
    return p;
}

FormPrimitive dots(int x, int y, int count, bool down)
{
    FormPrimitive p = primitive(FormPrimitive::Kind::Dots, x, y);
    p.count = count;
    p.down = down;
    return p;
}

FormPrimitive caption(const QString &value, int x, int y, int height)
{
    return text(FormPrimitive::Kind::Text, value, x, y, height, false);
}

FormPrimitive title(const QString &value, int x, int y, int height)
{
    return text(FormPrimitive::Kind::Text, value, x, y, height, true);
}

FormPrimitive spaced(const QString &value, int x, int y, int height, bool bold)
{
    return text(FormPrimitive::Kind::SpacedText, value, x, y, height, bold);
}

FormPrimitive rotated(const QString &value, int x, int y, int cellHeight, int angle, const QColor &color)
{
    FormPrimitive p = text(FormPrimitive::Kind::RotatedText, value, x, y, cellHeight, false);
    p.angle = angle;
    p.color = color;
    return p;
}

FormPrimitive centred(const QString &value, int left, int right, int y, int height, bool bold)
{
    FormPrimitive p = text(FormPrimitive::Kind::CentredText, value, left, y, height, bold);
    p.x2 = right;
    return p;
}

FormPrimitive centredOn(const QString &value, int x, int y, int height, bool bold)
{
    FormPrimitive p = text(FormPrimitive::Kind::CentredText, value, x, y, height, bold);
    p.centredBoth = true;
    return p;
}

FormPrimitive xRun(int letters, int x, int y)
{
    FormPrimitive p = caption(QString(letters, QLatin1Char('X')), x, y, 30);
    p.color = QColor(0x80, 0x80, 0x80);
    return p;
}

FormPrimitive filledPolygon(const QVector<QPoint> &points, const QColor &color)
{
    FormPrimitive p = primitive(FormPrimitive::Kind::Polygon, 0, 0);
    p.points = points;
    p.color = color;
    return p;
}

FormPrimitive strokedLine(int x1, int y1, int x2, int y2, StrokePattern pattern, int pen)
{
    FormPrimitive p = primitive(FormPrimitive::Kind::Stroked, x1, y1, x2, y2);
    p.pen = pen;
    p.strokeLength = pattern.length;
    p.strokePitch = pattern.pitch;
    return p;
}

void TextOutRotated(const QString &text, int x, int y, int height, int angle, PrintCanvas &canvas, bool bold)
{
    if (text.isEmpty())
        return;
    const CanvasFont before = canvas.font();
    CanvasFont font = before;
    // A positive height is a cell height.
    font.height = -height;
    font.angle = angle;
    font.style = bold ? platform::FontStyles(platform::FontStyle::Bold) : platform::FontStyles();
    canvas.setFont(font);
    canvas.textOut(x, y, text);
    canvas.setFont(before);
}

void DrawRotatedBoldText(const QString &text, int x, int y, int angle, int height, PrintCanvas &canvas)
{
    if (text.isEmpty())
        return;
    const int width = canvas.textWidth(text);
    // Read downwards (270 degrees) the text runs towards smaller y.
    TextOutRotated(text, x, y + width / 2, height, angle * 10, canvas, true);
}

void DrawLine(int x1, int y1, int x2, int y2, PrintCanvas &canvas)
{
    canvas.moveTo(x1, y1);
    canvas.lineTo(x2, y2);
}

void DrawStrokedLine(PrintCanvas &canvas, const QLine &r, StrokePattern pattern)
{
    if (pattern.pitch <= 0)
        return;
    const int left = r.x1();
    const int right = r.x2();
    const int top = r.y1();
    const int bottom = r.y2();
    if (top == bottom) {
        for (int x = left; x < right; x += pattern.pitch)
            DrawLine(x, top, std::min(x + pattern.length, right), top, canvas);
    } else if (left == right) {
        for (int y = top; y > bottom; y -= pattern.pitch)
            DrawLine(left, y, left, std::max(y - pattern.length, bottom), canvas);
    }
}

void DrawDottedLine(PrintCanvas &canvas, const QLine &r)
{
    DrawStrokedLine(canvas, r, FineDots);
}

void DrawDashedLine(PrintCanvas &canvas, const QLine &r)
{
    DrawStrokedLine(canvas, r, Dashes);
}

void TextOutSpaced(PrintCanvas &canvas, int x, const QString &text, int y)
{
    for (int i = 0; i < text.size(); ++i)
        canvas.textOut(x + SpacedPitch * i, y, text.mid(i, 1));
}

void drawForm(PrintCanvas &canvas, const shell::PageOffsets &offsets, const FormDrawing &form)
{
    canvas.setBrushNone();
    for (const FormPrimitive &p : form) {
        const QPoint at = offsets.toDevice(p.x, p.y);
        switch (p.kind) {
        case FormPrimitive::Kind::Rectangle: {
            canvas.setPen({ Qt::black, p.pen });
            const QPoint to = offsets.toDevice(p.x2, p.y2);
            canvas.rectangle(at.x(), at.y(), to.x(), to.y());
            break;
        }
        case FormPrimitive::Kind::Line: {
            canvas.setPen({ Qt::black, p.pen });
            const QPoint to = offsets.toDevice(p.x2, p.y2);
            canvas.moveTo(at.x(), at.y());
            canvas.lineTo(to.x(), to.y());
            break;
        }
        case FormPrimitive::Kind::Dashes:
            canvas.setPen({ Qt::black, p.pen });
            strokes(canvas, offsets, p, Dashes.length, Dashes.pitch);
            break;
        case FormPrimitive::Kind::Dots:
            canvas.setPen({ Qt::black, p.pen });
            strokes(canvas, offsets, p, DotLength, DotPitch);
            break;
        case FormPrimitive::Kind::Text:
            canvas.setFont(arial(p.height, p.bold, p.color));
            canvas.textOut(at.x(), at.y(), p.text);
            break;
        case FormPrimitive::Kind::SpacedText:
            canvas.setFont(arial(p.height, p.bold, p.color));
            TextOutSpaced(canvas, at.x(), p.text, at.y());
            break;
        case FormPrimitive::Kind::RotatedText: {
            CanvasFont face = arial(p.height, false, p.color);
            canvas.setFont(face);
            TextOutRotated(p.text, at.x(), at.y(), p.height, p.angle * 10, canvas);
            break;
        }
        case FormPrimitive::Kind::CentredText: {
            canvas.setFont(arial(p.height, p.bold, p.color));
            const int width = canvas.textWidth(p.text);
            if (p.centredBoth) {
                const int height = canvas.textHeight(p.text);
                const QPoint centre = offsets.toDevice(p.x - width / 2, p.y - height / 2);
                canvas.textOut(centre.x(), centre.y(), p.text);
            } else {
                const QPoint left = offsets.toDevice(p.x + (p.x2 - p.x - width) / 2, p.y);
                canvas.textOut(left.x(), left.y(), p.text);
            }
            break;
        }
        case FormPrimitive::Kind::Stroked: {
            canvas.setPen({ Qt::black, p.pen });
            const QPoint to = offsets.toDevice(p.x2, p.y2);
            DrawStrokedLine(canvas, QLine(at, to), { p.strokeLength, p.strokePitch });
            break;
        }
        case FormPrimitive::Kind::Polygon: {
            QVector<QPoint> points;
            for (const QPoint &point : p.points)
                points.append(offsets.toDevice(point.x(), point.y()));
            canvas.setPen({ p.color, 1 });
            canvas.setBrushColor(p.color);
            canvas.polygon(points);
            canvas.setBrushColor(Qt::white);
            canvas.setBrushNone();
            break;
        }
        }
    }
    canvas.setPen({ Qt::black, 1 });
    canvas.setFontColor(Qt::black);
}

} // namespace sad
