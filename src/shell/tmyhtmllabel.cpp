#include "shell/tmyhtmllabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace shell {

TMyHtmlLabel::TMyHtmlLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void TMyHtmlLabel::setCaption(const QString &caption)
{
    setText(caption);
    captionChanged();
}

void TMyHtmlLabel::setAutoSize(bool on)
{
    m_autoSize = on;
    captionChanged();
}

void TMyHtmlLabel::setTransparent(bool on)
{
    m_transparent = on;
    update();
}

TMyHtmlLabel::Layout TMyHtmlLabel::layoutMarkup(const QString &caption, const QFont &labelFont, int height)
{
    Layout layout;
    layout.height = height;
    const int size = labelFont.pointSize() > 0 ? labelFont.pointSize() : labelFont.pixelSize();
    QFont font = labelFont;
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    int x = 0;
    int y = 0;
    int lineWidth = 0;
    const int n = int(caption.size());
    auto at = [&caption, n](int i) { return i < n ? caption.at(i) : QChar(); };
    auto setStyle = [&font](QChar letter, bool on) {
        switch (letter.toUpper().unicode()) {
        case 'B':
            font.setBold(on);
            break;
        case 'I':
            font.setItalic(on);
            break;
        case 'U':
            font.setUnderline(on);
            break;
        case 'S':
            font.setStrikeOut(on);
            break;
        default:
            break;
        }
    };
    int i = 0;
    while (i < n) {
        const QChar c = caption.at(i);
        if (c == QLatin1Char('<')) {
            if (i + 2 < n && at(i + 2) == QLatin1Char('>')) {
                setStyle(at(i + 1), true);
                i += 3;
                continue;
            }
            if (i + 3 < n && at(i + 1) == QLatin1Char('/') && at(i + 3) == QLatin1Char('>')) {
                setStyle(at(i + 2), false);
                i += 4;
                continue;
            }
            if (i + 3 < n && at(i + 1).toUpper() == QLatin1Char('B') && at(i + 2).toUpper() == QLatin1Char('R')
                && at(i + 3) == QLatin1Char('>')) {
                if (layout.height < y + 2 * size + 5)
                    layout.height = y + 2 * size + 10;
                layout.width = std::max(layout.width, lineWidth);
                lineWidth = 0;
                x = 0;
                y += size + 5;
                i += 4;
                continue;
            }
        }
        layout.glyphs.append({ c, QPoint(x, y), font });
        const int advance = QFontMetrics(font).horizontalAdvance(c);
        x += advance;
        lineWidth += advance;
        ++i;
    }
    layout.width = std::max(layout.width, lineWidth);
    return layout;
}

void TMyHtmlLabel::captionChanged()
{
    // A caption the markup cannot measure leaves the size as it is.
    const Layout layout = layoutMarkup(text(), font(), height());
    if (m_autoSize && layout.width > 0)
        resize(layout.width, std::max(height(), layout.height));
    else if (layout.height > height())
        resize(width(), layout.height);
    update();
}

void TMyHtmlLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        captionChanged();
}

void TMyHtmlLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), palette().color(backgroundRole()));
    painter.setPen(palette().color(foregroundRole()));
    const Layout layout = layoutMarkup(text(), font(), height());
    for (const Glyph &glyph : layout.glyphs) {
        painter.setFont(glyph.font);
        painter.drawText(glyph.position + QPoint(0, QFontMetrics(glyph.font).ascent()), QString(glyph.character));
    }
}

} // namespace shell
