#include "masterdata/companydata.h"

#include "platform/dataedit.h"
#include "platform/dialogservice.h"
#include "platform/fielddatalink.h"
#include "platform/reportedcall.h"
#include "platform/table.h"
#include "shell/mainstate.h"
#include "shell/settings.h"

#include <QBuffer>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace masterdata {

namespace {

const QString LogoField = QStringLiteral("Logo");

platform::DataEdit *boundEdit(platform::Table *parameter, const QString &field, QWidget *parent)
{
    auto *edit = new platform::DataEdit(parent);
    edit->setObjectName(QStringLiteral("DBEdit") + field);
    if (parameter)
        edit->bind(parameter, field);
    return edit;
}

} // namespace

TfrmAuftr_de::TfrmAuftr_de(QWidget *parent)
    : QDialog(parent)
    , m_parameter(shell::mainState().tbParameter)
{
    setObjectName(QStringLiteral("frmAuftr_de"));
    setWindowTitle(QStringLiteral("Firmendaten"));
    setSizeGripEnabled(true);

    auto *menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("MainMenu1"));
    connect(menuBar->addAction(QStringLiteral("&Schließen")), &QAction::triggered, this,
        platform::reported(this, &TfrmAuftr_de::Schliessen));

    GroupBox1 = new QGroupBox(QStringLiteral("Kopfzeile"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto *head = new QGridLayout(GroupBox1);
    Image1 = new QLabel(GroupBox1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(120, 90);
    Image1->setFrameShape(QFrame::Box);
    Image1->setScaledContents(true);
    Image1->setToolTip(QStringLiteral("Doppelklick: Logo laden"));
    Image1->installEventFilter(this);
    head->addWidget(Image1, 0, 0, 3, 1);
    for (int i = 1; i <= 3; ++i) {
        m_edits.append(boundEdit(m_parameter, QStringLiteral("Kopf%1").arg(i), GroupBox1));
        head->addWidget(m_edits.last(), i - 1, 1);
    }
    // The two small lines above the consignee address.
    for (int i = 4; i <= 5; ++i) {
        m_edits.append(boundEdit(m_parameter, QStringLiteral("Kopf%1").arg(i), GroupBox1));
        head->addWidget(m_edits.last(), i - 1, 0, 1, 2);
    }

    GroupBox2 = new QGroupBox(QStringLiteral("Fußzeile"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto *foot = new QGridLayout(GroupBox2);
    // Four lines of four columns, in the order of the footer.
    for (int i = 1; i <= 16; ++i) {
        m_edits.append(boundEdit(m_parameter, QStringLiteral("Fuss%1").arg(i), GroupBox2));
        foot->addWidget(m_edits.last(), (i - 1) / 4, (i - 1) % 4);
    }

    auto *main = new QVBoxLayout(this);
    main->setMenuBar(menuBar);
    main->addWidget(GroupBox1);
    main->addWidget(GroupBox2);

    const shell::MainState &state = shell::mainState();
    QPalette background = palette();
    background.setColor(QPalette::Window, state.HinterGrundFarbe);
    setPalette(background);
    setAutoFillBackground(true);
    QFont inputFont = state.EingabeFelderFont;
    inputFont.setPointSize(8);
    for (QGroupBox *group : { GroupBox1, GroupBox2 })
        group->setFont(state.FormularAnzeigeFont);
    // The group's font would pass on to its edits.
    for (platform::DataEdit *edit : std::as_const(m_edits))
        edit->setFont(inputFont);
    resize(900, 360);
    showLogo();
}

platform::DataEdit *TfrmAuftr_de::edit(const QString &field) const
{
    for (platform::DataEdit *edit : m_edits) {
        if (edit->dataLink()->fieldName().compare(field, Qt::CaseInsensitive) == 0)
            return edit;
    }
    return nullptr;
}

void TfrmAuftr_de::showLogo()
{
    m_logo = QImage();
    if (m_parameter && m_parameter->isActive() && !m_parameter->isEmpty())
        m_logo = QImage::fromData(m_parameter->value(LogoField).toByteArray());
    Image1->setPixmap(m_logo.isNull() ? QPixmap() : QPixmap::fromImage(m_logo));
}

void TfrmAuftr_de::loadLogo()
{
    if (!m_parameter || !m_parameter->isActive())
        return;
    const QString fileName = platform::dialogs().openFileName(
        {}, QStringLiteral("*.bmp;*.ico;*.wmf (*.bmp *.ico *.wmf)"), shell::ProgramDirectory());
    if (fileName.isEmpty())
        return;
    QImageReader reader(fileName);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        platform::dialogs().error(
            QStringLiteral("Die Datei \"%1\" enthält kein lesbares Bild.").arg(QDir::toNativeSeparators(fileName)));
        return;
    }
    // Stored as a bitmap whatever the file was, so that "Logo.Bmp" is one.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    if (!m_parameter->isEditing())
        m_parameter->edit();
    m_parameter->setValue(LogoField, bytes);
    m_parameter->post();
    showLogo();
    setWindowTitle(fileName);
}

void TfrmAuftr_de::Schliessen()
{
    if (!m_logo.isNull())
        m_logo.save(QDir(shell::ProgramDirectory()).filePath(QStringLiteral("Logo.Bmp")), "BMP");
    close();
}

void TfrmAuftr_de::done(int result)
{
    // Closing by any way stores the edited lines.
    if (m_parameter && m_parameter->isActive() && m_parameter->isEditing())
        m_parameter->post();
    QDialog::done(result);
}

bool TfrmAuftr_de::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if (watched == Image1 && event->type() == QEvent::MouseButtonDblClick) {
            loadLogo();
            return true;
        }
        return QDialog::eventFilter(watched, event);
    });
}

} // namespace masterdata
