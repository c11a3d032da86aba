#include "shell/tfrmoptionen.h"

#include "platform/database.h"
#include "platform/inifile.h"
#include "platform/reportedcall.h"
#include "platform/session.h"
#include "platform/table.h"
#include "platform/tableschema.h"
#include "shell/mainstate.h"
#include "shell/settings.h"
#include "shell/users.h"
#include "shell/windowfactories.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace shell {

namespace {

enum ColourEntry { EingabeFelder, FormularAnzeige, StammdatenAnzeige, Hintergrund, Ausdruck };

const QString AtlasKey = QStringLiteral("Atlas_KundenNr");

QString iniFile()
{
    return ProgramDirectory() + IniFileName;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

// Ticking one of two boxes that exclude each other unticks and disables the other.
void excludeEachOther(QCheckBox *a, QCheckBox *b)
{
    QObject::connect(a, &QCheckBox::toggled, b, platform::reported(b, [b](bool on) {
        if (on) {
            b->setChecked(false);
            b->setEnabled(false);
        } else {
            b->setEnabled(true);
        }
    }));
    QObject::connect(b, &QCheckBox::toggled, a, platform::reported(a, [a](bool on) {
        if (on) {
            a->setChecked(false);
            a->setEnabled(false);
        } else {
            a->setEnabled(true);
        }
    }));
}

} // namespace

TfrmOptionen::TfrmOptionen(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOptionen"));
    setWindowTitle(QStringLiteral("Optionen"));
    const MainState &state = mainState();
    auto *layout = new QVBoxLayout(this);
    PageControl1 = new QTabWidget(this);
    layout->addWidget(PageControl1);

    // Allgemein
    auto *general = new QWidget;
    auto *generalLayout = new QVBoxLayout(general);
    cbAutomatischAnmelden = new QCheckBox(QStringLiteral("Automatisch Anmelden"), general);
    cbbxAnmeldeNamen = new QComboBox(general);
    cbBestaetigung = new QCheckBox(QStringLiteral("Bestätigung beim Beenden"), general);
    cbXPThemes = new QCheckBox(QStringLiteral("WindowsXP Themes verwenden (Programm neustart erforderlich)"), general);
    for (QWidget *w : { static_cast<QWidget *>(cbAutomatischAnmelden), static_cast<QWidget *>(cbbxAnmeldeNamen),
             static_cast<QWidget *>(cbBestaetigung), static_cast<QWidget *>(cbXPThemes) })
        generalLayout->addWidget(w);
    generalLayout->addStretch(1);
    PageControl1->addTab(general, QStringLiteral("Allgemein"));

    // Farben
    auto *colours = new QWidget;
    auto *coloursLayout = new QHBoxLayout(colours);
    lbFarben = new QListWidget(colours);
    lbFarben->addItems({ QStringLiteral("Eingabe-Felder"), QStringLiteral("Formular-Anzeige"),
        QStringLiteral("Stammdaten-Anzeige"), QStringLiteral("Hintergrund"), QStringLiteral("Ausdruck") });
    coloursLayout->addWidget(lbFarben);
    auto *right = new QVBoxLayout;
    gbBeispiel = new QGroupBox(QStringLiteral("Beispiel:"), colours);
    gbBeispiel->setAutoFillBackground(true);
    auto *sampleLayout = new QVBoxLayout(gbBeispiel);
    edBeispiel = new QLineEdit(QStringLiteral("Beispiel für die EingabeFelder"), gbBeispiel);
    lblFormular = new QLabel(QStringLiteral("Beispiel für die Formular-Anzeige"), gbBeispiel);
    lblStammdaten = new QLabel(QStringLiteral("Beispiel für die Stammdaten-Anzeige"), gbBeispiel);
    sampleLayout->addWidget(edBeispiel);
    sampleLayout->addWidget(lblFormular);
    sampleLayout->addWidget(lblStammdaten);
    right->addWidget(gbBeispiel);
    btnSchriftart = new QPushButton(QStringLiteral("Schriftart ändern"), colours);
    btnFarbe = new QPushButton(QStringLiteral("Farbe ändern"), colours);
    right->addWidget(btnSchriftart);
    right->addWidget(btnFarbe);
    coloursLayout->addLayout(right);
    PageControl1->addTab(colours, QStringLiteral("Farben"));

    // Zollanmeldung
    auto *customs = new QWidget;
    auto *customsLayout = new QVBoxLayout(customs);
    auto *collective = new QGroupBox(QStringLiteral("Sammelzollanmeldung 0512/0514 - 0516"), customs);
    auto *collectiveLayout = new QVBoxLayout(collective);
    cbAbgabensatz = new QCheckBox(QStringLiteral("Spalten Abgabensatz bei Formular 0516 berechenen"), collective);
    cbStatistischerWert
        = new QCheckBox(QStringLiteral("Gesamtsumme für stat. Wert bei Formular 0512 berechenen"), collective);
    cbRechnungsWert
        = new QCheckBox(QStringLiteral("Gesamtsumme für Rechnungswert bei Formular 0512 berechenen"), collective);
    collectiveLayout->addWidget(cbAbgabensatz);
    collectiveLayout->addWidget(cbStatistischerWert);
    collectiveLayout->addWidget(cbRechnungsWert);
    customsLayout->addWidget(collective);
    customsLayout->addStretch(1);
    PageControl1->addTab(customs, QStringLiteral("Zollanmeldung"));

    // Ausfuhranmeldung
    auto *exportPage = new QWidget;
    auto *exportLayout = new QFormLayout(exportPage);
    exportLayout->addRow(new QLabel(QStringLiteral("Sonderstempel"), exportPage));
    exportLayout->addRow(QStringLiteral("Hinweis:"),
        new QLabel(QStringLiteral("Wenn alle Felder ausgefüllt sind wird der Sonderstempel mit "
                                  "ausgedruckt!!"),
            exportPage));
    edZollamt1 = new QLineEdit(exportPage);
    edZollamt2 = new QLineEdit(exportPage);
    edZollamtAn1 = new QLineEdit(exportPage);
    edZollamtAn2 = new QLineEdit(exportPage);
    edZollamtNr = new QLineEdit(exportPage);
    exportLayout->addRow(QStringLiteral("Zollstelle"), edZollamt1);
    exportLayout->addRow(QString(), edZollamt2);
    exportLayout->addRow(QStringLiteral("Anschrift"), edZollamtAn1);
    exportLayout->addRow(QString(), edZollamtAn2);
    exportLayout->addRow(QStringLiteral("Nummer"), edZollamtNr);
    cbAEFeld33Focus = new QCheckBox(QStringLiteral("Feld 34 Nach Übernahme von Feld 31 Markieren?"), exportPage);
    exportLayout->addRow(cbAEFeld33Focus);
    PageControl1->addTab(exportPage, QStringLiteral("Ausfuhranmeldung"));

    // Intrastat
    auto *intrastat = new QWidget;
    auto *intraLayout = new QGridLayout(intrastat);
    cbIntraUebernahme = new QCheckBox(QStringLiteral("Verfahren bei Übernahme übernehmen?"), intrastat);
    edIntraVerfahren = new QLineEdit(intrastat);
    btnIntraVerfahren = new QToolButton(intrastat);
    btnIntraVerfahren->setText(QStringLiteral("..."));
    cbIntraArtUebernahme = new QCheckBox(QStringLiteral("Art bei Übernahme übernehmen?"), intrastat);
    edIntraArt = new QLineEdit(intrastat);
    btnIntraArt = new QToolButton(intrastat);
    btnIntraArt->setText(QStringLiteral("..."));
    intraLayout->addWidget(cbIntraUebernahme, 0, 0);
    intraLayout->addWidget(edIntraVerfahren, 0, 1);
    intraLayout->addWidget(btnIntraVerfahren, 0, 2);
    intraLayout->addWidget(cbIntraArtUebernahme, 1, 0);
    intraLayout->addWidget(edIntraArt, 1, 1);
    intraLayout->addWidget(btnIntraArt, 1, 2);
    intraLayout->setRowStretch(2, 1);
    PageControl1->addTab(intrastat, QStringLiteral("Intrastat"));

    // Atlas
    auto *atlas = new QWidget;
    auto *atlasLayout = new QVBoxLayout(atlas);
    atlasLayout->addWidget(new QLabel(QStringLiteral("KundenNummer (Zugewiesen von Brenix GmbH):"), atlas));
    edAtlasKundenNr = new QLineEdit(atlas);
    atlasLayout->addWidget(edAtlasKundenNr);
    atlasLayout->addStretch(1);
    PageControl1->addTab(atlas, QStringLiteral("Atlas"));

    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setAutoDefault(false);
    layout->addWidget(btnOK, 0, Qt::AlignRight);

    // Behaviour
    connect(cbAutomatischAnmelden, &QCheckBox::toggled, cbbxAnmeldeNamen, &QWidget::setVisible);
    connect(cbIntraUebernahme, &QCheckBox::toggled, edIntraVerfahren, &QWidget::setVisible);
    connect(cbIntraUebernahme, &QCheckBox::toggled, btnIntraVerfahren, &QWidget::setVisible);
    connect(cbIntraArtUebernahme, &QCheckBox::toggled, edIntraArt, &QWidget::setVisible);
    connect(cbIntraArtUebernahme, &QCheckBox::toggled, btnIntraArt, &QWidget::setVisible);
    connect(cbXPThemes, &QCheckBox::clicked, this, platform::reported(this, [](bool on) { switchManifest(on); }));
    excludeEachOther(cbStatistischerWert, cbRechnungsWert);
    connect(
        lbFarben, &QListWidget::currentRowChanged, this, platform::reported(this, &TfrmOptionen::colourEntryChosen));
    connect(btnSchriftart, &QPushButton::clicked, this, platform::reported(this, &TfrmOptionen::changeFont));
    connect(btnFarbe, &QPushButton::clicked, this, platform::reported(this, &TfrmOptionen::changeColour));
    connect(btnIntraVerfahren, &QToolButton::clicked, this,
        platform::reported(this, [this] { pick(QStringLiteral("TfrmVerf_e"), edIntraVerfahren); }));
    connect(btnIntraArt, &QToolButton::clicked, this,
        platform::reported(this, [this] { pick(QStringLiteral("TfrmGesch_e"), edIntraArt); }));
    connect(btnOK, &QPushButton::clicked, this, platform::reported(this, &TfrmOptionen::OKClick));
    btnIntraVerfahren->setEnabled(bool(pickFunction(QStringLiteral("TfrmVerf_e"))));
    btnIntraArt->setEnabled(bool(pickFunction(QStringLiteral("TfrmGesch_e"))));

    // Opening: every control from the main window's options.
    platform::Database &db = platform::Session::current().database(platform::Alias::Data);
    if (db.tableExists(platform::TableSchema::tableNameOf(UserTableName))) {
        platform::Table users(platform::Alias::Data, UserTableName);
        users.open();
        for (users.first(); !users.eof(); users.next())
            cbbxAnmeldeNamen->addItem(users.value(QStringLiteral("Kurzname")).toString());
    }
    cbAutomatischAnmelden->setChecked(state.AutomatischAnmelden);
    cbbxAnmeldeNamen->setVisible(state.AutomatischAnmelden);
    if (state.AutomatischAnmelden)
        cbbxAnmeldeNamen->setCurrentIndex(cbbxAnmeldeNamen->findText(state.AnmeldeNamen));
    cbBestaetigung->setChecked(!state.AutomatischAbmelden);
    if (Windows2000OrLater) {
        cbXPThemes->setChecked(state.XP_Themes);
        if (state.XP_Themes)
            switchManifest(true);
    } else {
        cbXPThemes->setChecked(false);
        cbXPThemes->setEnabled(false);
    }
    cbAbgabensatz->setChecked(state.Abgabensatz);
    cbStatistischerWert->setChecked(state.StatistischerWert);
    cbRechnungsWert->setChecked(state.RechnungsWert);
    edZollamt1->setText(state.Zollamt1);
    edZollamt2->setText(state.Zollamt2);
    edZollamtAn1->setText(state.ZollamtAn1);
    edZollamtAn2->setText(state.ZollamtAn2);
    edZollamtNr->setText(state.ZollamtNr);
    cbAEFeld33Focus->setChecked(state.AEFeld33Focus);
    cbIntraUebernahme->setChecked(state.IntraUebernahme);
    edIntraVerfahren->setText(state.IntraVerfahren);
    cbIntraArtUebernahme->setChecked(state.IntraArtUebernahme);
    edIntraArt->setText(state.IntraArt);
    for (QWidget *w : { static_cast<QWidget *>(edIntraVerfahren), static_cast<QWidget *>(btnIntraVerfahren) })
        w->setVisible(state.IntraUebernahme);
    for (QWidget *w : { static_cast<QWidget *>(edIntraArt), static_cast<QWidget *>(btnIntraArt) })
        w->setVisible(state.IntraArtUebernahme);
    edAtlasKundenNr->setText(IniReadValue(iniFile(), IniSection, AtlasKey, QString()).toString());
    showSamples();
    colourEntryChosen(-1);
    PageControl1->setCurrentIndex(0);
}

void TfrmOptionen::showSamples()
{
    const MainState &state = mainState();
    QPalette palette = gbBeispiel->palette();
    palette.setColor(QPalette::Window, state.HinterGrundFarbe);
    gbBeispiel->setPalette(palette);
    lblFormular->setFont(state.FormularAnzeigeFont);
    setTextColour(lblFormular, state.FormularAnzeigeFontColor);
    lblStammdaten->setFont(state.StammdatenAnzeigeFont);
    setTextColour(lblStammdaten, state.StammdatenAnzeigeFontColor);
    const int row = lbFarben->currentRow();
    const bool print = row == Ausdruck;
    edBeispiel->setFont(print ? state.AusdruckFont : state.EingabeFelderFont);
    setTextColour(edBeispiel, print ? state.AusdruckFontColor : state.EingabeFelderFontColor);
}

void TfrmOptionen::colourEntryChosen(int row)
{
    edBeispiel->setVisible(row == EingabeFelder || row == Ausdruck);
    lblFormular->setVisible(row == FormularAnzeige);
    lblStammdaten->setVisible(row == StammdatenAnzeige);
    btnSchriftart->setEnabled(row >= 0 && row != Hintergrund);
    btnFarbe->setEnabled(row >= 0 && row != Ausdruck);
    showSamples();
}

void TfrmOptionen::changeFont()
{
    MainState &state = mainState();
    QFont *font = nullptr;
    switch (lbFarben->currentRow()) {
    case EingabeFelder:
        font = &state.EingabeFelderFont;
        break;
    case FormularAnzeige:
        font = &state.FormularAnzeigeFont;
        break;
    case StammdatenAnzeige:
        font = &state.StammdatenAnzeigeFont;
        break;
    case Ausdruck:
        font = &state.AusdruckFont;
        break;
    default:
        return;
    }
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, *font, this);
    if (!ok)
        return;
    *font = chosen;
    showSamples();
}

