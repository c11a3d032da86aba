#pragma once

#include "platform/canvascall.h"
#include "shell/documentkind.h"
#include "shell/printlayout.h"
#include "shell/printoffsets.h"

#include <QPair>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

namespace platform {
class Table;
}

namespace shell {

class PrintWindow;
class RadioGroup;
class TfrmDrucker;

// One copy of one sheet in print: the sheet's print routine draws its
// layout through the painter, which already carries the offsets of the
// sheet's settings row, the print font and the box corrections.
struct SheetJob {
    PrintWindow &window;
    LayoutPainter &painter;
    int sheet = 0; // index in PrintWindowDefinition::sheets
    int page = 1; // 1: the main sheet; 2 and on: continuation sheets
    int copy = 1;
    int variant = 0; // the layout chosen when OK was pressed
    bool blankPaper = false;

    // Runs the action on every position record the page carries (k = 0 for
    // the first of them): the position table goes to its first record and
    // moves on to the page's first item, then steps on until the page is full
    // or the items end.
    void forEachItem(const std::function<void(int k)> &action) const;

    // A sheet whose rows decide its page breaks (PrintSheet::pagedByRoutine)
    // begins each page itself: the running job ends and the next one begins
    // with the same title, offsets and font; page counts on from 1.
    void beginPage();
};

// A sheet of a printed form: its settings row, its check box and question,
// and how it is drawn.
struct PrintSheet {
    QString row; // settings row of S_BENUTZ.DB: "EUR1"
    QString jobTitle; // the printer's job title; empty: the window's
    QString checkBox; // caption of its check box; empty: always printed
    bool checkedAtStart = true;
    QString question; // insert-the-form question; empty: none
    bool withCopies = true; // Anzahl_Kopien copies, else one
    int verticalConstant = 0; // C: moves the print up, 0.1 mm
    bool fieldCorrections = false; // adds the S_FelderJust row of the same name
    // Which items of the positions go on which page. A sheet with
    // continuation prints pages 2 .. pageCount; without, page 1.
    SheetItems items;
    bool continuation = false;
    std::function<void(SheetJob &)> print;
    // The routine begins every page with SheetJob::beginPage (the first one
    // too); a run that begins none prints nothing. The last job ends after
    // the routine.
    bool pagedByRoutine = false;
    // The job title of a page (1, 2 ...) of such a sheet; an empty text (or
    // no function): the sheet's or the window's.
    std::function<QString(int page)> pageJobTitle;
    // Whether the document has anything for the sheet, asked when the window
    // is shown: false unticks and disables its check box, true ticks it.
    std::function<bool(PrintWindow &)> available;
};

// The choice among the layouts of a form's publishers: a radio group whose
// item index is kept in Export.ini; the layout follows the item chosen when
// OK is pressed.
struct LayoutChoice {
    QString objectName; // "poj1"
    QString title; // "Auswahl vom Verlag"
    QStringList items;
    QString iniKey; // "EURDruck": the item index as text, "-1" for none
    QVector<int> layouts; // the layout of each item
    int layoutWithoutChoice = 0;
    // Anything else a choice by the user does (a code in the parameter record).
    std::function<void(int item)> chosen;
};

// The page orientation a print window offers: the radio group
// "Hoch-Format" (0) / "Quer-Format" (1), its item index kept in Export.ini.
struct OrientationChoice {
    QString iniKey; // "FedEx_DruckFormat"; read with the default 1
    // After each job the printer is set back to portrait; else the chosen
    // orientation stays with the printer.
    bool portraitAfterJob = false;
};

// What a print window does at creation when its main row has no printer.
enum class NoPrinterStep {
    PrinterSetup, // "... einrichten"
    PrinterAdministration, // "... parameter einstellen" (TfrmDrucker)
};

// How the insert-the-form question of a sheet works.
enum class FormQuestion {
    Gate, // OK prints the sheet, Cancel skips it
    SetupPrompt, // OK shows the printer setup first; the sheet prints either way
    None, // no question
    Stop, // OK prints, Cancel prints nothing and the window stays open
    StopThenSetup, // as Stop; OK shows the printer setup (its answer unused) first
};

// The choice of pages of a form whose positions run over several sheets, all
// of the same layout (the main sheet repeats the head): the radio group
// "Mögliche Seiten 1 - <pages>. " with "Alles", "Druck von Seite bis Seite :"
// (the first and last page) and "Seite :" (one page). Pages :=
// (positions + itemsPerPage - 1) / itemsPerPage, 0 without positions.
// Printing repeats the chosen pages for each copy:
// - "Alles": page 1, 2 ... up to the page count, at least page 1, so a
//   document without positions gives one sheet with the head only;
// - "Druck von Seite bis Seite :": from the first to the last page given,
//   stopping after the page that carries the last position;
// - "Seite :": the page given, when the document has positions.
// A page field that is no whole number stops the print with the error dialog.
//
// With sheets set, the items spread as on the single administrative document
// (one on the main sheet, three on each continuation sheet): pages :=
// sheets.pageCount(positions), at least one; "Seite :" prints the page given
// even beyond the last position (the head of the sheet alone).
struct PageChoice {
    int itemsPerPage = 4;
    std::optional<SheetItems> sheets;
};

// Everything in which the print windows of the kinds differ, as data.
struct PrintWindowDefinition {
    QString objectName; // "frmEur1_d"
    QString caption; // "EUR1 - DRUCK"; the opener sets its own
    QString headTable; // "EUR1.DB": the window's own head table
    QString positionTable; // its items, linked to the head; empty: none
    QString positionLinkField = QStringLiteral("BelegNr");
    QString jobTitle; // "Export / Versand: EUR 1"; empty: none
    bool jobTitleNumbered = false; // the document number follows the job title
    QVector<PrintSheet> sheets; // in printing order; the first is the main row
    // The sheet whose row chooses the printer of every sheet when the window
    // opens (asking for one when it has none); the main row unless a kind
    // names another.
    int printerSheet = 0;
    // false: the rows only record a printer, the window prints on the printer
    // selected in the program (and shows it).
    bool rowsChoosePrinter = true;
    QVector<QPair<QString, QString>> renamedRows; // old name, new name
    // A row the user's table lacks is copied from the data directory's master
    // copy of S_BENUTZ.DB, else created with newRowPrinter, copies 1 and no
    // offsets.
    bool createsMissingRows = false;
    QString newRowPrinter = QStringLiteral("0"); // schnittst of a created row
    NoPrinterStep noPrinter = NoPrinterStep::PrinterSetup;
    QString administrationPattern; // rows TfrmDrucker shows: "EUR1*"
    FormQuestion question = FormQuestion::Gate;
    // "Ausdruck auf" in the order shown ("Formular", "Weißem Papier"); empty:
    // the window prints on the form only.
    QStringList paperChoices;
    int fontHeight = -35; // character height of the print font
    // The print font's name, regular; empty: the main window's AusdruckFont.
    QString fontName;
    // Hoch-Format / Quer-Format; without it every job prints in portrait.
    std::optional<OrientationChoice> orientation;
    int xCorrection = 0; // added to every x after the offsets, 0.1 mm
    // "... einrichten" stores the printer only when the dialog is confirmed
    // (else whatever the dialog's answer).
    bool setupStoresOnlyWhenConfirmed = false;
    int progressMaximum = 100;
    // A maximum that follows the document (its positions): set when OK is
    // pressed; without it progressMaximum stays.
    std::function<int(PrintWindow &)> progressMaximumOf;
    // The layout chosen when OK is pressed (a publisher's layout); 0 without.
    // Without it the layout choice decides.
    std::function<int(PrintWindow &)> variant;
    std::optional<LayoutChoice> layoutChoice;
    QSize size { 380, 196 };
    QString printerMenu = QStringLiteral("Drucker ...");
    QString setupCommand = QStringLiteral("... einrichten");
    QString administrationCommand = QStringLiteral("... parameter einstellen");
    // Shown beside the progress bar while printing; empty: nothing.
    QString printingText;
    // Asked when OK is pressed, before any job: false prints nothing and the
    // window stays open (a choice missing, a picture that cannot be read).
    std::function<bool(PrintWindow &)> beforePrint;
    std::optional<PageChoice> pageChoice;
    // A kind whose sheets, copies and jobs follow rules of their own prints
    // through this in place of the sheet loop; it draws its pages with
    // PrintWindow::drawPage and ends its jobs with endJob. The window closes
    // afterwards unless the run throws.
    std::function<void(PrintWindow &)> printRun;
    // What "... parameter einstellen" adds to TfrmDrucker before it is shown
    // (a setting of the kind's own), and what it does with the result.
    std::function<void(TfrmDrucker &)> prepareAdministration;
    std::function<void(int result)> administrationDone;
    QString okCaption = QStringLiteral("OK");
    QString cancelCaption = QStringLiteral("Abbrechen");
};

// The printer setup dialog; a confirmed choice becomes the current printer.
// Returns whether the dialog was confirmed.
bool choosePrinterInSetup();
// An information with OK and Cancel; true on OK.
bool confirmedOk(const QString &text);

inline const QString PaperForm = QStringLiteral("Formular");
inline const QString PaperBlank = QStringLiteral("Weißem Papier");

// The print window of a document kind, built from its PrintWindowDefinition: it
// opens its own head table (and items) and the user's print settings,
// chooses the printer of the main row (asking for one when none is set),
// and on OK prints each sheet whose row exists and whose check box is
// ticked, after the insert-the-form question, each copy as a job of its own.
class PrintWindow : public DocumentPrintWindow
{
    Q_OBJECT
public:
    explicit PrintWindow(PrintWindowDefinition definition, QWidget *parent = nullptr);
    ~PrintWindow() override;

