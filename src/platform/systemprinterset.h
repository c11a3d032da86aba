#pragma once

#include "platform/printerset.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

namespace platform {

class PainterCanvas;

// The machine's printers: the PDF printer, which writes each job as a PDF
// file into PrinterService::pdfDirectory(), first, then the CUPS printers.
// On a machine without printers the PDF printer is the whole list.
class SystemPrinterSet : public PrinterSet
{
public:
    static const QString PdfPrinterName; // "PDF-Datei"
    static constexpr int PdfPrinterIndex = 0; // its fixed place in the list

    SystemPrinterSet();
    ~SystemPrinterSet() override;

    QStringList printerNames() const override { return m_names; }
    int defaultIndex() const override { return m_defaultIndex; }
    PrintCanvas &canvas(int index) override;
    // The same canvas with its QPrinter, for the printer setup dialog.
    PainterCanvas &painterCanvas(int index);

    // A file name in directory for a job that began at time, unused so far:
    // the title without characters that file names cannot hold, the date and
    // the time, and a running number when that name is taken.
    // The kind is the title's part after its last colon ("Export / Versand:
    // EUR 1" -> "EUR 1"), followed by the label (document and sheet); the
    // name never exceeds 255 bytes.
    static QString pdfJobFileName(
        const QString &directory, const QString &title, const QDateTime &time, const QString &label = {});

private:
    QStringList m_names;
    int m_defaultIndex = 0;
    std::vector<std::unique_ptr<PainterCanvas>> m_canvases;
};

} // namespace platform
