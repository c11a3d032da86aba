#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace shell {

// Information box with a message and a scrollable list of detail lines.
class TInfoDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TInfoDialog(QWidget *parent = nullptr);

    QLabel *lbl_Message;
    QPlainTextEdit *Memo_Details;
    QPushButton *BtnJa;
    QPushButton *BtnNein;
};

// Mode 0: caption "Zu Ihrer Information"; mode 1: only a "Schließen" button,
// caption "Hinweise zu den Druck-Parametern"; other modes keep the designed
// caption and both buttons. True when closed with "Ja".
bool ShowInfoDialog(int mode, const QString &message, const QStringList &details);

} // namespace shell
