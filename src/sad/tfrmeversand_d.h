#pragma once

#include "shell/printwindow.h"

#include <QBitArray>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace platform {
class Session;
}

namespace sad {

// The settings rows of the transit declaration's sheets.
inline const QString TransitFirstSheetRow = QStringLiteral("VERSANDANMELDUNG");
inline const QString TransitContinuationRow = QStringLiteral("VERSANDANMELDUNG - ERGÄNZ");
inline const QString TransitJobTitle = QStringLiteral("Export / Versand: Versandmeldung");

// The data directory's master copy of S_BENUTZ.DB gets both rows without a
// printer.
void addTransitPrintRows(platform::Session &session);

shell::PrintWindowDefinition transitPrintDefinition();

// The print of one transit declaration T1/T2 onto the pre-printed set
// "Formular T1" with its continuation sheets, or complete on blank paper
// (six sheets per page). The opener sets the caption.
class TfrmEVersand_d : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit TfrmEVersand_d(QWidget *parent = nullptr);
    ~TfrmEVersand_d() override;

    int PageCount() const { return m_pageCount; }
    bool isTemplate();

    bool NumberAsked = false;
    QBitArray PreStampMask;

    QLabel *Label4 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QAction *Action1 = nullptr;

    // "&Vorabstempler - Parameter".
    void MenuItemVorabstemplerParameterClick();
    // The run of OK.
    void run();
    // One page (1: the main sheet) as one job.
    void PrintPage(int page);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void RadioGroup2Click();
    void LoadPreStampMask();
    void PrintMainSheet();
    void PrintContinuationSheet(int page);
    // The data of the main sheet / of a continuation sheet as sheet sheetOfSet
    // of the set (1 on the pre-printed form).
    void fillMainSheet(shell::SheetJob &job, int sheetOfSet);
    void fillContinuationSheet(shell::SheetJob &job, int sheetOfSet);
    void printBacks();
    // The insert-the-form question before a page.
    QString paperQuestion(int page, bool range) const;

    int m_pageCount = 1;
};

} // namespace sad
