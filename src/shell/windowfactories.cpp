#include "shell/windowfactories.h"

#include "shell/documentregister.h"

#include <QHash>

namespace shell {

namespace {
QHash<QString, WindowFactory> &factories()
{
    static QHash<QString, WindowFactory> map;
    return map;
}
QHash<QString, RegisterFactory> &registers()
{
    static QHash<QString, RegisterFactory> map;
    return map;
}
QHash<QString, PickFunction> &picks()
{
    static QHash<QString, PickFunction> map;
    return map;
}
} // namespace

void registerKindFactory(const QString &key, WindowFactory factory)
{
    registerWindowFactory(key, std::move(factory));
}

void registerWindowFactory(const QString &key, WindowFactory factory)
{
    if (factory)
        factories().insert(key, std::move(factory));
    else
        factories().remove(key);
}

WindowFactory windowFactory(const QString &key)
{
    return factories().value(key);
}

bool hasWindowFactory(const QString &key)
{
    return factories().contains(key);
}

void unregisterWindowFactory(const QString &key)
{
    factories().remove(key);
    registers().remove(key);
}

void registerDocumentKind(const QString &key, RegisterFactory factory)
{
    if (!factory) {
        unregisterDocumentKind(key);
        return;
    }
    registers().insert(key, factory);
    registerWindowFactory(key, [factory](QWidget *parent) -> QDialog * { return factory(parent); });
}

bool hasDocumentKind(const QString &key)
{
    return registers().contains(key);
}

QStringList documentKindKeys()
{
    QStringList keys = registers().keys();
    keys.sort();
    return keys;
}

std::unique_ptr<DocumentRegister> createDocumentRegister(const QString &key, QWidget *parent)
{
    const RegisterFactory factory = registers().value(key);
    if (!factory)
        return nullptr;
    return std::unique_ptr<DocumentRegister>(factory(parent));
}

void unregisterDocumentKind(const QString &key)
{
    registers().remove(key);
    factories().remove(key);
}

void registerPickFunction(const QString &key, PickFunction pick)
{
    if (pick)
        picks().insert(key, std::move(pick));
    else
        picks().remove(key);
}

PickFunction pickFunction(const QString &key)
{
    return picks().value(key);
}

} // namespace shell
