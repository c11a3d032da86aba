#include "orders/tfrmauftrag.h"

#include "orders/orderdocuments.h"
#include "orders/orderlines.h"
#include "orders/orderlistmodel.h"
#include "orders/orderpicks.h"
#include "orders/ordertables.h"
#include "orders/tfrmauftr_pk.h"
#include "orders/tfrmpositionen.h"
#include "orders/tfrmregieauftragsdaten.h"
#include "orders/tfrmtexte_e.h"
#include "platform/dataedit.h"
#include "platform/datalookupcombobox.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/table.h"
#include "shell/buttonlook.h"
#include "shell/documentroutines.h"
#include "shell/mainstate.h"
#include "shell/positionlist.h"
#include "shell/reportedcall.h"
#include "shell/twheeldbgrid.h"
#include "shell/users.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QWheelEvent>

namespace orders {

using platform::Table;
using shell::EntryControl;
using shell::EntryLabel;
using shell::EntryPick;
using shell::PickValues;

TfrmAuftrag *frmAuftrag = nullptr;

namespace {

enum Page { HeadPage, PositionsPage, PackagesPage, ClausesPage, TermsPage };

enum Pick {
    CustomerPick,
    CountryPick,
    LanguagePick,
    ShippingPick,
    ForwarderPick,
    ClausePick,
    TermsPick,
    PreferencePick
};
// F9 in the transport-mode field has no button of its own.
constexpr int TransportPick = -2;

const QString PickHint = QStringLiteral(" - (hier besteht eine Übernahmemöglickkeit)");

QString editName(const QString &field)
{
    return QStringLiteral("DBEdit") + field;
}

TfrmAuftrag &orderWindow(shell::EntryWindow &window)
{
    return static_cast<TfrmAuftrag &>(window);
}

// Writes lines into the fields prefix1, prefix2 ... of the head.
PickValues lineValues(const QString &prefix, const QStringList &lines)
{
    PickValues values;
    for (int i = 0; i < lines.size(); ++i)
        values.append({ prefix + QString::number(i + 1), lines.at(i) });
    return values;
}

// The fields of the head page with their descriptions, the picks F9 opens
// and whether leaving them posts the head.
struct HeadField {
    QString field;
    QString hint;
    int pick = -1;
    bool postsOnLeaving = false;
};

QVector<HeadField> headFields()
{
    QVector<HeadField> fields;
    for (int i = 1; i <= 5; ++i)
        fields.append({ QStringLiteral("KUNDE%1").arg(i), QStringLiteral("Kunde") + PickHint, CustomerPick });
    fields.append({ QStringLiteral("KUNDE6"),
        QStringLiteral("Umsatzsteuer-ID - (hier besteht eine Übernahmemöglickkeit über die Kunden)") });
    fields.append({ QStringLiteral("BELEGNR"), QStringLiteral("BelegNr."), -1, true });
    fields.append({ QStringLiteral("AUFNR"), QStringLiteral("AuftragsNr."), -1, true });
    fields.append({ QStringLiteral("REDATUM"), QStringLiteral("Datum"), -1, true });
    fields.append({ QStringLiteral("SBTEL"), QStringLiteral("Durchwahl"), -1, true });
    fields.append({ QStringLiteral("UZ"), QStringLiteral("Unser Zeichen"), -1, true });
    fields.append({ QStringLiteral("BNR"), QStringLiteral("BestellNr. des Kunden"), -1, true });
    fields.append({ QStringLiteral("BNRVOM"), QStringLiteral("Bestellung vom"), -1, true });
    fields.append({ QStringLiteral("BNRABT"), QStringLiteral("Abteilung des Kunden"), -1, true });
    fields.append({ QStringLiteral("VEDATUM"), QStringLiteral("Versandtag"), -1, true });
    fields.append({ QStringLiteral("veart"), QStringLiteral("Versandart - (hier besteht eine Übernahmemöglichkeit)"),
        TransportPick, true });
    fields.append({ QStringLiteral("waehrung"), QStringLiteral("Währung"), -1, true });
    for (int i = 1; i <= 5; ++i)
        fields.append({ QStringLiteral("VEAN%1").arg(i), QStringLiteral("Versandanschrift") + PickHint, ShippingPick });
    for (int i = 1; i <= 5; ++i)
        fields.append({ QStringLiteral("SPED%1").arg(i), QStringLiteral("Spedition") + PickHint, ForwarderPick });
    for (int i = 1; i <= 10; ++i)
        fields.append({ QStringLiteral("MARK%1").arg(i), QStringLiteral("Markierung") });
    for (int i = 1; i <= 14; ++i)
        fields.append(
            { QStringLiteral("REKLAU%1").arg(i), QStringLiteral("Rechnungsklauseln") + PickHint, ClausePick });
    for (int i = 1; i <= 5; ++i)
        fields.append(
            { QStringLiteral("ZABED%1").arg(i), QStringLiteral("Zahlungsbedingungen") + PickHint, TermsPick });
    for (int i = 1; i <= 6; ++i)
        fields.append(
            { QStringLiteral("PRAEF%1").arg(i), QStringLiteral("Präferenzklauseln") + PickHint, PreferencePick });
    return fields;
}

const HeadField *headField(const QString &controlName)
{
    static const QVector<HeadField> fields = headFields();
    for (const HeadField &field : fields) {
        if (editName(field.field) == controlName)
            return &field;
    }
    return nullptr;
}

EntryControl headEdit(const QString &field, int page, int x, int y, int width)
{
    const HeadField *known = headField(editName(field));
    return EntryControl::edit(editName(field), field).at(page, x, y, width, 21).hint(known ? known->hint : QString());
}

shell::EntryWindowDefinition orderWindowDefinition()
{
    shell::EntryWindowDefinition definition;
    definition.objectName = QStringLiteral("frmAuftrag");
    definition.caption = QStringLiteral("Auftragsdaten");
    definition.size = QSize(800, 600);
    definition.pages
        = { { QStringLiteral("Rechnungskopf"), 530 }, { QStringLiteral("Artikelpositionen / Absummierung"), 530 },
              { QStringLiteral("Packdaten / Markierung"), 480 }, { QStringLiteral("Rechnungsklauseln"), 420 },
              { QStringLiteral("Zahlungsbedingungen / Präferenzklauseln"), 380 } };
    definition.closePostsParameter = true;

    auto &labels = definition.labels;
    auto &controls = definition.controls;
    const auto label = [&labels](const QString &text, int page, int x, int y) {
        labels.append(EntryLabel::at(text, page, x, y + 3));
    };

    // Invoice recipient
    label(QStringLiteral("Kunde :"), HeadPage, 16, 24);
    for (int i = 0; i < 5; ++i)
        controls.append(headEdit(QStringLiteral("KUNDE%1").arg(i + 1), HeadPage, 90, 24 + i * 25, 260));
    label(QStringLiteral("USt-Id.:"), HeadPage, 16, 149);
    controls.append(headEdit(QStringLiteral("KUNDE6"), HeadPage, 90, 149, 260));
    label(QStringLiteral("Land:"), HeadPage, 16, 178);
    label(QStringLiteral("Sprache:"), HeadPage, 16, 207);

    // Number, clerk and references
    label(QStringLiteral("Belegnr.:"), HeadPage, 410, 24);
    controls.append(headEdit(QStringLiteral("BELEGNR"), HeadPage, 520, 24, 180));
    label(QStringLiteral("USt-Id:"), HeadPage, 410, 49);
    label(QStringLiteral("Auftragsnr.:"), HeadPage, 410, 74);
    controls.append(headEdit(QStringLiteral("AUFNR"), HeadPage, 520, 74, 180));
    label(QStringLiteral("Datum:"), HeadPage, 410, 99);
    controls.append(headEdit(QStringLiteral("REDATUM"), HeadPage, 520, 99, 180));
    label(QStringLiteral("Sachb.:"), HeadPage, 410, 124);
    label(QStringLiteral("Durchwahl:"), HeadPage, 410, 149);
    controls.append(headEdit(QStringLiteral("SBTEL"), HeadPage, 520, 149, 180));
    label(QStringLiteral("Unser Zeichen:"), HeadPage, 410, 174);
    controls.append(headEdit(QStringLiteral("UZ"), HeadPage, 520, 174, 180));

    // The customer's order and the shipment
    const QStringList shipment = { QStringLiteral("BNR"), QStringLiteral("BNRVOM"), QStringLiteral("BNRABT"),
        QStringLiteral("VEDATUM"), QStringLiteral("veart") };
    const QStringList shipmentLabels = { QStringLiteral("Ihre Best.-Nr.:"), QStringLiteral("vom:"),
        QStringLiteral("Ihre Abteilung:"), QStringLiteral("Versandtag:"), QStringLiteral("Versandart :") };
    for (int i = 0; i < shipment.size(); ++i) {
        label(shipmentLabels.at(i), HeadPage, 16, 270 + i * 25);
        controls.append(headEdit(shipment.at(i), HeadPage, 130, 270 + i * 25, 220));
    }
    label(QStringLiteral("Frankatur:"), HeadPage, 16, 395);
    label(QStringLiteral("Währung :"), HeadPage, 16, 420);
    controls.append(headEdit(QStringLiteral("waehrung"), HeadPage, 130, 420, 60));

    for (int i = 0; i < 5; ++i)
        controls.append(headEdit(QStringLiteral("VEAN%1").arg(i + 1), HeadPage, 420, 234 + i * 25, 290));
    for (int i = 0; i < 5; ++i)
        controls.append(headEdit(QStringLiteral("SPED%1").arg(i + 1), HeadPage, 420, 404 + i * 25, 290));
    labels.append(
        EntryLabel::at(QStringLiteral("RECHNUNG / INVOICE"), HeadPage, 24, 478).named(QStringLiteral("lblRechnung")));
    controls.append(EntryControl::checkBox(
        QStringLiteral("DBCheckBoxProforma"), QStringLiteral("PROFORMA"), QStringLiteral("Proforma"))
                        .at(HeadPage, 250, 475, 120, 21)
                        .checkValues(QStringLiteral("J"), QStringLiteral("N")));

    // Marks, clauses, terms and preference statement
    for (int i = 0; i < 10; ++i)
        controls.append(
            headEdit(QStringLiteral("MARK%1").arg(i + 1), PackagesPage, i < 5 ? 20 : 400, 316 + (i % 5) * 25, 360));
    for (int i = 0; i < 14; ++i)
        controls.append(headEdit(QStringLiteral("REKLAU%1").arg(i + 1), ClausesPage, 20, 28 + i * 25, 680));
    for (int i = 0; i < 5; ++i)
        controls.append(headEdit(QStringLiteral("ZABED%1").arg(i + 1), TermsPage, 20, 28 + i * 25, 680));
    for (int i = 0; i < 6; ++i)
        controls.append(headEdit(QStringLiteral("PRAEF%1").arg(i + 1), TermsPage, 20, 196 + i * 25, 680));

    // Picks: each puts the head into edit state, writes what was taken
    // over and posts it.
    const auto pick = [&definition](const QString &name, int page, int x, int y,
                          std::function<std::optional<PickValues>(TfrmAuftrag &)> run) {
        definition.picks.append(EntryPick { name, page, QRect(x, y, 21, 21),
            [run](shell::EntryWindow &window) { return run(orderWindow(window)); }, QString(), QString() });
    };
    pick(QStringLiteral("SpeedButtonKunde"), HeadPage, 355, 24, [](TfrmAuftrag &window) -> std::optional<PickValues> {
        const std::optional<CustomerChoice> customer = pickCustomer(&window);
        if (!customer)
            return std::nullopt;
        PickValues values;
        const QStringList fields = { QStringLiteral("kunde1"), QStringLiteral("kunde2"), QStringLiteral("kunde3"),
            QStringLiteral("kunde4"), QStringLiteral("kunde5") };
        for (int i = 0; i < fields.size(); ++i)
            values.append({ fields.at(i), customer->lines.value(i) });
        values.append({ QStringLiteral("kunde6"), customer->vatId });
        // A country name the country table does not know leaves the country as it was.
        if (const auto country = findCountryByName(customer->countryName)) {
            values.append({ QStringLiteral("land"), country->code });
            window.LandText->setText(country->name);
        }
        values.append({ QStringLiteral("sprache"), customer->language });
        window.SpracheText->setText(customer->languageName);
        return values;
    });
    pick(QStringLiteral("SpeedButtonLand"), HeadPage, 355, 178, [](TfrmAuftrag &window) -> std::optional<PickValues> {
        const std::optional<CountryChoice> country = pickCountry(&window);
        if (!country)
            return std::nullopt;
        window.LandText->setText(country->name);
        PickValues values { { QStringLiteral("land"), country->code } };
        // The language of an order follows its country.
        if (const auto language = findLanguage(country->language)) {
            window.SpracheText->setText(language->name);
            values.append({ QStringLiteral("sprache"), language->key });
        }
        return values;
    });
    pick(
        QStringLiteral("SpeedButtonSprache"), HeadPage, 355, 207, [](TfrmAuftrag &window) -> std::optional<PickValues> {
            const std::optional<LanguageChoice> language = pickLanguage(&window);
            if (!language)
                return std::nullopt;
            window.SpracheText->setText(language->name);
            return PickValues { { QStringLiteral("sprache"), language->key } };
        });
    pick(
        QStringLiteral("SpeedButtonVersand"), HeadPage, 715, 234, [](TfrmAuftrag &window) -> std::optional<PickValues> {
            const auto lines = pickShippingAddress(&window);
            return lines ? std::optional(lineValues(QStringLiteral("vean"), *lines)) : std::nullopt;
        });
    pick(QStringLiteral("SpeedButtonSpedition"), HeadPage, 715, 404,
        [](TfrmAuftrag &window) -> std::optional<PickValues> {
            const auto lines = pickForwarder(&window);
            return lines ? std::optional(lineValues(QStringLiteral("sped"), *lines)) : std::nullopt;
        });
    pick(QStringLiteral("SpeedButtonKlausel"), ClausesPage, 710, 28,
        [](TfrmAuftrag &window) -> std::optional<PickValues> {
            // Lines 11 to 14 keep their text.
            const auto lines = pickInvoiceClause(&window, window.languageKey());
            return lines ? std::optional(lineValues(QStringLiteral("reklau"), lines->mid(0, 10))) : std::nullopt;
        });
    pick(
        QStringLiteral("SpeedButtonZahlung"), TermsPage, 710, 28, [](TfrmAuftrag &window) -> std::optional<PickValues> {
            const auto lines = pickPaymentTerm(&window, window.languageKey());
            return lines ? std::optional(lineValues(QStringLiteral("zabed"), lines->mid(0, 5))) : std::nullopt;
        });
    pick(QStringLiteral("SpeedButtonPraef"), TermsPage, 710, 196, [](TfrmAuftrag &window) -> std::optional<PickValues> {
        const auto lines = pickPreferenceClause(&window);
        return lines ? std::optional(lineValues(QStringLiteral("praef"), lines->mid(0, 6))) : std::nullopt;
    });
    return definition;
}

// Where the focus goes after a pick, whatever its result.
QString focusAfterPick(int pick)
{
    switch (pick) {
    case CustomerPick:
        return editName(QStringLiteral("AUFNR"));
    case ForwarderPick:
        return editName(QStringLiteral("BNR"));
    case TermsPick:
        return editName(QStringLiteral("PRAEF1"));
    default:
        return {};
    }
}

QWidget *surfaceOf(shell::EntryWindow &window, int page)
{
    return window.scrollBox(page)->widget();
}

QGroupBox *groupBox(QWidget *surface, const QString &title, const QRect &geometry)
{
    auto *box = new QGroupBox(title, surface);
    box->setGeometry(geometry);
    box->setFont(shell::mainState().FormularAnzeigeFont);
    box->lower();
    return box;
}

shell::TWheelDBGrid *listGrid(QWidget *parent, const QString &name, Table &table,
    const QVector<platform::DataSetColumn> &columns, const QVector<ColumnLook> &looks, const QRect &geometry)
{
    auto *grid = new shell::TWheelDBGrid(parent);
    grid->setObjectName(name);
    grid->setModel(new OrderListModel(&table, columns, looks, grid));
    grid->setGeometry(geometry);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    return grid;
}

void setGridEnabled(shell::TWheelDBGrid *grid, Table &table)
{
    grid->setEnabled(!table.isEmpty());
}

// Puts the current line into edit state; with no lines it starts line 1.
void editOrStartLine(Table &lines)
{
    if (lines.isEmpty()) {
        lines.append();
        lines.fieldByName(QStringLiteral("Pos")).setAsInteger(1);
    } else {
        lines.edit();
    }
}

void setNavigation(const ListButtons &buttons, Table &table)
{
    shell::enableMoveButtons(table, buttons.first, buttons.prior, buttons.next, buttons.last);
}

} // namespace

TfrmAuftrag::TfrmAuftrag(TfrmRegieAuftragsdaten &orderRegister, QWidget *parent)
    : EntryWindow(orderRegister, orderWindowDefinition(), parent)
    , m_orders(orderRegister)
{
    frmAuftrag = this;
    const auto openTable = [this](const QString &name, const QString &component, const QString &order) {
        auto *table = new Table(platform::Alias::Data, name, this);
        table->setObjectName(component);
        table->setIndexFieldNames(order);
        table->open();
        return table;
    };
    tbSachb = openTable(shell::UserTableName, QStringLiteral("tbSachb"), QStringLiteral("Name"));
    tbLand = openTable(QStringLiteral("S_LANDBZ.DB"), QStringLiteral("tbLand"), QStringLiteral("Lkz"));
    tbSprache = openTable(QStringLiteral("S_SPRACH.DB"), QStringLiteral("tbSprache"), QStringLiteral("Skz"));
    tbLiefer = openTable(QStringLiteral("S_LIEFER.DB"), QStringLiteral("tbLiefer"), QStringLiteral("Lieferb"));
    tbFrankatur = openTable(QStringLiteral("S_LIEFER.DB"), QStringLiteral("tbFrankatur"), QStringLiteral("Lieferb"));

    buildHeadPage();
    buildPositionsPage();
    buildPackagesPage();
    buildMenu();

    // The order number is shown, never typed.
    control(editName(QStringLiteral("BELEGNR")))->setEnabled(false);
    for (int index = 0; index < definition().picks.size(); ++index) {
        const QString focus = focusAfterPick(index);
        if (!focus.isEmpty())
            connect(pickButton(index), &QAbstractButton::clicked, this,
                platform::reported(this, [this, focus] { focusControl(focus); }));
    }
    installNavigationHandlers();
    updateLists();
    // The list buttons came after the base's look was applied.
    shell::applyRaisedButtonLook(this);

    Table &orders = head();
    shell::EditIfBrowsing(orders);
    showCountry();
    showLanguage();
}

TfrmAuftrag::~TfrmAuftrag()
{
    removeNavigationHandlers();
    if (frmAuftrag == this)
        frmAuftrag = nullptr;
}

void TfrmAuftrag::buildHeadPage()
{
    QWidget *surface = surfaceOf(*this, HeadPage);
    surface->resize(std::max(surface->width(), 770), std::max(surface->height(), 520));
    groupBox(surface, QStringLiteral("Rechnungsempfänger"), QRect(8, 4, 390, 236));
    groupBox(surface, QStringLiteral("Versandanschrift"), QRect(410, 210, 340, 160));
    groupBox(surface, QStringLiteral("Spedition"), QRect(410, 380, 340, 160));
    groupBox(surface, QString(), QRect(8, 460, 390, 50));

    const auto textField = [surface, this](const QString &name, int y) {
        auto *text = new QLabel(surface);
        text->setObjectName(name);
        text->setGeometry(90, y, 260, 21);
        text->setFrameShape(QFrame::Panel);
        text->setFrameShadow(QFrame::Sunken);
        text->setFont(shell::mainState().EingabeFelderFont);
        text->setCursor(Qt::PointingHandCursor);
        text->installEventFilter(this);
        return text;
    };
    LandText = textField(QStringLiteral("LandText"), 178);
    SpracheText = textField(QStringLiteral("SpracheText"), 207);

    DBEditUstnr = new platform::DataEdit(surface);
    DBEditUstnr->setObjectName(QStringLiteral("DBEditUstnr"));
    platform::Table *parameters = shell::mainState().tbParameter;
    DBEditUstnr->bind(parameters ? parameters : &parameter(), QStringLiteral("Ustnr"));
    DBEditUstnr->setGeometry(520, 49, 180, 21);
    DBEditUstnr->setFont(shell::mainState().EingabeFelderFont);
    DBEditUstnr->setEnabled(false);

    cbSachbearbeiter = new platform::DataLookupComboBox(surface);
    cbSachbearbeiter->setObjectName(QStringLiteral("DBLookupComboBoxSachb"));
    cbSachbearbeiter->bind(&head(), QStringLiteral("sbearb"));
    cbSachbearbeiter->setListSource(tbSachb, QStringLiteral("Name"), QStringLiteral("Name"));
    cbSachbearbeiter->setGeometry(520, 124, 180, 21);
    cbSachbearbeiter->setFont(shell::mainState().EingabeFelderFont);
    connect(
        cbSachbearbeiter, &QComboBox::activated, this, [this] { shell::runReported(this, [this] { clerkChosen(); }); });
    setTabOrder(control(editName(QStringLiteral("REDATUM"))), cbSachbearbeiter);

    cbFrankatur = new platform::DataLookupComboBox(surface);
    cbFrankatur->setObjectName(QStringLiteral("DBLookupComboBoxFrankatur"));
    cbFrankatur->bind(&head(), QStringLiteral("frankatur"));
    cbFrankatur->setListSource(tbLiefer, QStringLiteral("Lieferb"), QStringLiteral("Bedeutung"));
    cbFrankatur->setGeometry(130, 395, 220, 21);
    cbFrankatur->setFont(shell::mainState().EingabeFelderFont);
    cbFrankatur->view()->setMinimumWidth(240);
    setTabOrder(control(editName(QStringLiteral("veart"))), cbFrankatur);
}

QToolButton *TfrmAuftrag::listButton(QWidget *parent, const QString &name, const QString &hint, int x, int y,
    const std::function<void()> &command, const QString &caption, bool focusesSumLines)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    if (caption.isEmpty()) {
        button->setGeometry(x, y, 28, 25);
    } else {
        button->setText(caption);
        button->setGeometry(x, y, std::max(80, button->sizeHint().width() + 8), 25);
    }
    connect(button, &QToolButton::clicked, this, [this, command, focusesSumLines] {
        shell::runReported(this, command);
        updateLists();
        if (focusesSumLines && dbgrTexte->isEnabled())
            dbgrTexte->setFocus();
    });
    return button;
}

