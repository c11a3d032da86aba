#pragma once

#include "platform/printcanvas.h"

#include <QDateTime>
#include <QList>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;

namespace platform {

// Prints on a QPrinter: a CUPS printer or a PDF file. Logical units map to
// device pixels so that a text at (x, y) appears x/10 mm from the left and
// -y/10 mm from the top edge of the printable area; glyphs are not mirrored
// and rotate by the font angle.
//
// A job is kept until endDoc and only then painted onto the printer, so that
// abort withdraws it completely (Qt cannot take back a CUPS job once painted).
class PainterCanvas : public PrintCanvas
{
public:
    explicit PainterCanvas(std::unique_ptr<QPrinter> printer);
    ~PainterCanvas() override;

    // A PDF printer for A4 portrait without margins: the printable area is
    // the sheet, so form coordinates land on the sheet as laid out.
    static std::unique_ptr<QPrinter> createPdfPrinter(const QString &outputFileName = {});

    // For a PDF printer: names the file of each job from its title and the
    // time it began; without one the printer's output file name is used.
    void setJobFileNamer(std::function<QString(const QString &title, const QDateTime &begun)> namer);
    // The file the last finished job was written to (PDF printers).
    QString lastOutputFile() const { return m_lastOutputFile; }

    QPrinter &printer() { return *m_printer; }
    int printableWidthMm() const override;
    int printableHeightMm() const override;

protected:
    void record(const CanvasCall &call) override;
    void orientationChanged() override;

private:
    void render();
    void paint(QPainter &painter, const CanvasCall &call) const;

    std::unique_ptr<QPrinter> m_printer;
    std::function<QString(const QString &, const QDateTime &)> m_namer;
    QList<CanvasCall> m_job;
    QDateTime m_begun;
    QString m_lastOutputFile;
};

} // namespace platform
