#pragma once

#include "shell/printwindow.h"

namespace origin {

// The EUR-MED certificate (boxes 1 to 12) and the exporter's declaration,
// form positions in 0.1 mm. Box 7's items read the values of
// eurMedBox7Value.
const QVector<shell::PrintItem> &eurMedCertificateLayout();
const QVector<shell::PrintItem> &eurMedDeclarationLayout();

// The print window of the EUR-MED as data.
shell::PrintWindowDefinition eurMedPrintDefinition();

// "EUR-MED - DRUCK": prints one EUR-MED onto the pre-printed form, the
// certificate with its copies and the declaration once. Its rows are created
// when missing, and the declaration's row chooses the printer of both.
class TfrmEur_Med_d : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit TfrmEur_Med_d(QWidget *parent = nullptr);
};

} // namespace origin