ListButtons TfrmAuftrag::moveButtons(
    QWidget *parent, const QString &prefix, const QStringList &hints, int x, int y, Table &table)
{
    const QStyle::StandardPixmap glyphs[] = { QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
        QStyle::SP_MediaSeekForward, QStyle::SP_MediaSkipForward };
    const QStringList names = { QStringLiteral("Erste"), QStringLiteral("Vorherige"), QStringLiteral("Naechste"),
        QStringLiteral("Letzte") };
    const std::function<void()> moves[] = {
        [&table] { table.first(); },
        [&table] {
            if (!table.bof())
                table.prior();
        },
        [&table] {
            if (!table.eof())
                table.next();
        },
        [&table] { table.last(); },
    };
    ListButtons buttons;
    QToolButton **targets[] = { &buttons.first, &buttons.prior, &buttons.next, &buttons.last };
    for (int i = 0; i < 4; ++i) {
        const std::function<void()> move = moves[i];
        *targets[i] = listButton(parent, prefix + names.at(i), hints.value(i), x + i * 30, y, [&table, move] {
            move();
            shell::PostIfEditing(table);
        });
        (*targets[i])->setIcon(style()->standardIcon(glyphs[i]));
    }
    return buttons;
}

void TfrmAuftrag::buildPositionsPage()
{
    QWidget *surface = surfaceOf(*this, PositionsPage);
    surface->resize(std::max(surface->width(), 790), std::max(surface->height(), 520));
    Table &positions = m_orders.tbArtikel();
    Table &sumLines = m_orders.tbTexte();

    groupBox(surface, QStringLiteral("Artikelpositionen"), QRect(8, 4, 772, 290));
    dbgrArtikel = listGrid(surface, QStringLiteral("dbgrArtikel"), positions,
        { { QStringLiteral("Pos"), QStringLiteral("Pos."), 40 },
            { QStringLiteral("bez1"), QStringLiteral("Bezeichnung 1"), 180 },
            { QStringLiteral("bez2"), QStringLiteral("Bezeichnung 2"), 140 },
            { QStringLiteral("anzahl"), QStringLiteral("Anz."), 50 },
            { QStringLiteral("einzpreis"), QStringLiteral("Einzelpreis"), 80 },
            { QStringLiteral("quersum"), QStringLiteral("Gesamtpreis"), 80 }, { QStringLiteral("Verpackung"), {}, 80 },
            { QStringLiteral("Praefberech"), {}, 80 }, { QStringLiteral("BesMassEinheit"), {}, 100 } },
        { { {}, Qt::AlignLeft }, {}, {}, { QStringLiteral("#,##0.#"), {} } }, QRect(16, 24, 756, 228));
    positionMoves = moveButtons(surface, QStringLiteral("sbArtikel"),
        { QStringLiteral("Erste Artikelposition"), QStringLiteral("Vorherige Artikelposition"),
            QStringLiteral("Nächste Artikelposition"), QStringLiteral("Letzte Artikelposition") },
        16, 260, positions);
    sbArtikelNeu = listButton(surface, QStringLiteral("sbArtikelNeu"), QStringLiteral("Artikelposition hinzufügen"),
        150, 260, [this] { addPosition(); });
    sbArtikelLoeschen = listButton(surface, QStringLiteral("sbArtikelLoeschen"),
        QStringLiteral("Aktuelle Artikelposition löschen"), 180, 260, [this] { deletePosition(); });
    sbArtikelBearbeiten = listButton(surface, QStringLiteral("sbArtikelBearbeiten"),
        QStringLiteral("Aktuelle Artikelposition bearbeiten"), 210, 260, [this] { editPosition(); });
    sbArtikelNeu->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    sbArtikelLoeschen->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    sbArtikelBearbeiten->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));

    dbgrTexte = listGrid(surface, QStringLiteral("dbgrTexte"), sumLines,
        { { QStringLiteral("bez1"), QStringLiteral("Bezeichnug"), 200 },
            { QStringLiteral("quersum"), QStringLiteral("Beträge"), 140 } },
        { { {}, Qt::AlignRight }, { {}, Qt::AlignRight } }, QRect(400, 304, 380, 200));
    sumLineMoves = moveButtons(surface, QStringLiteral("sbTexte"),
        { QStringLiteral("Erste Berechnungsposition"), QStringLiteral("Vorherige Berechnungsposition"),
            QStringLiteral("Nächste Berechnungsposition"), QStringLiteral("Letzte Berechnungsposition") },
        16, 304, sumLines);
    sbTexteEinfuegen = listButton(
        surface, QStringLiteral("sbTexteEinfuegen"), QStringLiteral("Berechnungsposition einfügen"), 16, 340,
        [this] { insertSumLine(); }, QStringLiteral("Einfügen"), true);
    sbTexteAnhaengen = listButton(
        surface, QStringLiteral("sbTexteAnhaengen"), QStringLiteral("Berechnungsposition Anhängen"), 150, 304,
        [this] { appendSumLine(); }, {}, true);
    sbTexteLoeschen = listButton(
        surface, QStringLiteral("sbTexteLoeschen"), QStringLiteral("Aktuelle Berechnungsposition löschen"), 180, 304,
        [this] { deleteSumLine(); }, {}, true);
    sbTexteBearbeiten = listButton(
        surface, QStringLiteral("sbTexteBearbeiten"), QStringLiteral("Aktuelle Berechnungsposition bearbeiten"), 210,
        304, [this] { editSumLine(); }, {}, true);
    btnBerechnung = listButton(
        surface, QStringLiteral("btnBerechnung"), QString(), 16, 376, [this] { recalculate(); },
        QStringLiteral("Berechnung aktualisieren"), true);
    sbTexteAnhaengen->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    sbTexteLoeschen->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    sbTexteBearbeiten->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));

    connect(dbgrArtikel, &QAbstractItemView::doubleClicked, sbArtikelBearbeiten, &QToolButton::click);
    connect(dbgrTexte, &QAbstractItemView::doubleClicked, sbTexteBearbeiten, &QToolButton::click);
}

