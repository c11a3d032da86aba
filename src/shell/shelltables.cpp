#include "shell/shelltables.h"

#include "platform/schemaregistry.h"
#include "shell/parameterrecord.h"

namespace shell {

void registerShellTables()
{
    auto &registry = platform::SchemaRegistry::instance();
    if (!registry.contains(ParameterTableName))
        registry.add(parameterTableSchema());
}

} // namespace shell
