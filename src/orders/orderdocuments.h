#pragma once

#include <QString>

#include <functional>

namespace orders {

class TfrmAuftrag;
class TfrmRegieAuftragsdaten;

// Documents made from orders. The libraries of the document kinds register
// what an item of the order window's "&Wechseln" does (by the item's object
// name, "mnuIntrastat") and what a command button of the order register
// does (by its object name, "SpeedButton14"); items and buttons nobody has
// registered stay disabled.
using OrderWindowCommand = std::function<void(TfrmAuftrag &window)>;
using OrderRegisterCommand = std::function<void(TfrmRegieAuftragsdaten &orderRegister)>;

void registerOrderWindowCommand(const QString &item, OrderWindowCommand command);
OrderWindowCommand orderWindowCommand(const QString &item);
void registerOrderRegisterCommand(const QString &button, OrderRegisterCommand command);
OrderRegisterCommand orderRegisterCommand(const QString &button);

} // namespace orders
