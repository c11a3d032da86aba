#include "atlas/tfrmatlasaemain.h"

#include "atlas/atlastables.h"
#include "atlas/clientlist.h"
#include "atlas/declarationtables.h"
#include "atlas/exportunit.h"
#include "atlas/tae_sachbearbeiterfrm.h"
#include "atlas/tfrmatlasaewaren.h"
#include "atlas/tfrmregieatlas.h"
#include "atlas/tfrmspecialform.h"
#include "masterdata/pickwrappers.h"
#include "platform/clock.h"
#include "platform/datacombobox.h"
#include "platform/datasetmodel.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/table.h"
#include "shell/documentroutines.h"
#include "shell/editabledatasetmodel.h"
#include "shell/mainstate.h"
#include "shell/reportedcall.h"
#include "shell/settings.h"
#include "shell/tmynav.h"
#include "shell/twheeldbgrid.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QDesktopServices>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

namespace atlas {

using platform::Table;
using shell::EntryControl;
using shell::EntryLabel;
using shell::EntryPick;
using shell::EntryWindow;
using shell::PickValues;

namespace {

constexpr int EditHeight = 21;
constexpr int ButtonWidth = 22;
const QString WebAddressKey = QStringLiteral("Atlas_ZollstellenURL");
const QString DefaultWebAddress = QStringLiteral("https://www.zoll.de");
const QString MandatoryQuestion = QStringLiteral("Sie haben nicht alle Mussfelder ausgefüllt!\r\nEin Datenimport in "
                                                 "Atlas ist daher nicht möglich!\r\nDennoch fortsetzen?");

// The six parties in the order of their tabs.
struct Party {
    const char *caption;
    const char *prefix; // field prefix of name, street, postcode, country
    const char *identControl;
    const char *tinControl;
    const char *tinField;
    const char *branchControl;
    const char *branchField;
    const char *nameControl;
    const char *streetControl;
    const char *postcodeControl;
    const char *townControl;
    const char *townField;
    const char *countryControl;
    const char *flagField; // customs flag of the customer take-over; "" none
    int clerkKind; // -1: no clerk
};

const Party Parties[] = {
    { "Empfänger", "EMP_", "ExDBEdit16", "DBEdit8", "EMP_TIN", "ExDBEdit17", "EMP_NiederNr", "DBEdit28", "DBEdit29",
        "DBEdit30", "DBEdit50", "EMP_City", "DBEdit57", "", -1 },
    { "Endverwender", "END_", "ExDBEdit18", "ExDBEdit19", "END_TIN", "ExDBEdit20", "END_NiederNr", "ExDBEdit21",
        "ExDBEdit22", "ExDBEdit23", "ExDBEdit24", "END_Ort", "ExDBEdit25", "", -1 },
    { "Anmelder", "ANM_", "ExDBEdit10", "DBEdit4", "ANM_TIN", "ExDBEdit26", "ANM_NiederNr", "DBEdit6", "DBEdit32",
        "DBEdit33", "DBEdit34", "ANM_City", "DBEdit35", "ANM_ZollNt_DE", 0 },
    { "Ausführer", "EXP_", "ExDBEdit9", "DBEdit3", "Exp_TIN", "ExDBEdit27", "Exp_NiederNr", "DBEdit12", "DBEdit14",
        "DBEdit25", "DBEdit26", "EXP_City", "DBEdit27", "EXP_ZollNr_DE", 1 },
    { "Vertreter", "VER_", "ExDBEdit11", "DBEdit36", "VER_TIN", "ExDBEdit28", "VER_NiederNr", "DBEdit37", "DBEdit38",
        "DBEdit39", "DBEdit58", "VER_City", "DBEdit59", "VER_Zoll_DE", 2 },
    { "Subunternehmer", "SUB_", "ExDBEdit12", "DBEdit60", "SUB_TIN", "ExDBEdit29", "SUB_NiederNr", "DBEdit61",
        "DBEdit62", "DBEdit73", "DBEdit74", "SUB_City", "DBEdit75", "SUB_Zoll_DE", 3 },
};
constexpr int PartyCount = 6;

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

// Where the party controls stand: inside the frame below the party tabs.
constexpr int PartyX = 10;
constexpr int PartyY = 150;
constexpr int PartyWidth = 560;
constexpr int PartyHeight = 215;

// Builds the definition row by row.
class Builder
{
public:
    shell::EntryWindowDefinition d;
    QHash<QString, QString> captions; // buttons with a text of their own

