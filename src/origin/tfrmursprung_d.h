#pragma once

#include "shell/printwindow.h"

namespace origin {

// The front page of the certificate of origin, form positions in 0.1 mm.
const QVector<shell::PrintItem> &ursprungFrontLayout();

shell::PrintWindowDefinition ursprungPrintDefinition();

// "Ursprungszeugnis - DRUCK": prints the front page and the free text of
// the back page, each with the offsets and copies of its own row.
class TfrmUrsprung_d : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit TfrmUrsprung_d(QWidget *parent = nullptr);
};

} // namespace origin
