#pragma once

#include "shell/printwindow.h"

namespace transport {

// The layouts of the shipper's declaration, in the order of the choice.
enum ShippersLayout { Orvanta = 0, Andere = 1, Lufthansa = 2 };

// The texts of the head and foot of a layout, and of one goods line (at its
// first line's place), with the pairs of the row "SHIPPERS DECLARATION".
QVector<shell::PrintItem> shippersHeadLayout(ShippersLayout layout);
QVector<shell::PrintItem> shippersFootLayout(ShippersLayout layout);
QVector<shell::PrintItem> shippersGoodsLineLayout(ShippersLayout layout);
shell::PrintWindowDefinition shippersPrintDefinition();

// "Shipper`s Declaration - DRUCK": prints the declaration on the form the
// clerk chose ("Orvanta", "Andere", "Lufthansa", kept under ShipDruck),
// without a question, each copy a job titled with the document number.
class TfrmShip_d : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit TfrmShip_d(QWidget *parent = nullptr);
};

} // namespace transport
