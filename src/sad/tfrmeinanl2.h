#pragma once

#include "sad/declarationwindow.h"
#include "sad/dutycalculation.h"

class QFrame;
class QToolButton;

namespace sad {

class TfrmEinheit2;

// The import goods-item window "Packstücke und Warenbezeichnung" as data.
shell::EntryWindowDefinition importItemDefinition();

// The question after a failed save of the item.
inline const QString ImportItemSaveQuestion
    = QStringLiteral("Beim Speichern wurde ein Fehlerhafter eintrag gefunden!\r\rMöchten Sie diesen Korrigieren?");

// The warning at the first key in box 47 that is no digit.
inline const QString DutyKeyWarning = QStringLiteral(
    "Durch die Eingaben von Buchstaben oder Zeichen kann die \rautomatische Berechnung nicht fehlerfrei "
    "durchgeführt werden!");

// "Packstücke und Warenbezeichnung": boxes 31 to 46 of one goods item of the
// import declaration, its box 47 duty calculation of eight lines with the
// item's total and, on the first item of a continuation sheet, the summary
// of that sheet (Panel3).
class TfrmEinAnl2 : public GoodsItemWindow
{
    Q_OBJECT
public:
    explicit TfrmEinAnl2(DeclarationWindow &declaration, QWidget *parent = nullptr);
    ~TfrmEinAnl2() override;

    // Box 47 from the bases and rates: each line's amount, the marks of the
    // lines with errors and the item's total; the item is posted.
    void RecalculateDuties();
    // The summary of the item d items before this one, written into it.
    void CopySheetSummary(int distance);

    bool plausibilityCheck() override;

    QFrame *Panel3 = nullptr; // the sheet summary
    QToolButton *SpeedButton27 = nullptr; // box 44 information
    QToolButton *Image1 = nullptr; // beside box 47's caption: to the bottom

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool formClose() override;

private:
    void buildBox44Information();
    void buildSummaryPanel();
    void dutyFieldLeft(const QString &field);
    void summaryFieldLeft(const QString &field);
    void markLine(int line, bool invalid);
    bool isDutyNumberEdit(QObject *watched) const;

    bool m_warned = false;
    bool m_shown = false;
};

extern TfrmEinAnl2 *frmEinAnl2;

} // namespace sad