void TfrmAuftrag::buildPackagesPage()
{
    QWidget *surface = surfaceOf(*this, PackagesPage);
    surface->resize(std::max(surface->width(), 790), std::max(surface->height(), 470));
    Table &packages = m_orders.tbPack();
    groupBox(surface, QStringLiteral("Packdaten"), QRect(8, 4, 772, 280));
    groupBox(surface, QStringLiteral("Markierung"), QRect(8, 292, 772, 160));
    dbgrPack = listGrid(surface, QStringLiteral("dbgrPack"), packages,
        { { QStringLiteral("Pos"), QStringLiteral("Pos."), 40 }, { QStringLiteral("Anzahl"), {}, 60 },
            { QStringLiteral("Bez"), QStringLiteral("Bezeichnung"), 120 },
            { QStringLiteral("Laenge"), QStringLiteral("Länge"), 60 }, { QStringLiteral("Breite"), {}, 60 },
            { QStringLiteral("Hoehe"), QStringLiteral("Höhe"), 60 },
            { QStringLiteral("M3"), QStringLiteral("CBM"), 70 }, { QStringLiteral("Brutto"), {}, 70 },
            { QStringLiteral("Netto"), {}, 70 } },
        { { {}, Qt::AlignLeft }, {}, {}, {}, {}, {}, { QStringLiteral("0.000"), {} }, { QStringLiteral("0.0"), {} },
            { QStringLiteral("0.0"), {} } },
        QRect(16, 24, 756, 218));
    packageMoves = moveButtons(surface, QStringLiteral("sbPack"),
        { QStringLiteral("Erste position"), QStringLiteral("Vorherige Position"), QStringLiteral("Nächste Position"),
            QStringLiteral("Letzte Position") },
        16, 250, packages);
    sbPackNeu = listButton(surface, QStringLiteral("sbPackNeu"), QStringLiteral("Position hinzufügen"), 150, 250,
        [this] { addPackage(); });
    sbPackLoeschen = listButton(surface, QStringLiteral("sbPackLoeschen"), QStringLiteral("Aktuelle Position löschen"),
        180, 250, [this] { deletePackage(); });
    sbPackBearbeiten = listButton(surface, QStringLiteral("sbPackBearbeiten"),
        QStringLiteral("aktuelle Position bearbeiten"), 210, 250, [this] { editPackage(); });
    sbPackNeu->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    sbPackLoeschen->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    sbPackBearbeiten->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    connect(dbgrPack, &QAbstractItemView::doubleClicked, sbPackBearbeiten, &QToolButton::click);

    groupBox(surfaceOf(*this, ClausesPage), QStringLiteral("Rechnungsklauseln"), QRect(8, 4, 740, 385));
    groupBox(surfaceOf(*this, TermsPage), QStringLiteral("Zahlungsbedingungen:"), QRect(8, 4, 740, 160));
    groupBox(surfaceOf(*this, TermsPage), QStringLiteral("Präferenzklauseln:"), QRect(8, 172, 740, 185));
}

