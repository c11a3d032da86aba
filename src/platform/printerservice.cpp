#include "platform/printerservice.h"

#include "platform/printcanvas.h"
#include "platform/systemprinterset.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {
QString &pdfDirectoryValue()
{
    static QString value;
    return value;
}

QString &jobLabelValue()
{
    static QString value;
    return value;
}

QStringList &writtenPdfFiles()
{
    static QStringList files;
    return files;
}
} // namespace

PrinterService &PrinterService::instance()
{
    static PrinterService service;
    static bool registered = false;
    if (!registered) {
        // The printers go with the application, not after it.
        qAddPostRoutine([] { instance().m_set.reset(); });
        registered = true;
    }
    return service;
}

void PrinterService::ensureSet()
{
    if (!m_set)
        install(std::make_unique<SystemPrinterSet>());
}

PrinterSet &PrinterService::printers()
{
    ensureSet();
    return *m_set;
}

void PrinterService::install(std::unique_ptr<PrinterSet> set)
{
    m_set = std::move(set);
    m_current = -1;
    if (!m_set)
        return; // the system's printers, read when next asked for
    const int index = m_set->defaultIndex();
    m_current = isValidIndex(index) ? index : (m_set->count() > 0 ? 0 : -1);
}

int PrinterService::count()
{
    return printers().count();
}

QStringList PrinterService::printerNames()
{
    return printers().printerNames();
}

QString PrinterService::printerName(int index)
{
    const QStringList names = printerNames();
    return index >= 0 && index < int(names.size()) ? names.at(index) : QString();
}

bool PrinterService::isValidIndex(int index)
{
    return index >= 0 && index < count();
}

int PrinterService::currentIndex()
{
    ensureSet();
    return m_current;
}

bool PrinterService::setCurrentIndex(int index)
{
    if (!isValidIndex(index))
        return false;
    m_current = index;
    return true;
}

QString PrinterService::currentPrinterName()
{
    return printerName(currentIndex());
}

int PrinterService::horzSize()
{
    return currentIndex() >= 0 ? canvas().printableWidthMm() : 0;
}

int PrinterService::vertSize()
{
    return currentIndex() >= 0 ? canvas().printableHeightMm() : 0;
}

PageOrientation PrinterService::orientation()
{
    return currentIndex() >= 0 ? canvas().orientation() : PageOrientation::Portrait;
}

void PrinterService::setOrientation(PageOrientation orientation)
{
    if (currentIndex() >= 0)
        canvas().setOrientation(orientation);
}

PrintCanvas &PrinterService::canvas()
{
    if (currentIndex() < 0)
        throw PrintError(QStringLiteral("Es ist kein Drucker installiert."));
    return printers().canvas(m_current);
}

PrintCanvas &PrinterService::beginJob(const QString &title)
{
    PrintCanvas &c = canvas();
    c.beginDoc(title);
    return c;
}

bool PrinterService::printing()
{
    return currentIndex() >= 0 && canvas().printing();
}

void PrinterService::setJobCopies(int copies)
{
    canvas().setCopies(copies);
}

void PrinterService::abortJob()
{
    if (printing())
        canvas().abort();
}

QString PrinterService::pdfDirectory()
{
    if (!pdfDirectoryValue().isEmpty())
        return pdfDirectoryValue();
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return QDir(documents).filePath(QStringLiteral("Exportversand"));
}

QString PrinterService::jobLabel()
{
    return jobLabelValue();
}

void PrinterService::setJobLabel(const QString &label)
{
    jobLabelValue() = label;
}

QStringList PrinterService::takeWrittenPdfFiles()
{
    QStringList files;
    for (const QString &file : std::as_const(writtenPdfFiles())) {
        if (QFileInfo::exists(file))
            files.append(file);
    }
    writtenPdfFiles().clear();
    return files;
}

void PrinterService::notePdfFile(const QString &file)
{
    writtenPdfFiles().append(file);
}

void PrinterService::setPdfDirectory(const QString &directory)
{
    pdfDirectoryValue() = directory;
}

} // namespace platform
