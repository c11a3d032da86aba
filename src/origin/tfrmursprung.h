#pragma once

#include "shell/conversion.h"
#include "shell/entrywindow.h"

#include <QStringList>

namespace origin {

// The names of the description and quantity edits of goods line 4 to 30.
QStringList ursprungGoodsLineControls(int line);

// "Genehmigungsprüfung Ursprungszeugnis" (TfrmUrsprung_Plausi): consignor,
// consignee and country of origin; an address counts as filled when one of
// its first two lines is.
shell::PlausibilityDefinition ursprungPlausibilityDefinition();

// The entry window of the certificate of origin as data: the front page
// with boxes 1 to 7, the back page with its free text.
shell::EntryWindowDefinition ursprungEntryDefinition();

using shell::memoTextLines;

// More lines on the back page than this do not fit on the form.
inline constexpr int UrsprungBackLines = 44;

// "Ursprungszeugnis": one certificate of origin of the register, front and
// back.
class TfrmUrsprung : public shell::EntryWindow
{
    Q_OBJECT
public:
    explicit TfrmUrsprung(shell::DocumentRegister &documentRegister, QWidget *parent = nullptr);
};

} // namespace origin
