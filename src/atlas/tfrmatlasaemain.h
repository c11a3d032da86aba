#pragma once

#include "shell/entrywindow.h"

#include <QStringList>

class QCheckBox;
class QComboBox;
class QTabWidget;
class QToolButton;

namespace platform {
class DataComboBox;
}
namespace shell {
class TMyNav;
class TWheelDBGrid;
}

namespace atlas {

class TfrmRegieAtlas;

// Pale yellow of the mandatory fields.
inline const QColor MandatoryColor = QColor(255, 255, 166);

// A memo's typed-length rule: a character of the limited set (digits,
// letters A-Z and a-z, space and the usual punctuation) is refused once the
// text has the limit; other keys (umlauts among them) pass.
bool refusesTypedCharacter(const QString &typed, int length, int limit);

// "Atlas Ausfuhranmeldung": one declaration of the register on one
// scrolling page: header data, the six parties on tabs, transport, places,
// customs offices, business data, presentation period, delivery term and
// the route, goods items and seals at the bottom.
class TfrmAtlasAEMain : public shell::EntryWindow
{
    Q_OBJECT
public:
    TfrmAtlasAEMain(TfrmRegieAtlas &documentRegister, QWidget *parent = nullptr);
    ~TfrmAtlasAEMain() override;

    TfrmRegieAtlas &atlasRegister() const { return m_register; }
    // The values of the template's goods item, one a field, read when shown.
    const QStringList &templateItemValues() const { return m_templateItem; }

    QTabWidget *PageControl2; // parties
    QTabWidget *PageControl1; // route, goods items, seals
    platform::DataComboBox *cb_Mandant;
    QCheckBox *cbContainerNein;
    QCheckBox *cbContainerJa;
    QToolButton *sbWebZollstellen;
    shell::TWheelDBGrid *gridRoute;
    shell::TWheelDBGrid *gridWaren;
    shell::TWheelDBGrid *gridVerschluss;
    shell::TMyNav *navRoute;
    shell::TMyNav *navWaren;
    shell::TMyNav *navVerschluss;
    QMenu *mnuExport;
    QMenu *mnuWechseln;
    QAction *mnuAMExportieren;
    QAction *mnuErgAMExportieren;
    QAction *mnuEPASDrucken;

    // The menu's hand-over commands.
    void ExportDeclarationClick();
    void ExportSupplementaryClick();
    // The customer take-over into the party of the tab shown.
    void TakeOverCustomer();
    // After the route navigator's insert or edit: the country of the entry.
    void RouteCountryPick();
    // After the goods navigator's insert or edit: template values for a new
    // item, then the goods-item window.
    void EditGoodsItem(bool inserted);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool formClose() override;

private:
    void buildParties();
    void buildLists();
    void buildMenu();
    void buildContainerPair();
    void showContainer();
    void setContainer(const QString &value);
    void postAll();

    TfrmRegieAtlas &m_register;
    QStringList m_clients;
    QStringList m_templateItem;
    bool m_shownOnce = false;
};

} // namespace atlas
