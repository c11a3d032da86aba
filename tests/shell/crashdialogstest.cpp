#include "platform/databaseerror.h"
#include "platform/reportedcall.h"
#include "platform/scripteddialogservice.h"
#include "shell/application.h"
#include "shell/texceptiondlg.h"
#include "shell/tfrmbugreport.h"
#include "support/modaldialog.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace shell;

namespace {

// Sets the application's exception handler for a test and restores the
// test programs' own afterwards.
class HandlerGuard
{
public:
    explicit HandlerGuard(Application::ExceptionHandler handler)
        : m_previous(Application::setExceptionHandler(std::move(handler)))
    {
    }
    ~HandlerGuard() { Application::setExceptionHandler(std::move(m_previous)); }

private:
    Application::ExceptionHandler m_previous;
};

TEST(CrashDialogsTest, ExceptionInASlotShowsTheErrorDialogAndTheProgramGoesOn)
{
    ASSERT_NE(qobject_cast<Application *>(qApp), nullptr);
    HandlerGuard guard({}); // the error dialog itself
    QString label, memo, caption;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *dlg = qobject_cast<TExceptionDlg *>(dialog);
        ASSERT_NE(dlg, nullptr);
        caption = dlg->windowTitle();
        label = dlg->Label1->text();
        memo = dlg->Memo1->toPlainText();
        EXPECT_EQ(dlg->report().origin, "QPushButton \"bbtNeu\"");
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    QPushButton button;
    button.setObjectName(QStringLiteral("bbtNeu"));
    // Slots of the program run through the shared guard, which reports in the
    // same dialog as the event loop does.
    QObject::connect(&button, &QPushButton::clicked, &button, platform::reported(&button, [] {
        throw platform::DatabaseError(QStringLiteral("Die Tabelle ist gesperrt."));
    }));
    bool afterwards = false;
    QTimer::singleShot(0, [&] {
        QTest::mouseClick(&button, Qt::LeftButton);
        afterwards = true; // the click returned: the program goes on
    });
    QTest::qWait(1);
    for (int i = 0; i < 200 && !afterwards; ++i)
        QTest::qWait(10);
    EXPECT_TRUE(afterwards);
    EXPECT_EQ(caption, "Fehler");
    EXPECT_EQ(label, "Die Tabelle ist gesperrt.");
    EXPECT_EQ(memo,
        QStringLiteral("In der Anwendung ist ein Fehler des Typs platform::DatabaseError aufgetreten.\n"
                       "Fehlermeldung: Die Tabelle ist gesperrt.\n")
            + QString(77, QLatin1Char('-'))
            + QStringLiteral("\nBitte beschreiben Sie in welcher Situation dieser Fehler auftratt:\n\n")
            + QString(50, QLatin1Char('-')) + QStringLiteral("\nIhren Komentar können Sie hier eingeben:"));
}

// A widget that fails while it paints, as a grid did over a search the
// database refused.
class FailingPaint : public QWidget
{
public:
    bool failing = true;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        ++paints;
        if (failing)
            throw std::runtime_error("Fehler beim Zeichnen");
    }
};

TEST(CrashDialogsTest, AnErrorWhilePaintingOpensOneDialogAfterwardsWithoutPaintingAgain)
{
    HandlerGuard guard({}); // the error dialog itself
    FailingPaint widget;
    int dialogs = 0;
    bool picture = true;
    int paintsBeforeDialog = -1;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *dlg = qobject_cast<TExceptionDlg *>(dialog);
        ASSERT_NE(dlg, nullptr);
        ++dialogs;
        picture = !dlg->report().screenshot.isNull();
        paintsBeforeDialog = widget.paints;
        widget.failing = false;
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    widget.resize(200, 100);
    widget.show();
    widget.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&widget));
    widget.repaint();
    for (int i = 0; i < 200 && dialogs == 0; ++i)
        QTest::qWait(10);
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(picture) << "no picture is painted of a window that fails to paint";
    EXPECT_GE(paintsBeforeDialog, 1);
    EXPECT_LE(paintsBeforeDialog, 3) << "the report did not paint the widget again and again";
}

TEST(CrashDialogsTest, AbortIsSilentOtherExceptionsReachTheHandler)
{
    QStringList seen;
    HandlerGuard guard([&seen](const CrashReport &report) { seen.append(report.className + ": " + report.message); });
    struct Case {
        std::function<void()> thrower;
        QString expected; // empty: nothing reported
    };
    const QVector<Case> cases = {
        { [] { throw platform::AbortException(); }, "" },
        { [] { throw std::runtime_error("kaputt"); }, "std::runtime_error: kaputt" },
        { [] { throw 42; }, "unbekannt: Unbekannter Fehler" },
    };
    for (const Case &c : cases) {
        seen.clear();
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            c.thrower();
        });
        QTest::qWait(20);
        EXPECT_TRUE(ran);
        EXPECT_EQ(seen, c.expected.isEmpty() ? QStringList() : QStringList({ c.expected }));
    }
}

