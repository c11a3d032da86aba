#pragma once

#include "platform/printerservice.h"
#include "platform/recordingprinterset.h"

#include <QSize>
#include <QStringList>

#include <memory>

namespace testsupport {

// Recording printers in place of the system's for the lifetime of the
// object: every job printed through PrinterService lands in canvas().
class RecordingPrinters
{
public:
    explicit RecordingPrinters(const QStringList &names = { QStringLiteral("Drucker 1"), QStringLiteral("Drucker 2") },
        QSize printableSizeMm = QSize(203, 289), int defaultIndex = 0)
    {
        auto set = std::make_unique<platform::RecordingPrinterSet>(names, printableSizeMm, defaultIndex);
        m_set = set.get();
        platform::PrinterService::instance().install(std::move(set));
    }
    ~RecordingPrinters() { platform::PrinterService::instance().install(nullptr); }
    RecordingPrinters(const RecordingPrinters &) = delete;
    RecordingPrinters &operator=(const RecordingPrinters &) = delete;

    platform::RecordingPrinterSet &set() { return *m_set; }
    platform::RecordingCanvas &canvas() { return m_set->recorder(); }

private:
    platform::RecordingPrinterSet *m_set;
};

} // namespace testsupport
