#include "shell/tfrmdatetime.h"

#include "platform/clock.h"
#include "platform/localformat.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

TfrmDateTime::TfrmDateTime(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmDateTime"));
    setWindowTitle(QStringLiteral("Datum und Zeit auswählen"));
    auto *layout = new QVBoxLayout(this);

    Label1 = new QLabel(QStringLiteral("Bitte das Datum auswählen:"), this);
    layout->addWidget(Label1);

    MonthCalendar1 = new QCalendarWidget(this);
    MonthCalendar1->setObjectName(QStringLiteral("MonthCalendar1"));
    MonthCalendar1->setLocale(platform::workstationLocale());
    MonthCalendar1->setFirstDayOfWeek(Qt::Monday);
    MonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    // With nothing preset the calendar shows today.
    MonthCalendar1->setSelectedDate(platform::Clock::today());
    layout->addWidget(MonthCalendar1);

    auto *timeRow = new QHBoxLayout;
    Label2 = new QLabel(QStringLiteral("Zeit:"), this);
    MaskEdit1 = new QLineEdit(this);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    // Hours and minutes; the first hour digit may stay blank.
    MaskEdit1->setInputMask(QStringLiteral("90:00"));
    MaskEdit1->setMaximumWidth(MaskEdit1->fontMetrics().horizontalAdvance(QStringLiteral("00:00")) * 2);
    Label2->setBuddy(MaskEdit1);
    timeRow->addWidget(Label2);
    timeRow->addWidget(MaskEdit1);
    timeRow->addStretch();
    layout->addLayout(timeRow);

    auto *buttons = new QHBoxLayout;
    BtnUebernehmen = new QPushButton(QStringLiteral("Übernehmen"), this);
    BtnAbbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    // The buttons only set the result; Enter and Escape are the dialog's own.
    BtnUebernehmen->setAutoDefault(false);
    BtnAbbruch->setAutoDefault(false);
    connect(BtnUebernehmen, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnAbbruch, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch();
    buttons->addWidget(BtnUebernehmen);
    buttons->addWidget(BtnAbbruch);
    layout->addLayout(buttons);
}

QString TfrmDateTime::timeText() const
{
    const QString shown = MaskEdit1->displayText().leftJustified(5, QLatin1Char(' '));
    QString hour = shown.left(2);
    hour.remove(QLatin1Char(' '));
    return hour.rightJustified(2, QLatin1Char(' ')) + QLatin1Char(':') + shown.mid(3, 2);
}

void TfrmDateTime::setTimeText(const QString &text)
{
    const int colon = text.indexOf(QLatin1Char(':'));
    const QString hour = (colon >= 0 ? text.left(colon) : text).trimmed().right(2);
    const QString minute = colon >= 0 ? text.mid(colon + 1).trimmed().left(2) : QString();
    MaskEdit1->clear();
    // The mask fills from the cursor: a one-digit hour goes into the second place.
    MaskEdit1->setCursorPosition(2 - int(hour.size()));
    MaskEdit1->insert(hour);
    MaskEdit1->setCursorPosition(3);
    MaskEdit1->insert(minute);
    MaskEdit1->setCursorPosition(0);
}

QString SelectDate(const QDate &startDate)
{
    TfrmDateTime form;
    if (startDate.isValid())
        form.MonthCalendar1->setSelectedDate(startDate);
    if (form.exec() != QDialog::Accepted)
        return {};
    return form.MonthCalendar1->selectedDate().toString(QStringLiteral("yyyyMMdd"));
}

bool SelectDateTime(QString &dateText, QString &timeText)
{
    TfrmDateTime form;
    const QString zero = QStringLiteral("0");
    if (!dateText.isEmpty() && dateText != zero) {
        // A text that is no date leaves the calendar where it is.
        const QDate preset = platform::parseDate(dateText);
        if (preset.isValid())
            form.MonthCalendar1->setSelectedDate(preset);
    }
    if (!timeText.isEmpty() && timeText != zero)
        form.setTimeText(timeText);
    form.resize(form.width(), 290);
    if (form.exec() != QDialog::Accepted) {
        dateText = zero;
        timeText = zero;
        return false;
    }
    dateText = platform::formatDate(form.MonthCalendar1->selectedDate());
    timeText = form.timeText();
    return true;
}

} // namespace shell
