#pragma once

#include "platform/canvascall.h"
#include "platform/canvasfont.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <stdexcept>

namespace platform {

// A failure of printing (no printer, no job running, a file that cannot be
// written). The message is German and ready to show.
class PrintError : public std::runtime_error
{
public:
    explicit PrintError(const QString &message);
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// The surface every print draws on, in the print layouts' logical units:
// 0.1 mm, x to the right, y growing upwards from the top-left corner of the
// printable area (points on the page have negative y). Text is placed by the
// top-left corner of its first character cell.
//
// A job runs from beginDoc to endDoc (or abort); drawing outside a job is an
// error. Font, pen and brush are the canvas's state and stay in force until
// changed, also from one job to the next. Text is measured with
// CanvasFontMetrics on every canvas, so the recording canvas of the tests and
// the printer agree on every computed position.
class PrintCanvas
{
public:
    PrintCanvas() = default;
    PrintCanvas(const PrintCanvas &) = delete;
    PrintCanvas &operator=(const PrintCanvas &) = delete;
    virtual ~PrintCanvas();

    // Font state
    const CanvasFont &font() const { return m_font; }
    void setFont(const CanvasFont &font) { m_font = font; }
    void setFontName(const QString &name) { m_font.name = name; }
    void setFontHeight(int height) { m_font.height = height; }
    void setFontStyle(FontStyles style) { m_font.style = style; }
    void setFontAngle(int tenthsOfDegree) { m_font.angle = tenthsOfDegree; }
    void setFontColor(const QColor &color) { m_font.color = color; }

    const CanvasPen &pen() const { return m_pen; }
    void setPen(const CanvasPen &pen) { m_pen = pen; }
    void setPenColor(const QColor &color) { m_pen.color = color; }
    void setPenWidth(int width) { m_pen.width = width; }

    const CanvasBrush &brush() const { return m_brush; }
    void setBrush(const CanvasBrush &brush) { m_brush = brush; }
    void setBrushColor(const QColor &color) { m_brush = CanvasBrush { color, false }; }
    void setBrushNone() { m_brush.none = true; }

    // Measuring with the current font, in logical units (rounded). The
    // height is the cell height, whatever the text.
    int textWidth(const QString &text) const;
    int textHeight(const QString &text) const;

    // Drawing with the current state
    void textOut(int x, int y, const QString &text);
    void moveTo(int x, int y);
    void lineTo(int x, int y); // draws with the pen and moves the pen there
    QPoint penPosition() const { return m_penPosition; }
    void rectangle(int x1, int y1, int x2, int y2); // pen outline, brush inside
    void ellipse(int x1, int y1, int x2, int y2);
    void fillRect(int x1, int y1, int x2, int y2); // brush only
    void drawPicture(int x1, int y1, int x2, int y2, const QImage &image);
    void polygon(const QVector<QPoint> &points); // pen outline, brush inside

    // The copies the printer makes of each job (1 by default); it stays
    // from one job to the next, as the printer's copy count does. Changing
    // it while a job runs is a PrintError.
    int copies() const { return m_copies; }
    void setCopies(int copies);

    // Jobs and pages
    void beginDoc(const QString &title); // PrintError while a job runs
    void newPage();
    void endDoc(); // PrintError when no job runs or the output fails
    void abort(); // drops the running job; nothing when none runs
    bool printing() const { return m_printing; }
    QString title() const { return m_title; }
    int jobNumber() const { return m_job; } // jobs begun so far
    int pageNumber() const { return m_page; } // page of the running job

    // Printable area of the device in whole millimetres (the printer's
    // HORZSIZE and VERTSIZE) in the current orientation.
    virtual int printableWidthMm() const = 0;
    virtual int printableHeightMm() const = 0;

    // The orientation of the sheet; it stays from one job to the next, as
    // the printer's does. Changing it while a job runs is a PrintError.
    PageOrientation orientation() const { return m_orientation; }
    void setOrientation(PageOrientation orientation);

protected:
    // The device takes the new orientation (its printable size follows).
    virtual void orientationChanged() { }

    // Every drawing and job call with the state it was made in, after the
    // checks. Each carries its job and page; NewPage carries the page it
    // starts. An exception from EndDoc fails endDoc (the job is over).
    virtual void record(const CanvasCall &call) = 0;

private:
    void draw(CanvasCall::Kind kind, int x, int y, int x2, int y2, const QString &text = {}, const QImage &image = {});
    CanvasCall call(CanvasCall::Kind kind) const;
    void requireJob() const;

    CanvasFont m_font;
    CanvasPen m_pen;
    CanvasBrush m_brush;
    QPoint m_penPosition;
    PageOrientation m_orientation = PageOrientation::Portrait;
    bool m_printing = false;
    QString m_title;
    int m_job = 0;
    int m_page = 0;
    int m_copies = 1;
};

} // namespace platform
