#pragma once

#include "shell/entrywindow.h"

namespace transport {

class TfrmLieferschein;

shell::EntryWindowDefinition lieferscheinAnlDefinition();

// "Packstücke und Warenbezeichnung": one position of the delivery note
// shown in the entry window (boxes 27 to 31).
class TfrmLieferscheinAnl : public shell::EntryWindow
{
    Q_OBJECT
public:
    TfrmLieferscheinAnl(TfrmLieferschein &entryWindow, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace transport
