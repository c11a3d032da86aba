#include "shell/shelltables.h"

#include "platform/schemaregistry.h"
#include "shell/parameterrecord.h"
#include "shell/users.h"

namespace shell {

void registerShellTables()
{
    auto &registry = platform::SchemaRegistry::instance();
    if (!registry.contains(ParameterTableName))
        registry.add(parameterTableSchema());
    if (!registry.contains(UserTableName))
        registerUserTables();
}

} // namespace shell
