#pragma once

#include "platform/printerset.h"
#include "platform/recordingcanvas.h"

#include <QSize>

namespace platform {

// Printers for tests: any names, one printable size, and one RecordingCanvas
// that records the jobs of every printer (each job notes its printer name).
// Install it with PrinterService::install; print windows then print into
// recorder() instead of onto paper.
class RecordingPrinterSet : public PrinterSet
{
public:
    explicit RecordingPrinterSet(const QStringList &names = { QStringLiteral("Drucker 1") },
        QSize printableSizeMm = QSize(203, 289), int defaultIndex = 0);

    QStringList printerNames() const override { return m_names; }
    int defaultIndex() const override { return m_names.isEmpty() ? -1 : m_defaultIndex; }
    PrintCanvas &canvas(int index) override;

    RecordingCanvas &recorder() { return m_recorder; }

private:
    QStringList m_names;
    int m_defaultIndex;
    RecordingCanvas m_recorder;
};

} // namespace platform
