#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace platform {
class Table;
}

namespace shell {

// The login dialog "Zugangsberechtigung": a short name chosen from the user
// table and its password; three wrong passwords end it without OK.
class TPasswordDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TPasswordDlg(QWidget *parent = nullptr);
    ~TPasswordDlg() override;

    // The dialog's own user table, ordered by short name; after OK it stands
    // on the user who logged in.
    platform::Table &users() { return *m_users; }
    // Short name and number of the record the table stands on ("" and 0
    // without one).
    QString currentKurzname() const;
    int currentUserNr() const;

    void OKBtnClick();

    QComboBox *cbbxBenutzer;
    QLineEdit *Password;
    QPushButton *OKBtn;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    platform::Table *m_users;
    int m_tries = 1;
};

} // namespace shell