void TfrmOptionen::changeColour()
{
    MainState &state = mainState();
    QColor *colour = nullptr;
    switch (lbFarben->currentRow()) {
    case EingabeFelder:
        colour = &state.EingabeFelderFontColor;
        break;
    case FormularAnzeige:
        colour = &state.FormularAnzeigeFontColor;
        break;
    case StammdatenAnzeige:
        colour = &state.StammdatenAnzeigeFontColor;
        break;
    case Hintergrund:
        colour = &state.HinterGrundFarbe;
        break;
    default:
        return;
    }
    const QColor chosen = QColorDialog::getColor(*colour, this);
    if (!chosen.isValid())
        return;
    *colour = chosen;
    showSamples();
}

void TfrmOptionen::pick(const QString &key, QLineEdit *edit)
{
    const PickFunction function = pickFunction(key);
    if (!function)
        return;
    bool chosen = false;
    const QString value = function(this, edit->text(), &chosen);
    if (chosen)
        edit->setText(value);
}

void TfrmOptionen::switchManifest(bool themes)
{
    const QDir dir(ProgramDirectory());
    const QString active = dir.filePath(QStringLiteral("D_Ezudod.exe.manifest"));
    const QString inactive = dir.filePath(QStringLiteral("_D_Ezudod.exe.manifest"));
    // A rename that fails (file missing, target present) changes nothing.
    if (themes)
        QFile::rename(inactive, active);
    else
        QFile::rename(active, inactive);
}

