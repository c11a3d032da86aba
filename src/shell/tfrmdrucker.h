#pragma once

#include <QColor>
#include <QDialog>
#include <QStringList>

#include <memory>

class QLabel;
class QPushButton;

namespace platform {
class DataEdit;
class Table;
}

namespace shell {

class TWheelDBGrid;
class EditableDataSetModel;

// "Drucker-Verwaltung": the user's print settings S_BENUTZ.DB, one row per
// printed form with its printer, corrections and copies. Print windows show
// it filtered to their own rows (filterRows before exec); closing it posts
// and removes that filter.
class TfrmDrucker : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmDrucker(QWidget *parent = nullptr);
    ~TfrmDrucker() override;

    platform::Table &tbbenutz() { return *m_settings; }
    platform::Table &tbFelderJust() { return *m_corrections; }
    // Shows only the rows whose name matches the pattern (a trailing "*"
    // matches any rest), in any letter case.
    void filterRows(const QString &pattern);
    // The rows that match any of the patterns.
    void filterRows(const QStringList &patterns);

    TWheelDBGrid *DBGrid1 = nullptr;
    QPushButton *BtnOK = nullptr;
    QPushButton *BtnFelderJustieren = nullptr;
    // Hidden; the Intrastat print and the main window's printer parameters
    // show them.
    QLabel *lblInta = nullptr;
    platform::DataEdit *edtInta = nullptr;

    // The three status panels: assigned, not assigned, faulty rows.
    QString panelText(int panel) const;

    // Double click on a row: the printer setup; a confirmed choice becomes
    // the row's printer.
    void assignPrinter();
    // "Felder Justieren": TfrmFelderJustieren on the row's corrections.
    void openFieldAdjustment();
    // The window's own help: what the corrections do.
    void showHelp();
    static QStringList helpLines();

    // Colours of the rows and panels by their printer.
    static const QColor AssignedColor;
    static const QColor NotAssignedColor;
    static const QColor FaultyColor;
    static const QColor ButtonFaceColor;

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateCounts();
    void rowChanged();

    std::unique_ptr<platform::Table> m_settings;
    std::unique_ptr<platform::Table> m_corrections;
    EditableDataSetModel *m_model = nullptr;
    QLabel *m_panels[3] = {};
    bool m_counting = false;
};

} // namespace shell