void TfrmAuftrag::buildMenu()
{
    auto *bar = qobject_cast<QMenuBar *>(layout()->menuBar());
    mnuWechseln = new QMenu(QStringLiteral("&Wechseln"), this);
    mnuWechseln->setObjectName(QStringLiteral("mnuWechseln"));
    bar->insertMenu(mnuDrucken, mnuWechseln);
    // The documents of the other families come with their libraries, which
    // register their items; until then the items are shown disabled.
    const auto item = [this](QMenu *menu, const QString &name, const QString &text) {
        QAction *action = menu->addAction(text);
        action->setObjectName(name);
        const OrderWindowCommand command = orderWindowCommand(name);
        action->setEnabled(bool(command));
        if (command)
            connect(action, &QAction::triggered, this,
                [this, command] { shell::runReported(this, [this, command] { command(*this); }); });
    };
    mnuWechseln->addSection(QStringLiteral("Export"));
    item(mnuWechseln, QStringLiteral("mnuAusfuhrmeldung"), QStringLiteral("&Ausfuhrmeldung"));
    item(mnuWechseln, QStringLiteral("mnuIntrastat"), QStringLiteral("&Intrastat"));
    item(mnuWechseln, QStringLiteral("mnuEUR1"), QStringLiteral("EUR. &1"));
    item(mnuWechseln, QStringLiteral("mnuUrsprungszeugnis"), QStringLiteral("&Ursprungszeugnis"));
    item(mnuWechseln, QStringLiteral("mnuATR"), QStringLiteral("AT.R."));
    mnuWechseln->addSection(QStringLiteral("Versand"));
    item(mnuWechseln, QStringLiteral("mnuVersandauftrag"), QStringLiteral("&Versandauftrag"));
    item(mnuWechseln, QStringLiteral("mnuCMR"), QStringLiteral("&CMR - Frachtbrief"));
    item(mnuWechseln, QStringLiteral("mnuPaketkarte"), QStringLiteral("&Paketkarte"));
    item(mnuWechseln, QStringLiteral("mnuPackliste"), QStringLiteral("Pac&kliste"));
    QMenu *couriers = mnuWechseln->addMenu(QStringLiteral("Paketdienste"));
    couriers->setObjectName(QStringLiteral("mnuPaketdienste"));
    item(couriers, QStringLiteral("mnuDHL"), QStringLiteral("DHL"));
    item(couriers, QStringLiteral("mnuDPD"), QStringLiteral("DPD"));
    item(couriers, QStringLiteral("mnuFedEx"), QStringLiteral("FedEx"));
    item(couriers, QStringLiteral("mnuGermanParcel"), QStringLiteral("German Parcel"));
    item(couriers, QStringLiteral("mnuTNTInland"), QStringLiteral("TNT Inland"));
    item(couriers, QStringLiteral("mnuTNTWorldWide"), QStringLiteral("TNT WorldWide"));
    item(couriers, QStringLiteral("mnuUPS"), QStringLiteral("UPS"));
    connect(mnuWechseln, &QMenu::aboutToShow, this, [this] { shell::runReported(this, [this] { wechselnOpened(); }); });

    // Printing brings the sum lines up to date and saves the order first.
    disconnect(mnuDrucken, &QAction::triggered, this, nullptr);
    connect(mnuDrucken, &QAction::triggered, this, [this] { shell::runReported(this, [this] { printOrder(); }); });
    mnuDrucken->setEnabled(bool(m_orders.kind().createPrintWindow));
}

