#include "transport/transporttables.h"

#include "transport/deliverynotetables.h"
#include "transport/packinglisttables.h"

namespace transport {

void registerTransportTables()
{
    registerPackingListTables();
    registerDeliveryNoteTables();
}

} // namespace transport
