#pragma once

#include "masterdata/listprint.h"
#include "masterdata/masterdatawindow.h"

namespace masterdata {

// "Spediteure" and "Versandanschrift": two address tables of one shape,
// shown by name, numbered by proposal (highest number + 1).
MasterDataDefinition forwarderDefinition();
MasterDataDefinition shippingAddressDefinition();
ListLayout forwarderListLayout();
ListLayout shippingAddressListLayout();

class TfrmSpedit : public MasterDataWindow
{
    Q_OBJECT
public:
    explicit TfrmSpedit(QWidget *parent = nullptr);

    // The forwarder window with its pick buttons; the number of the chosen
    // forwarder, or -1 when cancelled.
    static int SelectForwarderNumber(QWidget *parent = nullptr);
};

class TfrmVersand : public MasterDataWindow
{
    Q_OBJECT
public:
    explicit TfrmVersand(QWidget *parent = nullptr);
};

} // namespace masterdata
