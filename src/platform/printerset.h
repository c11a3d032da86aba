#pragma once

#include <QStringList>

namespace platform {

class PrintCanvas;

// The printers the program can print on, in the order of the printer list
// that the stored print settings index ("schnittst"). The program uses the
// system's printers (SystemPrinterSet); tests install a RecordingPrinterSet.
// A set is reached through PrinterService, never directly by print windows.
class PrinterSet
{
public:
    PrinterSet() = default;
    PrinterSet(const PrinterSet &) = delete;
    PrinterSet &operator=(const PrinterSet &) = delete;
    virtual ~PrinterSet();

    virtual QStringList printerNames() const = 0;
    // The printer the program starts with (-1 when there is none).
    virtual int defaultIndex() const = 0;
    // The canvas that prints on printer index (0 <= index < count); owned by
    // the set and valid as long as it. PrintError for an index out of range.
    virtual PrintCanvas &canvas(int index) = 0;

    int count() const { return int(printerNames().size()); }
};

} // namespace platform