    void label(const QString &text, int x, int y, const QString &name = {})
    {
        EntryLabel l = EntryLabel::at(text, 0, x, y + 3);
        l.name = name;
        d.labels.append(l);
    }
    EntryControl &edit(const QString &name, const QString &field, int x, int y, int width)
    {
        d.controls.append(EntryControl::edit(name, field).at(0, x, y, width, EditHeight));
        return d.controls.last();
    }
    EntryControl &memo(const QString &name, const QString &field, int x, int y, int width, int height)
    {
        d.controls.append(EntryControl::memo(name, field).at(0, x, y, width, height));
        return d.controls.last();
    }
    void button(const QString &name, int x, int y, std::function<std::optional<PickValues>(EntryWindow &)> run,
        const QString &focusAfter = {}, const QString &caption = {}, int width = ButtonWidth, int height = EditHeight)
    {
        EntryPick pick;
        pick.name = name;
        pick.geometry = QRect(x, y, width, height);
        pick.run = std::move(run);
        pick.focusAfter = focusAfter;
        if (!caption.isEmpty())
            captions.insert(name, caption);
        d.picks.append(pick);
    }
};

std::optional<PickValues> codePick(EntryWindow &window, int list, const QString &control, const QString &field)
{
    const QString code = TfrmSpecialForm::pickCode(list, window.control(control), &window);
    if (code.isEmpty())
        return std::nullopt;
    return PickValues { { field, code } };
}

std::optional<PickValues> countryPick(EntryWindow &window, const QString &field, const QString &keyField, bool start)
{
    QString value;
    const QString from = start ? window.head().fieldByName(field).asString() : QString();
    if (!masterdata::PickCountry(keyField, value, from, &window))
        return std::nullopt;
    return PickValues { { field, value } };
}

std::optional<PickValues> transportPick(EntryWindow &window, const QString &field)
{
    QString value;
    if (!masterdata::PickTransportMode(value, window.head().fieldByName(field).asString(), &window))
        return std::nullopt;
    return PickValues { { field, value } };
}

// The presentation period: "YYYYMMDD" followed by "hhnn".
std::optional<PickValues> dateTimePick(EntryWindow &window, const QString &field, bool end)
{
    const QString text = window.head().fieldByName(field).asString();
    const QString start = (end ? text.size() > 8 : text.size() >= 8) ? text : QString();
    QDate date
        = QDate::fromString(start.mid(6, 2) + QLatin1Char('.') + start.mid(4, 2) + QLatin1Char('.') + start.left(4),
            QStringLiteral("dd.MM.yyyy"));
    if (!date.isValid())
        date = platform::Clock::today();
    QTime time = QTime::fromString(start.mid(8, 2) + QLatin1Char(':') + start.mid(10, 2), QStringLiteral("HH:mm"));
    if (!time.isValid())
        time = platform::Clock::now().time();
    QString dateText = date.toString(QStringLiteral("dd.MM.yyyy"));
    QString timeText = time.toString(QStringLiteral("HH:mm:ss"));
    if (!masterdata::PickDateTime(dateText, timeText))
        return std::nullopt;
    const QDate chosenDate = QDate::fromString(dateText, QStringLiteral("dd.MM.yyyy"));
    QTime chosenTime = QTime::fromString(timeText, QStringLiteral("HH:mm:ss"));
    if (!chosenTime.isValid())
        chosenTime = QTime::fromString(timeText, QStringLiteral("HH:mm"));
    if (!chosenDate.isValid() || !chosenTime.isValid())
        throw std::runtime_error(
            QStringLiteral("'%1 %2' ist kein gültiges Datum mit Uhrzeit.").arg(dateText, timeText).toStdString());
    return PickValues { { field,
        chosenDate.toString(QStringLiteral("yyyyMMdd")) + chosenTime.toString(QStringLiteral("HHmm")) } };
}

TfrmAtlasAEMain &mainWindow(EntryWindow &window)
{
    return static_cast<TfrmAtlasAEMain &>(window);
}

Builder mainBuilder()
{
    Builder b;
    b.d.objectName = QStringLiteral("frmAtlasAEMain");
    b.d.caption = QStringLiteral("Atlas Ausfuhranmeldung");
    b.d.size = QSize(1000, 760);
    b.d.pickProtocol = shell::PickProtocol::PickEditPost;
    b.d.fixedStatusText = QStringLiteral("!Farbige Felder müssen gelüllt sein!");
    b.d.fixedFieldOnKeyUp = true;
    b.d.closePostsParameter = true;
    b.d.pages = { shell::EntryPage { QString(), 1160 } };

    // Header for the ATLAS client.
    b.label(QStringLiteral("Mandanten-ID von Atlas:"), 10, 10);
    b.label(QStringLiteral("Dez.-KP:"), 340, 10);
    b.edit(QStringLiteral("DBEditPartnerTIN"), QStringLiteral("Partner_TIN"), 400, 10, 80);
    b.label(QStringLiteral("Bezugsnummer"), 500, 10);
    b.edit(QStringLiteral("DBEditBezugsnummer"), QStringLiteral("Bezugsnummer"), 600, 10, 180).colored(MandatoryColor);

    b.label(QStringLiteral("Beteiligtenkonstellation"), 10, 40);
    b.edit(QStringLiteral("ExDBEdit4"), QStringLiteral("Beteiligten"), 170, 40, 50)
        .hotKeyClicks(QStringLiteral("sbBeteiligten"));
    b.button(
        QStringLiteral("sbBeteiligten"), 222, 40,
        [](EntryWindow &w) { return codePick(w, 0, QStringLiteral("ExDBEdit4"), QStringLiteral("Beteiligten")); },
        QStringLiteral("ExDBEdit4"));
    b.label(QStringLiteral("Anmeldung"), 10, 70);
    b.edit(QStringLiteral("ExDBEdit6"), QStringLiteral("Art1"), 170, 70, 30)
        .colored(MandatoryColor)
        .hotKeyClicks(QStringLiteral("sbArt1"));
    b.button(
        QStringLiteral("sbArt1"), 202, 70,
        [](EntryWindow &w) { return codePick(w, 1, QStringLiteral("ExDBEdit6"), QStringLiteral("Art1")); },
        QStringLiteral("ExDBEdit6"));
    b.edit(QStringLiteral("ExDBEdit15"), QStringLiteral("Art3"), 230, 70, 40).colored(MandatoryColor);
    b.edit(QStringLiteral("ExDBEdit5"), QStringLiteral("Art2"), 280, 70, 40)
        .colored(MandatoryColor)
        .hotKeyClicks(QStringLiteral("sbArt2"));
    b.button(
        QStringLiteral("sbArt2"), 322, 70,
        [](EntryWindow &w) { return codePick(w, 2, QStringLiteral("ExDBEdit5"), QStringLiteral("Art2")); },
        QStringLiteral("ExDBEdit5"));
    b.label(QStringLiteral("Adressaten-Konstellation"), 360, 40);
    b.edit(QStringLiteral("ExDBEdit30"), QStringLiteral("AdressKonstellation"), 520, 40, 30)
        .hotKeyClicks(QStringLiteral("sbAdressKonstellation"));
    b.button(
        QStringLiteral("sbAdressKonstellation"), 552, 40,
        [](EntryWindow &w) {
            return codePick(w, 7, QStringLiteral("ExDBEdit30"), QStringLiteral("AdressKonstellation"));
        },
        QStringLiteral("ExDBEdit30"));

    // The six parties; the tab bar above them shows one at a time.
    b.label(QStringLiteral("Adressen"), 10, 104);
    for (int t = 0; t < PartyCount; ++t) {
        const Party &p = Parties[t];
        const QString prefix = s(p.prefix);
        const QString tag = QStringLiteral("P%1").arg(t);
        const int x = PartyX + 10;
        const int ex = PartyX + 150;
        int y = PartyY + 10;
        const QString ident = s(p.identControl);
        const QString identField = prefix + QStringLiteral("Ident");
        b.label(QStringLiteral("Identifikationsart:"), x, y, tag + QStringLiteral("L1"));
        b.edit(ident, identField, ex, y, 30).hotKeyClicks(QStringLiteral("sbIdent") + tag);
        b.button(
            QStringLiteral("sbIdent") + tag, ex + 32, y,
            [ident, identField](EntryWindow &w) { return codePick(w, 6, ident, identField); }, ident);
        const QString customer = QStringLiteral("sbKunde");
        y += 28;
        b.label(t < 2 ? QStringLiteral("TIN (Zollnummer):") : QStringLiteral("TIN:"), x, y, tag + QStringLiteral("L2"));
        b.edit(s(p.tinControl), s(p.tinField), ex, y, 160).hotKeyClicks(customer);
        y += 28;
        b.label(QStringLiteral("Niederlassungsnummer"), x, y, tag + QStringLiteral("L3"));
        b.edit(s(p.branchControl), s(p.branchField), ex, y, 50).hotKeyClicks(customer);
        y += 28;
        b.label(QStringLiteral("Name:"), x, y, tag + QStringLiteral("L4"));
        b.edit(s(p.nameControl), prefix + QStringLiteral("Name"), ex, y, 380).hotKeyClicks(customer);
        y += 28;
        b.label(QStringLiteral("Str.:"), x, y, tag + QStringLiteral("L5"));
        b.edit(s(p.streetControl), prefix + QStringLiteral("Street"), ex, y, 380).hotKeyClicks(customer);
        y += 28;
        b.label(QStringLiteral("PLZ:"), x, y, tag + QStringLiteral("L6"));
        b.edit(s(p.postcodeControl), prefix + QStringLiteral("PLZ"), ex, y, 80).hotKeyClicks(customer);
        b.label(QStringLiteral("Ort:"), ex + 95, y, tag + QStringLiteral("L7"));
        b.edit(s(p.townControl), s(p.townField), ex + 130, y, 250).hotKeyClicks(customer);
        y += 28;
        const QString country = s(p.countryControl);
        const QString countryField = prefix + QStringLiteral("Land");
        b.label(QStringLiteral("Land:"), x, y, tag + QStringLiteral("L8"));
        b.edit(country, countryField, ex, y, 30).hotKeyClicks(QStringLiteral("sbLand") + tag);
        b.button(
            QStringLiteral("sbLand") + tag, ex + 32, y,
            [countryField](EntryWindow &w) { return countryPick(w, countryField, QStringLiteral("Lkz"), true); },
            country);
        if (p.clerkKind >= 0) {
            const int kind = p.clerkKind;
            b.button(
                QStringLiteral("sbSachbearbeiter") + tag, ex + 250, y,
                [kind](EntryWindow &w) -> std::optional<PickValues> {
                    TAE_SachbearbeiterFrm::EditClerk(&w.head(), kind, &w);
                    return std::nullopt;
                },
                {}, QStringLiteral("Sachbearbeiter"), 130, 24);
        }
    }
    b.button(
        QStringLiteral("sbKunde"), PartyX + PartyWidth + 6, PartyY - 20,
        [](EntryWindow &w) -> std::optional<PickValues> {
            mainWindow(w).TakeOverCustomer();
            return std::nullopt;
        },
        {}, QStringLiteral("K\nu\nn\nd\ne"), 26, PartyHeight + 20);

    // Right column: countries, container, exporter data, transport inland.
    const int rx = 620;
    const int re = 800;
    int y = 104;
    b.label(QStringLiteral("Best.Land"), rx, y);
    b.edit(QStringLiteral("DBEdit9"), QStringLiteral("BestLand"), re, y, 30).hotKeyClicks(QStringLiteral("sbBestLand"));
    b.button(
        QStringLiteral("sbBestLand"), re + 32, y,
        [](EntryWindow &w) { return countryPick(w, QStringLiteral("BestLand"), QStringLiteral("Lkz"), true); },
        QStringLiteral("DBEdit9"));
    y += 28;
    b.label(QStringLiteral("Ausf.Land"), rx, y);
    b.edit(QStringLiteral("ExDBEdit14"), QStringLiteral("AusfLand"), re, y, 30)
        .hotKeyClicks(QStringLiteral("sbAusfLand"));
    b.button(
        QStringLiteral("sbAusfLand"), re + 32, y,
        [](EntryWindow &w) { return countryPick(w, QStringLiteral("AusfLand"), QStringLiteral("Lkz"), true); },
        QStringLiteral("ExDBEdit14"));
    y += 28;
    b.label(QStringLiteral("Container"), rx, y, QStringLiteral("lblContainer"));
    y += 28;
    b.label(QStringLiteral("Vertrauenswürdiger Ausführer:"), rx, y);
    b.edit(QStringLiteral("DBEdit11"), QStringLiteral("VertrauensAus"), re, y, 120);
    y += 28;
    b.label(QStringLiteral("Zugelassener Ausführer:"), rx, y);
    b.edit(QStringLiteral("ExDBEdit31"), QStringLiteral("ZugelassenAus"), re, y, 120);
    y += 28;
    b.label(QStringLiteral("Registrier-Nummer"), rx, y);
    b.edit(QStringLiteral("DBEdit5"), QStringLiteral("RegistrierNummer"), re, y, 160);
    y += 28;
    b.label(QStringLiteral("Kennummer der Sendung"), rx, y);
    b.edit(QStringLiteral("ExDBEdit13"), QStringLiteral("Kennumer"), re, y, 160);
    y += 28;
    b.label(QStringLiteral("Beförderungsmittel im Inland"), rx, y);
    b.edit(QStringLiteral("DBEdit31"), QStringLiteral("Bfm_Inland"), re, y, 30)
        .hotKeyClicks(QStringLiteral("sbBfmInland"));
    b.button(
        QStringLiteral("sbBfmInland"), re + 32, y,
        [](EntryWindow &w) { return transportPick(w, QStringLiteral("Bfm_Inland")); }, QStringLiteral("DBEdit31"));

    // Loading place and the means of transport at the border.
    y = PartyY + PartyHeight + 20;
    b.label(QStringLiteral("Ladeort"), 10, y);
    b.label(QStringLiteral("Code:"), 80, y);
    b.edit(QStringLiteral("DBEdit10"), QStringLiteral("LadeOrt_Code"), 130, y, 50);
    b.label(QStringLiteral("Str.:"), 200, y);
    b.edit(QStringLiteral("DBEdit13"), QStringLiteral("LadeOrt_Street"), 240, y, 300);
    y += 28;
    b.label(QStringLiteral("PLZ:"), 80, y);
    b.edit(QStringLiteral("DBEdit41"), QStringLiteral("LadeOrt_Plz"), 130, y, 60);
    b.label(QStringLiteral("Ort:"), 200, y);
    b.edit(QStringLiteral("DBEdit42"), QStringLiteral("LadeOrt_Ort"), 240, y, 300);
    y += 28;
    b.label(QStringLiteral("Zusatz:"), 80, y);
    b.edit(QStringLiteral("DBEdit43"), QStringLiteral("LadeOrt_Zusatz"), 130, y, 410);

    int ry = PartyY + PartyHeight + 20;
    b.label(QStringLiteral("Beförderungsmittel an der Grenze"), rx, ry);
    ry += 24;
    b.label(QStringLiteral("Verkehrszweig:"), rx, ry);
    b.edit(QStringLiteral("ExDBEdit1"), QStringLiteral("Bfm_Grenze"), re, ry, 30)
        .hotKeyClicks(QStringLiteral("sbBfmGrenze"));
    b.button(
        QStringLiteral("sbBfmGrenze"), re + 32, ry,
        [](EntryWindow &w) { return transportPick(w, QStringLiteral("Bfm_Grenze")); }, QStringLiteral("ExDBEdit1"));
    ry += 28;
    b.label(QStringLiteral("Art::"), rx, ry);
    b.edit(QStringLiteral("ExDBEdit8"), QStringLiteral("Bfm_Art"), re, ry, 30).hotKeyClicks(QStringLiteral("sbBfmArt"));
    b.button(
        QStringLiteral("sbBfmArt"), re + 32, ry,
        [](EntryWindow &w) { return codePick(w, 4, QStringLiteral("ExDBEdit8"), QStringLiteral("Bfm_Art")); },
        QStringLiteral("ExDBEdit8"));
    ry += 28;
    b.label(QStringLiteral("Kennzeichen:"), rx, ry);
    b.edit(QStringLiteral("ExDBEdit2"), QStringLiteral("Bfm_Kennzeichen"), re, ry, 180);
    ry += 28;
    b.label(QStringLiteral("Staatszugehörigkeit:"), rx, ry);
    b.edit(QStringLiteral("ExDBEdit3"), QStringLiteral("Bfm_Staat"), re, ry, 30)
        .hotKeyClicks(QStringLiteral("sbBfmStaat"));
    b.button(
        QStringLiteral("sbBfmStaat"), re + 32, ry,
        [](EntryWindow &w) { return countryPick(w, QStringLiteral("Bfm_Staat"), QStringLiteral("Lkz"), true); },
        QStringLiteral("ExDBEdit3"));

    // Customs offices (button only), business data, presentation, delivery.
    y += 44;
    const struct {
        const char *caption;
        const char *control;
        const char *field;
        const char *button;
    } offices[] = {
        { "Ausfuhrzollstelle:", "DBEdit44", "AusfuhrZollstelle", "sbAusfuhrZollstelle" },
        { "Ausfuhrzollstelle für die eAM:", "DBEdit45", "Ausfuhr_eAE", "sbAusfuhrEAE" },
        { "vorgesehene Ausfuhrzollstelle::", "DBEdit46", "Ausfuhr_SollZollstelle", "sbSollZollstelle" },
    };
    for (const auto &office : offices) {
        const QString control = s(office.control);
        const QString field = s(office.field);
        b.label(s(office.caption), 10, y);
        b.edit(control, field, 230, y, 90);
        b.button(
            s(office.button), 322, y, [control, field](EntryWindow &w) { return codePick(w, 8, control, field); },
            control);
        y += 28;
    }
    ry = y - 84;
    b.label(QStringLiteral("Geschäftsart:"), rx, ry);
    b.edit(QStringLiteral("DBEdit1"), QStringLiteral("GeschArt"), re, ry, 30)
        .hotKeyClicks(QStringLiteral("sbGeschArt"));
    b.button(
        QStringLiteral("sbGeschArt"), re + 32, ry,
        [](EntryWindow &w) -> std::optional<PickValues> {
            QString value;
            if (!masterdata::PickBusinessType(value, &w))
                return std::nullopt;
            return PickValues { { QStringLiteral("GeschArt"), value } };
        },
        QStringLiteral("DBEdit1"));
    ry += 28;
    b.label(QStringLiteral("Rechnungspreis:"), rx, ry);
    b.edit(QStringLiteral("DBEditGeschRePreis"), QStringLiteral("GeschRePreis"), re, ry, 120);
    ry += 28;
    b.label(QStringLiteral("Währung:"), rx, ry);
    b.edit(QStringLiteral("DBEdit7"), QStringLiteral("GeschWaehrung"), re, ry, 40)
        .hotKeyClicks(QStringLiteral("sbWaehrung"));
    b.button(
        QStringLiteral("sbWaehrung"), re + 42, ry,
        [](EntryWindow &w) {
            return countryPick(w, QStringLiteral("GeschWaehrung"), QStringLiteral("Waehrung"), false);
        },
        QStringLiteral("DBEdit7"));

    y += 10;
    b.label(QStringLiteral("Gestellung"), 10, y);
    b.label(QStringLiteral("Anfang:"), 100, y);
    b.edit(QStringLiteral("DBEdit17"), QStringLiteral("Gest_Verp_Verl_Anfang"), 160, y, 110)
        .hotKeyClicks(QStringLiteral("sbGestAnfang"));
    b.button(
        QStringLiteral("sbGestAnfang"), 272, y,
        [](EntryWindow &w) { return dateTimePick(w, QStringLiteral("Gest_Verp_Verl_Anfang"), false); },
        QStringLiteral("DBEdit17"));
    b.label(QStringLiteral("Ende:"), 310, y);
    b.edit(QStringLiteral("DBEdit18"), QStringLiteral("Gest_Verp_Verl_Ende"), 360, y, 110)
        .hotKeyClicks(QStringLiteral("sbGestEnde"));
    b.button(
        QStringLiteral("sbGestEnde"), 472, y,
        [](EntryWindow &w) { return dateTimePick(w, QStringLiteral("Gest_Verp_Verl_Ende"), true); },
        QStringLiteral("DBEdit18"));

    y += 40;
    b.label(QStringLiteral("Lieferbedingung"), 10, y);
    b.label(QStringLiteral("Incoterm:"), 120, y);
    b.edit(QStringLiteral("DBEdit20"), QStringLiteral("Liefer_Code"), 190, y, 50)
        .hotKeyClicks(QStringLiteral("sbLiefer"));
    b.button(
        QStringLiteral("sbLiefer"), 242, y,
        [](EntryWindow &w) -> std::optional<PickValues> {
            QString value;
            if (!masterdata::PickDeliveryTerm(value, &w))
                return std::nullopt;
            return PickValues { { QStringLiteral("Liefer_Code"), value } };
        },
        QStringLiteral("DBEdit20"));
    b.label(QStringLiteral("Ort:"), 280, y);
    b.edit(QStringLiteral("DBEditLieferCity"), QStringLiteral("Liefer_City"), 320, y, 250);
    y += 28;
    b.label(QStringLiteral("Text:"), 120, y);
    b.memo(QStringLiteral("DBMemoLieferText"), QStringLiteral("Liefer_Text"), 190, y, 380, 50);
    b.label(QStringLiteral("Vermerk"), rx, y - 28);
    b.memo(QStringLiteral("DBMemoVermerk"), QStringLiteral("Vermerk"), rx, y, 350, 50);

    // The seal kind and count stand above the seal list (moved there by the window).
    b.edit(QStringLiteral("ExDBEdit7"), QStringLiteral("VershlussArt"), 0, 0, 30)
        .hotKeyClicks(QStringLiteral("sbVerschlussArt"));
    b.button(
        QStringLiteral("sbVerschlussArt"), 0, 0,
        [](EntryWindow &w) { return codePick(w, 3, QStringLiteral("ExDBEdit7"), QStringLiteral("VershlussArt")); },
        QStringLiteral("ExDBEdit7"));
    b.edit(QStringLiteral("DBEditVerschlussAnzahl"), QStringLiteral("VerschlussAnzahl"), 0, 0, 60);
    return b;
}

// The route grid shows the country's name in place of its code.
class RouteModel : public platform::DataSetModel
{
public:
    using DataSetModel::DataSetModel;
    QVariant data(const QModelIndex &index, int role) const override
    {
        QVariant value = DataSetModel::data(index, role);
        if (role == Qt::DisplayRole && columns().value(index.column()).fieldName == QLatin1String("Land"))
            return TfrmRegieAtlas::RouteCountryName(value.toString());
        return value;
    }
};

// Goods items in blue on the window colour, Arial 8.
class GoodsDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font = QFont(QStringLiteral("Arial"), 8);
        if (!(option->state & QStyle::State_Selected))
            option->palette.setColor(QPalette::Text, Qt::blue);
    }
};

