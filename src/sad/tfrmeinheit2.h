#pragma once

#include "sad/declarationwindow.h"

class QMenu;
class QToolButton;

namespace sad {

// "Genehmigungsprüfung Einheitspapier - Import" (frmPlausi2): the head group
// from the entry window, the goods-item group from the goods-item window,
// each alone at the same place.
shell::PlausibilityDefinition importHeadPlausibility();
shell::PlausibilityDefinition importItemPlausibility();

// The entry window "Einfuhranmeldung" as data.
shell::EntryWindowDefinition importEntryDefinition();

// The question after a failed save when the window closes.
inline const QString ImportHeadSaveQuestion
    = QStringLiteral("Beim Speichern wurde ein fehlerhafter Eintrag gefunden!\r\rMöchten Sie diesen Korrigieren?");

// "Einfuhranmeldung": one import declaration laid out like the first sheet
// of the single administrative document, its goods items in a grid below
// box 31, the pick lists of the master data, the box-14 pop-up, box 15's
// typed country number and the completeness check.
class TfrmEinheit2 : public DeclarationWindow
{
    Q_OBJECT
public:
    explicit TfrmEinheit2(shell::DocumentRegister &documentRegister, QWidget *parent = nullptr);
    ~TfrmEinheit2() override;

    QMenu *PopupMenu1 = nullptr; // box 14: "[1] " ... before F14_1
    QToolButton *SpeedButton28 = nullptr;

protected:
    void openItemWindow() override;
    bool formClose() override;

private:
    void buildBox14();
};

// The import declaration entry window while it is open.
extern TfrmEinheit2 *frmEinheit2;

} // namespace sad
