#pragma once

#include "shell/crashreport.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace shell {

// The program's error dialog for exceptions that no routine caught: the
// message, and behind "Details >" the user's description, the full report,
// saving the report ("Bericht Sendern"), ending and restarting the program.
class TExceptionDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int CollapsedHeight = 176;
    static constexpr int ExpandedHeight = 419;

    explicit TExceptionDlg(const CrashReport &report, QWidget *parent = nullptr);

    CrashReport &report() { return m_report; }
    // Saves the report with the user's description and the screen shot into
    // the folder; the report file's path, empty when it could not be written.
    QString saveReport(const QString &folder);

    void reject() override;

    QLabel *Image1;
    QLabel *Label1;
    QPlainTextEdit *Memo1;
    QPushButton *BtnOK;
    QPushButton *BtnDetails;
    QPushButton *BtnBerichtAnzeigen;
    QPushButton *BtnBerichtSenden;
    QPushButton *BtnBeenden;
    QPushButton *BtnNeustarten;

private:
    void toggleDetails();
    void sendReport();
    void restartProgram();

    CrashReport m_report;
};

// Shows the error dialog for the report and frees it when it closes. While
// one is open, further reports are added to its report instead of opening
// another dialog over it.
void ShowExceptionDialog(const CrashReport &report);

} // namespace shell
