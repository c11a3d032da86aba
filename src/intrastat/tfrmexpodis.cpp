#include "intrastat/tfrmexpodis.h"

#include "intrastat/statisticsfile.h"
#include "intrastat/tfrmparam.h"
#include "intrastat/tfrmregieintrastat.h"
#include "platform/clock.h"
#include "platform/dialogservice.h"
#include "shell/buttonlook.h"
#include "shell/radiogroup.h"
#include "shell/reportedcall.h"
#include "shell/settings.h"
#include "shell/tchoosepathbox.h"
#include "shell/tfrmmain.h"

#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStorageInfo>
#include <QVBoxLayout>

namespace intrastat {

namespace {

enum Target { DriveA, DriveB, Other };

const QString NumbersOnly = QStringLiteral("Bitte nur Nummerische eingaben !");

} // namespace

Tfrmexpodis::Tfrmexpodis(TfrmRegieIntrastat &intrastatRegister, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_intrastat(intrastatRegister)
{
    setObjectName(QStringLiteral("frmexpodis"));
    setWindowTitle(QStringLiteral("Intrastat-Export - Daten Export"));
    m_parameters = new Tfrmparam(this);

    auto *layout = new QVBoxLayout(this);
    auto *menuBar = new QMenuBar(this);
    QMenu *parameter = menuBar->addMenu(QStringLiteral("&Parameter"));
    mnuEinstellungen = parameter->addAction(QStringLiteral("&Einstellungen"));
    mnuEinstellungen->setObjectName(QStringLiteral("mnuEinstellungen"));
    mnuOnlineMeldung = menuBar->addAction(QStringLiteral("&Online-Meldung"));
    mnuOnlineMeldung->setObjectName(QStringLiteral("mnuOnlineMeldung"));
    connect(
        mnuEinstellungen, &QAction::triggered, this, [this] { shell::runReported(this, [this] { showSettings(); }); });
    connect(
        mnuOnlineMeldung, &QAction::triggered, this, [this] { shell::runReported(this, [this] { onlineReport(); }); });
    layout->setMenuBar(menuBar);

    auto *fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Monat"), this), 0, 0);
    fields->addWidget(new QLabel(QStringLiteral("Jahr"), this), 0, 1);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(2);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(2);
    fields->addWidget(Edit1, 1, 0);
    fields->addWidget(Edit2, 1, 1);
    fields->setColumnStretch(2, 1);
    layout->addLayout(fields);

    RadioGroup1 = new shell::RadioGroup(QStringLiteral("Speicherort:"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setItems({ QStringLiteral("Laufwerk A:"), QStringLiteral("Laufwerk B:"), QStringLiteral("anderes") });
    RadioGroup1->setItemIndex(Other);
    layout->addWidget(RadioGroup1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    BtnStart = new QPushButton(QStringLiteral("Start"), this);
    BtnAbbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    buttons->addWidget(BtnStart);
    buttons->addWidget(BtnAbbruch);
    layout->addLayout(buttons);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->hide();
    layout->addWidget(ProgressBar1);
    connect(BtnStart, &QPushButton::clicked, this, [this] { shell::runReported(this, [this] { start(); }); });
    connect(BtnAbbruch, &QPushButton::clicked, this, &QDialog::reject);

    const QDate today = platform::Clock::today();
    Edit1->setText(today.toString(QStringLiteral("MM")));
    Edit2->setText(today.toString(QStringLiteral("yy")));
    Edit1->installEventFilter(this);
    Edit2->installEventFilter(this);
    shell::applyRaisedButtonLook(this);
    resize(300, 230);
}

Tfrmexpodis::~Tfrmexpodis() = default;

bool Tfrmexpodis::validNumber(QLineEdit *edit)
{
    bool ok = false;
    edit->text().toLongLong(&ok);
    if (ok)
        return true;
    platform::dialogs().information(NumbersOnly);
    edit->clear();
    edit->setFocus();
    return false;
}

void Tfrmexpodis::monthLeft()
{
    // The text as typed decides: an emptied field is no number, although
    // the "0" put in front of it would be one.
    const QString typed = Edit1->text();
    if (typed.size() < 2)
        Edit1->setText(QStringLiteral("0") + typed);
    bool ok = false;
    typed.toLongLong(&ok);
    if (!ok) {
        platform::dialogs().information(NumbersOnly);
        Edit1->clear();
        Edit1->setFocus();
    }
}

void Tfrmexpodis::yearChanged()
{
    validNumber(Edit2);
}

bool Tfrmexpodis::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if (watched == Edit1 && event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                shell::runReported(this, [this] { monthLeft(); });
        } else if (watched == Edit2 && event->type() == QEvent::KeyRelease) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (!key->text().isEmpty() || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete)
                shell::runReported(this, [this] { yearChanged(); });
        }
        return QDialog::eventFilter(watched, event);
    });
}

void Tfrmexpodis::showSettings()
{
    m_parameters->exec();
}

void Tfrmexpodis::onlineReport()
{
    shell::TfrmMain::shellOpen(shell::IniReadString(OnlineReportKey, QString()));
}

QString Tfrmexpodis::targetFolder(bool *medium)
{
    const int target = RadioGroup1->itemIndex();
    *medium = target != Other;
    if (target == DriveA || target == DriveB) {
        // The first and second removable medium the folder chooser lists.
        const QStringList media = shell::TChoosePathBox::driveRoots().mid(2);
        return media.value(target);
    }
    const QString start = shell::IniReadString(QStringLiteral("IntraPfad"), QString());
    const QString folder = platform::dialogs().folder(QStringLiteral("Verzeichnis:"), start);
    if (!folder.isEmpty())
        shell::IniWriteString(QStringLiteral("IntraPfad"), folder);
    return folder;
}

bool Tfrmexpodis::start()
{
    const Direction &direction = m_intrastat.direction();
    // The name is checked before anything else: a file without a name would
    // be written as ".asc".
    const QString name = m_parameters->fileName(direction.isDispatch);
    if (!isValidFileName(name)) {
        platform::dialogs().error(invalidFileNameMessage(name));
        return false;
    }

    bool medium = false;
    const QString folder = targetFolder(&medium);
    if (folder.isEmpty() && !medium)
        return false;

    // A drive without a medium has -1 bytes free.
    qint64 freeBytes = -1;
    if (!folder.isEmpty()) {
        const QStorageInfo storage(folder);
        if (storage.isValid() && storage.isReady())
            freeBytes = storage.bytesAvailable();
    }
    const qint64 needed = statisticsSpaceNeeded(direction);
    if (freeBytes < needed) {
        platform::dialogs().error(spaceMessage(freeBytes, needed));
        return false;
    }

    const QString path = QDir(folder).filePath(name + QStringLiteral(".asc"));
    RadioGroup1->hide();
    ProgressBar1->setRange(0, 0);
    ProgressBar1->show();
    repaint();
    int done = 0;
    const StatisticsContent content = collectStatistics(direction, Edit1->text(), Edit2->text(), [this, &done] {
        ProgressBar1->setRange(0, 100);
        ProgressBar1->setValue(std::min(100, ++done));
    });
    ProgressBar1->hide();
    RadioGroup1->show();
    if (!content.error.isEmpty()) {
        platform::dialogs().error(content.error);
        return false;
    }
    QString error;
    if (!writeStatisticsFile(path, content.lines, &error)) {
        platform::dialogs().error(error);
        return false;
    }
    platform::dialogs().information(summaryMessage(content));
    accept();
    return true;
}

} // namespace intrastat
