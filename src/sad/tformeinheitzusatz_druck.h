#pragma once

#include "shell/printlayout.h"
#include "shell/printwindow.h"

namespace sad {

// The settings row of the supplementary sheet's print.
inline const QString SupplementarySheetRow = QStringLiteral("ZUSATZBL - EINHEITSPAPIER");

// Where each value of the sheet goes on the pre-printed form.
const QVector<shell::PrintItem> &supplementarySheetLayout();

shell::PrintWindowDefinition supplementarySheetPrintDefinition();

// "EINHEITSPAPIER - DRUCK" of a supplementary sheet for inward processing:
// its data onto the pre-printed form, one page, each copy a job of its own.
class TFormEinheitZusatz_Druck : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit TFormEinheitZusatz_Druck(QWidget *parent = nullptr);
};

} // namespace sad
