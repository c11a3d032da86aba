#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace shell {

// Month calendar: the caller creates it, shows it modally and on OK reads
// the calendar's date (year, month, day).
class TBrDateForm : public QDialog
{
    Q_OBJECT
public:
    explicit TBrDateForm(QWidget *parent = nullptr);

    QDate date() const;
    void setDate(const QDate &date);

    QLabel *TitleLabel;
    QCalendarWidget *Calendar1;
    QPushButton *BtnPrevYear;
    QPushButton *BtnPrevMonth;
    QPushButton *BtnNextMonth;
    QPushButton *BtnNextYear;
    QPushButton *BtnOK;
    QPushButton *BtnAbbruch;

protected:
    bool event(QEvent *event) override;

private:
    void showTitle();
    void moveMonths(int months);
};

} // namespace shell
