#include "shell/tbrdateform.h"

#include "platform/clock.h"
#include "platform/localformat.h"
#include "platform/reportedcall.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>

namespace shell {

TBrDateForm::TBrDateForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("BrDateForm"));
    setWindowTitle(QStringLiteral("Datum auswählen"));
    auto *layout = new QVBoxLayout(this);

    auto *head = new QHBoxLayout;
    auto smallButton = [this](const QString &text, const QString &hint) {
        auto *button = new QPushButton(text, this);
        button->setToolTip(hint);
        button->setAutoDefault(false);
        button->setMaximumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("<<")) * 3);
        return button;
    };
    BtnPrevYear = smallButton(QStringLiteral("<<"), QStringLiteral("Vorheriges Jahr"));
    BtnPrevMonth = smallButton(QStringLiteral("<"), QStringLiteral("Vorheriger Monat"));
    BtnNextMonth = smallButton(QStringLiteral(">"), QStringLiteral("Nächster Monat"));
    BtnNextYear = smallButton(QStringLiteral(">>"), QStringLiteral("Nächstes Jahr"));
    TitleLabel = new QLabel(this);
    TitleLabel->setAlignment(Qt::AlignCenter);
    head->addWidget(BtnPrevYear);
    head->addWidget(BtnPrevMonth);
    head->addWidget(TitleLabel, 1);
    head->addWidget(BtnNextMonth);
    head->addWidget(BtnNextYear);
    layout->addLayout(head);

    Calendar1 = new QCalendarWidget(this);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setLocale(platform::workstationLocale());
    Calendar1->setFirstDayOfWeek(Qt::Monday);
    Calendar1->setGridVisible(false);
    Calendar1->setNavigationBarVisible(false);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    QTextCharFormat blue;
    blue.setForeground(Qt::blue);
    for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
        Calendar1->setWeekdayTextFormat(Qt::DayOfWeek(day), blue);
    Calendar1->setSelectedDate(platform::Clock::today());
    layout->addWidget(Calendar1);

    auto *buttons = new QHBoxLayout;
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnAbbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    BtnOK->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnAbbruch);
    layout->addLayout(buttons);

    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnAbbruch, &QPushButton::clicked, this, &QDialog::reject);
    // Double click or Enter in the calendar act as OK.
    connect(Calendar1, &QCalendarWidget::activated, this, &QDialog::accept);
    connect(Calendar1, &QCalendarWidget::selectionChanged, this, platform::reported(this, &TBrDateForm::showTitle));
    connect(BtnPrevYear, &QPushButton::clicked, this, platform::reported(this, [this] { moveMonths(-12); }));
    connect(BtnPrevMonth, &QPushButton::clicked, this, platform::reported(this, [this] { moveMonths(-1); }));
    connect(BtnNextMonth, &QPushButton::clicked, this, platform::reported(this, [this] { moveMonths(1); }));
    connect(BtnNextYear, &QPushButton::clicked, this, platform::reported(this, [this] { moveMonths(12); }));
    showTitle();
}

QDate TBrDateForm::date() const
{
    return Calendar1->selectedDate();
}

void TBrDateForm::setDate(const QDate &date)
{
    Calendar1->setSelectedDate(date);
    Calendar1->setCurrentPage(date.year(), date.month());
    showTitle();
}

bool TBrDateForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        showTitle();
    return QDialog::event(event);
}

void TBrDateForm::showTitle()
{
    TitleLabel->setText(platform::workstationLocale().toString(date(), QStringLiteral("MMMM, yyyy")));
}

void TBrDateForm::moveMonths(int months)
{
    setDate(date().addMonths(months));
}

} // namespace shell
