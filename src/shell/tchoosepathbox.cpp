#include "shell/tchoosepathbox.h"

#include "platform/reportedcall.h"
#include "platform/tablefiles.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStorageInfo>

namespace shell {

namespace {
constexpr int PathRole = Qt::UserRole;
} // namespace

TChoosePathBox::TChoosePathBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("ChoosePathBox"));
    setWindowTitle(QStringLiteral("Pfad auswählen"));
    auto *layout = new QGridLayout(this);

    LabelPath = new QLabel(QStringLiteral("Pfad"), this);
    EditPath = new QLineEdit(this);
    EditPath->setObjectName(QStringLiteral("EditPath"));
    LabelPath->setBuddy(EditPath);
    layout->addWidget(LabelPath, 0, 0);
    layout->addWidget(EditPath, 1, 0, 1, 2);

    LabelDrive = new QLabel(QStringLiteral("Laufwerk"), this);
    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    LabelDrive->setBuddy(DriveComboBox1);
    layout->addWidget(LabelDrive, 2, 0);
    layout->addWidget(DriveComboBox1, 3, 0, 1, 2);

    LabelDirectory = new QLabel(QStringLiteral("Verzeichnis"), this);
    DirectoryListBox1 = new QListWidget(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    LabelDirectory->setBuddy(DirectoryListBox1);
    layout->addWidget(LabelDirectory, 4, 0);
    layout->addWidget(DirectoryListBox1, 5, 0, 1, 2);

    EditFileName = new QLineEdit(this);
    EditFileName->hide();
    BtnUebernehmen = new QPushButton(QStringLiteral("Übernehmen"), this);
    BtnUebernehmen->setAutoDefault(false);
    BtnUebernehmen->hide();

    auto *buttons = new QHBoxLayout;
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnAbbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    // Enter anywhere acts as OK (while it is enabled), Escape as Abbruch.
    BtnOK->setDefault(true);
    BtnAbbruch->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnAbbruch);
    layout->addLayout(buttons, 6, 0, 1, 2);

    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnAbbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnUebernehmen, &QPushButton::clicked, this,
        platform::reported(this, [this] { EditPath->setText(m_directory); }));
    connect(EditFileName, &QLineEdit::textChanged, this, platform::reported(this, &TChoosePathBox::checkFile));
    connect(DirectoryListBox1, &QListWidget::itemDoubleClicked, this,
        platform::reported(this, &TChoosePathBox::itemOpened));
    connect(DriveComboBox1, &QComboBox::activated, this,
        platform::reported(this, [this](int index) { setDirectory(DriveComboBox1->itemData(index).toString()); }));

    fillDrives();
    setDirectory(QDir::currentPath());
    resize(360, 380);
}

QStringList TChoosePathBox::driveRoots()
{
    QStringList roots = { QDir::rootPath(), QDir::homePath() };
    const auto volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        const QString root = volume.rootPath();
        const bool removable = root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/mnt/"))
            || root.startsWith(QLatin1String("/run/media/"));
        if (removable && volume.isValid() && volume.isReady() && !roots.contains(root))
            roots.append(root);
    }
    return roots;
}

void TChoosePathBox::fillDrives()
{
    DriveComboBox1->clear();
    const QStringList roots = driveRoots();
    for (const QString &root : roots)
        DriveComboBox1->addItem(QDir::toNativeSeparators(root), root);
}

bool TChoosePathBox::setDirectory(const QString &directory)
{
    const QDir dir(directory);
    if (directory.isEmpty() || !dir.exists())
        return false;
    m_directory = QDir::cleanPath(dir.absolutePath());
    fillList();
    // The drive box shows the drive holding the folder: the longest root that
    // is a prefix of it.
    int best = -1;
    int bestLength = -1;
    for (int i = 0; i < DriveComboBox1->count(); ++i) {
        const QString root = QDir::cleanPath(DriveComboBox1->itemData(i).toString());
        const bool holds = m_directory == root
            || m_directory.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = int(root.size());
        }
    }
    DriveComboBox1->setCurrentIndex(best);
    directoryChanged(false);
    return true;
}

void TChoosePathBox::fillList()
{
    DirectoryListBox1->clear();
    // The open folders from the root down to the listed one, then its
    // subfolders, each indented by its depth.
    QStringList chain;
    QDir walk(m_directory);
    chain.prepend(walk.absolutePath());
    while (walk.cdUp())
        chain.prepend(walk.absolutePath());
    int depth = 0;
    for (const QString &folder : std::as_const(chain)) {
        const QString name = folder == QDir::rootPath() ? folder : QDir(folder).dirName();
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, DirectoryListBox1);
        item->setData(PathRole, folder);
        ++depth;
    }
    DirectoryListBox1->setCurrentRow(int(chain.size()) - 1);
    const QStringList children
        = QDir(m_directory).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &child : children) {
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + child, DirectoryListBox1);
        item->setData(PathRole, QDir(m_directory).filePath(child));
    }
}

void TChoosePathBox::itemOpened(QListWidgetItem *item)
{
    if (item)
        setDirectory(item->data(PathRole).toString());
}

void TChoosePathBox::directoryChanged(bool keepPath)
{
    if (!keepPath)
        EditPath->setText(QDir::toNativeSeparators(m_directory));
    checkFile();
}

void TChoosePathBox::checkFile()
{
    const QString fileName = EditFileName->text();
    BtnOK->setEnabled(fileName.isEmpty() || platform::tableFileExists(m_directory, fileName));
}

void TChoosePathBox::showEvent(QShowEvent *event)
{
    platform::runReported(this, [&] {
        QDialog::showEvent(event);
        if (!m_shown) {
            m_shown = true;
            directoryChanged(true);
        }
    });
}

void TChoosePathBox::done(int result)
{
    QPalette palette = EditPath->palette();
    palette.setColor(QPalette::Base, result == QDialog::Accepted ? Qt::red : Qt::blue);
    EditPath->setPalette(palette);
    QDialog::done(result);
}

} // namespace shell
