#include "shell/drawingroutines.h"

#include "platform/localformat.h"
#include "platform/printcanvas.h"
#include "shell/mainstate.h"

#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

#include <optional>

namespace shell {

using platform::FontStyle;
using platform::FontStyles;
using platform::PrintCanvas;

namespace {

std::optional<FontStyle> tagStyle(QChar letter)
{
    switch (letter.toUpper().unicode()) {
    case 'B':
        return FontStyle::Bold;
    case 'I':
        return FontStyle::Italic;
    case 'U':
        return FontStyle::Underline;
    case 'S':
        return FontStyle::StrikeOut;
    default:
        return std::nullopt;
    }
}

void markField(QWidget *edit, bool invalid)
{
    if (!edit)
        return;
    QFont font = edit->font();
    QColor colour;
    if (invalid) {
        font.setBold(true);
        font.setItalic(false);
        font.setUnderline(false);
        font.setStrikeOut(false);
        colour = Qt::red;
    } else {
        const QFont &normal = mainState().EingabeFelderFont;
        font.setBold(normal.bold());
        font.setItalic(normal.italic());
        font.setUnderline(normal.underline());
        font.setStrikeOut(normal.strikeOut());
        colour = mainState().EingabeFelderFontColor;
    }
    edit->setFont(font);
    // Disabled fields keep their greyed text.
    QPalette palette = edit->palette();
    for (const auto group : { QPalette::Active, QPalette::Inactive }) {
        palette.setColor(group, QPalette::Text, colour);
        palette.setColor(group, QPalette::WindowText, colour);
    }
    edit->setPalette(palette);
}

} // namespace

void DrawVerticalLine(int y1, int y2, int x, PrintCanvas &canvas)
{
    canvas.moveTo(x, y1);
    canvas.lineTo(x, y2);
}

void DrawHorizontalLine(int x1, int x2, int y, PrintCanvas &canvas)
{
    canvas.moveTo(x1, y);
    canvas.lineTo(x2, y);
}

void SetCanvasFontStyle(PrintCanvas &canvas, FontStyles style)
{
    canvas.setFontStyle(style);
}

void SetCanvasFontName(PrintCanvas &canvas, const QString &name)
{
    if (!name.isEmpty())
        canvas.setFontName(name);
}

void SetCanvasFontHeightAndStyle(PrintCanvas &canvas, int height, FontStyles style)
{
    if (height < -1)
        canvas.setFontHeight(height);
    canvas.setFontStyle(style);
}

int PrintMarkupText(PrintCanvas &canvas, int x, int y, int lineGap, const QString &text)
{
    const int x0 = x;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('<')) {
            if (i + 2 < n && text.at(i + 2) == QLatin1Char('>')) {
                if (const auto style = tagStyle(text.at(i + 1)))
                    canvas.setFontStyle(canvas.font().style | *style);
                i += 3;
                continue;
            }
            if (i + 3 < n && text.at(i + 1) == QLatin1Char('/') && text.at(i + 3) == QLatin1Char('>')) {
                if (const auto style = tagStyle(text.at(i + 2)))
                    canvas.setFontStyle(canvas.font().style & ~FontStyles(*style));
                i += 4;
                continue;
            }
            if (i + 3 < n && text.at(i + 1).toUpper() == QLatin1Char('B')
                && text.at(i + 2).toUpper() == QLatin1Char('R') && text.at(i + 3) == QLatin1Char('>')) {
                y += canvas.font().height - lineGap;
                x = x0;
                i += 4;
                continue;
            }
        }
        // A character outside the basic plane is one character, not two halves.
        const qsizetype length = c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QString character = text.mid(i, length);
        canvas.textOut(x, y, character);
        x += canvas.textWidth(character);
        i += length;
    }
    return y + canvas.font().height - lineGap;
}

void PrintJustifiedLine(PrintCanvas &canvas, int x, int y, bool justify, int width, const QString &text)
{
    if (!justify) {
        canvas.textOut(x, y, text);
        return;
    }
    QStringList words = text.split(QLatin1Char(' '));
    if (words.last().isEmpty())
        words.removeLast(); // nothing after the last blank
    if (words.isEmpty())
        return;
    QList<int> widths;
    int sum = 0;
    for (QString &word : words) {
        word = word.trimmed();
        widths.append(canvas.textWidth(word));
        sum += widths.last();
    }
    const int divisor = words.size() > 1 ? int(words.size()) - 1 : 1;
    const int gap = int(platform::roundHalfEven(double(width - sum) / divisor));
    for (qsizetype k = 0; k < words.size(); ++k) {
        if (!words.at(k).isEmpty())
            canvas.textOut(x, y, words.at(k));
        x += widths.at(k) + gap;
    }
}

void MarkFieldsInvalid(QWidget *edit1, QWidget *edit2, QWidget *edit3, bool invalid)
{
    for (QWidget *edit : { edit1, edit2, edit3 })
        markField(edit, invalid);
}

int CalcScrollStep(int controlTop, int scrollBoxHeight)
{
    const int limit = scrollBoxHeight - scrollBoxHeight * 25 / 100;
    return controlTop > limit ? limit : 0;
}

int CalcPickFormTop(int buttonTop, int pickFormHeight)
{
    const int d = buttonTop - pickFormHeight;
    return d >= 5 ? d + 44 : buttonTop + 75;
}

void PaintButtonShadow(QWidget *form, QWidget *control, const QColor &colour, int offset)
{
    if (!form || !control)
        return;
    const auto *pushButton = qobject_cast<QPushButton *>(control);
    if (!qobject_cast<QToolButton *>(control) && !(pushButton && pushButton->isFlat()))
        return;
    QRect bounds = form->isAncestorOf(control) ? QRect(control->mapTo(form, QPoint(0, 0)), control->size())
                                               : control->geometry();
    // The shadow lies only outside the button, and the button gets an opaque
    // face: a flat button paints no background of its own, so whatever the
    // form paints beneath it is its face.
    const QRect face = bounds;
    bounds.translate(offset, offset);
    QPainter painter(form);
    painter.setClipRegion(QRegion(bounds).subtracted(QRegion(face)));
    painter.fillRect(bounds, colour);
    painter.setClipping(false);
    painter.fillRect(face, control->palette().color(QPalette::Button));
}

} // namespace shell
