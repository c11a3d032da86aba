#pragma once

#include "shell/documentkind.h"

#include <QDialog>

class QLabel;
class QToolButton;

namespace platform {
class DataCheckBox;
class DataEdit;
class Table;
}

namespace shell {

// The small dialog "Parameter" of the registers (a kind's number proposal
// and plausibility switch) and of the main window (VAT rate and number).
// It owns no table: the caller binds its controls to its own parameter
// table, shows it and posts or cancels the record itself; the two
// protocols below do exactly that.
class TfrmParameter : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmParameter(QWidget *parent = nullptr);

    // The pre-stamp files of the export and transit declarations; kept for
    // the caller, nothing in the dialog shows them.
    void SetPreStampFiles(const QString &firstFile, const QString &secondFile, const QString &memoField = {});
    const QString &preStampFile1() const { return m_preStampFile1; }
    const QString &preStampFile2() const { return m_preStampFile2; }
    const QString &preStampMemo() const { return m_preStampMemo; }

    // OK takes what the edits still hold into the record first; a text that
    // is no number keeps the dialog open with the error shown.
    void done(int result) override;

    QLabel *Label1;
    platform::DataEdit *DBEdit1;
    platform::DataCheckBox *DBCheckBox1;
    QLabel *Label2;
    platform::DataEdit *DBEdit2;
    QToolButton *BtnOK;
    QToolButton *BtnAbbrechen;

private:
    QString m_preStampFile1;
    QString m_preStampFile2;
    QString m_preStampMemo;
};

// The register protocol: binds the number edit to the kind's proposal and
// the check box to its switch (hidden when the kind has none), shows the
// dialog, and on OK posts the parameter record when it is being edited,
// otherwise cancels its changes. With refreshFirst the record is re-read
// before. True when closed with OK.
bool runParameterDialog(
    platform::Table &parameter, const ParameterFields &fields, bool refreshFirst, QWidget *parent = nullptr);

// The main window's protocol: VAT rate ("MWST") and VAT number.
bool runVatParameterDialog(platform::Table &parameter, QWidget *parent = nullptr);

} // namespace shell
