#include "platform/printcanvas.h"

#include <algorithm>
#include <cmath>

namespace platform {

PrintError::PrintError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

PrintCanvas::~PrintCanvas() = default;

int PrintCanvas::textWidth(const QString &text) const
{
    return int(std::lround(CanvasFontMetrics(m_font).width(text)));
}

int PrintCanvas::textHeight(const QString &) const
{
    return int(std::lround(CanvasFontMetrics(m_font).cellHeight()));
}

void PrintCanvas::textOut(int x, int y, const QString &text)
{
    draw(CanvasCall::Kind::Text, x, y, x, y, text);
}

void PrintCanvas::moveTo(int x, int y)
{
    m_penPosition = QPoint(x, y);
}

void PrintCanvas::lineTo(int x, int y)
{
    draw(CanvasCall::Kind::Line, m_penPosition.x(), m_penPosition.y(), x, y);
    m_penPosition = QPoint(x, y);
}

void PrintCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    draw(CanvasCall::Kind::Rectangle, x1, y1, x2, y2);
}

void PrintCanvas::ellipse(int x1, int y1, int x2, int y2)
{
    draw(CanvasCall::Kind::Ellipse, x1, y1, x2, y2);
}

void PrintCanvas::fillRect(int x1, int y1, int x2, int y2)
{
    draw(CanvasCall::Kind::FillRect, x1, y1, x2, y2);
}

void PrintCanvas::drawPicture(int x1, int y1, int x2, int y2, const QImage &image)
{
    draw(CanvasCall::Kind::Picture, x1, y1, x2, y2, {}, image);
}

void PrintCanvas::setOrientation(PageOrientation orientation)
{
    if (orientation == m_orientation)
        return;
    if (m_printing)
        throw PrintError(QStringLiteral("Die Ausrichtung kann während eines Druckauftrags nicht geändert werden."));
    m_orientation = orientation;
    orientationChanged();
}

void PrintCanvas::beginDoc(const QString &title)
{
    if (m_printing)
        throw PrintError(QStringLiteral("Es läuft bereits ein Druckauftrag."));
    m_printing = true;
    m_title = title;
    ++m_job;
    m_page = 1;
    m_penPosition = QPoint();
    CanvasCall c = call(CanvasCall::Kind::BeginDoc);
    c.text = title;
    try {
        record(c);
    } catch (...) {
        m_printing = false;
        m_page = 0;
        throw;
    }
}

void PrintCanvas::newPage()
{
    requireJob();
    ++m_page;
    m_penPosition = QPoint();
    record(call(CanvasCall::Kind::NewPage));
}

void PrintCanvas::endDoc()
{
    requireJob();
    const CanvasCall c = call(CanvasCall::Kind::EndDoc);
    m_printing = false;
    m_page = 0;
    record(c);
}

void PrintCanvas::abort()
{
    if (!m_printing)
        return;
    const CanvasCall c = call(CanvasCall::Kind::Abort);
    m_printing = false;
    m_page = 0;
    record(c);
}

void PrintCanvas::draw(CanvasCall::Kind kind, int x, int y, int x2, int y2, const QString &text, const QImage &image)
{
    requireJob();
    CanvasCall c = call(kind);
    c.x = x;
    c.y = y;
    c.x2 = x2;
    c.y2 = y2;
    c.text = text;
    c.image = image;
    record(c);
}

void PrintCanvas::polygon(const QVector<QPoint> &points)
{
    requireJob();
    CanvasCall c = call(CanvasCall::Kind::Polygon);
    c.points = points;
    if (!points.isEmpty()) {
        c.x = points.first().x();
        c.y = points.first().y();
    }
    record(c);
}

void PrintCanvas::setCopies(int copies)
{
    if (m_printing && copies != m_copies)
        throw PrintError(
            QStringLiteral("Die Anzahl der Kopien kann während eines Druckauftrags nicht geändert werden."));
    m_copies = std::max(1, copies);
}

CanvasCall PrintCanvas::call(CanvasCall::Kind kind) const
{
    CanvasCall c;
    c.kind = kind;
    c.font = m_font;
    c.pen = m_pen;
    c.brush = m_brush;
    c.job = m_job;
    c.page = m_page;
    c.orientation = m_orientation;
    c.copies = m_copies;
    return c;
}

void PrintCanvas::requireJob() const
{
    if (!m_printing)
        throw PrintError(QStringLiteral("Es läuft kein Druckauftrag."));
}

} // namespace platform
