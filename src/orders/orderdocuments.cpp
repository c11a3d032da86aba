#include "orders/orderdocuments.h"

#include <QHash>

namespace orders {

namespace {

QHash<QString, OrderWindowCommand> &windowCommands()
{
    static QHash<QString, OrderWindowCommand> commands;
    return commands;
}

QHash<QString, OrderRegisterCommand> &registerCommands()
{
    static QHash<QString, OrderRegisterCommand> commands;
    return commands;
}

} // namespace

void registerOrderWindowCommand(const QString &item, OrderWindowCommand command)
{
    windowCommands().insert(item, std::move(command));
}

OrderWindowCommand orderWindowCommand(const QString &item)
{
    return windowCommands().value(item);
}

void registerOrderRegisterCommand(const QString &button, OrderRegisterCommand command)
{
    registerCommands().insert(button, std::move(command));
}

OrderRegisterCommand orderRegisterCommand(const QString &button)
{
    return registerCommands().value(button);
}

} // namespace orders