void TfrmOptionen::OKClick()
{
    MainState &state = mainState();
    state.AutomatischAnmelden = cbAutomatischAnmelden->isChecked();
    state.AnmeldeNamen = cbbxAnmeldeNamen->currentText();
    state.AutomatischAbmelden = !cbBestaetigung->isChecked();
    state.XP_Themes = cbXPThemes->isChecked();
    state.Abgabensatz = cbAbgabensatz->isChecked();
    state.StatistischerWert = cbStatistischerWert->isChecked();
    state.RechnungsWert = cbRechnungsWert->isChecked();
    state.Zollamt1 = edZollamt1->text();
    state.Zollamt2 = edZollamt2->text();
    state.ZollamtAn1 = edZollamtAn1->text();
    state.ZollamtAn2 = edZollamtAn2->text();
    state.ZollamtNr = edZollamtNr->text();
    state.AEFeld33Focus = cbAEFeld33Focus->isChecked();
    state.IntraUebernahme = cbIntraUebernahme->isChecked();
    state.IntraVerfahren = edIntraVerfahren->text();
    state.IntraArtUebernahme = cbIntraArtUebernahme->isChecked();
    state.IntraArt = edIntraArt->text();
    // Written as text whatever it holds; an empty number is kept empty.
    platform::IniFile ini(iniFile());
    ini.writeString(IniSection, AtlasKey, edAtlasKundenNr->text());
    ini.save();
    accept();
}

void TfrmOptionen::keyPressEvent(QKeyEvent *event)
{
    platform::runReported(this, [&] {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            OKClick();
            return;
        }
        QDialog::keyPressEvent(event);
    });
}

} // namespace shell