void styleGrid(shell::TWheelDBGrid *grid)
{
    grid->horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { color: red; font-family: Arial; }"));
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
}

shell::TMyNav *makeNavigator(QWidget *parent, platform::DataSet *dataSet)
{
    auto *navigator = new shell::TMyNav(parent);
    navigator->setDataSet(dataSet);
    navigator->setVisibleButtons({ shell::TMyNav::First, shell::TMyNav::Prior, shell::TMyNav::Next, shell::TMyNav::Last,
        shell::TMyNav::Insert, shell::TMyNav::Delete, shell::TMyNav::Edit });
    return navigator;
}

} // namespace

bool refusesTypedCharacter(const QString &typed, int length, int limit)
{
    if (length < limit || typed.size() != 1)
        return false;
    const char16_t c = typed.at(0).unicode();
    if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u' ')
        return true;
    if ((c >= 33 && c <= 47) || (c >= 58 && c <= 64) || c == 91 || c == 93 || c == 95 || c == 96
        || (c >= 123 && c <= 126))
        return true;
    // Euro, paragraph, superscript two and three, acute accent, micro, sharp s.
    return c == 0x20AC || c == 0xA7 || (c >= 0xB2 && c <= 0xB5) || c == 0xDF;
}

TfrmAtlasAEMain::TfrmAtlasAEMain(TfrmRegieAtlas &documentRegister, QWidget *parent)
    : EntryWindow(documentRegister, mainBuilder().d, parent)
    , m_register(documentRegister)
{
    const QHash<QString, QString> captions = mainBuilder().captions;
    for (auto it = captions.cbegin(); it != captions.cend(); ++it) {
        if (auto *button = findChild<QToolButton *>(it.key()))
            button->setText(it.value());
    }
    m_clients = ClientList::load();
    buildParties();
    buildContainerPair();
    buildLists();
    buildMenu();

    QWidget *surface = scrollBox(0)->widget();
    cb_Mandant = new platform::DataComboBox(surface);
    cb_Mandant->setObjectName(QStringLiteral("cb_Mandant"));
    cb_Mandant->setEditable(true);
    cb_Mandant->setItemsEditable(true);
    cb_Mandant->addItems(m_clients);
    cb_Mandant->bind(&head(), QStringLiteral("IdMandantenNr"));
    cb_Mandant->setFont(shell::mainState().EingabeFelderFont);
    cb_Mandant->setGeometry(170, 10, 150, EditHeight);
    QPalette yellow = cb_Mandant->palette();
    yellow.setColor(QPalette::Base, MandatoryColor);
    cb_Mandant->setPalette(yellow);
    if (QWidget *partner = control(QStringLiteral("DBEditPartnerTIN")))
        setTabOrder(cb_Mandant, partner);

    sbWebZollstellen = new QToolButton(surface);
    sbWebZollstellen->setObjectName(QStringLiteral("sbWebZollstellen"));
    sbWebZollstellen->setText(QStringLiteral("www"));
    sbWebZollstellen->setToolTip(QStringLiteral("Ausländische Zollstellen"));
    sbWebZollstellen->setFocusPolicy(Qt::NoFocus);
    if (QWidget *office = control(QStringLiteral("DBEdit46")))
        sbWebZollstellen->setGeometry(office->x() + office->width() + 28, office->y(), 36, EditHeight);
    connect(sbWebZollstellen, &QToolButton::clicked, this, platform::reported(this, [] {
        QDesktopServices::openUrl(QUrl(shell::IniReadString(WebAddressKey, DefaultWebAddress)));
    }));
    // Web-page button hints appear at once.
    sbWebZollstellen->setToolTipDuration(-1);
}