// ---------------------------------------------------------------------------
// Head page

QString TfrmAuftrag::languageKey() const
{
    const QString key = head().fieldByName(QStringLiteral("sprache")).asString().toLower();
    return key.isEmpty() ? QStringLiteral("d") : key;
}

QString TfrmAuftrag::countryText() const
{
    return LandText->text();
}

QString TfrmAuftrag::languageText() const
{
    return SpracheText->text();
}

void TfrmAuftrag::showCountry()
{
    const QString code = head().fieldByName(QStringLiteral("land")).asString();
    QString name;
    if (!code.isEmpty() && tbLand->findKey({ code }))
        name = tbLand->fieldByName(QStringLiteral("Bez")).asString();
    LandText->setText(name);
}

void TfrmAuftrag::showLanguage()
{
    const QString key = head().fieldByName(QStringLiteral("sprache")).asString();
    QString name;
    if (!key.isEmpty() && tbSprache->findKey({ key }))
        name = tbSprache->fieldByName(QStringLiteral("Sprache")).asString();
    SpracheText->setText(name);
}

void TfrmAuftrag::clerkChosen()
{
    Table &orders = head();
    shell::EditIfBrowsing(orders);
    const QString name = orders.fieldByName(QStringLiteral("sbearb")).asString();
    if (!tbSachb->locate(QStringLiteral("Name"), { name }))
        return;
    orders.fieldByName(QStringLiteral("sbtel")).setAsString(tbSachb->fieldByName(QStringLiteral("Telefon")).asString());
    orders.fieldByName(QStringLiteral("uz"))
        .setAsString(tbSachb->fieldByName(QStringLiteral("UnserZeichen")).asString());
}

