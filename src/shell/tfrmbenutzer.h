#pragma once

#include <QDialog>

class QLabel;
class QToolButton;

namespace platform {
class DataComboBox;
class DataEdit;
class DataSetModel;
class Table;
}

namespace shell {

class TfrmSuche;
class TWheelDBGrid;

// The users window "Benutzerverwaltung": keeps S_BEARB.DB with exactly one
// system administrator; a new user gets the next number and his directory
// with the print settings. Only the administrator may move through the
// users and add, change or delete them.
class TfrmBenutzer : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmBenutzer(QWidget *parent = nullptr);
    ~TfrmBenutzer() override;

    platform::Table &users() { return *m_users; }
    bool twoAdministrators() const { return m_twoAdministrators; }

    void First();
    void Prior();
    void Next();
    void Last();
    void Add();
    void Delete();
    void Edit();
    void Search();
    // The search routine of the search window: filters by short name or name.
    void SuchenRoutine(TfrmSuche &dialog);

    void done(int result) override;

    TWheelDBGrid *dbgrBenutzer;
    platform::DataEdit *edKurzname;
    platform::DataEdit *edName;
    platform::DataEdit *edVorname;
    platform::DataEdit *edTelefon;
    platform::DataEdit *edUnserZeichen;
    platform::DataEdit *edPasswort;
    platform::DataComboBox *cbFunktion;
    QToolButton *btnFirst;
    QToolButton *btnPrior;
    QToolButton *btnNext;
    QToolButton *btnLast;
    QToolButton *btnAdd;
    QToolButton *btnDelete;
    QToolButton *btnEdit;
    QToolButton *btnSearch;
    QToolButton *btnClose;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int administratorCount();
    void updateButtons();

    platform::Table *m_users;
    platform::DataSetModel *m_model;
    int m_newNumber = 0;
    bool m_restricted = false;
    bool m_twoAdministrators = false;
    bool m_posted = false;
    bool m_warning = false;
};

} // namespace shell
