#pragma once

#include "shell/entrywindow.h"

#include <QStringList>

namespace transport {

// The component names of goods line 1 to 13 in tab order: marks, number,
// contents, class, UN number, packing group. The fixed-field list stores them.
QStringList imoGoodsLineControls(int line);
// Line 1 to 5 of gross mass, emergency schedule and properties.
QStringList imoMassLineControls(int line);

// "Genehmigungsprüfung" of the IMO declaration (Tfrmimo_Pl): twelve boxes
// from "1 Versender" to "10 Datum des Versenders"; Escape corrects.
shell::PlausibilityDefinition imoPlausibilityDefinition();

// The IMO declaration with the container packing certificate as data.
shell::EntryWindowDefinition imoEntryDefinition();

// "IMO-Erklärung für gefährliche Güter": one IMO declaration of the
// register box by box.
class Tfrmimo : public shell::EntryWindow
{
    Q_OBJECT
public:
    explicit Tfrmimo(shell::DocumentRegister &documentRegister, QWidget *parent = nullptr);
};

} // namespace transport