TfrmAtlasAEMain::~TfrmAtlasAEMain() = default;

void TfrmAtlasAEMain::buildParties()
{
    QWidget *surface = scrollBox(0)->widget();
    auto *frame = new QFrame(surface);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setGeometry(PartyX, PartyY, PartyWidth, PartyHeight);
    frame->lower();
    auto *tabs = new QTabBar(surface);
    tabs->setObjectName(QStringLiteral("TabParteien"));
    for (const Party &party : Parties)
        tabs->addTab(s(party.caption));
    tabs->setGeometry(PartyX, PartyY - 24, PartyWidth, 24);
    tabs->setDrawBase(false);
    PageControl2 = new QTabWidget(this);
    PageControl2->hide(); // the tab bar stands for it; its index is the party shown
    for (const Party &party : Parties)
        PageControl2->addTab(new QWidget, s(party.caption));

    // Every control, caption and button of a party, shown with its tab.
    QVector<QVector<QWidget *>> members(PartyCount);
    for (int t = 0; t < PartyCount; ++t) {
        const Party &p = Parties[t];
        const QString tag = QStringLiteral("P%1").arg(t);
        for (const char *name : { p.identControl, p.tinControl, p.branchControl, p.nameControl, p.streetControl,
                 p.postcodeControl, p.townControl, p.countryControl })
            members[t].append(control(s(name)));
        for (int i = 1; i <= 8; ++i)
            members[t].append(label(tag + QStringLiteral("L%1").arg(i)));
        for (const QString &button :
            { QStringLiteral("sbIdent"), QStringLiteral("sbLand"), QStringLiteral("sbSachbearbeiter") })
            members[t].append(findChild<QWidget *>(button + tag));
    }
    const auto show = [members](int index) {
        for (int t = 0; t < PartyCount; ++t) {
            for (QWidget *widget : members.at(t)) {
                if (widget)
                    widget->setVisible(t == index);
            }
        }
    };
    connect(tabs, &QTabBar::currentChanged, PageControl2, &QTabWidget::setCurrentIndex);
    connect(tabs, &QTabBar::currentChanged, this, show);
    connect(PageControl2, &QTabWidget::currentChanged, tabs, &QTabBar::setCurrentIndex);
    tabs->setCurrentIndex(0);
    show(0);
}

