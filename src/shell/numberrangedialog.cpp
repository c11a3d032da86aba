#include "shell/numberrangedialog.h"

#include "platform/dialogservice.h"
#include "shell/buttonlook.h"
#include "shell/conversion.h"
#include "shell/documentroutines.h"
#include "shell/reportedcall.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace shell {

namespace {

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

NumberRangeDialog::NumberRangeDialog(
    const QString &objectName, const QString &caption, const QString &toLabel, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(objectName);
    setWindowTitle(caption);

    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    Label1 = new QLabel(QStringLiteral("von"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Label2 = new QLabel(toLabel, this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label2, 0, 1);
    grid->addWidget(Edit1, 1, 0);
    grid->addWidget(Edit2, 1, 1);
    layout->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    OKBtn = new QToolButton(this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setText(QStringLiteral("OK"));
    CancelBtn = new QToolButton(this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setText(QStringLiteral("Abbrechen"));
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    layout->addLayout(buttons);

    connect(OKBtn, &QToolButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QToolButton::clicked, this, &QDialog::reject);
    Edit1->installEventFilter(this);
    Edit2->installEventFilter(this);
    applyRaisedButtonLook(this);
}

int NumberRangeDialog::FromNumber() const
{
    return toWholeNumber(Edit1->text());
}

void NumberRangeDialog::setFromNumber(int number)
{
    setNumber(Edit1, number);
}

int NumberRangeDialog::ToNumber() const
{
    return toWholeNumber(Edit2->text());
}

void NumberRangeDialog::setToNumber(int number)
{
    setNumber(Edit2, number);
}

void NumberRangeDialog::setNumber(QLineEdit *edit, int number)
{
    const QString text = QString::number(number);
    if (edit->text() != text) {
        edit->setText(text);
        edit->window()->repaint();
    }
}

void NumberRangeDialog::done(int result)
{
    int from = 0;
    int to = 0;
    if (!runReported(this, [&] {
            from = FromNumber();
            to = ToNumber();
        }))
        return;
    if (from > MaxDocumentNumber || to > MaxDocumentNumber) {
        refuseTemplate();
        result = QDialog::Rejected;
    }
    QDialog::done(result);
}

void NumberRangeDialog::keyPressEvent(QKeyEvent *event)
{
    platform::runReported(this, [&] {
        if (isEnter(event)) {
            accept();
            return;
        }
        QDialog::keyPressEvent(event);
    });
}

bool NumberRangeDialog::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if ((watched == Edit1 || watched == Edit2) && event->type() == QEvent::KeyPress
            && isEnter(static_cast<QKeyEvent *>(event))) {
            accept();
            return true;
        }
        return QDialog::eventFilter(watched, event);
    });
}

TCopyDlg::TCopyDlg(QWidget *parent)
    : NumberRangeDialog(QStringLiteral("CopyDlg"), QStringLiteral("Kopieren"), QStringLiteral("nach"), parent)
{
}

TDeleteDlg::TDeleteDlg(QWidget *parent)
    : NumberRangeDialog(QStringLiteral("DeleteDlg"), QStringLiteral("Löschen"), QStringLiteral("bis"), parent)
{
}

void TDeleteDlg::refuseTemplate()
{
    platform::dialogs().information(QStringLiteral("Masterformular kann nicht gelöscht werden !"));
}

} // namespace shell
