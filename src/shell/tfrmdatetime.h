#pragma once

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QLabel;
class QLineEdit;
class QPushButton;

namespace shell {

// Date and time picker behind PickDate and PickDateTime.
class TfrmDateTime : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmDateTime(QWidget *parent = nullptr);

    // The time as the field holds it: "hh:mm" with a one-digit hour as a
    // leading blank (" 9:30"); blanks where nothing was typed.
    QString timeText() const;
    // Presets the time from "9:30", " 9:30" or "09:30".
    void setTimeText(const QString &text);

    QLabel *Label1;
    QCalendarWidget *MonthCalendar1;
    QLabel *Label2;
    QLineEdit *MaskEdit1;
    QPushButton *BtnUebernehmen;
    QPushButton *BtnAbbruch;
};

// Shows the picker on the start date (none when invalid); the chosen date as
// "YYYYMMDD", an empty text when cancelled.
QString SelectDate(const QDate &startDate = {});
// Presets date ("dd.mm.yyyy") and time unless empty or "0". Confirmed: date
// and time of the picker, true. Cancelled: both "0", false.
bool SelectDateTime(QString &dateText, QString &timeText);

} // namespace shell
