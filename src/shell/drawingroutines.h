#pragma once

#include "platform/canvasfont.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <QStringList>

class QWidget;

namespace platform {
class PrintCanvas;
}

namespace shell {

// Drawing on a print canvas, in its logical units (0.1 mm, y upwards).
void DrawVerticalLine(int y1, int y2, int x, platform::PrintCanvas &canvas);
void DrawHorizontalLine(int x1, int x2, int y, platform::PrintCanvas &canvas);
void SetCanvasFontStyle(platform::PrintCanvas &canvas, platform::FontStyles style);
// Keeps the name when name is empty.
void SetCanvasFontName(platform::PrintCanvas &canvas, const QString &name);
// Sets the height only when it is a character height (< -1); the style always.
void SetCanvasFontHeightAndStyle(platform::PrintCanvas &canvas, int height, platform::FontStyles style);

// Draws text with the tags <B>, <I>, <U>, <S> (any case), their closing
// forms </B> ... and the line break <BR>, character by character from
// (x, y); lines are the font height plus lineGap apart. Styles stay on the
// canvas after the call. Returns the y of the line after the last one.
int PrintMarkupText(platform::PrintCanvas &canvas, int x, int y, int lineGap, const QString &text);

// The same renderer with the caller's style kept out: the text starts plain
// and the canvas gets its style back afterwards. Besides the tags above it
// knows <:2> and <:4> directly after a <BR> (half a line, three quarters of a
// line further down) and the tab <Tnnnn>: the next character at canvas x
// tabOrigin + nnnn, so a caller writes page positions and passes the page's
// origin as a number. A tag cut off by the end of the text, a tab whose four
// characters are no number and any other shape are drawn as characters.
// Returns the end point: the widest line's end (the last line's when there is
// one line) and the y below the last line.
QPoint PrintMarkupTextEx(
    const QString &text, platform::PrintCanvas &canvas, int x, int y, int lineGap, int tabOrigin = 0);

// A text broken into lines no wider than width in the canvas's font: at
// blanks, at line breaks of the text, and inside a word that is wider than
// the column. Empty paragraphs stay as empty lines.
QStringList WrapTextLines(const platform::PrintCanvas &canvas, const QString &text, int width);
// Draws the wrapped lines from (x, y) downwards, one cell height apart; lines
// that would reach beyond maxHeight (when >= 0) are left out. Returns the
// height of the lines drawn.
int DrawWrappedText(platform::PrintCanvas &canvas, int x, int y, int width, const QString &text, int maxHeight = -1);
// The height the wrapped text takes (0 for an empty text).
int WrappedTextHeight(const platform::PrintCanvas &canvas, const QString &text, int width);

// Draws one line at (x, y); justified, its blank-separated words are spread
// over width (an empty word between two blanks takes a gap of its own).
void PrintJustifiedLine(platform::PrintCanvas &canvas, int x, int y, bool justify, int width, const QString &text);

// Invalid: red bold text in each edit given; otherwise back to the colour and
// style of the input-field font. Absent edits (nullptr) are skipped.
void MarkFieldsInvalid(QWidget *edit1, QWidget *edit2, QWidget *edit3, bool invalid);

// How far an entry window scrolls when a field at controlTop is left: the
// lower quarter of the scroll box triggers a step of three quarters.
int CalcScrollStep(int controlTop, int scrollBoxHeight);

// Top of a pick window opened from a button at buttonTop.
int CalcPickFormTop(int buttonTop, int pickFormHeight);

// Draws the shadow of control on form, when control is a tool button or a
// flat push button: its bounds moved offset pixels right and down, filled
// with colour where they lie outside the button, and the button's face in
// its button colour (a flat button paints no background of its own).
// Call it from form's paint event, before the children paint over it.
void PaintButtonShadow(QWidget *form, QWidget *control, const QColor &colour, int offset);

} // namespace shell
