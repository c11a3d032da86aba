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

namespace {

// What a markup text may hold besides the style tags and <BR>, and what the
// renderer does with the caller's style.
struct MarkupRules {
    bool ownStyle = false; // plain on entry, the entry style restored at the end
    bool spacingAfterBreak = false; // <:2> and <:4> directly after <BR>
    bool tabs = false; // <Tnnnn>
    int tabOrigin = 0;
};

struct MarkupEnd {
    int widest = 0;
    int x = 0;
    int y = 0;
};

bool isTag(const QString &text, qsizetype i, qsizetype length)
{
    return i + length - 1 < text.size() && text.at(i) == QLatin1Char('<')
        && text.at(i + length - 1) == QLatin1Char('>');
}

MarkupEnd renderMarkup(PrintCanvas &canvas, int x, int y, int lineGap, const QString &text, const MarkupRules &rules)
{
    const FontStyles entryStyle = canvas.font().style;
    if (rules.ownStyle)
        canvas.setFontStyle(FontStyles());
    MarkupEnd end { 0, x, y };
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('<')) {
            if (isTag(text, i, 3)) {
                if (const auto style = tagStyle(text.at(i + 1)))
                    canvas.setFontStyle(canvas.font().style | *style);
                i += 3;
                continue;
            }
            if (isTag(text, i, 4) && text.at(i + 1) == QLatin1Char('/')) {
                if (const auto style = tagStyle(text.at(i + 2)))
                    canvas.setFontStyle(canvas.font().style & ~FontStyles(*style));
                i += 4;
                continue;
            }
            if (isTag(text, i, 4) && text.at(i + 1).toUpper() == QLatin1Char('B')
                && text.at(i + 2).toUpper() == QLatin1Char('R')) {
                end.widest = std::max(end.widest, end.x);
                end.y += canvas.font().height - lineGap;
                end.x = x;
                i += 4;
                if (rules.spacingAfterBreak && isTag(text, i, 4) && text.at(i + 1) == QLatin1Char(':')) {
                    // Divisions truncate towards zero, as the old renderer's did.
                    const int height = -canvas.font().height;
                    if (text.at(i + 2) == QLatin1Char('2'))
                        end.y += height / 2;
                    else if (text.at(i + 2) == QLatin1Char('4'))
                        end.y += height - height / 4;
                    i += 4;
                }
                continue;
            }
            if (rules.tabs && isTag(text, i, 7) && text.at(i + 1).toUpper() == QLatin1Char('T')) {
                // Four characters that are no number are drawn as they stand.
                bool number = false;
                const int position = text.mid(i + 2, 4).toInt(&number);
                if (number) {
                    end.x = rules.tabOrigin + position;
                    i += 7;
                    continue;
                }
            }
        }
        // A character outside the basic plane is one character, not two halves.
        const qsizetype length = c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QString character = text.mid(i, length);
        canvas.textOut(end.x, end.y, character);
        end.x += canvas.textWidth(character);
        i += length;
    }
    end.y += canvas.font().height - lineGap;
    if (rules.ownStyle)
        canvas.setFontStyle(entryStyle);
    return end;
}

} // namespace

int PrintMarkupText(PrintCanvas &canvas, int x, int y, int lineGap, const QString &text)
{
    return renderMarkup(canvas, x, y, lineGap, text, MarkupRules()).y;
}

QPoint PrintMarkupTextEx(const QString &text, PrintCanvas &canvas, int x, int y, int lineGap, int tabOrigin)
{
    MarkupRules rules;
    rules.ownStyle = true;
    rules.spacingAfterBreak = true;
    rules.tabs = true;
    rules.tabOrigin = tabOrigin;
    const MarkupEnd end = renderMarkup(canvas, x, y, lineGap, text, rules);
    return { end.widest == 0 ? end.x : end.widest, end.y };
}

QStringList WrapTextLines(const PrintCanvas &canvas, const QString &text, int width)
{
    QStringList lines;
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString &paragraph : normalised.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString &word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (canvas.textWidth(joined) <= width) {
                line = joined;
                continue;
            }
            if (!line.isEmpty())
                lines.append(line);
            // A word wider than the column is broken where it reaches the edge.
            line.clear();
            for (const QChar c : word) {
                if (!line.isEmpty() && canvas.textWidth(line + c) > width) {
                    lines.append(line);
                    line.clear();
                }
                line += c;
            }
        }
        lines.append(line);
    }
    return lines;
}

int DrawWrappedText(PrintCanvas &canvas, int x, int y, int width, const QString &text, int maxHeight)
{
    if (text.isEmpty())
        return 0;
    const int lineHeight = canvas.textHeight(QStringLiteral("A"));
    int height = 0;
    for (const QString &line : WrapTextLines(canvas, text, width)) {
        if (maxHeight >= 0 && height + lineHeight > maxHeight)
            break;
        if (!line.isEmpty())
            canvas.textOut(x, y - height, line);
        height += lineHeight;
    }
    return height;
}

int WrappedTextHeight(const PrintCanvas &canvas, const QString &text, int width)
{
    if (text.isEmpty())
        return 0;
    return int(WrapTextLines(canvas, text, width).size()) * canvas.textHeight(QStringLiteral("A"));
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
