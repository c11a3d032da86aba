#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace shell {

// The full crash report, read-only.
class TfrmBugReport : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmBugReport(QWidget *parent = nullptr);

    QPlainTextEdit *Memo1;
    QPushButton *BtnOK;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Shows the report text (line breaks kept) modally.
void ShowBugReport(const QString &reportText, QWidget *parent = nullptr);

} // namespace shell
