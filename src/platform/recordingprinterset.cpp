#include "platform/recordingprinterset.h"

namespace platform {

RecordingPrinterSet::RecordingPrinterSet(const QStringList &names, QSize printableSizeMm, int defaultIndex)
    : m_names(names)
    , m_defaultIndex(defaultIndex)
    , m_recorder(printableSizeMm)
{
}

PrintCanvas &RecordingPrinterSet::canvas(int index)
{
    if (index < 0 || index >= int(m_names.size()))
        throw PrintError(QStringLiteral("Der Drucker Nr. %1 ist nicht installiert.").arg(index));
    // Only a job that begins takes the name; one running keeps its printer.
    if (!m_recorder.printing())
        m_recorder.setPrinterName(m_names.at(index));
    return m_recorder;
}

} // namespace platform
