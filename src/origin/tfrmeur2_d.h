#pragma once

#include "shell/printwindow.h"

namespace origin {

// The EUR.2 form, one page, form positions in 0.1 mm.
const QVector<shell::PrintItem> &eur2Layout();

shell::PrintWindowDefinition eur2PrintDefinition();

// "EUR2 - DRUCK": prints one EUR.2 onto the pre-printed form.
class TfrmEur2_d : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit TfrmEur2_d(QWidget *parent = nullptr);
};

} // namespace origin
