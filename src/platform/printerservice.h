#pragma once

#include "platform/canvascall.h"
#include "platform/printerset.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

namespace platform {

class PrintCanvas;

// The program's printer: the printer list, the current printer and its jobs.
// Every print window goes through it:
//
//   auto &printers = PrinterService::instance();
//   if (!printers.setCurrentIndex(row.schnittst.toInt()))   // "-1", gone ...
//       ...                                                  // ask for a printer
//   const int horzSize = printers.horzSize();                // offsets
//   PrintCanvas &canvas = printers.beginJob(QStringLiteral("Export / Versand: EUR 1"));
//   canvas.setFont(...); canvas.textOut(x, y, text); ...
//   canvas.endDoc();                                         // or canvas.abort()
//
// The printer list is the one the stored print settings index (as text,
// "-1" = none): by default the system's printers ("PDF-Datei", then CUPS).
// Tests install a RecordingPrinterSet with the printers they need and read
// every job from its RecordingCanvas; install(nullptr) returns to the
// system's printers.
//
// The current printer is program-wide: a choice made in one print window
// stays for the next. It starts at the set's default printer.
class PrinterService
{
public:
    static PrinterService &instance();

    // The installed set; the system's printers unless a set was installed.
    PrinterSet &printers();
    // Replaces the set and makes its default printer current; nullptr
    // returns to the system's printers, read anew when next used.
    void install(std::unique_ptr<PrinterSet> set);

    int count();
    QStringList printerNames();
    QString printerName(int index); // empty when out of range
    bool isValidIndex(int index);

    int currentIndex(); // -1 when there is no printer
    // false, and the current printer unchanged, when index is out of range
    bool setCurrentIndex(int index);
    QString currentPrinterName();

    // Printable size of the current printer in whole mm (HORZSIZE, VERTSIZE);
    // 0 without a printer.
    int horzSize();
    int vertSize();

    // The orientation of the current printer (portrait without one). Setting
    // it on the current printer stays with that printer after the job.
    PageOrientation orientation();
    void setOrientation(PageOrientation orientation);

    // The canvas of the current printer (PrintError without one). Its font,
    // pen and brush state stays from job to job, as the printer's does.
    PrintCanvas &canvas();
    // canvas() with a job begun under title (PrintError while one runs).
    PrintCanvas &beginJob(const QString &title);
    // Whether a job runs on the current printer, and dropping it
    // ("Abbrechen" of the print windows); nothing when none runs.
    bool printing();
    void abortJob();
    // The copies the current printer makes of each job that begins from now
    // on (1 unless set); the caller sets it back after its job.
    void setJobCopies(int copies);

    // The folder the PDF printer writes its files into: the program's folder
    // "Exportversand" in the user's documents folder (XDG), unless set.
    static QString pdfDirectory();
    static void setPdfDirectory(const QString &directory);
    // What the PDF printer's file names carry besides the kind and the time:
    // the document and sheet of the jobs that follow ("Nr. 5 EUR RÜCKSEITE");
    // empty for none.
    static QString jobLabel();
    static void setJobLabel(const QString &label);
    // The PDF files written since the last call, in order (the PDF printer
    // notes each file it names; files it could not write are left out).
    static QStringList takeWrittenPdfFiles();
    static void notePdfFile(const QString &file);

private:
    PrinterService() = default;
    void ensureSet();

    std::unique_ptr<PrinterSet> m_set;
    int m_current = -1;
};

} // namespace platform
