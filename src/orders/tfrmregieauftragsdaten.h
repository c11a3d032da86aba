#pragma once

#include "shell/documentregister.h"

namespace orders {

// The kind description of orders for the shared register.
shell::DocumentKind orderKind();

// "Regiezentrum: Rechnung": the register of orders. Besides the head
// (tbRechnung) and the positions (tbArtikel) of the shared register it owns
// the sum lines (tbTexte) and the packages (tbPack); the order window, its
// dialogs and the documents made from an order work on these four tables.
// It builds new and copied orders itself, keeps the position and package
// counts of every order, and sets the current document number before it
// opens an order.
class TfrmRegieAuftragsdaten : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegieAuftragsdaten(QWidget *parent = nullptr);
    ~TfrmRegieAuftragsdaten() override;

    platform::Table &tbRechnung() { return head(); }
    platform::Table &tbArtikel() { return *positions(); }
    platform::Table &tbTexte() { return *m_texte; }
    platform::Table &tbPack() { return *m_pack; }

    void bbtAendernClick() override;
    void SuchenRoutine(shell::TfrmSuche &dialog) override;

    QToolButton *SpeedButton13; // "&Daten-Import"
    QToolButton *SpeedButton14; // "&Intrastat"
    QAction *DatenImport1;

protected:
    void FormClose() override;
    bool createDocument(int number) override;
    bool copyDocument(int source, int target) override;
    void deleteDetails() override;
    void prepareSearch(shell::TfrmSuche &dialog) override;

private:
    // AnzPack of every order, on opening.
    void recountPackages();
    void storePackageCount();

    platform::Table *m_texte = nullptr;
    platform::Table *m_pack = nullptr;
};

// The program-wide register of orders while it exists.
extern shell::DocumentRegister *frmRegieAuftragsdaten;

} // namespace orders
