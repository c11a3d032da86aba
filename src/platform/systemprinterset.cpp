#include "platform/systemprinterset.h"

#include "platform/paintercanvas.h"
#include "platform/printerservice.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

namespace platform {

const QString SystemPrinterSet::PdfPrinterName = QStringLiteral("PDF-Datei");

SystemPrinterSet::SystemPrinterSet()
    : m_names({ PdfPrinterName })
{
    // The PDF printer keeps its place at the head of the list whatever
    // printers come and go.
    m_names.append(QPrinterInfo::availablePrinterNames());
    const int systemDefault = int(m_names.lastIndexOf(QPrinterInfo::defaultPrinterName()));
    m_defaultIndex = systemDefault > 0 ? systemDefault : 0;
    m_canvases.resize(m_names.size());
}

SystemPrinterSet::~SystemPrinterSet() = default;

PrintCanvas &SystemPrinterSet::canvas(int index)
{
    return painterCanvas(index);
}

PainterCanvas &SystemPrinterSet::painterCanvas(int index)
{
    if (index < 0 || index >= int(m_names.size()))
        throw PrintError(QStringLiteral("Der Drucker Nr. %1 ist nicht installiert.").arg(index));
    auto &canvas = m_canvases[size_t(index)];
    if (!canvas) {
        if (index == PdfPrinterIndex) {
            canvas = std::make_unique<PainterCanvas>(PainterCanvas::createPdfPrinter());
            canvas->setJobFileNamer([](const QString &title, const QDateTime &begun) {
                const QString file
                    = pdfJobFileName(PrinterService::pdfDirectory(), title, begun, PrinterService::jobLabel());
                PrinterService::notePdfFile(file);
                return file;
            });
        } else {
            const QPrinterInfo info = QPrinterInfo::printerInfo(m_names.at(index));
            canvas = std::make_unique<PainterCanvas>(std::make_unique<QPrinter>(info, QPrinter::HighResolution));
        }
    }
    return *canvas;
}

QString SystemPrinterSet::pdfJobFileName(
    const QString &directory, const QString &title, const QDateTime &time, const QString &label)
{
    static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const auto clean = [](const QString &text) {
        return QString(text).replace(unsafe, QStringLiteral(" ")).replace(blanks, QStringLiteral(" ")).trimmed();
    };
    // "Export / Versand: EUR 1" names the kind after the program's name.
    const int colon = int(title.lastIndexOf(QLatin1Char(':')));
    QString base = clean(colon >= 0 ? title.mid(colon + 1) : title);
    // A title that ends in the document's number ("... - BelegNr.: 8") names
    // the kind before the colon; the label carries the number.
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    if (colon >= 0 && !base.contains(letter))
        base = clean(title.left(colon));
    if (base.isEmpty())
        base = clean(title);
    if (base.isEmpty())
        base = QStringLiteral("Druckauftrag");
    if (const QString cleanLabel = clean(label); !cleanLabel.isEmpty())
        base += QLatin1Char(' ') + cleanLabel;
    const QString stamp = time.toString(QStringLiteral("_yyyyMMdd_HHmmss"));
    // A file name holds at most 255 bytes: room for the time, a running
    // number and ".pdf"; a long title is cut between characters.
    constexpr int MaxNameBytes = 255;
    const int reserved = int(stamp.toUtf8().size()) + 8 + 4;
    while (!base.isEmpty() && int(base.toUtf8().size()) > MaxNameBytes - reserved) {
        base.chop(1);
        if (!base.isEmpty() && base.back().isHighSurrogate())
            base.chop(1);
    }
    base = base.trimmed() + stamp;
    const QDir dir(directory);
    QString name = dir.filePath(base + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = dir.filePath(base + QStringLiteral("_%1.pdf").arg(n));
    return name;
}

} // namespace platform
