#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace shell {

// The options dialog "Optionen": edits the options the main window holds
// (mainState()). Fonts and colours take effect at once; the rest when the
// dialog closes with "&OK". Export.ini receives them at shutdown, except the
// ATLAS customer number, which "&OK" writes at once.
class TfrmOptionen : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmOptionen(QWidget *parent = nullptr);

    void OKClick();
    // Renames the manifest beside the program as the themes box says.
    static void switchManifest(bool themes);

    QTabWidget *PageControl1;
    // Allgemein
    QCheckBox *cbAutomatischAnmelden;
    QComboBox *cbbxAnmeldeNamen;
    QCheckBox *cbBestaetigung;
    QCheckBox *cbXPThemes;
    // Farben
    QListWidget *lbFarben;
    QGroupBox *gbBeispiel;
    QLineEdit *edBeispiel;
    QLabel *lblFormular;
    QLabel *lblStammdaten;
    QPushButton *btnSchriftart;
    QPushButton *btnFarbe;
    // Zollanmeldung
    QCheckBox *cbAbgabensatz;
    QCheckBox *cbStatistischerWert;
    QCheckBox *cbRechnungsWert;
    // Ausfuhranmeldung
    QLineEdit *edZollamt1;
    QLineEdit *edZollamt2;
    QLineEdit *edZollamtAn1;
    QLineEdit *edZollamtAn2;
    QLineEdit *edZollamtNr;
    QCheckBox *cbAEFeld33Focus;
    // Intrastat
    QCheckBox *cbIntraUebernahme;
    QLineEdit *edIntraVerfahren;
    QToolButton *btnIntraVerfahren;
    QCheckBox *cbIntraArtUebernahme;
    QLineEdit *edIntraArt;
    QToolButton *btnIntraArt;
    // Atlas
    QLineEdit *edAtlasKundenNr;

    QPushButton *btnOK;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void colourEntryChosen(int row);
    void changeFont();
    void changeColour();
    void showSamples();
    void pick(const QString &key, QLineEdit *edit);
};

} // namespace shell
