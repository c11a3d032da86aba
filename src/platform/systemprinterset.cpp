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
    : m_names(QPrinterInfo::availablePrinterNames())
{
    const int systemDefault = int(m_names.indexOf(QPrinterInfo::defaultPrinterName()));
    m_defaultIndex = systemDefault >= 0 ? systemDefault : 0;
    m_names.append(PdfPrinterName);
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
        if (index == int(m_names.size()) - 1) {
            canvas = std::make_unique<PainterCanvas>(PainterCanvas::createPdfPrinter());
            canvas->setJobFileNamer([](const QString &title, const QDateTime &begun) {
                return pdfJobFileName(PrinterService::pdfDirectory(), title, begun);
            });
        } else {
            const QPrinterInfo info = QPrinterInfo::printerInfo(m_names.at(index));
            canvas = std::make_unique<PainterCanvas>(std::make_unique<QPrinter>(info, QPrinter::HighResolution));
        }
    }
    return *canvas;
}

QString SystemPrinterSet::pdfJobFileName(const QString &directory, const QString &title, const QDateTime &time)
{
    static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QString base = QString(title).replace(unsafe, QStringLiteral(" ")).replace(blanks, QStringLiteral(" ")).trimmed();
    if (base.isEmpty())
        base = QStringLiteral("Druckauftrag");
    base += time.toString(QStringLiteral("_yyyyMMdd_HHmmss"));
    const QDir dir(directory);
    QString name = dir.filePath(base + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = dir.filePath(base + QStringLiteral("_%1.pdf").arg(n));
    return name;
}

} // namespace platform