void TfrmAtlasAEMain::buildContainerPair()
{
    QWidget *surface = scrollBox(0)->widget();
    const QLabel *caption = label(QStringLiteral("lblContainer"));
    const int y = caption ? caption->y() - 3 : 160;
    cbContainerNein = new QCheckBox(QStringLiteral("Nein"), surface);
    cbContainerNein->setObjectName(QStringLiteral("DBCheckBoxNein"));
    cbContainerNein->setGeometry(800, y, 60, EditHeight);
    cbContainerJa = new QCheckBox(QStringLiteral("Ja"), surface);
    cbContainerJa->setObjectName(QStringLiteral("DBCheckBoxJa"));
    cbContainerJa->setGeometry(870, y, 60, EditHeight);
    for (QCheckBox *box : { cbContainerNein, cbContainerJa })
        box->setFont(shell::mainState().FormularAnzeigeFont);
    connect(cbContainerNein, &QCheckBox::clicked, this,
        [this] { shell::runReported(this, [this] { setContainer(QStringLiteral("N")); }); });
    connect(cbContainerJa, &QCheckBox::clicked, this,
        [this] { shell::runReported(this, [this] { setContainer(QStringLiteral("J")); }); });
    connect(&head(), &platform::DataSet::recordChanged, this, &TfrmAtlasAEMain::showContainer);
    connect(&head(), &platform::DataSet::fieldChanged, this, &TfrmAtlasAEMain::showContainer);
    showContainer();
}

