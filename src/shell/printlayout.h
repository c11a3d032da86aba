#pragma once

#include "platform/canvasfont.h"
#include "shell/fieldcorrections.h"
#include "shell/printoffsets.h"

#include <QColor>
#include <QString>
#include <QVector>

#include <functional>
#include <optional>

class QFont;

namespace platform {
class DataSet;
class PrintCanvas;
}

namespace shell {

// What an item prints of its value.
enum class PrintValue {
    Text, // the text unchanged
    CrossIfTrue, // the mark ("X") when a Boolean field is true
    CrossIfYes, // the mark when a yes/no text is exactly "J" or "X"
    Number, // a number in a format of platform/localformat.h; empty counts as 0
    Date, // a date in a pattern of its own; an empty or unreadable date prints nothing
};

enum class NumberFormat {
    Plain, // formatPlainNumber: "12,5", "3"
    Amount, // formatAmount: "1.234,50"
    Whole, // a whole number, halves away from zero: "13"
};

// Where an item's text stands relative to its x (character boxes:
// inCharacterBoxes).
enum class PrintPlacement {
    Left, // starts at x
    Right, // ends at x
};

// One text of a print layout: a field of the record or a literal text at its
// form position (0.1 mm from the sheet's left and top edges). Layouts are
// tables of these, written with the builders below:
//
//     const QVector<PrintItem> front = {
//         fieldAt("we1_1", 280, 410),
//         fieldAt("we11_2", 720, 2800).height(-30).variant(0),
//         textAt("RET-EXP-30400", 1380, 1560).height(-30).box(12).progress(50),
//         fieldAt("F4_1", 600, 980).cross(),               // "X" when true
//         fieldAt("U3_1", 140, 1190).crossIfYes(),         // "X" when "J"
//         fieldAt("U1_1", 130, 190).inCharacterBoxes(39),  // 130, 169, 208 ...
//         fieldAt("U6_2", 1140, 930).number(NumberFormat::Plain),
//         fieldAt("Datum", 240, 220).date("MM/dd/yy"),
//     };
struct PrintItem {
    static constexpr int AnyVariant = -1;

    QString field; // empty: the literal text
    QString text;
    int x = 0;
    int y = 0;
    int fontHeight = 0; // 0: the layout's height
    std::optional<platform::FontStyles> style; // else the layout's style
    QString fontName; // empty: the layout's font
    int variantIndex = AnyVariant; // publisher layout, page ...
    int correctionBox = 0; // box of S_FelderJust, 0: none
    int progressAfter = -1; // progress bar value after the item
    // Character boxes: one character per printed box, the k-th character
    // (counting from 0) at x + boxPitch * (k + boxBase); 0: plain text.
    int boxPitch = 0;
    int boxBase = 0;
    PrintValue value = PrintValue::Text;
    QString mark = QStringLiteral("X"); // what a cross prints
    NumberFormat numberFormat = NumberFormat::Plain;
    QString datePattern; // QDate::toString pattern: "MM/dd/yy"
    PrintPlacement placement = PrintPlacement::Left;
    std::optional<QColor> color; // else the layout's (black)

    PrintItem &cross(const QString &text = QStringLiteral("X"))
    {
        value = PrintValue::CrossIfTrue;
        mark = text;
        return *this;
    }
    PrintItem &crossIfYes(const QString &text = QStringLiteral("X"))
    {
        value = PrintValue::CrossIfYes;
        mark = text;
        return *this;
    }
    PrintItem &number(NumberFormat format)
    {
        value = PrintValue::Number;
        numberFormat = format;
        return *this;
    }
    PrintItem &date(const QString &pattern)
    {
        value = PrintValue::Date;
        datePattern = pattern;
        return *this;
    }
    PrintItem &rightAligned()
    {
        placement = PrintPlacement::Right;
        return *this;
    }

    // The text the item prints for the value of its field (or its literal
    // text); empty: nothing.
    QString printedText(const QString &fieldText) const;

    PrintItem &height(int value)
    {
        fontHeight = value;
        return *this;
    }
    PrintItem &styled(platform::FontStyles value)
    {
        style = value;
        return *this;
    }
    PrintItem &font(const QString &name)
    {
        fontName = name;
        return *this;
    }
    PrintItem &colored(const QColor &value)
    {
        color = value;
        return *this;
    }
    PrintItem &variant(int value)
    {
        variantIndex = value;
        return *this;
    }
    PrintItem &box(int value)
    {
        correctionBox = value;
        return *this;
    }
    PrintItem &progress(int value)
    {
        progressAfter = value;
        return *this;
    }
    // Prints the value in character boxes pitch apart, the first character
    // at x (base 0) or one pitch further (base 1).
    PrintItem &inCharacterBoxes(int pitch, int base = 0)
    {
        boxPitch = pitch;
        boxBase = base;
        return *this;
    }
};

PrintItem fieldAt(const QString &field, int x, int y);
PrintItem textAt(const QString &text, int x, int y);
// The fields prefix<first> .. prefix<last> (each followed by suffix) one
// below the other from y on, step apart.
QVector<PrintItem> fieldColumn(
    const QString &prefix, int first, int last, int x, int y, int step, const QString &suffix = {});
// Sets the variant (or box) of every item of a block.
QVector<PrintItem> inVariant(QVector<PrintItem> items, int variant);
QVector<PrintItem> inBox(QVector<PrintItem> items, int box);

// The print font: the name and style of a widget font (the main window's
// AusdruckFont) at a character height in 0.1 mm (negative).
platform::CanvasFont printFont(const QFont &font, int height);

// Draws layouts on a canvas inside a running job: every item of the chosen
// variant (and those of every variant) with its box correction and the page
// offsets applied; empty texts draw nothing.
class LayoutPainter
{
public:
    using Values = std::function<QString(const QString &field)>;

    LayoutPainter(platform::PrintCanvas &canvas, const PageOffsets &offsets, const platform::CanvasFont &font,
        const FieldCorrections &corrections = {});

    platform::PrintCanvas &canvas() const { return m_canvas; }
    const PageOffsets &offsets() const { return m_offsets; }
    const platform::CanvasFont &font() const { return m_font; }
    void setProgressHandler(std::function<void(int)> handler) { m_progress = std::move(handler); }

    // yShift moves the whole block down (an item block of a continuation
    // sheet below the previous one).
    void draw(const QVector<PrintItem> &items, const Values &values, int variant = 0, int yShift = 0);
    // Values from the current record of a dataset.
    void draw(const QVector<PrintItem> &items, platform::DataSet &record, int variant = 0, int yShift = 0);
    // One text at a form position in the layout's font.
    void text(int x, int y, const QString &text);
    // A text in character boxes: the k-th character at x + pitch * (k + base),
    // blanks left out; the offsets apply, the font is the current one.
    void characterBoxes(int x, int y, const QString &text, int pitch, int base = 0);
    // A line between two form positions with the pen, moved by the
    // correction of its box (0: none) and the offsets.
    void line(int x1, int y1, int x2, int y2, int box = 0);
    void progress(int value);

private:
    platform::PrintCanvas &m_canvas;
    PageOffsets m_offsets;
    platform::CanvasFont m_font;
    FieldCorrections m_corrections;
    std::function<void(int)> m_progress;
};

} // namespace shell
