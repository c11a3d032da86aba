#pragma once

#include "platform/printcanvas.h"

#include <QList>
#include <QSize>
#include <QString>

namespace platform {

// A canvas that keeps every call instead of printing, for tests: prints are
// checked by the texts, positions and fonts they produced.
class RecordingCanvas : public PrintCanvas
{
public:
    struct Job {
        int number = 0;
        QString title;
        QString printer; // printer name given when the job began
        int pages = 0;
        bool ended = false;
        bool aborted = false;
        PageOrientation orientation = PageOrientation::Portrait;
    };

    // printableSizeMm: the printable area in portrait; landscape swaps it.
    explicit RecordingCanvas(QSize printableSizeMm = QSize(203, 289));

    void setPrintableSizeMm(QSize size) { m_printableSize = size; }
    int printableWidthMm() const override;
    int printableHeightMm() const override;

    // Name written into the jobs begun from now on.
    void setPrinterName(const QString &name) { m_printerName = name; }

    const QList<CanvasCall> &calls() const { return m_calls; }
    // Text calls, of one job (and one page) or of all jobs (job 0).
    QList<CanvasCall> texts(int job = 0, int page = 0) const;
    // The first text call with exactly this text, or nullptr.
    const CanvasCall *findText(const QString &text, int job = 0) const;
    // The text drawn at (x, y) in one job (0: any); several joined by '|'.
    QString textAt(int x, int y, int job = 0) const;

    const QList<Job> &jobs() const { return m_jobs; }
    int jobCount() const { return int(m_jobs.size()); }
    int pageCount(int job) const;

    // Forgets every call and job (the font and pen state stay).
    void clear();

protected:
    void record(const CanvasCall &call) override;

private:
    QSize m_printableSize;
    QString m_printerName;
    QList<CanvasCall> m_calls;
    QList<Job> m_jobs;
};

} // namespace platform