void TfrmAtlasAEMain::showContainer()
{
    if (!head().isActive() || head().isEmpty())
        return;
    const QString value = head().fieldByName(QStringLiteral("Container")).asString();
    cbContainerNein->setChecked(value == QLatin1String("N"));
    cbContainerJa->setChecked(value == QLatin1String("J"));
}

void TfrmAtlasAEMain::setContainer(const QString &value)
{
    // The box clicked last holds the field; a ticked box stays ticked.
    shell::EditIfBrowsing(head());
    head().fieldByName(QStringLiteral("Container")).setAsString(value);
    showContainer();
}

void TfrmAtlasAEMain::buildLists()
{
    QWidget *surface = scrollBox(0)->widget();
    DeclarationTables &tables = m_register.tables();
    PageControl1 = new QTabWidget(surface);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(10, 900, 960, 240);

    const auto page = [this](const QString &caption, shell::TWheelDBGrid *&grid, shell::TMyNav *&navigator,
                          platform::DataSet *dataSet, platform::DataSetModel *model) {
        auto *sheet = new QWidget;
        auto *layout = new QVBoxLayout(sheet);
        grid = new shell::TWheelDBGrid(sheet);
        styleGrid(grid);
        model->setParent(grid);
        grid->setModel(model);
        layout->addWidget(grid, 1);
        navigator = makeNavigator(sheet, dataSet);
        layout->addWidget(navigator, 0, Qt::AlignLeft);
        PageControl1->addTab(sheet, caption);
        return sheet;
    };
    const int charWidth = fontMetrics().averageCharWidth();
    page(QStringLiteral("Beförderungsroute"), gridRoute, navRoute, tables.tbRoute,
        new RouteModel(tables.tbRoute,
            { { Fields::Pos, QStringLiteral("Position"), 10 * charWidth },
                { QStringLiteral("Land"), QString(), 300 } }));
    gridRoute->setObjectName(QStringLiteral("DBGridRoute"));
    page(QStringLiteral("Positionen"), gridWaren, navWaren, tables.tbWarenPos,
        new platform::DataSetModel(tables.tbWarenPos,
            { { Fields::Pos, QStringLiteral("Position"), 10 * charWidth },
                { QStringLiteral("WarenNr"), QStringLiteral("Stat. Waren-Nr."), 16 * charWidth },
                { QStringLiteral("WarenBez"), QStringLiteral("Waren Bezeichnung"), 400 } }));
    gridWaren->setObjectName(QStringLiteral("DBGridWaren"));
    gridWaren->setItemDelegate(new GoodsDelegate(gridWaren));
    auto *sealModel = new shell::EditableDataSetModel(tables.tbVerschluss,
        { { Fields::Pos, QStringLiteral("Pos"), 10 * charWidth }, { QStringLiteral("Zeichen"), QString(), 300 } });
    sealModel->setReadOnlyFields({ Fields::Pos });
    QWidget *seals = page(QStringLiteral("Verschlüsse"), gridVerschluss, navVerschluss, tables.tbVerschluss, sealModel);
    gridVerschluss->setObjectName(QStringLiteral("DBGridVerschluss"));
    gridVerschluss->setEditTriggers(QAbstractItemView::AllEditTriggers);
    PageControl1->setCurrentIndex(1);

    // The seal kind and count above the seal list.
    auto *sealHead = new QWidget(seals);
    auto *row = new QHBoxLayout(sealHead);
    row->setContentsMargins(0, 0, 0, 0);
    qobject_cast<QVBoxLayout *>(seals->layout())->insertWidget(0, sealHead);
    for (const char *name : { "ExDBEdit7", "DBEditVerschlussAnzahl" }) {
        if (QWidget *edit = control(s(name))) {
            edit->setParent(sealHead);
            edit->show();
        }
    }
    auto *kind = new QLabel(QStringLiteral("Art:"), sealHead);
    auto *number = new QLabel(QStringLiteral("Anzahl:"), sealHead);
    row->addWidget(kind);
    if (QWidget *edit = control(QStringLiteral("ExDBEdit7"))) {
        edit->setFixedWidth(30);
        row->addWidget(edit);
    }
    if (auto *button = findChild<QWidget *>(QStringLiteral("sbVerschlussArt"))) {
        button->setParent(sealHead);
        button->show();
        row->addWidget(button);
    }
    row->addWidget(number);
    if (QWidget *edit = control(QStringLiteral("DBEditVerschlussAnzahl"))) {
        edit->setFixedWidth(60);
        row->addWidget(edit);
    }
    row->addStretch();

    connect(navRoute->button(shell::TMyNav::Insert), &QToolButton::clicked, this,
        [this] { shell::runReported(this, [this] { RouteCountryPick(); }); });
    connect(navRoute->button(shell::TMyNav::Edit), &QToolButton::clicked, this,
        [this] { shell::runReported(this, [this] { RouteCountryPick(); }); });
    connect(gridRoute, &QAbstractItemView::doubleClicked, navRoute->button(shell::TMyNav::Edit), &QToolButton::click);
    connect(navWaren->button(shell::TMyNav::Insert), &QToolButton::clicked, this,
        [this] { shell::runReported(this, [this] { EditGoodsItem(true); }); });
    connect(navWaren->button(shell::TMyNav::Edit), &QToolButton::clicked, this,
        [this] { shell::runReported(this, [this] { EditGoodsItem(false); }); });
    connect(gridWaren, &QAbstractItemView::doubleClicked, navWaren->button(shell::TMyNav::Edit), &QToolButton::click);
}

