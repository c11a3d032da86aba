#include "platform/qtdialogservice.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace platform {

namespace {

// The program's texts break lines with "\r" as the old message boxes did.
QString displayText(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void showMessage(QMessageBox::Icon icon, DialogKind kind, const QString &text, const QString &caption)
{
    QMessageBox box(icon, caption.isEmpty() ? DialogService::standardCaption(kind) : caption, displayText(text),
        QMessageBox::NoButton, QtDialogService::dialogParent());
    box.setTextFormat(Qt::PlainText);
    QPushButton *ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

// The German labels of Qt's own file dialog.
void prepareFileDialog(QFileDialog &dialog, const QString &acceptText)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
    dialog.setLabelText(QFileDialog::Accept, acceptText);
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
}

QString runFileDialog(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QWidget *QtDialogService::dialogParent()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

void QtDialogService::information(const QString &text, const QString &caption)
{
    showMessage(QMessageBox::Information, DialogKind::Information, text, caption);
}

void QtDialogService::error(const QString &text, const QString &caption)
{
    showMessage(QMessageBox::Critical, DialogKind::Error, text, caption);
}

void QtDialogService::warning(const QString &text, const QString &caption)
{
    showMessage(QMessageBox::Warning, DialogKind::Warning, text, caption);
}

DialogAnswer QtDialogService::confirmation(const QString &text, DialogButtons buttons, const QString &caption)
{
    QMessageBox box(QMessageBox::Question, caption.isEmpty() ? standardCaption(DialogKind::Confirmation) : caption,
        displayText(text), QMessageBox::NoButton, dialogParent());
    box.setTextFormat(Qt::PlainText);
    struct Choice {
        QString text;
        QMessageBox::ButtonRole role;
        DialogAnswer answer;
    };
    QVector<Choice> choices;
    switch (buttons) {
    case DialogButtons::YesNo:
        choices = { { QStringLiteral("Ja"), QMessageBox::YesRole, DialogAnswer::Yes },
            { QStringLiteral("Nein"), QMessageBox::NoRole, DialogAnswer::No } };
        break;
    case DialogButtons::YesNoCancel:
        choices = { { QStringLiteral("Ja"), QMessageBox::YesRole, DialogAnswer::Yes },
            { QStringLiteral("Nein"), QMessageBox::NoRole, DialogAnswer::No },
            { QStringLiteral("Abbrechen"), QMessageBox::RejectRole, DialogAnswer::Cancel } };
        break;
    case DialogButtons::OkCancel:
        choices = { { QStringLiteral("OK"), QMessageBox::AcceptRole, DialogAnswer::Ok },
            { QStringLiteral("Abbrechen"), QMessageBox::RejectRole, DialogAnswer::Cancel } };
        break;
    }
    QVector<QAbstractButton *> created;
    for (const Choice &choice : choices)
        created.append(box.addButton(choice.text, choice.role));
    box.setDefaultButton(qobject_cast<QPushButton *>(created.constFirst()));
    // Closing the box counts as the last button (No of a Yes/No question).
    box.setEscapeButton(created.constLast());
    box.exec();
    const int chosen = created.indexOf(box.clickedButton());
    return chosen >= 0 ? choices.at(chosen).answer : choices.constLast().answer;
}

InputResult QtDialogService::inputBox(const QString &caption, const QString &prompt, const QString &defaultText)
{
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(displayText(prompt));
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted)
        return { defaultText, false };
    return { dialog.textValue(), true };
}

QString QtDialogService::openFileName(const QString &caption, const QString &filter, const QString &directory)
{
    QFileDialog dialog(
        dialogParent(), caption.isEmpty() ? standardCaption(DialogKind::OpenFile) : caption, directory, filter);
    prepareFileDialog(dialog, QStringLiteral("Öffnen"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog);
}

QString QtDialogService::saveFileName(const QString &caption, const QString &filter, const QString &directory)
{
    QFileDialog dialog(
        dialogParent(), caption.isEmpty() ? standardCaption(DialogKind::SaveFile) : caption, directory, filter);
    prepareFileDialog(dialog, QStringLiteral("Speichern"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Whether an existing file may be replaced is the caller's question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return runFileDialog(dialog);
}

QString QtDialogService::folder(const QString &caption, const QString &directory)
{
    QFileDialog dialog(dialogParent(), caption.isEmpty() ? standardCaption(DialogKind::Folder) : caption, directory);
    prepareFileDialog(dialog, QStringLiteral("Auswählen"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Ordner:"));
    return runFileDialog(dialog);
}

int QtDialogService::printerSetup(const QStringList &printers, int current)
{
    QDialog dialog(dialogParent());
    dialog.setWindowTitle(standardCaption(DialogKind::PrinterSetup));
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Drucker:"), &dialog));
    auto *list = new QComboBox(&dialog);
    list->addItems(printers);
    if (current >= 0 && current < printers.size())
        list->setCurrentIndex(current);
    layout->addWidget(list);
    auto *buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || printers.isEmpty())
        return -1;
    return list->currentIndex();
}

} // namespace platform
