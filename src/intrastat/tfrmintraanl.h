#pragma once

#include "shell/entrywindow.h"

namespace platform {
class DataComboBox;
}

namespace intrastat {

class TfrmIntra;

// The position window as data for a direction: boxes 6 to 19, the labels
// and box texts of the direction, box 14 for arrivals only.
shell::EntryWindowDefinition intraPositionDefinition(bool isDispatch);

// "Intrastat - Positionen": one position of the declaration the head window
// shows, over the register's position table.
class TfrmIntraAnl : public shell::EntryWindow
{
    Q_OBJECT
public:
    TfrmIntraAnl(TfrmIntra &headWindow, QWidget *parent = nullptr);

    platform::DataComboBox *DBComboBox1 = nullptr; // relation of the enterprises

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_dispatch = false;
};

} // namespace intrastat
