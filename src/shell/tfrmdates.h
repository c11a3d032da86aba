#pragma once

#include <QDate>
#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace shell {

// "Von - Bis": the range of a list by date and the kind of file. Leaving a
// date that is no date shows "Sie haben kein gültiges Datum eingegeben!" and
// keeps the focus there; of the two file kinds exactly one is ticked after
// any click.
class TfrmDates : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmDates(QWidget *parent = nullptr);

    // The date of a date edit ("dd.MM.yyyy"); nothing when it is none.
    static std::optional<QDate> dateOf(const QLineEdit *edit);
    std::optional<QDate> fromDate() const { return dateOf(MaskEdit_Von); }
    std::optional<QDate> toDate() const { return dateOf(MaskEdit_Bis); }
    bool excel() const;
    bool text() const;

    QLabel *Label3 = nullptr;
    QLineEdit *MaskEdit_Von = nullptr;
    QLineEdit *MaskEdit_Bis = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QCheckBox *CheckBox2 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // false (after the message) when the edit holds no date.
    bool checkDate(QLineEdit *edit);
    void tryAccept();
    bool m_checking = false;
};

} // namespace shell
