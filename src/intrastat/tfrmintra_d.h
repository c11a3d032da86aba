#pragma once

#include "intrastat/intrastattables.h"
#include "shell/printwindow.h"

namespace intrastat {

// The distance of the position blocks when the parameter record's Inta is
// empty or below 1, in 0.1 mm.
constexpr int DefaultPositionSpacing = 485;
// The parameter record's Inta, or the default.
int positionSpacing();

// The form "VORDRUCK N", in 0.1 mm: the head boxes and, per position block,
// the position's boxes relative to the block's top.
const QVector<shell::PrintItem> &intrastatHeadLayout();
const QVector<shell::PrintItem> &intrastatPositionLayout(bool isDispatch);

// The print window of a direction as data: four positions a sheet, the page
// choice, each sheet a job of its own.
shell::PrintWindowDefinition intrastatPrintDefinition(const Direction &direction);

// "Intrastat Druck": one declaration of the register's current direction on
// the pre-printed form, the head repeated on every sheet.
class TfrmIntra_d : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit TfrmIntra_d(const Direction &direction, QWidget *parent = nullptr);
};

} // namespace intrastat
