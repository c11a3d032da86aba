#pragma once

#include "shell/documentregister.h"

class QToolButton;

namespace platform {
class Table;
}

namespace atlas {

class DeclarationTables;

// The program-wide variable of the register, set while it exists: the entry,
// goods-item and list windows work on its tables.
extern shell::DocumentRegister *frmRegieAtlas;

const shell::DocumentKind &atlasKind();

// "Regiezentrum: Atlas AE": the register of the electronic export
// declarations. It owns the eight declaration tables (the head is the
// register's own head table) and the parameter record. "&Neu" takes the
// first free number from the proposal on without asking and copies the
// template with its lists; "&Kopieren" copies a declaration with its lists;
// "&Löschen" deletes declarations with every list; "&Atlas Export" hands
// declarations chosen by date to the XML export. There is no print command.
class TfrmRegieAtlas : public shell::DocumentRegister
{
    Q_OBJECT
public:
    explicit TfrmRegieAtlas(QWidget *parent = nullptr);
    ~TfrmRegieAtlas() override;

    // Creates the register, shows it modally and frees it.
    static void ShowRegister(QWidget *parent = nullptr);

    DeclarationTables &tables() { return *m_tables; }
    platform::Table &tbKopf() { return head(); }
    platform::Table &tbWarenPos();
    platform::Table &tbVerschluss();
    platform::Table &tbRoute();
    platform::Table &tbVorpapier();
    platform::Table &tbPackSt();
    platform::Table &tbContainer();
    platform::Table &tbUnterlage();
    platform::Table &tbParameter() { return parameter(); }

    // The number for "&Neu": the first free number from the proposal on
    // (1 when the proposal is 0 or less); the proposal := that number.
    int FindFreeAtlasNumber();
    // Copies a declaration with its seals, goods items and the items' lists,
    // never the route, in one transaction; the copy is the current head.
    // A failure is shown and leaves nothing of the copy.
    bool CopyAtlasDeclaration(int source, int target);
    // Re-reads the parameter record, the head and the lists.
    void RefreshAtlasTables();
    // Posts whatever the windows left in edit state, head and lists.
    void PostAtlasTables();
    // The country name of a route entry's code; empty when it is unknown.
    static QString RouteCountryName(const QString &code);

    void bbtNeuClick() override;
    void bbtKopierenClick() override;
    void bbtSuchenClick() override;
    // "&Atlas Export": the declarations chosen by date into one file.
    void SpeedButtonAtlasExportClick();

    QToolButton *SpeedButtonAtlasExport;

protected:
    bool copyDocument(int source, int target) override;
    void deleteDetails() override;
    void FormClose() override;

private:
    void ensureTemplateItem();

    DeclarationTables *m_tables = nullptr;
};

} // namespace atlas
