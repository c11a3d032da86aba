#pragma once

#include "shell/documentkind.h"

#include <QDialog>
#include <QVector>

#include <functional>

class QAbstractButton;
class QAction;
class QHBoxLayout;
class QMenu;
class QToolButton;
class QVBoxLayout;

namespace platform {
class DataSetModel;
class Table;
}

namespace shell {

class TfrmSuche;
class TSearchDlg;
class TWheelDBGrid;

// The register ("Regiezentrum") of a document kind: one class for every
// kind, built from its DocumentKind. It owns the kind's head table, its
// position table where the kind has one, and its own table on the parameter
// record; the kind's entry window works on these tables, its print window
// opens its own.
//
// Creating the register opens the tables and makes sure the template
// (2000000000) exists; showing it positions the head on
// CurrentDocumentNumber; closing it posts, keeps the kind from holding the
// template alone and closes the tables. Document-creating code creates it
// without showing it (so showing and closing steps do not run), works on
// head(), positions() and parameter(), clicks editButton() and frees it.
//
// A kind whose register departs further derives from this class and
// overrides the steps it does differently.
class DocumentRegister : public QDialog
{
    Q_OBJECT
public:
    explicit DocumentRegister(const DocumentKind &kind, QWidget *parent = nullptr);
    ~DocumentRegister() override;

    const DocumentKind &kind() const { return m_kind; }
    platform::Table &head() { return *m_head; }
    platform::Table *positions() { return m_positions; } // nullptr for kinds without positions
    platform::Table &parameter() { return *m_parameter; }
    int currentNumber(); // 0 when there is no current document
    bool isTemplate(); // the current number is above 1999999999
    // Drucken on the current document; the print window's caption begins
    // with the prefix given (the entry window's), else with the kind's.
    void print(const QString &captionPrefix = QString());
    QAbstractButton *editButton(); // "&Bearbeiten"
    // Before a position is added to the current document: true (after the
    // kind's message) when the document holds as many as the kind allows.
    bool refusesFurtherPosition();

    // Creates a register of the kind without showing it, finds the number
    // and, when it exists, opens it in the entry window; then frees the
    // register. A number that does not exist does nothing.
    static void OpenDocument(const DocumentKind &kind, int number);
    // The same for a register class of a kind's own.
    template <class Register, class... Args> static void OpenDocumentIn(int number, Args &&...args)
    {
        Register documentRegister(std::forward<Args>(args)...);
        documentRegister.openDocument(number);
    }
    // Finds the number and clicks Bearbeiten; false when it does not exist.
    bool openDocument(int number);

    // The two numbers last read from the copy or delete dialog.
    int lastFromNumber() const { return m_lastFrom; }
    int lastToNumber() const { return m_lastTo; }

    // The commands of the buttons and the popup menu.
    virtual void bbtNeuClick();
    virtual void bbtAendernClick();
    virtual void bbtKopierenClick();
    virtual void bbtLoeschenClick();
    virtual void bbtSuchenClick();
    virtual void bbtDruckenClick();
    virtual void BitBtnMasterFormClick();
    virtual void SpeedButtonParameterClick();
    // The search routines the search dialogs call.
    virtual void SuchenRoutine(TfrmSuche &dialog);
    virtual void SearchAsYouType(TSearchDlg &dialog);

    // Closing runs the closing steps once, whatever closes the window.
    void done(int result) override;

    TWheelDBGrid *dbgrRegie;
    QToolButton *SpeedButton2; // "&Neu"
    QToolButton *SpeedButton3; // "&Bearbeiten"
    QToolButton *SpeedButton4; // "&Löschen"
    QToolButton *SpeedButton5; // "&Kopieren"
    QToolButton *SpeedButton6; // "&Suchen"
    QToolButton *SpeedButton7; // "&Drucken"
    QToolButton *SpeedButton12; // "&Master-Form"
    QToolButton *SpeedButtonParameter; // "&Parameter"
    QToolButton *SpeedButton1; // "Sc&hließen"
    QToolButton *SpeedButton8; // first
    QToolButton *SpeedButton9; // previous
    QToolButton *SpeedButton10; // next
    QToolButton *SpeedButton11; // last
    QMenu *PopupMenu1;
    QAction *Neu1;
    QAction *Bearbeiten1;
    QAction *Lschen1;
    QAction *Kopieren1;
    QAction *Suchen1;
    QAction *Drucken1;
    QAction *MasterForm1;
    QAction *Parameter1;
    QAction *Schlieen1;

protected:
    // Steps a kind may do differently.
    virtual void FormShow();
    virtual void FormClose();
    // Neu: the new document under the number, current afterwards.
    virtual bool createDocument(int number);
    // Kopieren: the copy of a document under the target number, current afterwards.
    virtual bool copyDocument(int source, int target);
    // Löschen: removes what belongs to the current head before the head goes.
    virtual void deleteDetails();
    // Löschen of the current document: its details and head in one transaction.
    void deleteDocument();
    // Suchen: the keys of the search window and the routine behind "Suchen".
    virtual void prepareSearch(TfrmSuche &dialog);

    // The number proposal: the stored value (Null counts as 0), the first
    // number from start on that no document has, and storing a new value.
    int storedProposal();
    int firstFreeNumber(int start);
    void storeProposal(int value);
    // Whether a document has the number, whatever range, filter or order
    // the head table has.
    bool documentExists(int number);
    int positionCount(int number);
    // Stores the position count of the current document (AnzPos).
    void storePositionCount();
    // The position count of every document, on opening.
    void recountPositions();

    // The range that hides the template, where the kind has it, and the
    // button states that follow.
    void applyTemplateRange();
    // The filter that hides the template, where the kind has it: on while
    // the head table holds two or more records, else off.
    void applyTemplateFilter();
    // Bearbeiten, Löschen, Kopieren and Suchen with their menu items.
    void setDocumentCommandsEnabled(bool enabled);

    // A command button below the others (and its popup item when caption
    // is given), for the commands a kind has of its own.
    QToolButton *addCommandButton(
        const QString &objectName, const QString &caption, const std::function<void()> &command);
    QAction *addPopupItem(const QString &objectName, const QString &caption, const std::function<void()> &command);
    // Runs a command; an error ends it with the error dialog.
    void runCommand(const std::function<void()> &command);

    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void printCurrent(const QString &captionPrefix);
    void reloadAfterFailedDelete();
    // Widens the window so that the grid shows all its columns.
    void fitWidthToColumns();
    void buildWindow();
    void openTables();
    void ensureTemplate();
    void ensureTemplatePosition();
    void updateNavigation();
    void setHighlighted(QToolButton *button, bool highlighted);
    QToolButton *commandButton(const QString &objectName, const QString &caption);
    QAction *popupItem(const QString &objectName, const QString &caption, QToolButton *button);

    DocumentKind m_kind;
    platform::Table *m_head = nullptr;
    platform::Table *m_positions = nullptr;
    platform::Table *m_parameter = nullptr;
    platform::Table *m_lookup = nullptr; // existence checks, never narrowed
    platform::DataSetModel *m_model = nullptr;
    QVBoxLayout *m_commands = nullptr;
    QVector<QToolButton *> m_commandButtons;
    int m_lastFrom = 0;
    int m_lastTo = 0;
    bool m_shown = false;
    bool m_closed = false;
};

} // namespace shell
