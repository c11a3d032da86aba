#include "shell/windowfactories.h"

#include <QHash>

namespace shell {

namespace {
QHash<QString, WindowFactory> &factories()
{
    static QHash<QString, WindowFactory> map;
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
