#pragma once

namespace transport {

// The registers of the IMO declaration ("IMO") and of the shipper's
// declaration ("Shippers") behind their kind keys; the document
// generators make documents in them through the same keys.
void registerDangerousGoodsWindows();

} // namespace transport
