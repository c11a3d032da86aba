#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

namespace shell {

class DocumentRegister;

// The entry window of a document kind as the register sees it: a modal
// window over the register's tables whose second status panel shows the
// document number text the register gives it.
class DocumentEntryWindow : public QDialog
{
    Q_OBJECT
public:
    using QDialog::QDialog;
    virtual void setNumberText(const QString &text) = 0;
};

// The print window of a document kind as the register sees it: it opens its
// own tables and is positioned by its opener on the document number.
class DocumentPrintWindow : public QDialog
{
    Q_OBJECT
public:
    using QDialog::QDialog;
    // Finds the document in the window's own head table; false when absent.
    virtual bool findDocument(int number) = 0;
};

struct GridColumn {
    QString field;
    QString caption;  // empty: the field name
    int width = 10;   // in characters
};

// The three fields of a kind in the parameter record S_PARAME.DB.
struct ParameterFields {
    QString proposal;  // "VorschlagNr_3", "Vorschlag_T2L"
    QString plausi;    // "Plausi_3"; empty when the kind has none
    QString memo;      // "Memo_3": fixed fields of the template
    // Pre-stamp files handed to the parameter dialog (export and transit).
    QString preStampFile1;
    QString preStampFile2;
    QString preStampMemo;
};

enum class TemplateHiding {
    None,    // the template shows in the grid as the last row
    Range,   // a key range 1 .. 2000000000 (end excluded) hides it while shown
    Filter,  // the filter "BelegNr < 2000000000" hides it
};

enum class SearchStyle {
    Suche,            // TfrmSuche: filter on "Suchen", keys "BelegNr." and a name
    SearchAsYouType,  // TSearchDlg: nearest record on every keystroke
};

enum class CopyStyle {
    Record,                 // CopyRecord
    DocumentWithPositions,  // CopyDocumentWithPositions
};

// Everything in which the registers of the document kinds differ, as data.
// One register class (DocumentRegister) serves every kind; a kind whose
// register departs further overrides its virtual steps.
struct DocumentKind {
    QString code;             // parameter code: "3" for EUR.1, "T2L"
    QString registerClass;    // object name of the window: "TfrmRegieEUR1"
    QString caption;          // "Regiezentrum: EUR. 1"
    QString headTable;        // "EUR1.DB"
    QString headComponent;    // "tbEur1": object name of the head table
    QString numberField = QStringLiteral("BelegNr");
    QString positionTable;    // empty for kinds without positions
    QString positionComponent;
    QString positionLinkField = QStringLiteral("BelegNr");
    ParameterFields parameter;
    QVector<GridColumn> columns;
    QStringList navigationHints;  // first, previous, next, last
    // Status panel 1 of the entry window.
    QString statusNumberPrefix = QStringLiteral("BelegNr: ");
    QString statusTemplateText = QStringLiteral("Master-Formular");
    QString printCaptionPrefix;   // "Druck Eur1 - Belegnummer: "

    SearchStyle search = SearchStyle::Suche;
    QString searchNameField;      // consignee field: "we3_1", "f8_1"; empty: none, a name finds nothing
    QString searchNameCaption = QStringLiteral("Empfänger");
    QString nameIndex;            // secondary index on the name field: "iName"
    bool searchNameCaseSensitive = false; // the name search keeps the letter case typed

    TemplateHiding templateHiding = TemplateHiding::None;
    CopyStyle copy = CopyStyle::Record;
    bool templateDateToday = true;            // else field 1 of a new template is "1"
    bool neuRefreshesTables = true;           // Neu re-reads parameter and head first
    bool neuRefreshesPositions = true;        // and the positions with them
    bool kopierenRefreshesTables = false;     // Kopieren cancels the range and re-reads first
    bool proposalSetBackAfterCopy = false;    // a successful copy stores the proposal back
    bool storesCurrentNumberOnClose = false;  // CurrentDocumentNumber := current number on close
    bool setsCurrentNumberBeforeOpening = false;
    bool documentOneDatedToday = true;        // document 1 appended on close gets today's date
    bool hoverHighlight = false;              // command captions blue and underlined under the mouse
    QString positionsCountField;              // "AnzPos": stored after the entry window closes
                                              // and recounted for every document on opening
    bool searchRefreshesTables = false;       // Suchen cancels the range and re-reads first
    bool parameterRefreshesTable = false;     // Parameter re-reads the parameter record first
    bool positionOneOnClose = true;           // closing with only the template appends position (1, 1)
    bool positionOneWhenAlone = true;         // only when the whole position table holds at most one;
                                              // false: always, on the positions of document 1
    // The date field of the template position, dated today when the register
    // creates it ("datu"); empty: none.
    QString templatePositionDateField;
    // A document holds at most this many positions (0: any number); adding
    // one more is refused with the message.
    int positionLimit = 0;
    QString positionLimitMessage;
    bool templatePosition = true;             // opening adds the template's position (2000000000, 1)
    // Head fields Neu and Kopieren leave empty in the new document (fields
    // outside the register's list, a ticket number that belongs to one
    // document only).
    QStringList newLeavesEmpty;
    QStringList copyLeavesEmpty;
    // Kopieren numbers the copied positions 1, 2, 3 ... in this field and
    // dates them today in that one (empty: copied as they are); a failure is
    // then shown.
    QString copyNumbersPositionsIn;
    QString copyDatesPositionsIn;
    bool neuAboveTemplateOpensCurrent = false; // Neu with a free number above the template opens the
                                               // current document instead of creating one

    // The program-wide instance variable of the kind's register (frmRegieEUR1),
    // set while a register of the kind exists.
    DocumentRegister **instance = nullptr;

    // Windows of the kind. The entry window works on the register's tables.
    std::function<DocumentEntryWindow *(DocumentRegister &, QWidget *parent)> createEntryWindow;
    std::function<DocumentPrintWindow *(DocumentRegister &, QWidget *parent)> createPrintWindow;
};

} // namespace shell