TEST(CrashDialogsTest, DetailsReportAndSavingTheReport)
{
    CrashReport report = CrashReport::fromException(std::runtime_error("Ungültiger Wert"), QStringLiteral("Test"));
    report.sqlStatement = QStringLiteral("SELECT MAX(BelegNr) FROM EUR1");
    TExceptionDlg dialog(report);
    EXPECT_EQ(dialog.height(), TExceptionDlg::CollapsedHeight);
    EXPECT_TRUE(dialog.Memo1->toPlainText().contains("\nSql-Befehl: SELECT MAX(BelegNr) FROM EUR1\n"));
    dialog.show();
    const QList<QPushButton *> hidden
        = { dialog.BtnBerichtAnzeigen, dialog.BtnBerichtSenden, dialog.BtnBeenden, dialog.BtnNeustarten };
    for (QPushButton *button : hidden)
        EXPECT_FALSE(button->isVisible()) << button->text().toStdString();
    EXPECT_FALSE(dialog.Memo1->isVisible());

    dialog.BtnDetails->click();
    EXPECT_EQ(dialog.height(), TExceptionDlg::ExpandedHeight);
    EXPECT_EQ(dialog.BtnDetails->text(), "< Details");
    for (QPushButton *button : hidden)
        EXPECT_TRUE(button->isVisible()) << button->text().toStdString();
    EXPECT_EQ(dialog.BtnBerichtSenden->text(), "Bericht Sendern");

    QString shownReport;
    testsupport::onNextModal([&](QDialog *shown) {
        auto *form = qobject_cast<TfrmBugReport *>(shown);
        EXPECT_EQ(form->windowTitle(), "Fehlerbericht");
        shownReport = form->Memo1->toPlainText();
        QTest::keyClick(form->Memo1, Qt::Key_Return);
    });
    dialog.BtnBerichtAnzeigen->click();
    EXPECT_EQ(shownReport, report.reportText());
    EXPECT_TRUE(shownReport.contains("Fehlertyp         : std::runtime_error"));
    EXPECT_TRUE(shownReport.contains("Datum/Zeit        : 05.03.2024 14:03:09"));

    QTemporaryDir folder;
    platform::ScriptedDialogService dialogs;
    platform::DialogServiceGuard dialogsGuard(dialogs);
    dialogs.answerText(folder.path());
    dialog.Memo1->appendPlainText(QStringLiteral("Beim Drucken der EUR.1"));
    dialog.BtnBerichtSenden->click();
    const QString written = QDir(folder.path()).filePath("Fehlerbericht_20240305_140309.txt");
    ASSERT_TRUE(QFile::exists(written));
    QFile file(written);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.startsWith(report.reportText()));
    EXPECT_TRUE(text.contains("Beim Drucken der EUR.1"));
    ASSERT_EQ(dialogs.calls().size(), 2);
    EXPECT_EQ(dialogs.calls().at(0).kind, platform::DialogKind::Folder);
    EXPECT_EQ(dialogs.calls().at(1).kind, platform::DialogKind::Information);
    EXPECT_TRUE(dialogs.calls().at(1).text.contains(written)) << "the user is told where the report is";
    EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";

    dialog.BtnDetails->click();
    EXPECT_EQ(dialog.height(), TExceptionDlg::CollapsedHeight);
    EXPECT_FALSE(dialog.BtnBerichtSenden->isVisible());
}

TEST(CrashDialogsTest, ErrorsWhileTheDialogIsOpenGoIntoItsReport)
{
    QString additional;
    int dialogsOpened = 0;
    testsupport::onNextModal([&](QDialog *dialog) {
        ++dialogsOpened;
        ShowExceptionDialog(CrashReport::fromException(std::runtime_error("zweiter Fehler")));
        additional = qobject_cast<TExceptionDlg *>(dialog)->report().additional;
        qobject_cast<TExceptionDlg *>(dialog)->BtnOK->click();
    });
    ShowExceptionDialog(CrashReport::fromException(std::runtime_error("erster Fehler")));
    EXPECT_EQ(dialogsOpened, 1);
    EXPECT_EQ(additional, "05.03.2024 14:03:09  std::runtime_error: zweiter Fehler");
}

} // namespace
