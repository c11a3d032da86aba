#include "platform/paintercanvas.h"

#include "platform/clock.h"

#include <QDir>
#include <QFileInfo>
#include <QGlyphRun>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace platform {

namespace {

// Logical units (0.1 mm) per inch.
constexpr double UnitsPerInch = 254.0;

QRectF deviceRect(const CanvasCall &call)
{
    // Logical y grows upwards, the painter's downwards: flip the coordinates,
    // not the painter, so that glyphs and pictures stay upright.
    return QRectF(QPointF(call.x, -call.y), QPointF(call.x2, -call.y2)).normalized();
}

QPen penOf(const CanvasPen &pen)
{
    return QPen(pen.color, pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QBrush brushOf(const CanvasBrush &brush)
{
    return brush.none ? QBrush(Qt::NoBrush) : QBrush(brush.color);
}

} // namespace

PainterCanvas::PainterCanvas(std::unique_ptr<QPrinter> printer)
    : m_printer(std::move(printer))
{
    // The canvas starts in portrait, whatever the printer was set to.
    m_printer->setPageOrientation(QPageLayout::Portrait);
}

PainterCanvas::~PainterCanvas() = default;

std::unique_ptr<QPrinter> PainterCanvas::createPdfPrinter(const QString &outputFileName)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    printer->setFullPage(false);
    if (!outputFileName.isEmpty())
        printer->setOutputFileName(outputFileName);
    return printer;
}

void PainterCanvas::setJobFileNamer(std::function<QString(const QString &, const QDateTime &)> namer)
{
    m_namer = std::move(namer);
}

int PainterCanvas::printableWidthMm() const
{
    return int(std::lround(m_printer->pageRect(QPrinter::Millimeter).width()));
}

int PainterCanvas::printableHeightMm() const
{
    return int(std::lround(m_printer->pageRect(QPrinter::Millimeter).height()));
}

void PainterCanvas::orientationChanged()
{
    m_printer->setPageOrientation(
        orientation() == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void PainterCanvas::record(const CanvasCall &call)
{
    switch (call.kind) {
    case CanvasCall::Kind::BeginDoc:
        m_job.clear();
        m_begun = Clock::now();
        m_job.append(call);
        break;
    case CanvasCall::Kind::Abort:
        m_job.clear();
        break;
    case CanvasCall::Kind::EndDoc:
        try {
            render();
        } catch (...) {
            m_job.clear();
            throw;
        }
        m_job.clear();
        break;
    default:
        m_job.append(call);
        break;
    }
}

void PainterCanvas::render()
{
    const QString title = m_job.isEmpty() ? QString() : m_job.first().text;
    m_printer->setDocName(title);
    m_printer->setCopyCount(m_job.isEmpty() ? 1 : m_job.first().copies);
    // The page layout of the job is the orientation it began in.
    if (!m_job.isEmpty())
        m_printer->setPageOrientation(
            m_job.first().orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const bool toFile = m_printer->outputFormat() == QPrinter::PdfFormat;
    if (toFile) {
        if (m_namer)
            m_printer->setOutputFileName(m_namer(title, m_begun));
        const QString fileName = m_printer->outputFileName();
        if (fileName.isEmpty() || !QDir().mkpath(QFileInfo(fileName).absolutePath()))
            throw PrintError(QStringLiteral("Die PDF-Datei „%1“ kann nicht angelegt werden.").arg(fileName));
    }

    QPainter painter;
    if (!painter.begin(m_printer.get())) {
        if (toFile)
            throw PrintError(
                QStringLiteral("Die PDF-Datei „%1“ kann nicht geschrieben werden.").arg(m_printer->outputFileName()));
        throw PrintError(QStringLiteral("Der Drucker „%1“ kann nicht drucken.").arg(m_printer->printerName()));
    }
    const QTransform toDevice
        = QTransform::fromScale(m_printer->logicalDpiX() / UnitsPerInch, m_printer->logicalDpiY() / UnitsPerInch);
    painter.setTransform(toDevice);
    for (const CanvasCall &call : std::as_const(m_job)) {
        if (call.kind == CanvasCall::Kind::NewPage) {
            if (!m_printer->newPage()) {
                painter.end();
                throw PrintError(QStringLiteral("Die neue Seite konnte nicht begonnen werden."));
            }
            painter.setTransform(toDevice);
            continue;
        }
        paint(painter, call);
    }
    if (!painter.end())
        throw PrintError(QStringLiteral("Der Druckauftrag „%1“ konnte nicht abgeschlossen werden.").arg(title));
    m_lastOutputFile = toFile ? m_printer->outputFileName() : QString();
}

void PainterCanvas::paint(QPainter &painter, const CanvasCall &call) const
{
    switch (call.kind) {
    case CanvasCall::Kind::Text: {
        const CanvasFontMetrics metrics(call.font);
        const QList<quint32> glyphs = metrics.glyphs(call.text);
        if (glyphs.isEmpty())
            return;
        QGlyphRun run;
        run.setRawFont(metrics.rawFont());
        run.setGlyphIndexes(glyphs);
        run.setPositions(metrics.positions(glyphs));
        run.setUnderline(call.font.style.testFlag(FontStyle::Underline));
        run.setStrikeOut(call.font.style.testFlag(FontStyle::StrikeOut));
        painter.save();
        painter.translate(call.x, -call.y);
        if (call.font.angle != 0)
            painter.rotate(-call.font.angle / 10.0); // counter-clockwise on the sheet
        painter.setPen(QPen(call.font.color));
        painter.drawGlyphRun(QPointF(0, metrics.ascent()), run);
        painter.restore();
        break;
    }
    case CanvasCall::Kind::Line:
        painter.setPen(penOf(call.pen));
        painter.drawLine(QPointF(call.x, -call.y), QPointF(call.x2, -call.y2));
        break;
    case CanvasCall::Kind::Rectangle:
        painter.setPen(penOf(call.pen));
        painter.setBrush(brushOf(call.brush));
        painter.drawRect(deviceRect(call));
        break;
    case CanvasCall::Kind::Ellipse:
        painter.setPen(penOf(call.pen));
        painter.setBrush(brushOf(call.brush));
        painter.drawEllipse(deviceRect(call));
        break;
    case CanvasCall::Kind::FillRect:
        if (!call.brush.none)
            painter.fillRect(deviceRect(call), call.brush.color);
        break;
    case CanvasCall::Kind::Polygon: {
        QPolygonF polygon;
        for (const QPoint &point : call.points)
            polygon << QPointF(point.x(), -point.y());
        painter.setPen(penOf(call.pen));
        painter.setBrush(brushOf(call.brush));
        painter.drawPolygon(polygon);
        break;
    }
    case CanvasCall::Kind::Picture:
        if (!call.image.isNull())
            painter.drawImage(deviceRect(call), call.image);
        break;
    default:
        break;
    }
}

} // namespace platform
