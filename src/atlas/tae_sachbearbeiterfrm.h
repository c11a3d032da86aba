#pragma once

#include <QDialog>

class QPushButton;

namespace platform {
class DataEdit;
class DataSet;
}

namespace atlas {

// "AE_SachbearbeiterFrm": the contact person of one party of the
// declaration (position, clerk, e-mail, fax, telephone), written straight
// into the head record; the entry window posts it.
class TAE_SachbearbeiterFrm : public QDialog
{
    Q_OBJECT
public:
    // kind 0 declarant (ANM_), 1 exporter (EXP_), 2 representative (VER_),
    // 3 subcontractor (SUB_).
    TAE_SachbearbeiterFrm(platform::DataSet *head, int kind, QWidget *parent = nullptr);

    // Shows the dialog for the party of the kind; always true.
    static bool EditClerk(platform::DataSet *head, int kind, QWidget *parent = nullptr);
    // The five fields of a kind in the order of the edits.
    static QStringList clerkFields(int kind);

    platform::DataEdit *edits[5];
    QPushButton *btnOK;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace atlas
