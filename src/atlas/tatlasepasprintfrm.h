#pragma once

#include "atlas/epasfields.h"
#include "shell/printwindow.h"

#include <QHash>
#include <QStringList>
#include <QVector>

namespace platform {
class PrintCanvas;
}

namespace atlas {

inline const QString EpasMainRow = QStringLiteral("EPAS - Hauptseite");
inline const QString EpasListRow = QStringLiteral("EPAS - Positionen");
inline const QString EpasJobTitle = QStringLiteral("Export / Versand: EPAS - Ausfuhr/Sicherheit");

// One goods item as the item list prints it: the item's fields and its four
// lists, each entry already joined with single blanks and trimmed.
struct EpasItem {
    QString pos;
    QString description; // WarenBez
    QString procedure; // Verfahren_angemeldet + " " + Verfahren_weiteres
    QString note; // Vermerk
    QString goodsNumber;
    QString bundesland;
    QString rohmasse;
    QString menge;
    QString wert;
    QString eigenmasse;
    QStringList packages;
    QStringList previousDocuments;
    QStringList documents;
    QStringList containers;
};

// The declaration as the print reads it.
struct EpasDeclaration {
    QHash<QString, QString> head; // field name in lower case -> text
    QVector<EpasItem> items;
    QStringList seals;
    QStringList route;

    QString field(const QString &name) const { return head.value(name.toLower()); }
    // Reads the declaration; false when the number is not there.
    bool read(int number);
};

// Where the rows of one item's block lie on an item-list page (d downwards,
// 0.1 mm) and which lines of its text cells print. The same layout counts
// the pages and draws them, so the count always matches the print.
struct EpasItemBlock {
    // A word-wrapped text cell: its lines and how many of them print (fewer
    // only when the item alone is taller than a page and is cut at the foot).
    struct Cell {
        QStringList lines;
        int shown = 0;
    };
    Cell packages; // x 210-1115
    Cell description; // x 1125-2020
    Cell previousDocuments; // x 1125-2020
    Cell documents; // x 210-1115
    Cell containers; // x 1125-1680
    Cell note; // x 210-1105
    int lineHeight = 0;
    int top = 0;
    int r1 = 0, r2 = 0, r4 = 0, r5 = 0, r6 = 0;
    int bottom = 0;
    bool cut = false;
};

// "Druck EPAS BelegNr.: ": the export and security document of the emergency
// procedure, drawn complete on blank A4 paper: per set the main sheet in
// three copies, then every item-list page three times.
class TAtlasEPASPrintFrm : public shell::PrintWindow
{
    Q_OBJECT
public:
    // The first item's block starts here on every list page; no block may end
    // below the foot.
    static constexpr int ListTop = 596;
    static constexpr int ListFoot = 2750;

    explicit TAtlasEPASPrintFrm(QWidget *parent = nullptr);
    ~TAtlasEPASPrintFrm() override;

    // The only entry: finds the declaration, asks for the entries it lacks
    // and shows the window, which prints on OK.
    static void PrintEpas(int belegNr, QWidget *parent = nullptr);

    // The two settings rows, created with the selected printer when missing;
    // the status bar names the printer.
    void EnsurePrintSettings();
    // Fills the print fields from the declaration and asks for the rest;
    // false when the user cancels.
    bool PrepareEpasFields();
    // Positions the window on the declaration and reads it; false when absent.
    bool loadDeclaration(int belegNr);

    // The run of OK: every set, each sheet a job of its own.
    void run();

    // The pages of the item list, each the indexes of the items it carries.
    QVector<QVector<int>> paginate(const platform::PrintCanvas &canvas) const;
    // N: the main sheet and the item-list pages (at least one).
    int CountEpasForms(const platform::PrintCanvas &canvas) const;
    // The block of item index placed with its top at top; full when it ends
    // below the foot of the page. A block that cannot fit even on an empty
    // page is cut at the foot when cutAtFoot is set.
    EpasItemBlock MeasureItemBlock(
        const platform::PrintCanvas &canvas, int item, int top, bool *full, bool cutAtFoot = false) const;

    // The label font (plain, -22) or the data font (the print font's style,
    // -30), in Arial Narrow when that is installed, else Arial; 0: default height.
    static void SetEpasFont(platform::PrintCanvas &canvas, bool data, int height = 0);
    static QString epasFace();
    static QString PadLeftZeros(const QString &text, int width);

    TEpasPrintFields Fields;
    EpasDeclaration Declaration;
    int PageNumber = 0;
    int FormCount = 0;

    // The drawing of one sheet inside a running job, with the sheet's offsets
    // (X, Y already moved for the sheet).
    void PrintEpasMainSheet(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets, int copy);
    void PrintItemListPage(
        platform::PrintCanvas &canvas, const shell::PageOffsets &offsets, int page, const QVector<int> &items);
    void DrawCopyFrame(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets, int copy);
    void DrawItemListHeader(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets, int page);
    void DrawSpecialStamp(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets);

private:
    void drawItemBlock(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets, const EpasItem &item,
        const EpasItemBlock &block);
    // A caption in markup at a page position; tabs in it are page positions.
    void caption(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets, int x, int d, const QString &markup,
        int height = 0);
    void emergencyBlock(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets);
    QString mainSheetValue(const QString &name) const;
};

} // namespace atlas
