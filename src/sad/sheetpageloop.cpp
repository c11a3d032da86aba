#include "sad/sheetpageloop.h"

#include "platform/field.h"
#include "platform/table.h"
#include "shell/conversion.h"
#include "shell/printwindow.h"
#include "shell/radiogroup.h"

#include <QLineEdit>

namespace sad {

namespace {

constexpr int MainSheet = 0;
constexpr int ContinuationSheet = 1;

class PageRun
{
public:
    PageRun(shell::PrintWindow &window, const SheetPageLoop &loop)
        : m_window(window)
        , m_loop(loop)
    {
    }

    bool isMainSheet(int page) const { return page == 1 || (m_loop.mainSheetBelowOne && page < 1); }

    // false: the clerk cancelled at the question.
    bool asked(int page, bool range) const
    {
        const QString question = m_loop.paperQuestion ? m_loop.paperQuestion(page, range) : QString();
        return question.isEmpty() || shell::confirmedOk(question);
    }

    // The steps before a page; false when the run ends there.
    bool prepare(int page, bool range)
    {
        const bool main = isMainSheet(page);
        if (!m_loop.stepsBeforeEveryPage && !main)
            return true;
        if (!asked(page, range))
            return false;
        m_window.selectSheetRow(main ? MainSheet : ContinuationSheet);
        shell::choosePrinterInSetup();
        return true;
    }

    void printCopies(int page)
    {
        platform::Table &rows = m_window.tbbenutz();
        const int copies = rows.isEmpty() ? 1 : rows.fieldByName(QStringLiteral("Anzahl_Kopien")).asInteger();
        for (int copy = 1; copy <= copies; ++copy)
            m_loop.printPage(page);
    }

    void singlePage()
    {
        const int page = shell::toWholeNumber(m_window.singlePageEdit()->text());
        if (m_loop.singlePageSetupFirst) {
            shell::choosePrinterInSetup();
            if (!asked(1, false)) {
                m_window.stayOpenAfterRun();
                return;
            }
        } else if (!prepare(page, false)) {
            m_window.stayOpenAfterRun();
            return;
        }
        printCopies(m_loop.mainSheetBelowOne ? std::max(page, 1) : page);
    }

    void pages(bool range)
    {
        const int pageCount = m_window.pageCount();
        int page = range ? shell::toWholeNumber(m_window.firstPageEdit()->text()) : 1;
        for (;;) {
            if (!prepare(page, range)) {
                m_window.stayOpenAfterRun();
                return;
            }
            printCopies(page);
            // The items end on the last page.
            if (page >= pageCount)
                return;
            const int last = range ? shell::toWholeNumber(m_window.lastPageEdit()->text()) : pageCount;
            if (page + 1 > last)
                return;
            ++page;
        }
    }

private:
    shell::PrintWindow &m_window;
    const SheetPageLoop &m_loop;
};

} // namespace

void printSheetPages(shell::PrintWindow &window, const SheetPageLoop &loop)
{
    PageRun run(window, loop);
    switch (window.pageGroup()->itemIndex()) {
    case 2:
        run.singlePage();
        break;
    case 1:
        run.pages(true);
        break;
    default:
        run.pages(false);
        break;
    }
}

} // namespace sad
