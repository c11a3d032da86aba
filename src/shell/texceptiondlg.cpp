#include "shell/texceptiondlg.h"

#include "platform/dialogservice.h"
#include "platform/localformat.h"
#include "platform/reportedcall.h"
#include "shell/settings.h"
#include "shell/tfrmbugreport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QStyle>
#include <QVBoxLayout>

namespace shell {

namespace {
QPointer<TExceptionDlg> openDialog;
} // namespace

TExceptionDlg::TExceptionDlg(const CrashReport &report, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_report(report)
{
    setObjectName(QStringLiteral("ExceptionDlg"));
    setWindowTitle(QStringLiteral("Fehler"));
    auto *layout = new QGridLayout(this);

    Image1 = new QLabel(this);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    Image1->setAlignment(Qt::AlignTop);
    layout->addWidget(Image1, 0, 0);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setText(report.message);
    layout->addWidget(Label1, 0, 1);

    auto *mainButtons = new QVBoxLayout;
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnDetails = new QPushButton(QStringLiteral("Details >"), this);
    mainButtons->addWidget(BtnOK);
    mainButtons->addWidget(BtnDetails);
    mainButtons->addStretch();
    layout->addLayout(mainButtons, 0, 2);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    QStringList lines = {
        QStringLiteral("In der Anwendung ist ein Fehler des Typs ") + report.className
            + QStringLiteral(" aufgetreten."),
        QStringLiteral("Fehlermeldung: ") + report.message,
    };
    if (!report.sqlStatement.isEmpty())
        lines.append(QStringLiteral("Sql-Befehl: ") + report.sqlStatement);
    lines.append(QString(77, QLatin1Char('-')));
    lines.append(QStringLiteral("Bitte beschreiben Sie in welcher Situation dieser Fehler auftratt:"));
    lines.append(QString());
    lines.append(QString(50, QLatin1Char('-')));
    lines.append(QStringLiteral("Ihren Komentar können Sie hier eingeben:"));
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    layout->addWidget(Memo1, 1, 0, 1, 2);

    auto *reportButtons = new QVBoxLayout;
    BtnBerichtAnzeigen = new QPushButton(QStringLiteral("Bericht anzeigen"), this);
    BtnBerichtSenden = new QPushButton(QStringLiteral("Bericht Sendern"), this);
    BtnBeenden = new QPushButton(QStringLiteral("Programm Beenden"), this);
    BtnNeustarten = new QPushButton(QStringLiteral("Programm Neustarten"), this);
    for (QPushButton *button : { BtnBerichtAnzeigen, BtnBerichtSenden, BtnBeenden, BtnNeustarten })
        reportButtons->addWidget(button);
    reportButtons->addStretch();
    layout->addLayout(reportButtons, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);

    // Enter and Escape anywhere close the dialog with OK; in the description
    // Enter starts a new line.
    for (QPushButton *button : { BtnDetails, BtnBerichtAnzeigen, BtnBerichtSenden, BtnBeenden, BtnNeustarten })
        button->setAutoDefault(false);
    BtnOK->setDefault(true);
    BtnOK->setFocus();

    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnDetails, &QPushButton::clicked, this, platform::reported(this, &TExceptionDlg::toggleDetails));
    connect(BtnBerichtAnzeigen, &QPushButton::clicked, this,
        platform::reported(this, [this] { ShowBugReport(m_report.reportText(), this); }));
    connect(BtnBerichtSenden, &QPushButton::clicked, this, platform::reported(this, &TExceptionDlg::sendReport));
    connect(BtnBeenden, &QPushButton::clicked, this, platform::reported(this, [this] {
        accept();
        QCoreApplication::exit(0);
    }));
    connect(BtnNeustarten, &QPushButton::clicked, this, platform::reported(this, &TExceptionDlg::restartProgram));

    for (QWidget *widget : { static_cast<QWidget *>(Memo1), static_cast<QWidget *>(BtnBerichtAnzeigen),
             static_cast<QWidget *>(BtnBerichtSenden), static_cast<QWidget *>(BtnBeenden),
             static_cast<QWidget *>(BtnNeustarten) })
        widget->hide();
    setFixedSize(520, CollapsedHeight);
}

void TExceptionDlg::reject()
{
    accept();
}

void TExceptionDlg::toggleDetails()
{
    const bool expand = BtnDetails->text() == QLatin1String("Details >");
    for (QWidget *widget : { static_cast<QWidget *>(Memo1), static_cast<QWidget *>(BtnBerichtAnzeigen),
             static_cast<QWidget *>(BtnBerichtSenden), static_cast<QWidget *>(BtnBeenden),
             static_cast<QWidget *>(BtnNeustarten) })
        widget->setVisible(expand);
    BtnDetails->setText(expand ? QStringLiteral("< Details") : QStringLiteral("Details >"));
    setFixedSize(width(), expand ? ExpandedHeight : CollapsedHeight);
}

QString TExceptionDlg::saveReport(const QString &folder)
{
    const QString stem = QDir(folder).filePath(
        QStringLiteral("Fehlerbericht_") + m_report.time.toString(QStringLiteral("yyyyMMdd_HHmmss")));
    QSaveFile file(stem + QStringLiteral(".txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return {};
    QString text = m_report.reportText();
    text += QStringLiteral("\n\nBeschreibung des Benutzers:\n") + m_report.userComment + QLatin1Char('\n');
    file.write(text.toUtf8());
    if (!file.commit())
        return {};
    if (!m_report.screenshot.isNull())
        m_report.screenshot.save(stem + QStringLiteral(".png"), "PNG");
    return file.fileName();
}

void TExceptionDlg::sendReport()
{
    m_report.userComment = Memo1->toPlainText();
    // No mail transport here: the report goes into a folder the user chooses.
    const QString folder
        = platform::dialogs().folder(QStringLiteral("Ordner für den Fehlerbericht auswählen"), QDir::homePath());
    if (folder.isEmpty())
        return;
    const QString written = saveReport(folder);
    if (written.isEmpty()) {
        platform::dialogs().error(QStringLiteral("Der Fehlerbericht konnte im Ordner \"%1\" nicht gespeichert werden.")
                                      .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    platform::dialogs().information(
        QStringLiteral("Der Fehlerbericht wurde gespeichert:\n%1").arg(QDir::toNativeSeparators(written)));
}

void TExceptionDlg::restartProgram()
{
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {}, ProgramDirectory());
    accept();
    QCoreApplication::exit(0);
}

void ShowExceptionDialog(const CrashReport &report)
{
    if (openDialog) {
        CrashReport &shown = openDialog->report();
        // A window that fails on every repaint must not fill the report.
        constexpr int MaxAdditional = 50;
        if (shown.additional.count(QLatin1Char('\n')) + 1 >= MaxAdditional)
            return;
        if (!shown.additional.isEmpty())
            shown.additional += QLatin1Char('\n');
        shown.additional += platform::formatDateTime(report.time) + QStringLiteral("  ") + report.className
            + QStringLiteral(": ") + report.message;
        return;
    }
    TExceptionDlg dialog(
        report, QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow());
    openDialog = &dialog;
    dialog.exec();
    openDialog = nullptr;
}

} // namespace shell