void TfrmAuftrag::pickTransportMode()
{
    Table &orders = head();
    shell::EditIfBrowsing(orders);
    const std::optional<QString> mode = orders::pickTransportMode(this, pos() + QPoint(350, 91));
    if (mode)
        orders.fieldByName(QStringLiteral("veart")).setAsString(*mode);
    shell::PostIfEditing(orders);
    if (cbFrankatur->isEnabled())
        cbFrankatur->setFocus();
}

// ---------------------------------------------------------------------------
// The lists

void TfrmAuftrag::RecalcTotals()
{
    const double vatRate = m_orders.parameter().fieldByName(QStringLiteral("Mwst")).asFloat();
    recalcTotals(m_orders.tbArtikel(), m_orders.tbTexte(), vatRate);
}

void TfrmAuftrag::addPosition()
{
    Table &positions = m_orders.tbArtikel();
    shell::appendLine(positions);
    {
        TfrmPositionen dialog(m_orders, statusText(1), this);
        dialog.exec();
    }
    positions.refresh();
    shell::PostIfEditing(positions);
    RecalcTotals();
}

void TfrmAuftrag::deletePosition()
{
    Table &positions = m_orders.tbArtikel();
    if (!positions.isEmpty() && shell::confirmLineDeletion())
        shell::deleteCurrentLine(positions);
    shell::PostIfEditing(positions);
    RecalcTotals();
}

