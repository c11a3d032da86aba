#include "origin/tfrmregieeur2.h"

#include "origin/origintables.h"
#include "origin/tfrmeur2.h"
#include "origin/tfrmeur2_d.h"
#include "shell/parameterrecord.h"

#include <QToolButton>

namespace origin {

shell::DocumentRegister *frmRegieEUR2 = nullptr;

const shell::DocumentKind &eur2Kind()
{
    static const shell::DocumentKind kind = [] {
        shell::DocumentKind k;
        k.code = QStringLiteral("4");
        k.registerClass = QStringLiteral("TfrmRegieEUR2");
        k.caption = QStringLiteral("Regiezentrum: EUR 2");
        k.headTable = Tables::Eur2;
        k.headComponent = QStringLiteral("tbEur2");
        k.numberField = QStringLiteral("belegnr");
        k.parameter = shell::parameterFieldsFor(k.code);
        k.columns = {
            { QStringLiteral("belegnr"), QStringLiteral("BelegNr."), 10 },
            { QStringLiteral("datum"), QStringLiteral("Datum"), 10 },
            { QStringLiteral("eu4_1"), QStringLiteral("Name"), 37 },
        };
        k.navigationHints = { QStringLiteral("Erster Antrag"), QStringLiteral("Vorheriger Antrag"),
            QStringLiteral("Nächster Antrag"), QStringLiteral("Letzter Antrag") };
        k.printCaptionPrefix = QStringLiteral("Druck Eur2 - Belegnummer: ");
        k.search = shell::SearchStyle::Suche;
        k.searchNameField = QStringLiteral("eu4_1");
        k.searchNameCaption = QStringLiteral("Empfänger");
        k.instance = &frmRegieEUR2;
        k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new TfrmEur2(documentRegister, parent);
        };
        k.createPrintWindow = [](shell::DocumentRegister &, QWidget *parent) { return new TfrmEur2_d(parent); };
        return k;
    }();
    return kind;
}

TfrmRegieEUR2::TfrmRegieEUR2(QWidget *parent)
    : shell::DocumentRegister(eur2Kind(), parent)
{
    // The buttons carry the names the document generators click.
    const struct {
        QToolButton *button;
        const char *name;
        const char *caption;
    } buttons[] = {
        { SpeedButton2, "bbtNeu", "&Neu" },
        { SpeedButton3, "bbtAendern", "&Bearbeiten" },
        { SpeedButton4, "bbtLoeschen", "&Löschen" },
        { SpeedButton5, "bbtKopieren", "&Kopieren" },
        { SpeedButton6, "bbtSuchen", "&Suchen" },
        { SpeedButton7, "bbtDrucken", "&Drucken" },
        { SpeedButton12, "SpeedButtonMasterForm", "&Master-Form" },
        { SpeedButtonParameter, "SpeedButtonParameter", "Parameter" },
        { SpeedButton1, "bbtSchliessen", "Schließen" },
    };
    for (const auto &entry : buttons) {
        entry.button->setObjectName(QLatin1String(entry.name));
        entry.button->setText(QString::fromUtf8(entry.caption));
        QFont font = entry.button->font();
        font.setFamily(QStringLiteral("Arial"));
        entry.button->setFont(font);
    }
    SpeedButton1->setFixedSize(120, 35);
}

} // namespace origin
