#include "platform/recordingcanvas.h"

namespace platform {

RecordingCanvas::RecordingCanvas(QSize printableSizeMm)
    : m_printableSize(printableSizeMm)
{
}

int RecordingCanvas::printableWidthMm() const
{
    return orientation() == PageOrientation::Landscape ? m_printableSize.height() : m_printableSize.width();
}

int RecordingCanvas::printableHeightMm() const
{
    return orientation() == PageOrientation::Landscape ? m_printableSize.width() : m_printableSize.height();
}

QList<CanvasCall> RecordingCanvas::texts(int job, int page) const
{
    QList<CanvasCall> result;
    for (const CanvasCall &c : m_calls) {
        if (c.kind == CanvasCall::Kind::Text && (job == 0 || c.job == job) && (page == 0 || c.page == page))
            result.append(c);
    }
    return result;
}

const CanvasCall *RecordingCanvas::findText(const QString &text, int job) const
{
    for (const CanvasCall &c : m_calls) {
        if (c.kind == CanvasCall::Kind::Text && c.text == text && (job == 0 || c.job == job))
            return &c;
    }
    return nullptr;
}

QString RecordingCanvas::textAt(int x, int y, int job) const
{
    QStringList found;
    for (const CanvasCall &c : m_calls) {
        if (c.kind == CanvasCall::Kind::Text && c.x == x && c.y == y && (job == 0 || c.job == job))
            found.append(c.text);
    }
    return found.join(QLatin1Char('|'));
}

int RecordingCanvas::pageCount(int job) const
{
    for (const Job &j : m_jobs) {
        if (j.number == job)
            return j.pages;
    }
    return 0;
}

void RecordingCanvas::clear()
{
    m_calls.clear();
    m_jobs.clear();
}

void RecordingCanvas::record(const CanvasCall &call)
{
    m_calls.append(call);
    switch (call.kind) {
    case CanvasCall::Kind::BeginDoc:
        m_jobs.append(Job { call.job, call.text, m_printerName, 1, false, false, call.orientation });
        break;
    case CanvasCall::Kind::NewPage:
        if (!m_jobs.isEmpty())
            m_jobs.last().pages = call.page;
        break;
    case CanvasCall::Kind::EndDoc:
        if (!m_jobs.isEmpty())
            m_jobs.last().ended = true;
        break;
    case CanvasCall::Kind::Abort:
        if (!m_jobs.isEmpty())
            m_jobs.last().aborted = true;
        break;
    default:
        break;
    }
}

} // namespace platform
