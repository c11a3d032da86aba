#include "platform/qtdialogservice.h"
#include "platform/scripteddialogservice.h"
#include "support/modaldialog.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>

#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(DialogServiceTest, ScriptedServiceRecordsCallsAndAnswersInOrder)
{
    ScriptedDialogService dialogs;
    DialogService *before = &DialogService::current();
    {
        DialogServiceGuard guard(dialogs);
        EXPECT_EQ(&platform::dialogs(), &dialogs);
        dialogs.answer(DialogAnswer::Yes);
        dialogs.answerText(QStringLiteral("4711"));
        dialogs.answerCancel();
        dialogs.answerIndex(2);

        platform::dialogs().information(QStringLiteral("Belegnummer existiert bereits !"));
        EXPECT_EQ(platform::dialogs().confirmation(QStringLiteral("Überschreiben?")), DialogAnswer::Yes);
        const InputResult number = platform::dialogs().inputBox(
            QStringLiteral("Belegnummmer !"), QStringLiteral("Übernehmen oder Ändern"), QStringLiteral("8"));
        EXPECT_TRUE(number.accepted);
        EXPECT_EQ(number.text, "4711");
        EXPECT_EQ(platform::dialogs().openFileName(QStringLiteral("Import"), QStringLiteral("*.txt"), "/tmp"), "");
        EXPECT_EQ(platform::dialogs().printerSetup({ "A", "B", "PDF" }, 0), 2);
        EXPECT_EQ(dialogs.pendingAnswers(), 0);
        EXPECT_EQ(dialogs.defaultAnswerCount(), 0);
    }
    EXPECT_EQ(&DialogService::current(), before) << "the guard restores the service before it";

    const QVector<DialogCall> &calls = dialogs.calls();
    ASSERT_EQ(calls.size(), 5);
    EXPECT_EQ(calls.at(0).kind, DialogKind::Information);
    EXPECT_EQ(calls.at(0).caption, "Information");
    EXPECT_EQ(calls.at(1).kind, DialogKind::Confirmation);
    EXPECT_EQ(calls.at(1).caption, "Bestätigen");
    EXPECT_EQ(calls.at(2).caption, "Belegnummmer !");
    EXPECT_EQ(calls.at(2).text, "Übernehmen oder Ändern");
    EXPECT_EQ(calls.at(2).preset, "8");
    EXPECT_EQ(calls.at(3).preset, "/tmp");
    EXPECT_EQ(calls.at(4).choices, QStringList({ "A", "B", "PDF" }));
}

TEST(DialogServiceTest, UnpreparedQuestionsAreAnsweredCautiouslyAndMarked)
{
    ScriptedDialogService script;
    DialogServiceGuard guard(script);
    script.answerText(QStringLiteral("kein Knopf")); // does not fit a confirmation

    struct Case {
        std::function<bool()> ask;
        const char *what;
    };
    const QVector<Case> cases = {
        { [] { return dialogs().confirmation("a", DialogButtons::YesNo) == DialogAnswer::No; }, "yes/no gives No" },
        { [] { return dialogs().confirmation("b", DialogButtons::YesNoCancel) == DialogAnswer::Cancel; },
            "yes/no/cancel gives Cancel" },
        { [] { return dialogs().confirmation("c", DialogButtons::OkCancel) == DialogAnswer::Cancel; },
            "ok/cancel gives Cancel" },
        { [] { return dialogs().printerSetup({ "A" }, 0) == -1; }, "printer choice is cancelled" },
    };
    for (const Case &c : cases)
        EXPECT_TRUE(c.ask()) << c.what;
    EXPECT_EQ(script.defaultAnswerCount(), cases.size());
    EXPECT_EQ(script.pendingAnswers(), 1) << "an answer that fits no question stays queued";
    EXPECT_EQ(platform::dialogs().folder("d", "/"), "kein Knopf") << "the queued text answers the folder choice";
    const InputResult input = platform::dialogs().inputBox("e", "f", "vorgabe");
    EXPECT_FALSE(input.accepted);
    EXPECT_EQ(input.text, "vorgabe");
    EXPECT_TRUE(script.lastCall().answeredByDefault);
}

TEST(DialogServiceTest, QtConfirmationShowsGermanButtonsAndReturnsTheOneClicked)
{
    QtDialogService service;
    struct Case {
        DialogButtons buttons;
        QStringList texts;
        QString click;
        DialogAnswer expected;
    };
    const QVector<Case> cases = {
        { DialogButtons::YesNo, { "Ja", "Nein" }, "Nein", DialogAnswer::No },
        { DialogButtons::YesNo, { "Ja", "Nein" }, "Ja", DialogAnswer::Yes },
        { DialogButtons::YesNoCancel, { "Ja", "Nein", "Abbrechen" }, "Abbrechen", DialogAnswer::Cancel },
        { DialogButtons::OkCancel, { "OK", "Abbrechen" }, "OK", DialogAnswer::Ok },
    };
    for (const Case &c : cases) {
        QStringList shown;
        QString caption, text;
        testsupport::onNextModal([&](QDialog *dialog) {
            caption = dialog->windowTitle();
            text = static_cast<QMessageBox *>(dialog)->text();
            for (QAbstractButton *button : static_cast<QMessageBox *>(dialog)->buttons())
                shown.append(button->text());
            testsupport::buttonWithText<QAbstractButton>(dialog, c.click)->click();
        });
        EXPECT_EQ(service.confirmation(QStringLiteral("Diese Beleg-Nr. wurde bereits vergeben! \rMöchten Sie diese "
                                                      "Überschreiben?"),
                      c.buttons),
            c.expected);
        EXPECT_EQ(text, "Diese Beleg-Nr. wurde bereits vergeben! \nMöchten Sie diese Überschreiben?")
            << "a carriage return breaks the line";
        shown.sort();
        QStringList expected = c.texts;
        expected.sort();
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(caption, "Bestätigen");
    }

    testsupport::onNextModal([](QDialog *dialog) {
        dialog->findChild<QLineEdit *>()->setText(QStringLiteral("12"));
        testsupport::buttonWithText<QAbstractButton>(dialog, "OK")->click();
    });
    const InputResult input = service.inputBox("Belegnummmer !", "Übernehmen oder Ändern", "8");
    EXPECT_TRUE(input.accepted);
    EXPECT_EQ(input.text, "12");

    testsupport::onNextModal([](QDialog *dialog) { dialog->reject(); });
    EXPECT_EQ(service.printerSetup({ "A", "B" }, 1), -1);
}

} // namespace
