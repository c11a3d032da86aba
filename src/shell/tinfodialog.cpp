#include "shell/tinfodialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

TInfoDialog::TInfoDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("InfoDialog"));
    setWindowTitle(QStringLiteral("Zur Ihrer Information"));
    auto *layout = new QVBoxLayout(this);
    lbl_Message = new QLabel(this);
    lbl_Message->setObjectName(QStringLiteral("lbl_Message"));
    lbl_Message->setWordWrap(true);
    lbl_Message->setTextFormat(Qt::PlainText);
    layout->addWidget(lbl_Message);
    Memo_Details = new QPlainTextEdit(this);
    Memo_Details->setObjectName(QStringLiteral("Memo_Details"));
    Memo_Details->setReadOnly(true);
    Memo_Details->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(Memo_Details);
    auto *buttons = new QHBoxLayout;
    BtnJa = new QPushButton(QStringLiteral("Ja"), this);
    BtnNein = new QPushButton(QStringLiteral("Nein"), this);
    BtnJa->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(BtnJa);
    buttons->addWidget(BtnNein);
    layout->addLayout(buttons);
    connect(BtnJa, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnNein, &QPushButton::clicked, this, &QDialog::reject);
    BtnJa->setFocus();
    resize(420, 300);
}

bool ShowInfoDialog(int mode, const QString &message, const QStringList &details)
{
    TInfoDialog dialog;
    if (mode == 0) {
        dialog.setWindowTitle(QStringLiteral("Zu Ihrer Information"));
    } else if (mode == 1) {
        dialog.BtnJa->hide();
        dialog.BtnJa->setDefault(false);
        dialog.BtnNein->setText(QStringLiteral("Schließen"));
        dialog.BtnNein->setDefault(true);
        dialog.setWindowTitle(QStringLiteral("Hinweise zu den Druck-Parametern"));
    }
    dialog.lbl_Message->setText(message);
    dialog.Memo_Details->setPlainText(details.join(QLatin1Char('\n')));
    return dialog.exec() == QDialog::Accepted;
}

} // namespace shell
