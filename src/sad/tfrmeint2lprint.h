#pragma once

#include "shell/printwindow.h"

namespace platform {
class Session;
}

namespace sad {

// The settings rows of the T2L document's sheets.
inline const QString T2LMainSheetRow = QStringLiteral("EINHEITSPAPIER T2L");
inline const QString T2LContinuationRow = QStringLiteral("ERGÄNZUNGSBLATT T2L");
inline const QString T2LJobTitle = QStringLiteral("Export / Versand: Einheitspapier T2L");
// A row created by the window or for a new user asks for a printer on the
// first print.
inline const QString T2LNewRowPrinter = QStringLiteral("LPT1");

// The data directory's master copy of S_BENUTZ.DB gets both rows without a
// printer.
void addT2LPrintRows(platform::Session &session);

shell::PrintWindowDefinition t2lPrintDefinition();

// The print of one T2L document onto the pre-printed form "Einheitspapier
// T2L" and its continuation sheets, each sheet a job of its own. The opener
// sets the caption.
class TfrmEinT2LPrint : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit TfrmEinT2LPrint(QWidget *parent = nullptr);
    ~TfrmEinT2LPrint() override;

    // The run of OK.
    void run();
    // One page (1: the main sheet) as one job.
    void PrintPage(int page);

private:
    void PrintMainSheet();
    void printContinuationSheet(int page);
};

} // namespace sad
