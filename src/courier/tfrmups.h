#pragma once

#include "shell/entrywindow.h"

namespace courier {

// The UPS entry window as data: sender, recipient, payment and third party
// on the left; services, shipment, instructions and signature on the right.
shell::EntryWindowDefinition upsEntryDefinition();

// "UPS - Frachtbrief": one waybill of the register. The two pick buttons
// take a customer's phone number and address from the customer window.
class Tfrmups : public shell::EntryWindow
{
    Q_OBJECT
public:
    explicit Tfrmups(shell::DocumentRegister &documentRegister, QWidget *parent = nullptr);
};

} // namespace courier
