#pragma once

#include <QString>

#include <functional>

namespace shell {
class PrintWindow;
}

namespace sad {

// The page and copy loops of the prints of the single administrative
// document that walk the window's page choice page by page: sheet 0 of the
// window is the main sheet's row, sheet 1 the continuation sheets'. Before a
// page come the insert-the-form question (Cancel ends the run with the
// window open), the page's settings row and the printer setup (its answer
// unused); then the page prints as many times as the row the settings table
// stands on says. "Alles" and a page range stop after the page that carries
// the last item; a range reads its last page anew after every page and
// prints its first page even when it lies beyond the last.
struct SheetPageLoop {
    // The question before a page; an empty text asks nothing.
    std::function<QString(int page, bool range)> paperQuestion;
    // The question, the row and the setup before every page; else before the
    // main sheet only, and later pages take the copies of the row the last
    // page left current.
    bool stepsBeforeEveryPage = true;
    // A page below 1 is the main sheet; else only page 1 is.
    bool mainSheetBelowOne = true;
    // "Seite :" shows the printer setup, then the main sheet's question
    // whatever the page, and searches no row; else it takes the steps of a
    // page of a range.
    bool singlePageSetupFirst = true;
    // Prints the page once.
    std::function<void(int page)> printPage;
};

void printSheetPages(shell::PrintWindow &window, const SheetPageLoop &loop);

} // namespace sad
