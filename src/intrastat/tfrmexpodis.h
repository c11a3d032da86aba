#pragma once

#include <QDialog>

class QAction;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace shell {
class RadioGroup;
}

namespace intrastat {

class TfrmRegieIntrastat;
class Tfrmparam;

// The settings key of the statistics office's page for sending Intrastat
// files; the installation sets it.
inline const QString OnlineReportKey = QStringLiteral("IntraOnlineMeldung");

// "Intrastat-Export - Daten Export": writes the declarations of a month of
// the register's direction to the statistics file on a removable medium or
// in a folder, after checking the free space, and reports the number of
// lines and the two totals.
class Tfrmexpodis : public QDialog
{
    Q_OBJECT
public:
    Tfrmexpodis(TfrmRegieIntrastat &intrastatRegister, QWidget *parent = nullptr);
    ~Tfrmexpodis() override;

    // "Start": true when the file was written (the window then closes).
    bool start();
    // Leaving the month field, releasing a key in the year field.
    void monthLeft();
    void yearChanged();
    // "&Einstellungen" and "&Online-Meldung".
    void showSettings();
    void onlineReport();

    QLineEdit *Edit1 = nullptr; // month
    QLineEdit *Edit2 = nullptr; // year
    shell::RadioGroup *RadioGroup1 = nullptr; // "Speicherort:"
    QPushButton *BtnStart = nullptr;
    QPushButton *BtnAbbruch = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QAction *mnuEinstellungen = nullptr;
    QAction *mnuOnlineMeldung = nullptr;
    Tfrmparam *parameters() const { return m_parameters; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The folder of the target; empty when there is none (cancelled).
    QString targetFolder(bool *medium);
    bool validNumber(QLineEdit *edit);

    TfrmRegieIntrastat &m_intrastat;
    Tfrmparam *m_parameters = nullptr;
};

} // namespace intrastat