void TfrmAtlasAEMain::buildMenu()
{
    auto *bar = findChild<QMenuBar *>();
    // The register prints nothing: the print item goes.
    mnuDrucken->setVisible(false);
    mnuExport = new QMenu(QStringLiteral("Export"), bar);
    mnuAMExportieren = mnuExport->addAction(QStringLiteral("(u)AM &Exportieren"));
    mnuErgAMExportieren = mnuExport->addAction(QStringLiteral("Erg. AM Exportieren"));
    connect(mnuAMExportieren, &QAction::triggered, this,
        [this] { shell::runReported(this, [this] { ExportDeclarationClick(); }); });
    connect(mnuErgAMExportieren, &QAction::triggered, this,
        [this] { shell::runReported(this, [this] { ExportSupplementaryClick(); }); });
    mnuWechseln = new QMenu(QStringLiteral("Wechseln in andere Formulare"), bar);
    QMenu *papers = mnuWechseln->addMenu(QStringLiteral("Export Papiere"));
    for (const char *item :
        { "Ausfuhranmeldung (nur für Notfälle)", "Eur1", "At. R.", "Ursprungszeugnis", "Versandanmeldung T1/T2" })
        papers->addAction(s(item))->setEnabled(false);
    QMenu *shipping = mnuWechseln->addMenu(QStringLiteral("Versand Papiere"));
    for (const char *item : { "CMR-Frachtbrief", "DHL", "Packliste", "Paketkarte", "TNT-Inland", "TNT-Worldwide",
             "FedEx", "UPS", "Versand-/ Speditionsauftrag" })
        shipping->addAction(s(item))->setEnabled(false);
    connect(mnuWechseln, &QMenu::aboutToShow, this, [this] { shell::runReported(this, [this] { postAll(); }); });
    mnuEPASDrucken = new QAction(QStringLiteral("EPAS-Drucken"), bar);
    mnuEPASDrucken->setEnabled(false);
    bar->insertMenu(mnuSchliessen, mnuExport);
    bar->insertMenu(mnuSchliessen, mnuWechseln);
    bar->insertAction(mnuSchliessen, mnuEPASDrucken);
}

