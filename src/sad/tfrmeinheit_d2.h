#pragma once

#include "shell/printwindow.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;

namespace platform {
class Session;
}

namespace sad {

// The settings rows of the import declaration's sheets.
inline const QString ImportFirstSheetRow = QStringLiteral("EINFUHRANMELDUNG");
inline const QString ImportContinuationRow = QStringLiteral("EINFUHRANMELDUNG - ERGÄNZ");
inline const QString ImportJobTitle = QStringLiteral("Export / Versand: Einfuhrmeldung");

// The data directory's master copy of S_BENUTZ.DB gets both rows without a
// printer.
void addImportPrintRows(platform::Session &session);

shell::PrintWindowDefinition importPrintDefinition();

// "EINHEITSPAPIER - DRUCK" of an import declaration: the data onto the
// pre-printed set 0737 with its continuation sheets 0738, or every copy
// drawn complete on blank paper with the data on top.
class TfrmEinheit_d2 : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit TfrmEinheit_d2(QWidget *parent = nullptr);
    ~TfrmEinheit_d2() override;

    int PageCount() const { return m_pageCount; }

    // The state of one run, readable by tests.
    bool FirstSheetAsked = false;
    bool ContinuationAsked = false;
    // Blank paper: the first sheet includes copy 7 (Export.ini EinfBlatt7).
    bool WithCopy7 = true;

    QLabel *lblNummer = nullptr;
    QLineEdit *edtNummer = nullptr;
    QMenu *mnuEmSaetze = nullptr;
    QAction *acExemplar7 = nullptr;

    static bool withCopy7Setting();
    void applyModeRule();
    void toggleCopy7();
    // The run of OK, through PrintWindowDefinition::printRun.
    void run();

    void PrintImportDeclarationPage(int page);
    void PrintImportDeclarationFirstPage();
    void PrintImportDeclarationBackSheet1();
    void PrintImportDeclarationBackSheet3();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The pages the page choice prints; the loop stops early when the run
    // is cancelled or a page carries the last item.
    void printPages(int first, int last);
    void printContinuationSheet(int page);
    // The offsets of the current settings row with the vertical constant k.
    shell::PageOffsets offsetsWith(int sheet, int k);
    void printBackSheet(const QString &question, bool firstSheet);
    void drawFirstSheetData(shell::SheetJob &job);

    int m_pageCount = 1;
    // Cancel at an insert-paper question: the run ends after this page.
    bool m_cancelled = false;
};

} // namespace sad
