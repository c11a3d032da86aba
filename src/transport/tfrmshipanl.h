#pragma once

#include "shell/entrywindow.h"

namespace transport {

class TfrmShipper;

shell::EntryWindowDefinition shipanlEntryDefinition();

// "Packstücke und Warenbezeichnung": the current goods line of the
// declaration the entry window shows, over the register's SHIP1.DB.
class TfrmShipanl : public shell::EntryWindow
{
    Q_OBJECT
public:
    TfrmShipanl(TfrmShipper &headWindow, QWidget *parent = nullptr);
};

} // namespace transport
