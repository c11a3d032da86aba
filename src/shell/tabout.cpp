#include "shell/tabout.h"

#include "platform/reportedcall.h"
#include "shell/mainstate.h"
#include "shell/settings.h"
#include "shell/tfrmmain.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace shell {

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(parent ? parent->window()->windowTitle() : TfrmMain::Title);
    quint16 major = 0, minor = 0, release = 0, build = 0;
    ReadFileVersion(QCoreApplication::applicationFilePath(), major, minor, release, build);
    auto *layout = new QGridLayout(this);
    auto *product = new QLabel(TfrmMain::Title, this);
    QFont bold = product->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 3);
    product->setFont(bold);
    layout->addWidget(product, 0, 0, 1, 2);
    const struct {
        const char *caption;
        quint16 value;
        QLabel **label;
    } rows[] = { { "Datei-Version:", major, &Version }, { "Unterversiom:", minor, &SubVersion },
        { "Ausgabe:", release, &Release }, { "Built:", build, &Build } };
    int row = 1;
    for (const auto &r : rows) {
        layout->addWidget(new QLabel(QString::fromUtf8(r.caption), this), row, 0);
        *r.label = new QLabel(QString::number(r.value), this);
        layout->addWidget(*r.label, row, 1);
        ++row;
    }
    auto *vendor = new QLabel(QStringLiteral("Brenix GmbH<br>Software für Versand und Zoll<br>"
                                             "<a href=\"https://www.brenix.example/\">www.brenix.example</a><br>"
                                             "<a href=\"mailto:support@brenix.example\">support@brenix.example</a>"),
        this);
    vendor->setTextFormat(Qt::RichText);
    vendor->setTextInteractionFlags(Qt::TextBrowserInteraction);
    vendor->setOpenExternalLinks(false);
    connect(vendor, &QLabel::linkActivated, this,
        platform::reported(this, [](const QString &link) { TfrmMain::shellOpen(link); }));
    layout->addWidget(vendor, row++, 0, 1, 2);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setFlat(!(Windows2000OrLater && mainState().XP_Themes));
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(OKButton, row, 0, 1, 2, Qt::AlignCenter);
}

} // namespace shell
