#pragma once

#include "sad/declarationwindow.h"
#include "sad/documentgenerator.h"

class QMenu;
class QToolButton;

namespace sad {

// "Genehmigungsprüfung Einheitspapier" (frmPlausi): from the entry window
// the head group alone; from the goods-item window the head group unticked
// and the group "Positionen".
shell::PlausibilityDefinition exportHeadPlausibility();
shell::PlausibilityDefinition exportItemPlausibility();

// The entry window "Ausfuhranmeldung" as data.
shell::EntryWindowDefinition exportEntryDefinition();

// "Ausfuhranmeldung": one export declaration laid out like the single
// administrative document, with its goods items in a grid below box 31,
// the pick lists of the master data, the box-14 pop-ups, the completeness
// check and the menu "&Wechseln" that makes other documents from it.
class TfrmEinheit : public DeclarationWindow
{
    Q_OBJECT
public:
    explicit TfrmEinheit(shell::DocumentRegister &documentRegister, QWidget *parent = nullptr);
    ~TfrmEinheit() override;
    // The hidden box-44 declaration of no nuclear use: ticked ("j"), the
    // special references of box 44 are read-only and grey; their text stays.
    void applyBox44Declaration();
    // "&Wechseln": the target made from the declaration shown.
    void makeDocument(const GeneratorTarget &target);

    QMenu *mnuWechseln = nullptr;
    QMenu *PopupMenu14Representation = nullptr; // "[1] " ... before F14_1
    QMenu *PopupMenu14Role = nullptr; // "Ausführer - 00400" ... after f14_2
    QToolButton *SpeedButton14Representation = nullptr;
    QToolButton *SpeedButton14Role = nullptr;
    QToolButton *SpeedButtonInfo44 = nullptr;

protected:
    void openItemWindow() override;

private:
    void buildWechseln();
    void buildBox14();
    void buildBox44();
    void attachCountryLookup();
};

// The export declaration entry window while it is open.
extern TfrmEinheit *frmEinheit;

} // namespace sad
