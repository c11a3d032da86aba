#pragma once

#include "shell/entrywindow.h"

class QLabel;
class QMenu;
class QToolButton;

namespace platform {
class DataEdit;
class DataLookupComboBox;
class Table;
}

namespace shell {
class TWheelDBGrid;
}

namespace orders {

class TfrmRegieAuftragsdaten;

// The buttons of one detail list of the order window: the four moves and
// the list's own commands.
struct ListButtons {
    QToolButton *first = nullptr;
    QToolButton *prior = nullptr;
    QToolButton *next = nullptr;
    QToolButton *last = nullptr;
};

// "Auftragsdaten": one order on five pages (invoice head, positions with
// the sum lines, packages with the marks, invoice clauses, payment terms
// with the preference statement), over the order register's four tables.
// The head page takes customer, country, language, addresses, transport
// mode and texts from the master data; the lists edit their lines in the
// position, package and sum-line dialogs.
class TfrmAuftrag : public shell::EntryWindow
{
    Q_OBJECT
public:
    explicit TfrmAuftrag(TfrmRegieAuftragsdaten &orderRegister, QWidget *parent = nullptr);
    ~TfrmAuftrag() override;

    TfrmRegieAuftragsdaten &orderRegister() const { return m_orders; }

    // The sum lines computed anew from the positions (Berechnung aktualisieren).
    void RecalcTotals();
    // The language key of the order's texts ("d", "e", "f", "p", "s").
    QString languageKey() const;
    QString countryText() const;
    QString languageText() const;
    // Shows the country and the language of the order.
    void showCountry();
    void showLanguage();

    // The commands of the three lists.
    void addPosition();
    void deletePosition();
    void editPosition();
    void insertSumLine();
    void appendSumLine();
    void deleteSumLine();
    void editSumLine();
    void recalculate();
    void addPackage();
    void deletePackage();
    void editPackage();

    // "&Wechseln" opened: the positions page and the sum lines brought up to date.
    void wechselnOpened();

    // The question before a document is made from the order under a number
    // the target kind already has: "Diese Beleg-Nr. wurde bereits vergeben!
    // \rMöchten Sie diese Überschreiben?" (Yes, No). The caller replaces the
    // document on Overwrite (deleting it in the transaction that writes the
    // new one) and opens it unchanged on Keep.
    enum class OverwriteAnswer { NewDocument, Overwrite, Keep };
    static OverwriteAnswer ConfirmOverwrite(platform::Table &targetHead, int number);

    shell::TWheelDBGrid *dbgrArtikel = nullptr;
    shell::TWheelDBGrid *dbgrTexte = nullptr;
    shell::TWheelDBGrid *dbgrPack = nullptr;
    ListButtons positionMoves;
    ListButtons sumLineMoves;
    ListButtons packageMoves;
    QToolButton *sbArtikelNeu = nullptr;
    QToolButton *sbArtikelLoeschen = nullptr;
    QToolButton *sbArtikelBearbeiten = nullptr;
    QToolButton *sbTexteEinfuegen = nullptr;
    QToolButton *sbTexteAnhaengen = nullptr;
    QToolButton *sbTexteLoeschen = nullptr;
    QToolButton *sbTexteBearbeiten = nullptr;
    QToolButton *btnBerechnung = nullptr;
    QToolButton *sbPackNeu = nullptr;
    QToolButton *sbPackLoeschen = nullptr;
    QToolButton *sbPackBearbeiten = nullptr;
    QLabel *LandText = nullptr;
    QLabel *SpracheText = nullptr;
    platform::DataLookupComboBox *cbSachbearbeiter = nullptr;
    platform::DataLookupComboBox *cbFrankatur = nullptr;
    platform::DataEdit *DBEditUstnr = nullptr;
    QMenu *mnuWechseln = nullptr;

    platform::Table *tbSachb = nullptr;
    platform::Table *tbLand = nullptr;
    platform::Table *tbSprache = nullptr;
    platform::Table *tbLiefer = nullptr;
    platform::Table *tbFrankatur = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool formClose() override;

private:
    void buildHeadPage();
    void buildPositionsPage();
    void buildPackagesPage();
    void buildMenu();
    QToolButton *listButton(QWidget *parent, const QString &name, const QString &hint, int x, int y,
        const std::function<void()> &command, const QString &caption = {}, bool focusesSumLines = false);
    ListButtons moveButtons(
        QWidget *parent, const QString &prefix, const QStringList &hints, int x, int y, platform::Table &table);
    void installNavigationHandlers();
    void removeNavigationHandlers();
    void updateLists();
    void clerkChosen();
    void pickTransportMode();
    void printOrder();
    bool isGrid(QObject *object, platform::Table **table) const;
    void setStatusHint(const QString &text);

    TfrmRegieAuftragsdaten &m_orders;
    bool m_shown = false;
};

// The program-wide order window while it is open.
extern TfrmAuftrag *frmAuftrag;

} // namespace orders
