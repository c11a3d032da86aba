#pragma once

#include "platform/canvasfont.h"

#include <QDialog>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QStatusBar;

namespace platform {
class PrintCanvas;
class Table;
}

namespace masterdata {

class ListRecord;

// The text of a caption or value, read from the record being printed.
using ListText = std::function<QString(ListRecord &)>;

// One element of a record block. Positions are those of the first block,
// in tenths of a millimetre from the top-left corner of an A4 sheet; block
// i is drawn i steps lower.
struct ListItem {
    enum class Kind { Caption, Value, Line };
    Kind kind = Kind::Caption;
    int x = 0;
    int y = 0;
    // Value: the reference caption; the value starts at x plus its width in
    // the bold font.
    QString reference {};
    ListText text {};
    // Printed only for records it holds for (every record when empty).
    std::function<bool(ListRecord &)> when {};
    // Left out in the last block of a full sheet.
    bool betweenBlocksOnly = false;
    // A caption in a style of its own instead of the layout's.
    std::optional<platform::FontStyles> style {};
};

ListItem listCaption(int x, int y, const QString &text);
ListItem listCaption(int x, int y, ListText text);
ListItem listCaption(int x, int y, const QString &text, platform::FontStyles style);
ListItem listValue(int x, int y, const QString &reference, const QString &field);
ListItem listValue(int x, int y, const QString &reference, ListText text);
// A line across the frame, from x 100 to the frame's right edge.
ListItem listLine(int y);
// The same line under every block but the last of a full sheet.
ListItem listLineBetweenBlocks(int y);

// A table whose record is found for each printed record: its key field
// equals the list table's masterField.
struct ListLookup {
    QString name {};
    QString table {};
    QString keyField {};
    QString masterField {};
};

// A master-data list on blank paper: what differs from one list to the next.
struct ListLayout {
    QString listName {}; // window caption: Druck "<listName>"
    QString table {};
    QString order {}; // field list; empty: the table's key
    QVector<ListLookup> lookups {};
    QString jobTitle {}; // one print job per sheet, titled so
    QString progressText {};
    QString title {};
    int titleX = -1; // -1: centred on x 1050
    int frameRight = 2000;
    int frameBottom = 2800;
    int recordsPerSheet = 0; // 0: every record on the one sheet
    int step = 0;
    // A fixed sheet question instead of the counted one.
    QString fixedQuestion {};
    platform::FontStyles captionStyle = platform::FontStyle::Underline;
    // "Abbrechen" drops a job that is still running.
    bool cancelAbortsJob = false;
    QVector<ListItem> items {};
};

// The record being printed, with its looked-up records.
class ListRecord
{
public:
    ListRecord(platform::Table &table, const QVector<ListLookup> &lookups,
        const QVector<std::shared_ptr<platform::Table>> &lookupTables);
    QString field(const QString &name) const;
    // A field of the record the lookup finds; empty when it finds none.
    QString lookup(const QString &lookupName, const QString &fieldName) const;

private:
    platform::Table &m_table;
    const QVector<ListLookup> &m_lookups;
    const QVector<std::shared_ptr<platform::Table>> &m_lookupTables;
};

// Sheets asked for: records divided by the records per sheet, rounded up.
int listSheetCount(int records, int recordsPerSheet);
// "Bitte legen Sie 1 leeres Blatt \rin den Drucker ein! " and the plural.
QString sheetQuestion(int sheets);

// The list-print window of every master-data list: "Drucken" asks for the
// blank sheets and prints the list, one job per sheet; "&Drucker einrichten"
// chooses the printer. The list uses neither print settings nor offsets.
class ListPrintWindow : public QDialog
{
    Q_OBJECT
public:
    explicit ListPrintWindow(const ListLayout &layout, QWidget *parent = nullptr);
    ~ListPrintWindow() override;

    const ListLayout &layout() const { return m_layout; }
    platform::Table &table() { return *m_table; }
    QPushButton *printButton() const { return m_print; }
    QPushButton *cancelButton() const { return m_cancel; }
    QStatusBar *statusBar() const { return m_statusBar; }

    // "Drucken": the sheet question, then the sheets; the window then closes.
    void print();
    void setupPrinter();

private:
    void showPrinterName();
    void printSheet(int page, ListRecord &record);
    void cancel();

    ListLayout m_layout;
    platform::Table *m_table;
    QVector<std::shared_ptr<platform::Table>> m_lookupTables;
    QLabel *m_progressLabel;
    QProgressBar *m_progress;
    QPushButton *m_print;
    QPushButton *m_cancel;
    QStatusBar *m_statusBar;
};

// Creates the list-print window of a layout, shows it modally and frees it.
void showListPrint(const ListLayout &layout, QWidget *parent = nullptr);

} // namespace masterdata
