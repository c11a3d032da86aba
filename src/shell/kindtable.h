#pragma once

#include <QString>
#include <QVector>

namespace shell {

// Where a kind stands in a menu of the main window.
enum class MenuGroup {
    None,
    Versand, // "&Versand - Papiere" / "Versand - Papiere"
    Paketdienste, // "Paket&dienste" below Versand
    Export, // "&Export - Papiere" / "Export - Papiere"
    Import, // "&Import - Papiere" / "Import - Papiere"
    ParcelServices, // the small menu of the tool button "Paket-Dienste"
    ParcelCard, // the small menu of "Paketkarte"
};

enum class ButtonColumn { None, Versand, Export, Import };

// What choosing a kind does.
enum class KindAction {
    Register, // opens the register through its factory
    ParcelCardMenu, // opens the parcel-card menu at the mouse
    ParcelServicesMenu, // opens the parcel-services menu at the mouse
    None, // shown disabled ("Güterfrachtverkehr")
};

struct MenuPlace {
    MenuGroup group = MenuGroup::None;
    int order = 0;
    QString text;
    QString hint; // status-bar text while the entry is highlighted
};

struct ButtonPlace {
    ButtonColumn column = ButtonColumn::None;
    int order = 0;
    QString caption;
    QString tooltip;
    QString status; // status-bar text while the mouse is over it
    bool visible = true;
};

// One document kind as the main window offers it: in the main menu, in the
// right-click menu, in a small parcel menu and as a tool button. All places
// of a kind open the same register factory (registerKindFactory, key).
struct KindEntry {
    QString key; // factory key: "EUR1"
    QString registerClass; // "TfrmRegieEUR1"
    QString caption; // the register's caption
    int number = 0; // the dispatcher's kind number; 0 for kinds with handlers of their own
    KindAction action = KindAction::Register;
    MenuPlace menu {};
    MenuPlace popup {};
    MenuPlace parcelMenu {};
    ButtonPlace button {};
};

// Every kind of the program.
const QVector<KindEntry> &kindTable();
const KindEntry *findKind(const QString &key);

// A window of the master-data, code-table and services menus.
enum class WindowMenu { Stammdaten, Tabellen, Einheitspapiere, Dienste };

struct WindowEntry {
    QString key; // factory key: the window class, "TfrmKunden"
    WindowMenu menu = WindowMenu::Stammdaten;
    QString text;
    QString hint;
    bool separatorBefore = false;
};

const QVector<WindowEntry> &windowTable();

} // namespace shell
