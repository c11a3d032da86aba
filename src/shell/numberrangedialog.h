#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QToolButton;

namespace shell {

// The shape of the copy and delete dialogs: two document numbers under two
// labels, "OK" and "Abbrechen". Enter acts as OK, Escape as Abbrechen.
// Whichever way the dialog closes, both numbers are converted first: while
// either text is no whole number the conversion error is reported and the
// dialog stays open. A number above the last document number turns the
// result into Cancel (refuseTemplate says how).
class NumberRangeDialog : public QDialog
{
    Q_OBJECT
public:
    // Reading converts the edit's text (ConversionError when it is no whole
    // number); writing replaces the text only when it differs.
    int FromNumber() const;
    void setFromNumber(int number);
    int ToNumber() const;
    void setToNumber(int number);

    void done(int result) override;

    QLabel *Label1;
    QLineEdit *Edit1;
    QLabel *Label2;
    QLineEdit *Edit2;
    QToolButton *OKBtn;
    QToolButton *CancelBtn;

protected:
    NumberRangeDialog(const QString &objectName, const QString &caption, const QString &toLabel, QWidget *parent);

    // Called when a number reaches the template; the result is Cancel.
    virtual void refuseTemplate() { }

    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static void setNumber(QLineEdit *edit, int number);
};

// "Kopieren": from "von" to "nach". A number above 1999999999 cancels
// without a message.
class TCopyDlg : public NumberRangeDialog
{
    Q_OBJECT
public:
    explicit TCopyDlg(QWidget *parent = nullptr);
};

// "Löschen": from "von" to "bis". A number above 1999999999 is refused with
// "Masterformular kann nicht gelöscht werden !".
class TDeleteDlg : public NumberRangeDialog
{
    Q_OBJECT
public:
    explicit TDeleteDlg(QWidget *parent = nullptr);

protected:
    void refuseTemplate() override;
};

} // namespace shell
