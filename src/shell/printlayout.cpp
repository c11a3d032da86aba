#include "shell/printlayout.h"

#include "platform/dataset.h"
#include "platform/field.h"
#include "platform/localformat.h"
#include "platform/printcanvas.h"

#include <QFont>

#include <cmath>

namespace shell {

QString PrintItem::printedText(const QString &fieldText) const
{
    const QString text = field.isEmpty() ? this->text : fieldText;
    switch (value) {
    case PrintValue::Text:
        return text;
    case PrintValue::CrossIfTrue: {
        // Boolean fields read as "True"; what a check box stores reads alike.
        const QString flag = text.trimmed().toLower();
        const bool set = flag == QLatin1String("true") || flag == QLatin1String("wahr") || flag == QLatin1String("1");
        return set ? mark : QString();
    }
    case PrintValue::CrossIfYes:
        return text == QLatin1String("J") || text == QLatin1String("X") ? mark : QString();
    case PrintValue::Number: {
        bool ok = false;
        const double number = platform::parseAmount(text, &ok);
        if (!ok)
            return text; // what cannot be read prints as it stands
        switch (numberFormat) {
        case NumberFormat::Plain:
            return platform::formatPlainNumber(number);
        case NumberFormat::Amount:
            return platform::formatAmount(number);
        case NumberFormat::Whole:
            return QString::number(qint64(platform::roundHalfAwayFromZero(number)));
        }
        return text;
    }
    case PrintValue::Date: {
        const QDate date = platform::parseDate(text);
        return date.isValid() ? date.toString(datePattern) : QString();
    }
    }
    return text;
}

PrintItem fieldAt(const QString &field, int x, int y)
{
    PrintItem item;
    item.field = field;
    item.x = x;
    item.y = y;
    return item;
}

PrintItem textAt(const QString &text, int x, int y)
{
    PrintItem item;
    item.text = text;
    item.x = x;
    item.y = y;
    return item;
}

QVector<PrintItem> fieldColumn(
    const QString &prefix, int first, int last, int x, int y, int step, const QString &suffix)
{
    QVector<PrintItem> items;
    for (int n = first; n <= last; ++n, y += step)
        items.append(fieldAt(prefix + QString::number(n) + suffix, x, y));
    return items;
}

QVector<PrintItem> inVariant(QVector<PrintItem> items, int variant)
{
    for (PrintItem &item : items)
        item.variantIndex = variant;
    return items;
}

QVector<PrintItem> inBox(QVector<PrintItem> items, int box)
{
    for (PrintItem &item : items)
        item.correctionBox = box;
    return items;
}

platform::CanvasFont printFont(const QFont &font, int height)
{
    platform::CanvasFont result;
    if (!font.family().isEmpty())
        result.name = font.family();
    result.style = platform::fontStylesOf(font);
    result.height = height;
    return result;
}

LayoutPainter::LayoutPainter(platform::PrintCanvas &canvas, const PageOffsets &offsets,
    const platform::CanvasFont &font, const FieldCorrections &corrections)
    : m_canvas(canvas)
    , m_offsets(offsets)
    , m_font(font)
    , m_corrections(corrections)
{
}

void LayoutPainter::draw(const QVector<PrintItem> &items, const Values &values, int variant, int yShift)
{
    for (const PrintItem &item : items) {
        if (item.variantIndex != PrintItem::AnyVariant && item.variantIndex != variant)
            continue;
        const QString text = item.printedText(item.field.isEmpty() ? QString() : values(item.field));
        if (!text.isEmpty()) {
            platform::CanvasFont font = m_font;
            if (item.fontHeight != 0)
                font.height = item.fontHeight;
            if (item.style)
                font.style = *item.style;
            if (!item.fontName.isEmpty())
                font.name = item.fontName;
            if (item.color)
                font.color = *item.color;
            m_canvas.setFont(font);
            const QPoint correction = m_corrections.of(item.correctionBox);
            const int x = item.x + correction.x();
            const int y = item.y + yShift + correction.y();
            if (item.boxPitch > 0) {
                characterBoxes(x, y, text, item.boxPitch, item.boxBase);
            } else {
                const QPoint at = m_offsets.toDevice(x, y);
                const int width = item.placement == PrintPlacement::Right ? m_canvas.textWidth(text) : 0;
                m_canvas.textOut(at.x() - width, at.y(), text);
            }
        }
        if (item.progressAfter >= 0)
            progress(item.progressAfter);
    }
    m_canvas.setFont(m_font);
}

void LayoutPainter::draw(const QVector<PrintItem> &items, platform::DataSet &record, int variant, int yShift)
{
    draw(
        items, [&record](const QString &field) { return record.fieldByName(field).asString(); }, variant, yShift);
}

void LayoutPainter::text(int x, int y, const QString &text)
{
    if (text.isEmpty())
        return;
    m_canvas.setFont(m_font);
    const QPoint at = m_offsets.toDevice(x, y);
    m_canvas.textOut(at.x(), at.y(), text);
}

void LayoutPainter::characterBoxes(int x, int y, const QString &text, int pitch, int base)
{
    for (int k = 0; k < text.size(); ++k) {
        if (text.at(k).isSpace())
            continue;
        const QPoint at = m_offsets.toDevice(x + pitch * (k + base), y);
        m_canvas.textOut(at.x(), at.y(), text.mid(k, 1));
    }
}

void LayoutPainter::line(int x1, int y1, int x2, int y2, int box)
{
    const QPoint correction = m_corrections.of(box);
    const QPoint from = m_offsets.toDevice(x1 + correction.x(), y1 + correction.y());
    const QPoint to = m_offsets.toDevice(x2 + correction.x(), y2 + correction.y());
    m_canvas.moveTo(from.x(), from.y());
    m_canvas.lineTo(to.x(), to.y());
}

void LayoutPainter::progress(int value)
{
    if (m_progress)
        m_progress(value);
}

} // namespace shell
