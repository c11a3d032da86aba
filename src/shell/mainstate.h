#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace platform {
class Table;
}

namespace shell {

// The display state, the logged-in user and the options that the main
// window holds and every other window reads. The main window sets it at
// start-up and from the options dialog; windows read it through mainState().
struct MainState {
    QString Kurzname;  // short name of the logged-in user
    int UserNr = 0;    // selects the user directory "User<n>"
    QFont FormularAnzeigeFont;   // labels of document entry windows
    QColor FormularAnzeigeFontColor = Qt::blue;
    QFont StammdatenAnzeigeFont; // labels of master-data windows
    QColor StammdatenAnzeigeFontColor = Qt::blue;
    QFont EingabeFelderFont;     // data-aware input controls
    QColor EingabeFelderFontColor = Qt::black;
    QFont AusdruckFont;          // print font: name and style
    QColor AusdruckFontColor = Qt::black;
    QColor HinterGrundFarbe = QColor(0xF0, 0xF0, 0xF0);  // window background
    bool XP_Themes = false;
    bool AutomatischAnmelden = false;
    QString AnmeldeNamen;
    bool AutomatischAbmelden = false;
    bool Abgabensatz = false;
    bool StatistischerWert = false;
    bool RechnungsWert = false;
    bool AEFeld33Focus = false;
    QString Zollamt1, Zollamt2, ZollamtAn1, ZollamtAn2, ZollamtNr;
    bool IntraUebernahme = false;
    QString IntraVerfahren;
    bool IntraArtUebernahme = false;
    QString IntraArt;
    QString DatenBankPfad;  // data directory as stored in Export.ini
    QString ProgrammPfad;   // program directory with trailing separator
    platform::Table *tbParameter = nullptr;  // the parameter record, opened at start-up
};

MainState &mainState();
// Back to the defaults (tests).
void resetMainState();

} // namespace shell