void TfrmAtlasAEMain::showEvent(QShowEvent *event)
{
    platform::runReported(this, [&] {
        EntryWindow::showEvent(event);
        if (m_shownOnce)
            return;
        m_shownOnce = true;
        scrollBox(0)->verticalScrollBar()->setValue(0);
        shell::runReported(this, [this] {
            auto items = shell::openSecondView(head(), Tables::Ware);
            m_templateItem.clear();
            if (items->findKey({ shell::TemplateNumber, 1 })) {
                for (int i = 0; i < items->fieldCount(); ++i)
                    m_templateItem.append(items->field(i).asString());
            }
        });
    });
}

void TfrmAtlasAEMain::postAll()
{
    m_register.PostAtlasTables();
}

void TfrmAtlasAEMain::ExportDeclarationClick()
{
    postAll();
    ExportDeclaration(m_register.currentNumber());
}

void TfrmAtlasAEMain::ExportSupplementaryClick()
{
    postAll();
    ExportSupplementaryDeclaration(m_register.currentNumber());
}

void TfrmAtlasAEMain::TakeOverCustomer()
{
    masterdata::TPartyAddress address;
    if (!masterdata::PickCustomer(address, this))
        return;
    const Party &p = Parties[std::clamp(PageControl2->currentIndex(), 0, PartyCount - 1)];
    const QString prefix = s(p.prefix);
    Table &kopf = head();
    shell::EditIfBrowsing(kopf);
    kopf.fieldByName(s(p.tinField)).setAsString(address.TIN);
    // The end user's identification kind is no customs flag: it stays.
    if (*p.flagField)
        kopf.fieldByName(s(p.flagField)).setAsString(address.IsDeuZoll);
    kopf.fieldByName(prefix + QStringLiteral("Name")).setAsString(address.name1);
    kopf.fieldByName(prefix + QStringLiteral("Street")).setAsString(address.strasse);
    kopf.fieldByName(prefix + QStringLiteral("PLZ")).setAsString(address.PLZ);
    kopf.fieldByName(s(p.townField)).setAsString(address.ort);
    kopf.fieldByName(prefix + QStringLiteral("Land")).setAsString(address.land);
    shell::PostIfEditing(kopf);
}

void TfrmAtlasAEMain::RouteCountryPick()
{
    Table &route = m_register.tbRoute();
    if (!route.isEditing())
        return;
    QString value;
    if (!masterdata::PickCountry(
            QStringLiteral("LKZ"), value, route.fieldByName(QStringLiteral("Land")).asString(), this)) {
        route.cancel();
        return;
    }
    route.fieldByName(QStringLiteral("Land")).setAsString(value);
    route.post();
}

void TfrmAtlasAEMain::EditGoodsItem(bool inserted)
{
    Table &items = m_register.tbWarenPos();
    if (inserted && items.isEditing() && !m_templateItem.isEmpty()) {
        for (int i = 2; i < items.fieldCount() && i < m_templateItem.size(); ++i)
            items.field(i).setAsString(m_templateItem.at(i));
    }
    if (!items.isActive() || (items.isEmpty() && !items.isEditing()))
        return;
    TfrmAtlasAEWaren::ShowItem(m_register, this);
}

bool TfrmAtlasAEMain::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if (event->type() == QEvent::KeyPress) {
            auto *memo = qobject_cast<QPlainTextEdit *>(watched);
            if (memo) {
                const int limit = memo->objectName() == QLatin1String("DBMemoVermerk") ? 255
                    : memo->objectName() == QLatin1String("DBMemoLieferText")          ? 140
                                                                                       : 0;
                auto *key = static_cast<QKeyEvent *>(event);
                if (limit > 0 && refusesTypedCharacter(key->text(), int(memo->toPlainText().size()), limit)) {
                    QApplication::beep();
                    return true;
                }
            }
        }
        if (watched == cb_Mandant && event->type() == QEvent::FocusOut)
            ClientList::add(m_clients, cb_Mandant->currentText());
        return EntryWindow::eventFilter(watched, event);
    });
}

bool TfrmAtlasAEMain::formClose()
{
    const auto empty = [this](const QString &field) { return head().fieldByName(field).asString().isEmpty(); };
    if (cb_Mandant->currentText().isEmpty() || empty(QStringLiteral("Art2")) || empty(QStringLiteral("Art1"))
        || empty(QStringLiteral("Bezugsnummer"))) {
        if (platform::dialogs().confirmation(MandatoryQuestion, platform::DialogButtons::YesNo,
                platform::DialogService::standardCaption(platform::DialogKind::Warning))
            != platform::DialogAnswer::Yes)
            return false;
    }
    ClientList::add(m_clients, cb_Mandant->currentText());
    ClientList::save(m_clients);
    postAll();
    return EntryWindow::formClose();
}

} // namespace atlas
