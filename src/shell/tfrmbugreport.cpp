#include "shell/tfrmbugreport.h"
#include "platform/reportedcall.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace shell {

TfrmBugReport::TfrmBugReport(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmBugReport"));
    setWindowTitle(QStringLiteral("Fehlerbericht"));
    auto *layout = new QVBoxLayout(this);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    Memo1->setFont(courier);
    Memo1->installEventFilter(this);
    layout->addWidget(Memo1);
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnOK->setDefault(true);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(BtnOK, 0, Qt::AlignHCenter);
    auto *selectAll = new QShortcut(QKeySequence::SelectAll, this);
    connect(selectAll, &QShortcut::activated, Memo1, &QPlainTextEdit::selectAll);
    resize(600, 450);
}

bool TfrmBugReport::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        // Enter in the report closes the window as everywhere else in it.
        if (watched == Memo1 && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                accept();
                return true;
            }
        }
        return QDialog::eventFilter(watched, event);
    });
}

void ShowBugReport(const QString &reportText, QWidget *parent)
{
    TfrmBugReport form(parent);
    form.Memo1->setPlainText(reportText);
    form.exec();
}

} // namespace shell