    bool findDocument(int number) override;

    const PrintWindowDefinition &definition() const { return m_definition; }
    platform::Table &head() { return *m_head; }
    platform::Table *positions() { return m_positions.get(); }
    platform::Table &tbbenutz() { return *m_settings; }

    QCheckBox *sheetCheckBox(int sheet) const;
    RadioGroup *paperGroup() const { return m_paper; }
    // The page choice (RadioGroup1, Edit2, Edit3, Edit4) where the window has one.
    RadioGroup *pageGroup() const { return m_pages; }
    QLineEdit *firstPageEdit() const { return m_firstPage; }
    QLineEdit *lastPageEdit() const { return m_lastPage; }
    QLineEdit *singlePageEdit() const { return m_singlePage; }
    // The pages of the document by the page choice's rule.
    int pageCount();
    // The pages the choice prints for one copy, in order.
    QVector<int> chosenPages();
    RadioGroup *layoutGroup() const { return m_layout; }
    RadioGroup *orientationGroup() const { return m_orientation; }
    // The orientation the next job prints in, and whether the page is
    // centred with the user's offsets (not with neither orientation chosen).
    platform::PageOrientation jobOrientation() const;
    bool pageOffsetsApply() const;
    // The layout OK prints now.
    int chosenLayout();
    bool blankPaper() const;
    QProgressBar *progressBar() const { return m_progress; }
    QString statusText() const;
    QString numberText() const;
    QString copiesText() const;
    QAction *acEinrichten = nullptr;
    QAction *acEinstellen = nullptr;
    QPushButton *BtnOK = nullptr;
    QPushButton *BtnAbbruch = nullptr;

