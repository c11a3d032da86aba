#include "shell/tbrdateform.h"
#include "shell/tfrmdatetime.h"
#include "shell/tinfodialog.h"
#include "support/modaldialog.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace shell;

namespace {

TEST(SmallDialogsTest, SelectDateGivesEightDigitsOrNothing)
{
    testsupport::onNextModal([](QDialog *dialog) {
        auto *form = qobject_cast<TfrmDateTime *>(dialog);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->windowTitle(), "Datum und Zeit auswählen");
        EXPECT_EQ(form->MonthCalendar1->selectedDate(), QDate(2024, 1, 31)) << "the start date is shown";
        form->MonthCalendar1->setSelectedDate(QDate(2024, 3, 3));
        form->BtnUebernehmen->click();
    });
    EXPECT_EQ(SelectDate(QDate(2024, 1, 31)), "20240303");

    testsupport::onNextModal([](QDialog *dialog) {
        EXPECT_EQ(qobject_cast<TfrmDateTime *>(dialog)->MonthCalendar1->selectedDate(), QDate(2024, 3, 5))
            << "without a start date: today";
        qobject_cast<TfrmDateTime *>(dialog)->BtnAbbruch->click();
    });
    EXPECT_EQ(SelectDate(), "");
}

TEST(SmallDialogsTest, SelectDateTimePresetsConfirmsAndCancels)
{
    struct Case {
        QString date, time;
        QDate shownDate;
        QString shownTime;
        std::function<void(TfrmDateTime *)> act; // closes the picker
        bool result;
        QString resultDate, resultTime;
    };
    const auto confirm = [](TfrmDateTime *form) { form->BtnUebernehmen->click(); };
    const auto cancel = [](TfrmDateTime *form) { form->BtnAbbruch->click(); };
    const auto typeNineThirty = [](TfrmDateTime *form) {
        form->MaskEdit1->setFocus();
        form->MaskEdit1->setCursorPosition(0);
        QTest::keyClicks(form->MaskEdit1, QStringLiteral("9"));
        form->MaskEdit1->setCursorPosition(3);
        QTest::keyClicks(form->MaskEdit1, QStringLiteral("30"));
        form->BtnUebernehmen->click();
    };
    const QVector<Case> cases = {
        { "0", "0", QDate(2024, 3, 5), "  :  ", cancel, false, "0", "0" },
        { "03.03.2024", "12:15", QDate(2024, 3, 3), "12:15", cancel, false, "0", "0" },
        { "03.03.2024", "9:30", QDate(2024, 3, 3), " 9:30", confirm, true, "03.03.2024", " 9:30" },
        { "0", "0", QDate(2024, 3, 5), "  :  ", typeNineThirty, true, "05.03.2024", " 9:30" },
        { "kein Datum", "", QDate(2024, 3, 5), "  :  ", confirm, true, "05.03.2024", "  :  " },
    };
    for (const Case &c : cases) {
        QDate shownDate;
        QString shownTime;
        testsupport::onNextModal([&](QDialog *dialog) {
            auto *form = qobject_cast<TfrmDateTime *>(dialog);
            shownDate = form->MonthCalendar1->selectedDate();
            shownTime = form->timeText();
            c.act(form);
        });
        QString date = c.date;
        QString time = c.time;
        EXPECT_EQ(SelectDateTime(date, time), c.result) << c.date.toStdString() << " " << c.time.toStdString();
        EXPECT_EQ(shownDate, c.shownDate) << c.date.toStdString();
        EXPECT_EQ(shownTime, c.shownTime) << c.time.toStdString();
        EXPECT_EQ(date, c.resultDate);
        EXPECT_EQ(time, c.resultTime);
    }
}

TEST(SmallDialogsTest, MonthCalendarTitleAndButtons)
{
    TBrDateForm form;
    EXPECT_EQ(form.windowTitle(), "Datum auswählen");
    form.setDate(QDate(2024, 3, 5));
    EXPECT_EQ(form.TitleLabel->text(), "März, 2024");
    struct Case {
        QPushButton *button;
        QString hint;
        QDate expected;
    };
    const QVector<Case> cases = {
        { form.BtnNextMonth, "Nächster Monat", QDate(2024, 4, 5) },
        { form.BtnNextYear, "Nächstes Jahr", QDate(2025, 4, 5) },
        { form.BtnPrevMonth, "Vorheriger Monat", QDate(2025, 3, 5) },
        { form.BtnPrevYear, "Vorheriges Jahr", QDate(2024, 3, 5) },
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.button->toolTip(), c.hint);
        c.button->click();
        EXPECT_EQ(form.date(), c.expected) << c.hint.toStdString();
    }
    EXPECT_EQ(form.TitleLabel->text(), "März, 2024");

    testsupport::onNextModal(
        [](QDialog *dialog) { emit qobject_cast<TBrDateForm *>(dialog)->Calendar1->activated(QDate(2024, 3, 9)); });
    EXPECT_EQ(form.exec(), QDialog::Accepted) << "a double click in the calendar acts as OK";
}

TEST(SmallDialogsTest, InfoDialogModes)
{
    struct Case {
        int mode;
        QString caption;
        bool jaVisible;
        QString neinText;
        QString click;
        bool result;
    };
    const QVector<Case> cases = {
        { 0, "Zu Ihrer Information", true, "Nein", "Ja", true },
        { 0, "Zu Ihrer Information", true, "Nein", "Nein", false },
        { 1, "Hinweise zu den Druck-Parametern", false, "Schließen", "Schließen", false },
        { 2, "Zur Ihrer Information", true, "Nein", "Ja", true },
    };
    for (const Case &c : cases) {
        QString caption, message, details, neinText;
        bool jaVisible = false;
        testsupport::onNextModal([&](QDialog *dialog) {
            auto *info = qobject_cast<TInfoDialog *>(dialog);
            caption = info->windowTitle();
            message = info->lbl_Message->text();
            details = info->Memo_Details->toPlainText();
            jaVisible = info->BtnJa->isVisible();
            neinText = info->BtnNein->text();
            testsupport::buttonWithText<QPushButton>(info, c.click)->click();
        });
        EXPECT_EQ(ShowInfoDialog(c.mode, QStringLiteral("Drucker fehlt"), { "Zeile 1", "Zeile 2" }), c.result);
        EXPECT_EQ(caption, c.caption) << c.mode;
        EXPECT_EQ(jaVisible, c.jaVisible) << c.mode;
        EXPECT_EQ(neinText, c.neinText) << c.mode;
        EXPECT_EQ(message, "Drucker fehlt");
        EXPECT_EQ(details, "Zeile 1\nZeile 2");
    }
}

} // namespace
