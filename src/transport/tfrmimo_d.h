#pragma once

#include "shell/printwindow.h"

namespace transport {

// The IMO declaration on the pre-printed form, every box with its pair of
// the correction row "IMO" (the pairs 19 and 20 move nothing).
const QVector<shell::PrintItem> &imoLayout();
shell::PrintWindowDefinition imoPrintDefinition();

// "Imo - DRUCK": prints the declaration after "Bitte Formular IMO-Erklärung
// in Drucker einlegen !" (Cancel prints nothing), each copy a job of its own.
class Tfrmimo_d : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit Tfrmimo_d(QWidget *parent = nullptr);
};

} // namespace transport
