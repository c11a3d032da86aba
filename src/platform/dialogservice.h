#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The kinds of dialog the program shows through the dialogs service.
enum class DialogKind {
    Information,
    Error,
    Warning,
    Confirmation,
    Input,
    OpenFile,
    SaveFile,
    Folder,
    PrinterSetup,
};

// Button sets of a confirmation.
enum class DialogButtons { YesNo, YesNoCancel, OkCancel };

// The button that closed a confirmation.
enum class DialogAnswer { Yes, No, Ok, Cancel };

struct InputResult {
    QString text;
    bool accepted = false;
};

// Every message box, question, input box, file or folder dialog and printer
// setup of the program goes through the current dialogs service, so that
// tests can answer them without windows:
//
//     platform::dialogs().information(QStringLiteral("Belegnummer existiert bereits !"));
//     if (platform::dialogs().confirmation(text, platform::DialogButtons::YesNo)
//         == platform::DialogAnswer::Yes) ...
//
// The program uses QtDialogService (the real Qt dialogs with German buttons
// "Ja", "Nein", "OK", "Abbrechen"); tests install a ScriptedDialogService
// with a DialogServiceGuard. Dialogs are modal over the active window.
//
// Captions: an empty caption gives the kind's standard caption
// ("Information", "Fehler", "Warnung", "Bestätigen").
// File filters are written the Qt way: "Textdateien (*.txt);;Alle Dateien (*)".
class DialogService
{
public:
    virtual ~DialogService();

    // Message boxes with an OK button.
    virtual void information(const QString &text, const QString &caption = {}) = 0;
    virtual void error(const QString &text, const QString &caption = {}) = 0;
    virtual void warning(const QString &text, const QString &caption = {}) = 0;

    // A question; the answer is one of the buttons of the set. Closing the
    // box without a button gives Cancel (No for YesNo).
    virtual DialogAnswer confirmation(
        const QString &text, DialogButtons buttons = DialogButtons::YesNo, const QString &caption = {})
        = 0;

    // An input box preset with defaultText; accepted is false when cancelled
    // (text is then the preset).
    virtual InputResult inputBox(const QString &caption, const QString &prompt, const QString &defaultText) = 0;

    // File and folder choice; an empty text when cancelled.
    virtual QString openFileName(const QString &caption, const QString &filter, const QString &directory) = 0;
    virtual QString saveFileName(const QString &caption, const QString &filter, const QString &directory) = 0;
    virtual QString folder(const QString &caption, const QString &directory) = 0;

    // Printer choice among the given names, preset with current; the chosen
    // index or -1 when cancelled.
    virtual int printerSetup(const QStringList &printers, int current) = 0;

    // The standard caption of a kind of message.
    static QString standardCaption(DialogKind kind);

    // The service in use; the Qt dialogs unless another one is installed.
    static DialogService &current();
    // Installs a service (nullptr: back to the Qt dialogs) and returns the
    // one installed before. The caller keeps ownership.
    static DialogService *install(DialogService *service);
};

// The dialogs service in use.
inline DialogService &dialogs()
{
    return DialogService::current();
}

// Installs a service for its lifetime and then restores the previous one.
class DialogServiceGuard
{
public:
    explicit DialogServiceGuard(DialogService &service);
    ~DialogServiceGuard();
    DialogServiceGuard(const DialogServiceGuard &) = delete;
    DialogServiceGuard &operator=(const DialogServiceGuard &) = delete;

private:
    DialogService *m_previous;
};

} // namespace platform