void TfrmAuftrag::editPosition()
{
    Table &positions = m_orders.tbArtikel();
    if (positions.isEmpty())
        return;
    {
        TfrmPositionen dialog(m_orders, statusText(1), this);
        dialog.exec();
    }
    shell::PostIfEditing(positions);
    RecalcTotals();
}

void TfrmAuftrag::insertSumLine()
{
    Table &sumLines = m_orders.tbTexte();
    shell::PostIfEditing(sumLines);
    // Without a line to insert before, the new line goes at the end.
    if (sumLines.isEmpty()) {
        appendSumLine();
        return;
    }
    const int number = sumLines.fieldByName(QStringLiteral("Pos")).asInteger();
    shiftLinesFrom(sumLines, number);
    sumLines.append();
    sumLines.fieldByName(QStringLiteral("Pos")).setAsInteger(number);
    TfrmTexte_e dialog(sumLines, this);
    if (dialog.exec() == QDialog::Accepted)
        sumLines.post();
    else
        sumLines.cancel();
}

void TfrmAuftrag::appendSumLine()
{
    Table &sumLines = m_orders.tbTexte();
    shell::appendLine(sumLines);
    TfrmTexte_e dialog(sumLines, this);
    if (dialog.exec() == QDialog::Accepted)
        sumLines.post();
    else
        sumLines.cancel();
}

void TfrmAuftrag::deleteSumLine()
{
    Table &sumLines = m_orders.tbTexte();
    if (sumLines.isEmpty() || !shell::confirmLineDeletion())
        return;
    shell::deleteCurrentLine(sumLines);
    RecalcTotals();
}

void TfrmAuftrag::editSumLine()
{
    Table &sumLines = m_orders.tbTexte();
    editOrStartLine(sumLines);
    TfrmTexte_e dialog(sumLines, this);
    if (dialog.exec() == QDialog::Accepted)
        sumLines.post();
    else
        sumLines.cancel();
}

void TfrmAuftrag::recalculate()
{
    shell::PostIfEditing(m_orders.tbTexte());
    RecalcTotals();
}

void TfrmAuftrag::addPackage()
{
    Table &packages = m_orders.tbPack();
    shell::appendLine(packages);
    {
        TfrmAuftr_pk dialog(m_orders, this);
        dialog.exec();
    }
    packages.refresh();
}

void TfrmAuftrag::deletePackage()
{
    Table &packages = m_orders.tbPack();
    if (!packages.isEmpty() && shell::confirmLineDeletion())
        shell::deleteCurrentLine(packages);
}

void TfrmAuftrag::editPackage()
{
    Table &packages = m_orders.tbPack();
    editOrStartLine(packages);
    TfrmAuftr_pk dialog(m_orders, this);
    dialog.exec();
}

void TfrmAuftrag::updateLists()
{
    setGridEnabled(dbgrArtikel, m_orders.tbArtikel());
    setGridEnabled(dbgrTexte, m_orders.tbTexte());
    setGridEnabled(dbgrPack, m_orders.tbPack());
    setNavigation(positionMoves, m_orders.tbArtikel());
    setNavigation(sumLineMoves, m_orders.tbTexte());
    setNavigation(packageMoves, m_orders.tbPack());
}

