#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace shell {

class DocumentRegister;

// Creates a window that the main window shows modally and then frees; it
// may return nullptr when there is nothing to show (a chooser shown first
// was cancelled).
using WindowFactory = std::function<QDialog *(QWidget *parent)>;

// The libraries of the document kinds and of the master data register their
// windows here at start (src/app); the main window's entries of a key are
// disabled while no factory is registered for it.
//     shell::registerKindFactory("EUR1", [](QWidget *p) { return new TfrmRegieEUR1(p); });
// Kind keys: shell::kindTable(). Window keys: the window class of
// shell::windowTable() ("TfrmKunden").
void registerKindFactory(const QString &key, WindowFactory factory);
void registerWindowFactory(const QString &key, WindowFactory factory);
WindowFactory windowFactory(const QString &key);

// A document kind whose register other code may also create without
// showing it (document generation: head(), positions(), editButton()).
// Registers the main window's factory of the key too.
//     shell::registerDocumentKind("EUR1", [](QWidget *p) { return new TfrmRegieEUR1(p); });
using RegisterFactory = std::function<DocumentRegister *(QWidget *parent)>;
void registerDocumentKind(const QString &key, RegisterFactory factory);
bool hasDocumentKind(const QString &key);
// The keys of every document kind registered, sorted.
QStringList documentKindKeys();
// The kind's register, created and not shown; nullptr while the kind is
// not registered.
std::unique_ptr<DocumentRegister> createDocumentRegister(const QString &key, QWidget *parent = nullptr);
void unregisterDocumentKind(const QString &key);
bool hasWindowFactory(const QString &key);
void unregisterWindowFactory(const QString &key);

// A pick window that returns the chosen code ("" when cancelled), started
// on the current one. Keys: "TfrmVerf_e" (procedure, five characters),
// "TfrmGesch_e" (business kind).
using PickFunction = std::function<QString(QWidget *parent, const QString &current, bool *chosen)>;
void registerPickFunction(const QString &key, PickFunction pick);
PickFunction pickFunction(const QString &key);

} // namespace shell
