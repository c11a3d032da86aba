#pragma once

#include "shell/entrywindow.h"

class QTabWidget;

namespace shell {
class TMyNav;
class TWheelDBGrid;
}

namespace atlas {

class TfrmRegieAtlas;

// The windows over one list of the register's tables (a goods item, a
// previous document, a package, a supporting document): entry windows
// without status bar whose fields F6 never fixes.
class AtlasListWindow : public shell::EntryWindow
{
    Q_OBJECT
public:
    AtlasListWindow(TfrmRegieAtlas &documentRegister, shell::EntryWindowDefinition definition, platform::Table &table,
        QWidget *parent = nullptr);

    TfrmRegieAtlas &atlasRegister() const { return m_register; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

    TfrmRegieAtlas &m_register;
    // Memos with a typed-length limit, by control name.
    QHash<QString, int> m_memoLimits;
};

// "Packstücke und Warenbezeichnung": one goods item with its previous
// documents, packages, containers and supporting documents on tabs and one
// navigator for the list of the tab shown.
class TfrmAtlasAEWaren : public AtlasListWindow
{
    Q_OBJECT
public:
    TfrmAtlasAEWaren(TfrmRegieAtlas &documentRegister, QWidget *parent = nullptr);

    // Shows the window on the current goods item, then posts the item.
    static void ShowItem(TfrmRegieAtlas &documentRegister, QWidget *parent);

    // The goods-number pick: the five parts and the description.
    void PickGoodsNumber();
    // The list of a tab (0 previous documents, 1 packages, 2 containers,
    // 3 supporting documents).
    platform::Table &list(int tab) const;
    // After the navigator's insert or edit: the window of the list shown.
    void EditListEntry();

    QTabWidget *PageControl1;
    shell::TWheelDBGrid *grids[4];
    shell::TMyNav *DBNavigator1;
};

// The small windows of three item lists.
void ShowVorpapier(TfrmRegieAtlas &documentRegister, QWidget *parent);
void ShowPackstueck(TfrmRegieAtlas &documentRegister, QWidget *parent);
void ShowUnterlage(TfrmRegieAtlas &documentRegister, QWidget *parent);

} // namespace atlas