void TfrmAuftrag::installNavigationHandlers()
{
    m_orders.tbArtikel().afterScroll
        = [this](platform::DataSet &set) { setNavigation(positionMoves, static_cast<Table &>(set)); };
    m_orders.tbTexte().afterScroll
        = [this](platform::DataSet &set) { setNavigation(sumLineMoves, static_cast<Table &>(set)); };
    m_orders.tbPack().afterScroll
        = [this](platform::DataSet &set) { setNavigation(packageMoves, static_cast<Table &>(set)); };
}

void TfrmAuftrag::removeNavigationHandlers()
{
    m_orders.tbArtikel().afterScroll = nullptr;
    m_orders.tbTexte().afterScroll = nullptr;
    m_orders.tbPack().afterScroll = nullptr;
}

// ---------------------------------------------------------------------------
// Menu, showing and closing

TfrmAuftrag::OverwriteAnswer TfrmAuftrag::ConfirmOverwrite(Table &targetHead, int number)
{
    if (!shell::openSecondView(targetHead)->findKey({ number }))
        return OverwriteAnswer::NewDocument;
    const platform::DialogAnswer answer = platform::dialogs().confirmation(
        QStringLiteral("Diese Beleg-Nr. wurde bereits vergeben! \rMöchten Sie diese Überschreiben?"),
        platform::DialogButtons::YesNo);
    return answer == platform::DialogAnswer::Yes ? OverwriteAnswer::Overwrite : OverwriteAnswer::Keep;
}

void TfrmAuftrag::wechselnOpened()
{
    pageControl()->setCurrentIndex(PositionsPage);
    RecalcTotals();
}

void TfrmAuftrag::printOrder()
{
    pageControl()->setCurrentIndex(PositionsPage);
    RecalcTotals();
    for (Table *table : { &m_orders.tbArtikel(), &m_orders.tbTexte(), &m_orders.tbPack(), &head() })
        shell::PostIfEditing(*table);
    m_orders.print();
}

void TfrmAuftrag::showEvent(QShowEvent *event)
{
    platform::runReported(this, [&] {
        EntryWindow::showEvent(event);
        if (m_shown)
            return;
        m_shown = true;
        shell::runReported(this, [this] { shell::EditIfBrowsing(parameter()); });
        pageControl()->setCurrentIndex(HeadPage);
    });
}

bool TfrmAuftrag::formClose()
{
    for (Table *table : { &m_orders.tbArtikel(), &m_orders.tbTexte(), &m_orders.tbPack(), &head(), &parameter() })
        shell::PostIfEditing(*table);
    removeNavigationHandlers();
    return true;
}

void TfrmAuftrag::setStatusHint(const QString &text)
{
    // Panel 0 of the status bar: the description of the field being edited.
    setStatusText(0, text);
}

bool TfrmAuftrag::isGrid(QObject *object, Table **table) const
{
    const std::pair<shell::TWheelDBGrid *, Table *> grids[] = { { dbgrArtikel, &m_orders.tbArtikel() },
        { dbgrTexte, &m_orders.tbTexte() }, { dbgrPack, &m_orders.tbPack() } };
    for (const auto &[grid, gridTable] : grids) {
        if (grid && (object == grid || object == grid->viewport())) {
            *table = gridTable;
            return true;
        }
    }
    return false;
}

bool TfrmAuftrag::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        Table *gridTable = nullptr;
        switch (event->type()) {
        case QEvent::Wheel:
            // Over a list one turn moves one line (towards the user: the next).
            if (isGrid(watched, &gridTable)) {
                const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
                shell::runReported(this, [gridTable, delta] {
                    if (delta < 0)
                        gridTable->next();
                    else
                        gridTable->prior();
                });
                return true;
            }
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && isGrid(watched, &gridTable)) {
                if (watched == dbgrArtikel || watched == dbgrArtikel->viewport())
                    sbArtikelBearbeiten->click();
                else if (watched == dbgrTexte || watched == dbgrTexte->viewport())
                    sbTexteBearbeiten->click();
                else
                    sbPackBearbeiten->click();
                return true;
            }
            break;
        }
        case QEvent::KeyRelease: {
            if (static_cast<QKeyEvent *>(event)->key() != Qt::Key_F9)
                break;
            const HeadField *field = headField(watched->objectName());
            if (!field || field->pick == -1 || watched != control(watched->objectName()))
                break;
            if (field->pick == TransportPick)
                shell::runReported(this, [this] { pickTransportMode(); });
            else if (QAbstractButton *button = pickButton(field->pick))
                button->click();
            return true;
        }
        case QEvent::FocusIn:
            if (watched == cbSachbearbeiter) {
                shell::runReported(this, [this] { shell::EditIfBrowsing(head()); });
                setStatusHint(QStringLiteral("Sachbearbeiter"));
            } else if (watched == cbFrankatur) {
                setStatusHint(QStringLiteral("Frankatur"));
            } else if (watched == DBEditUstnr) {
                setStatusHint(QStringLiteral("BelegNr."));
            }
            break;
        case QEvent::FocusOut: {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
                break;
            const HeadField *field = headField(watched->objectName());
            const bool posts = (field && field->postsOnLeaving && watched == control(watched->objectName()))
                || watched == cbSachbearbeiter || watched == cbFrankatur || watched == DBEditUstnr;
            if (watched == cbSachbearbeiter || watched == cbFrankatur || watched == DBEditUstnr)
                setStatusHint(QString());
            if (posts) {
                const bool handled = EntryWindow::eventFilter(watched, event);
                shell::runReported(this, [this] { shell::PostIfEditing(head()); });
                return handled;
            }
            break;
        }
        case QEvent::MouseButtonRelease:
            if (watched == LandText) {
                pickButton(CountryPick)->click();
                return true;
            }
            if (watched == SpracheText) {
                pickButton(LanguagePick)->click();
                return true;
            }
            break;
        default:
            break;
        }
        return EntryWindow::eventFilter(watched, event);
    });
}

} // namespace orders
