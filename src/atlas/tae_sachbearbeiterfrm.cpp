#include "atlas/tae_sachbearbeiterfrm.h"

#include "platform/dataedit.h"
#include "platform/reportedcall.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace atlas {

QStringList TAE_SachbearbeiterFrm::clerkFields(int kind)
{
    static const char *const prefixes[] = { "ANM_", "EXP_", "VER_", "SUB_" };
    const QString prefix = QString::fromLatin1(prefixes[std::clamp(kind, 0, 3)]);
    return { prefix + QStringLiteral("Stellung"), prefix + QStringLiteral("Bearbeiter"),
        prefix + QStringLiteral("EMail"),
        kind == 3 ? QStringLiteral("SUB_Felefax") : prefix + QStringLiteral("Telefax"),
        prefix + QStringLiteral("Telefon") };
}

TAE_SachbearbeiterFrm::TAE_SachbearbeiterFrm(platform::DataSet *head, int kind, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AE_SachbearbeiterFrm"));
    setWindowTitle(QStringLiteral("AE_SachbearbeiterFrm"));
    auto *layout = new QGridLayout(this);
    const QStringList captions = { QStringLiteral("Stellung:"), QStringLiteral("Sachbearbeiter:"),
        QStringLiteral("eMail:"), QStringLiteral("Telefax:"), QStringLiteral("Telefon:") };
    const QStringList fields = clerkFields(kind);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    for (int i = 0; i < 5; ++i) {
        auto *label = new QLabel(captions.at(i), this);
        QPalette blue = label->palette();
        blue.setColor(QPalette::WindowText, Qt::blue);
        label->setPalette(blue);
        edits[i] = new platform::DataEdit(this);
        edits[i]->setObjectName(QStringLiteral("DBEdit%1").arg(i + 1));
        edits[i]->setFont(courier);
        edits[i]->setMaxLength(35);
        edits[i]->setMinimumWidth(320);
        edits[i]->bind(head, fields.at(i));
        edits[i]->installEventFilter(this);
        layout->addWidget(label, i, 0);
        layout->addWidget(edits[i], i, 1);
    }
    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAutoDefault(false);
    layout->addWidget(btnOK, 5, 1, Qt::AlignRight);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

bool TAE_SachbearbeiterFrm::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                focusNextChild();
                return true;
            }
        }
        return QDialog::eventFilter(watched, event);
    });
}

bool TAE_SachbearbeiterFrm::EditClerk(platform::DataSet *head, int kind, QWidget *parent)
{
    TAE_SachbearbeiterFrm dialog(head, kind, parent);
    dialog.exec();
    return true;
}

} // namespace atlas
