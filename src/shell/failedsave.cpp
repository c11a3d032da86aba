#include "shell/failedsave.h"

#include "platform/databaseerror.h"
#include "platform/dialogservice.h"
#include "platform/table.h"

namespace shell {

void watchFailedSaves(platform::Table &table)
{
    table.onPostError = [](platform::DataSet &, const platform::DatabaseError &error) {
        platform::dialogs().error(error.message() + QStringLiteral("\rDaten konnten nicht gespeichert werden!"));
        return platform::DataAction::Abort;
    };
}

} // namespace shell