    // "... einrichten": the printer setup; whatever its answer, the current
    // printer goes into every row of the window.
    void printerSetup();
    // "... parameter einstellen": TfrmDrucker on the window's rows.
    void printerAdministration();
    // OK: prints and closes the window.
    void printDocument();
    // Abbrechen: drops a running job and closes the window.
    void cancelPrint();

    // For a kind's own run (PrintWindowDefinition::printRun).
    // Positions the settings table on the sheet's row; false when it is
    // missing (the table stays where it was).
    bool selectSheetRow(int sheet);
    // The offsets of the settings row the table stands on (spalte, zeile) with
    // the sheet's vertical constant; zero offsets for sheet -1.
    PageOffsets currentRowOffsets(int sheet);
    // Draws one page: begins a job titled title (the window's when empty) or,
    // with newPage, adds a page to the running job; writes the blank at the
    // origin, sets the print font and calls draw with a painter carrying the
    // offsets. The job is left running.
    void drawPage(int sheet, int page, int copy, const PageOffsets &offsets, const QString &title, bool newPage,
        const std::function<void(SheetJob &)> &draw);
    // Ends the running job, if any.
    void endJob();
    // A kind's own run cancelled at a question: the window stays open.
    void stayOpenAfterRun() { m_stayOpen = true; }
    QMenuBar *menuBar() const { return m_menuBar; }

protected:
    // Where a kind adds controls of its own (a publisher choice).
    QVBoxLayout *controlsLayout() const { return m_controls; }
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void reject() override;

private:
    void buildWindow();
    void prepareSettings();
    // The settings row of PrintWindowDefinition::printerSheet; empty without sheets.
    QString printerRow() const;
    void choosePrinter();
    void rereadMainRow();
    void showPrinter();
    void showCopies();
    // false: the form was not inserted (FormQuestion::Stop).
    bool printSheet(int sheet, int variant);
    // What the PDF file of a job is named after besides the kind.
    QString jobLabel(int sheetIndex, int page, int copy) const;
    void showPageChoice();
    void showPageEdits();
    void printJob(int sheet, int page, int copy, int variant, int spalte, int zeile);
    friend struct SheetJob;
    void beginJob(const SheetJob &job);

    PrintWindowDefinition m_definition;
    std::unique_ptr<platform::Table> m_settings;
    std::unique_ptr<platform::Table> m_head;
    std::unique_ptr<platform::Table> m_positions;
    QVector<QCheckBox *> m_sheetBoxes;
    RadioGroup *m_paper = nullptr;
    RadioGroup *m_layout = nullptr;
    RadioGroup *m_orientation = nullptr;
    RadioGroup *m_pages = nullptr;
    QLineEdit *m_firstPage = nullptr;
    QLineEdit *m_lastPage = nullptr;
    QLineEdit *m_singlePage = nullptr;
    QLabel *m_printing = nullptr;
    QMenuBar *m_menuBar = nullptr;
    QVBoxLayout *m_controls = nullptr;
    QLabel *m_number = nullptr;
    QLabel *m_copies = nullptr;
    QLabel *m_status = nullptr;
    QProgressBar *m_progress = nullptr;
    bool m_stayOpen = false;
};

} // namespace shell
