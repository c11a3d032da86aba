#include "atlas/tfrmatlasaemain.h"

#include "atlas/atlastables.h"
#include "atlas/clientlist.h"
#include "atlas/declarationtables.h"
#include "atlas/entryrows.h"
#include "atlas/exportunit.h"
#include "atlas/tae_sachbearbeiterfrm.h"
#include "atlas/tatlasepasprintfrm.h"
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
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

namespace atlas {

using platform::Table;
using shell::EntryWindow;
using shell::PickValues;

namespace {

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

// Where the party controls stand: inside the frame below the party tabs,
// wide enough for all six tabs.
constexpr int PartyX = 10;
constexpr int PartyY = 150;
constexpr int PartyWidth = 600;
constexpr int PartyHeight = 215;

// The right-hand column: captions and their fields.
constexpr int RightX = 650;
constexpr int RightEditX = 840;

TfrmAtlasAEMain &mainWindow(EntryWindow &window)
{
    return static_cast<TfrmAtlasAEMain &>(window);
}

EntryRow codeRow(const char *caption, const char *control, const char *field, int width, int list)
{
    return { s(caption), s(control), s(field), width, RowPick::CodeList, list };
}

EntryRow pickRow(const char *caption, const char *control, const char *field, int width, RowPick pick)
{
    return { s(caption), s(control), s(field), width, pick };
}

EntryRow plainRow(const char *caption, const char *control, const char *field, int width)
{
    return { s(caption), s(control), s(field), width };
}

EntryRow mandatory(EntryRow row)
{
    row.mandatory = true;
    return row;
}

// The parties' tabs: every row of a party, in tab order.
void addParty(RowBuilder &b, int t)
{
    const Party &p = Parties[t];
    const QString prefix = s(p.prefix);
    const QString tag = QStringLiteral("P%1").arg(t);
    const QString customer = QStringLiteral("sbKunde");
    const auto takeOver = [&customer](const QString &caption, const char *control, const QString &field, int width) {
        return EntryRow { caption, s(control), field, width, RowPick::None, -1, true, false, customer };
    };
    const int x = PartyX + 10;
    const int ex = PartyX + 170;
    const EntryRow rows[] = {
        { QStringLiteral("Identifikationsart:"), s(p.identControl), prefix + QStringLiteral("Ident"), 30,
            RowPick::CodeList, 6 },
        takeOver(
            t < 2 ? QStringLiteral("TIN (Zollnummer):") : QStringLiteral("TIN:"), p.tinControl, s(p.tinField), 160),
        takeOver(QStringLiteral("Niederlassungsnummer"), p.branchControl, s(p.branchField), 50),
        takeOver(QStringLiteral("Name:"), p.nameControl, prefix + QStringLiteral("Name"), 380),
        takeOver(QStringLiteral("Str.:"), p.streetControl, prefix + QStringLiteral("Street"), 380),
        takeOver(QStringLiteral("PLZ:"), p.postcodeControl, prefix + QStringLiteral("PLZ"), 80),
        { QStringLiteral("Land:"), s(p.countryControl), prefix + QStringLiteral("Land"), 30, RowPick::Country },
    };
    int y = PartyY + 10;
    int line = 1;
    for (const EntryRow &row : rows) {
        b.row(row, x, ex, y, tag + QStringLiteral("L%1").arg(line++));
        if (row.control == s(p.postcodeControl)) {
            // The town stands beside the postcode.
            b.row(takeOver(QStringLiteral("Ort:"), p.townControl, s(p.townField), 250), ex + 95, ex + 130, y,
                tag + QStringLiteral("L%1").arg(line++));
        }
        y += 28;
    }
    if (p.clerkKind >= 0) {
        const int kind = p.clerkKind;
        b.button(
            QStringLiteral("sbSachbearbeiter") + tag, ex + 250, y - 28,
            [kind](EntryWindow &w) -> std::optional<PickValues> {
                TAE_SachbearbeiterFrm::EditClerk(&w.head(), kind, &w);
                return std::nullopt;
            },
            {}, QStringLiteral("Sachbearbeiter"), 130, 24);
    }
}

RowBuilder mainBuilder()
{
    RowBuilder b;
    b.d.objectName = QStringLiteral("frmAtlasAEMain");
    b.d.caption = QStringLiteral("Atlas Ausfuhranmeldung");
    b.d.size = QSize(1000, 760);
    b.d.pickProtocol = shell::PickProtocol::PickEditPost;
    b.d.fixedStatusText = QStringLiteral("!Farbige Felder müssen gelüllt sein!");
    b.d.fixedFieldOnKeyUp = true;
    b.d.closePostsParameter = true;
    b.d.pages = { shell::EntryPage {} };

    // Header for the ATLAS client (the client combo is added by the window).
    b.label(QStringLiteral("Mandanten-ID von Atlas:"), 10, 10);
    b.row(plainRow("Dez.-KP:", "DBEditPartnerTIN", "Partner_TIN", 80), 340, 400, 10);
    b.row(mandatory(plainRow("Bezugsnummer", "DBEditBezugsnummer", "Bezugsnummer", 180)), 500, 600, 10);
    b.row(codeRow("Beteiligtenkonstellation", "ExDBEdit4", "Beteiligten", 50, 0), 10, 170, 40);
    b.row(mandatory(codeRow("Anmeldung", "ExDBEdit6", "Art1", 30, 1)), 10, 170, 70);
    b.row(mandatory(plainRow("", "ExDBEdit15", "Art3", 40)), 0, 230, 70);
    b.row(mandatory(codeRow("", "ExDBEdit5", "Art2", 40, 2)), 0, 280, 70);
    b.row(codeRow("Adressaten-Konstellation", "ExDBEdit30", "AdressKonstellation", 30, 7), 360, 520, 40);

    // The six parties; the tab bar above them shows one at a time.
    b.label(QStringLiteral("Adressen"), 10, 104);
    for (int t = 0; t < PartyCount; ++t)
        addParty(b, t);
    b.button(
        QStringLiteral("sbKunde"), PartyX + PartyWidth + 6, PartyY - 20,
        [](EntryWindow &w) -> std::optional<PickValues> {
            mainWindow(w).TakeOverCustomer();
            return std::nullopt;
        },
        {}, QStringLiteral("K\nu\nn\nd\ne"), 26, PartyHeight + 20);

    // Right column: countries, container, exporter data, transport inland.
    int ry = b.column({ pickRow("Best.Land", "DBEdit9", "BestLand", 30, RowPick::Country),
                          pickRow("Ausf.Land", "ExDBEdit14", "AusfLand", 30, RowPick::Country) },
        RightX, RightEditX, 104);
    b.label(QStringLiteral("Container"), RightX, ry, QStringLiteral("lblContainer"));
    ry = b.column({ plainRow("Vertrauenswürdiger Ausführer:", "DBEdit11", "VertrauensAus", 120),
                      plainRow("Zugelassener Ausführer:", "ExDBEdit31", "ZugelassenAus", 120),
                      plainRow("Registrier-Nummer", "DBEdit5", "RegistrierNummer", 130),
                      plainRow("Kennummer der Sendung", "ExDBEdit13", "Kennumer", 130),
                      pickRow("Beförderungsmittel im Inland", "DBEdit31", "Bfm_Inland", 30, RowPick::TransportMode) },
        RightX, RightEditX, ry + 28);

    // Loading place; the means of transport at the border beside it.
    int y = PartyY + PartyHeight + 20;
    b.label(QStringLiteral("Ladeort"), 10, y);
    b.row(plainRow("Code:", "DBEdit10", "LadeOrt_Code", 50), 80, 130, y);
    b.row(plainRow("Str.:", "DBEdit13", "LadeOrt_Street", 300), 200, 240, y);
    b.row(plainRow("PLZ:", "DBEdit41", "LadeOrt_Plz", 60), 80, 130, y + 28);
    b.row(plainRow("Ort:", "DBEdit42", "LadeOrt_Ort", 300), 200, 240, y + 28);
    b.row(plainRow("Zusatz:", "DBEdit43", "LadeOrt_Zusatz", 410), 80, 130, y + 56);

    b.label(QStringLiteral("Beförderungsmittel an der Grenze"), RightX, y);
    ry = b.column({ pickRow("Verkehrszweig:", "ExDBEdit1", "Bfm_Grenze", 30, RowPick::TransportMode),
                      codeRow("Art::", "ExDBEdit8", "Bfm_Art", 30, 4),
                      plainRow("Kennzeichen:", "ExDBEdit2", "Bfm_Kennzeichen", 130),
                      pickRow("Staatszugehörigkeit:", "ExDBEdit3", "Bfm_Staat", 30, RowPick::Country) },
        RightX, RightEditX, y + 24);

    // Customs offices (button only) on the left, business data on the right.
    y += 100;
    QVector<EntryRow> offices = { codeRow("Ausfuhrzollstelle:", "DBEdit44", "AusfuhrZollstelle", 90, 8),
        codeRow("Ausfuhrzollstelle für die eAM:", "DBEdit45", "Ausfuhr_eAE", 90, 8),
        codeRow("vorgesehene Ausfuhrzollstelle::", "DBEdit46", "Ausfuhr_SollZollstelle", 90, 8) };
    for (EntryRow &office : offices)
        office.hotKey = false;
    y = b.column(offices, 10, 230, y);
    ry = b.column({ pickRow("Geschäftsart:", "DBEdit1", "GeschArt", 30, RowPick::BusinessType),
                      plainRow("Rechnungspreis:", "DBEditGeschRePreis", "GeschRePreis", 120),
                      pickRow("Währung:", "DBEdit7", "GeschWaehrung", 40, RowPick::Currency) },
        RightX, RightEditX, ry + 8);

    // Presentation period and delivery term; the note on the right.
    y = std::max(y, ry) + 10;
    b.label(QStringLiteral("Gestellung"), 10, y);
    b.row(pickRow("Anfang:", "DBEdit17", "Gest_Verp_Verl_Anfang", 110, RowPick::PresentationStart), 100, 160, y);
    b.row(pickRow("Ende:", "DBEdit18", "Gest_Verp_Verl_Ende", 110, RowPick::PresentationEnd), 310, 360, y);
    y += 40;
    b.label(QStringLiteral("Lieferbedingung"), 10, y);
    b.row(pickRow("Incoterm:", "DBEdit20", "Liefer_Code", 50, RowPick::DeliveryTerm), 120, 190, y);
    b.row(plainRow("Ort:", "DBEditLieferCity", "Liefer_City", 250), 280, 320, y);
    b.label(QStringLiteral("Vermerk"), RightX, y);
    y += 28;
    b.label(QStringLiteral("Text:"), 120, y);
    b.memo(QStringLiteral("DBMemoLieferText"), QStringLiteral("Liefer_Text"), 190, y, 380, 50);
    b.memo(QStringLiteral("DBMemoVermerk"), QStringLiteral("Vermerk"), RightX, y, 320, 50);

    // The seal kind and count stand above the seal list (moved there by the
    // window); until then they wait above the page, beside no caption.
    b.row(codeRow("", "ExDBEdit7", "VershlussArt", 30, 3), 0, 0, -100);
    b.row(plainRow("", "DBEditVerschlussAnzahl", "VerschlussAnzahl", 60), 0, 0, -100);
    return b;
}

// Height of the bottom lists.
constexpr int ListsHeight = 240;

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
        for (const QString &button : { QStringLiteral("sb") + s(p.identControl),
                 QStringLiteral("sb") + s(p.countryControl), QStringLiteral("sbSachbearbeiter") + tag })
            members[t].append(findChild<QWidget *>(button));
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
    cbContainerNein->setGeometry(RightEditX, y, 60, EditHeight);
    cbContainerJa = new QCheckBox(QStringLiteral("Ja"), surface);
    cbContainerJa->setObjectName(QStringLiteral("DBCheckBoxJa"));
    cbContainerJa->setGeometry(RightEditX + 70, y, 60, EditHeight);
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
    // The lists stand below the delivery text, the page ends below them.
    const QWidget *text = control(QStringLiteral("DBMemoLieferText"));
    const int top = text ? text->geometry().bottom() + 24 : 720;
    PageControl1->setGeometry(10, top, 960, ListsHeight);
    surface->resize(surface->width(), top + ListsHeight + 10);

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
    if (auto *button = findChild<QWidget *>(QStringLiteral("sbExDBEdit7"))) {
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
    connect(mnuEPASDrucken, &QAction::triggered, this, [this] {
        shell::runReported(this, [this] {
            postAll();
            TAtlasEPASPrintFrm::PrintEpas(m_register.currentNumber(), this);
        });
    });
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
        if (watched == cb_Mandant && event->type() == QEvent::FocusOut) {
            // A new client ID joins the choice list at once, not only the file.
            const QString id = cb_Mandant->currentText();
            if (ClientList::add(m_clients, id)
                && cb_Mandant->findText(id, Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0) {
                const QSignalBlocker blocker(cb_Mandant);
                cb_Mandant->addItem(id);
                cb_Mandant->setEditText(id);
            }
        }
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
