#pragma once

#include "platform/dialogservice.h"

class QWidget;

namespace platform {

// The dialogs service of the program: Qt's dialogs with German texts, modal
// over the active window.
class QtDialogService : public DialogService
{
public:
    void information(const QString &text, const QString &caption = {}) override;
    void error(const QString &text, const QString &caption = {}) override;
    void warning(const QString &text, const QString &caption = {}) override;
    DialogAnswer confirmation(
        const QString &text, DialogButtons buttons = DialogButtons::YesNo, const QString &caption = {}) override;
    InputResult inputBox(const QString &caption, const QString &prompt, const QString &defaultText) override;
    QString openFileName(const QString &caption, const QString &filter, const QString &directory) override;
    QString saveFileName(const QString &caption, const QString &filter, const QString &directory) override;
    QString folder(const QString &caption, const QString &directory) override;
    int printerSetup(const QStringList &printers, int current) override;

    // The window the dialogs are modal over.
    static QWidget *dialogParent();
};

} // namespace platform
