#pragma once

#include "shell/printwindow.h"

#include <QBitArray>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {
class Session;
}

namespace sad {

constexpr int TemplateNumber = 2000000000;

// The settings rows of the export declaration's sheets.
inline const QString ExportFirstSheetRow = QStringLiteral("AUSFUHRANMELDUNG");
inline const QString ExportContinuationRow = QStringLiteral("AUSFUHRANMELDUNG - ERGÄNZ");
inline const QString ExportJobTitle = QStringLiteral("Export / Versand: Ausfuhrmeldung");

// The data directory's master copy of S_BENUTZ.DB gets both rows without a
// printer; the program directory gets the pre-stamp lists it lacks, empty.
void addExportPrintRows(platform::Session &session);

// The print window as data: the two sheets (first sheet, continuation
// sheets of three items), the page choice, "Ausdruck auf".
shell::PrintWindowDefinition exportPrintDefinition();

// "EINHEITSPAPIER - DRUCK": one export declaration on the pre-printed form
// set with its continuation sheets, or complete on blank paper.
class TfrmEinheit_d : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit TfrmEinheit_d(QWidget *parent = nullptr);
    ~TfrmEinheit_d() override;

    int PageCount() const { return m_pageCount; }
    bool isTemplate();

    // The state of one run, readable by tests.
    bool Duplex = false;
    bool JobOpen = false;
    bool GreyMarks = false;
    bool NumberAsked = false;
    int CurrentPage = 1;
    // 0 normal; 1 blank-paper sheets carry the set's form number; 2 test print.
    int printTag = 0;
    QBitArray PreStampBoxes;

    QLabel *lblNummer = nullptr;
    QLineEdit *edtNummer = nullptr;
    QCheckBox *cbVorabStempler = nullptr;
    QPushButton *BtnRueckseite1 = nullptr;
    QPushButton *BtnRueckseite4 = nullptr;
    QAction *acVorabstempler = nullptr;
    QAction *acTestdruck = nullptr;
    QMenu *mnuAeSaetze = nullptr;
    QAction *ac3fach = nullptr;
    QAction *ac4fach = nullptr;

    // The copies of one blank-paper set (Export.ini AeSet, default 3).
    static int aeSet();

    // The mode rule of "Ausdruck auf".
    void applyModeRule();
    // "Parameter für Vorabstempler".
    void preStampParameters();
    // "Testdruck auf weißem Papier".
    void testPrint();
    // "Drucke Rückseite für Seite 1" / "... 4".
    void printBackPage(int sheetOfSet);

    // The run of OK, through PrintWindowDefinition::printRun.
    void run();

    // Drawing of the data of a sheet of the current document into the
    // running job.
    void PrintExportDeclarationFirstPage(shell::SheetJob &job);
    void PrintExportDeclarationPage(shell::SheetJob &job);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void PrintOnForm();
    void PrintOnBlankPaper();
    // One sheet of the pre-printed form (page 1: first sheet), one job.
    void printFormPage(int page, int copy);
    // Asks the form number before the first continuation sheet of a run.
    void askFormNumber();
    // The blank-paper form set of copy c: sheet CurrentPage.
    void DrawExportDeclarationForm(int copy);
    void DrawExportContinuationForm(int copy);
    void PrintExportDeclarationBackSheet(int sheetOfSet, int copies);
    // The job of a blank-paper page: a new page of the open job with Duplex
    // and JobOpen, else a new job.
    void beginBlankPage(
        int sheet, int page, int copy, const QString &title, const std::function<void(shell::SheetJob &)> &draw);
    // The form number a blank-paper set is given.
    QString nextFormNumber();
    QString formNumberPrefix() const;
    QString formNumberDigits() const;

    int m_pageCount = 1;
    int m_lastSheet = -1; // the sheet whose offsets the back pages use
    shell::PageOffsets m_lastOffsets;
};

} // namespace sad
