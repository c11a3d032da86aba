#include "masterdata/articles.h"

#include "masterdata/masterdataexchange.h"
#include "masterdata/masterdatatables.h"
#include "masterdata/packagekinds.h"
#include "masterdata/picklists.h"
#include "masterdata/tfrmkundenimport.h"
#include "platform/dataedit.h"
#include "platform/field.h"
#include "platform/localformat.h"
#include "platform/reportedcall.h"
#include "platform/table.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace masterdata {

namespace {

EditField edit(const QString &name, const QString &field, const QString &label)
{
    return { .objectName = name, .field = field, .label = label };
}

const char *const DesignCaptions[] = { "&Deutsch", "&Englisch", "&Französisch", "&Portugisisch", "&Spanisch" };
const char *const LanguagePrefixes[] = { "bez", "E", "f", "p", "s" };

// The button beside "Warennummer" (and F9 there): the goods number chosen
// in the pick list goes into the article, which is then stored.
void pickGoodsNumber(MasterDataWindow &window)
{
    platform::Table &articles = window.table();
    if (!articles.isEditing()) {
        if (articles.isEmpty())
            return;
        articles.edit();
    }
    {
        TfrmWare_e list(&window);
        list.move(window.pos() + QPoint(112, 176));
        if (list.exec() == QDialog::Accepted && !list.table().isEmpty())
            articles.setValue(QStringLiteral("waren"), list.table().fieldByName(QStringLiteral("waren")).asString());
    }
    articles.post();
}

} // namespace

MasterDataDefinition articleDefinition()
{
    MasterDataDefinition d;
    d.className = QStringLiteral("TfrmArtikel");
    d.caption = QStringLiteral("Artikelverwaltung");
    d.table = Tables::Articles;
    d.order = QStringLiteral("Artikel");
    d.columns = {
        { QStringLiteral("artikel"), QStringLiteral("Artikel-Nr.") },
        { QStringLiteral("waren"), QStringLiteral("Warennummer") },
        { QStringLiteral("bez1"), QStringLiteral("Bezeichnung"), 180 },
        { QStringLiteral("bez2"), QStringLiteral("Bezeichnung 2"), 140 },
        { QStringLiteral("preis"), QStringLiteral("Preis") },
        { QStringLiteral("netto"), QStringLiteral("Nettogewicht") },
        { QStringLiteral("urland"), QStringLiteral("Ursprungsland") },
        { QStringLiteral("Praefberech"), QStringLiteral("Präferenzberechtigt") },
    };
    EditGroup description { {}, {} };
    for (int line = 1; line <= TfrmArtikel::DescriptionLines; ++line)
        description.fields.append(edit(QStringLiteral("DBEdit%1").arg(line), QStringLiteral("bez%1").arg(line),
            QStringLiteral("Bezeichnung %1").arg(line)));
    EditField country
        = edit(QStringLiteral("DBLookupComboBox1"), QStringLiteral("urland"), QStringLiteral("Ursprungsland"));
    country.kind = ControlKind::Lookup;
    country.lookup = { .table = Tables::Countries,
        .keyField = QStringLiteral("Lkz"),
        .displayField = QStringLiteral("Bez"),
        .order = QStringLiteral("LKZ"),
        .nameIndex = QStringLiteral("iBez") };
    EditField goodsNumber = edit(QStringLiteral("DBEdit10"), QStringLiteral("waren"), QStringLiteral("Warennummer"));
    goodsNumber.pickButtonName = QStringLiteral("SpeedButton1");
    goodsNumber.pick = pickGoodsNumber;
    EditField preference
        = edit(QStringLiteral("DBCheckBox1"), QStringLiteral("Praefberech"), QStringLiteral("Präferenzberechtigt"));
    preference.kind = ControlKind::CheckBox;
    EditGroup details { {},
        { edit(QStringLiteral("DBEdit7"), QStringLiteral("artikel"), QStringLiteral("Artikelnummer")), country,
            edit(QStringLiteral("DBEdit8"), QStringLiteral("netto"), QStringLiteral("Nettogewicht")),
            edit(QStringLiteral("DBEdit9"), QStringLiteral("preis"), QStringLiteral("Preis")), goodsNumber,
            preference } };
    d.groups = { description, details };
    d.buttonHints = { QStringLiteral("Erster Artikel"), QStringLiteral("Vorheriger Artikel"),
        QStringLiteral("Nächster Artikel"), QStringLiteral("Letzter Artikel"), QStringLiteral("Artikel hinzufügen"),
        QStringLiteral("Aktuellen Artikel löschen"), QStringLiteral("aktuellen Artikel bearbeiten") };
    d.focusField = QStringLiteral("artikel");
    d.addRecord = [](MasterDataWindow &window) {
        if (auto *articles = qobject_cast<TfrmArtikel *>(&window))
            articles->addArticle();
        else
            window.table().insert();
    };
    d.cancelCaption = QStringLiteral("Abbrechen");
    d.cancelName = QStringLiteral("BitBtn2");
    d.searchKeys = { { QStringLiteral("Artikel-Nr."), QStringLiteral("Artikel"), 11 },
        { QStringLiteral("Artikel"), QStringLiteral("Bez1") } };
    d.searchKeyOrder = QStringLiteral("Artikel");
    d.orderAfterSearch = QStringLiteral("Bez1");
    d.sort = { .items = { QStringLiteral("Artikel-Nr."), QStringLiteral("Bezeichnung") },
        .orders = { QStringLiteral("Artikel"), QStringLiteral("Bez1") },
        .iniKey = QStringLiteral("Artikel"),
        .storeChoice = true };
    d.dataImport = [](MasterDataWindow &window) {
        showMasterDataImport(exchangeKind(ExchangeKinds::Articles), &window);
        window.table().refresh();
    };
    d.listLayout = articleListLayout;
    return d;
}

ListLayout articleListLayout()
{
    ListLayout l;
    l.listName = QStringLiteral("Artikelstammdaten");
    l.table = Tables::Articles;
    l.order = QStringLiteral("artikel");
    l.lookups = { { QStringLiteral("Land"), Tables::Countries, QStringLiteral("Lkz"), QStringLiteral("urland") } };
    l.jobTitle = QStringLiteral("Export / Versand: Artikelstamm");
    l.progressText = QStringLiteral("Die Artikel werden geduckt...");
    l.title = QStringLiteral("Artikel Stammdaten");
    l.titleX = 850;
    l.frameRight = 2000;
    l.frameBottom = 2790;
    l.recordsPerSheet = 5;
    l.step = 530;
    l.captionStyle = {};
    l.cancelAbortsJob = true;
    auto line = [&l](int x, int y, const QString &caption, const QString &reference, ListText value) {
        l.items.append(listCaption(x, y, caption));
        l.items.append(listValue(x, y, reference, std::move(value)));
    };
    auto field = [](const QString &name) -> ListText { return [name](ListRecord &r) { return r.field(name); }; };
    const QString number = QStringLiteral("Artikelnr.            : ");
    const QString goods = QStringLiteral("Statistische Warennr. : ");
    const QString origin = QStringLiteral("Ursprungsland         : ");
    line(150, 200, number, number, field(QStringLiteral("artikel")));
    line(150, 242, goods, number, field(QStringLiteral("waren")));
    line(150, 284, origin, number,
        [](ListRecord &r) { return r.lookup(QStringLiteral("Land"), QStringLiteral("Bez")); });
    const QString net = QStringLiteral("Netto Gewicht : ");
    line(1200, 200, QStringLiteral("Preis         : "), net, [](ListRecord &r) {
        const QLocale locale = platform::workstationLocale();
        return locale.toCurrencyString(
            platform::parseNumber(r.field(QStringLiteral("preis"))), locale.currencySymbol(), 2);
    });
    line(1200, 242, net, net, [](ListRecord &r) {
        return platform::formatNumber(platform::parseNumber(r.field(QStringLiteral("netto"))), 2);
    });
    for (int i = 1; i <= TfrmArtikel::DescriptionLines; ++i)
        l.items.append(listValue(150, 342 + 42 * (i - 1), {}, QStringLiteral("bez%1").arg(i)));
    l.items.append(listLineBetweenBlocks(670));
    return l;
}

TfrmArtikel::TfrmArtikel(QWidget *parent)
    : MasterDataWindow(articleDefinition(), parent)
{
    table().onNewRecord = [](platform::DataSet &articles) {
        articles.setValue(QStringLiteral("preis"), 0.0);
        articles.setValue(QStringLiteral("netto"), 0.0);
    };

    // The language buttons above everything else, named after the
    // parameter record's languages.
    const QStringList names = languageNames();
    auto *row = new QWidget(this);
    row->setObjectName(QStringLiteral("pnlSprachen"));
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < LanguageCount; ++i) {
        const QString name = names.value(i);
        auto *button = new QPushButton(name.isEmpty() ? QString::fromUtf8(DesignCaptions[i]) : name, row);
        button->setObjectName(QStringLiteral("btnSprache%1").arg(i + 1));
        button->setAutoDefault(false);
        button->setCheckable(true);
        button->setChecked(i == German);
        connect(
            button, &QPushButton::clicked, this, platform::reported(this, [this, i] { showLanguage(Language(i)); }));
        rowLayout->addWidget(button);
        m_languageButtons.append(button);
    }
    rowLayout->addStretch();
    if (auto *main = qobject_cast<QVBoxLayout *>(layout()))
        main->insertWidget(0, row);

    if (QWidget *number = controlForField(QStringLiteral("artikel")))
        number->installEventFilter(this);
}

QString TfrmArtikel::descriptionField(Language language, int line)
{
    return QString::fromLatin1(LanguagePrefixes[language]) + QString::number(line);
}

void TfrmArtikel::showLanguage(Language language)
{
    platform::Table &articles = table();
    if (articles.isActive() && articles.isEditing())
        articles.post();
    for (platform::Table *list : { lookupTable(QStringLiteral("urland")) }) {
        if (list && list->isActive() && list->isEditing())
            list->post();
    }
    m_language = language;
    for (int line = 1; line <= DescriptionLines; ++line) {
        if (auto *field = qobject_cast<platform::DataEdit *>(control(QStringLiteral("DBEdit%1").arg(line))))
            field->bind(&articles, descriptionField(language, line));
    }
    for (int i = 0; i < m_languageButtons.size(); ++i)
        m_languageButtons.at(i)->setChecked(i == language);
}

QStringList TfrmArtikel::descriptionLines() const
{
    QStringList lines;
    for (int line = 1; line <= DescriptionLines; ++line) {
        auto *field = qobject_cast<platform::DataEdit *>(control(QStringLiteral("DBEdit%1").arg(line)));
        lines.append(field ? field->text() : QString());
    }
    return lines;
}

QString TfrmArtikel::proposeArticleNumber()
{
    // Numbers are looked up as the text they are stored as: "10" is no
    // neighbour of "9" in the table's order.
    platform::Table articles(platform::Alias::Data, Tables::Articles);
    articles.open();
    while (articles.findKey({ QString::number(m_lastNumber + 1) }))
        ++m_lastNumber;
    return QString::number(m_lastNumber + 1);
}

void TfrmArtikel::addArticle()
{
    platform::Table &articles = table();
    QString number;
    try {
        number = proposeArticleNumber();
    } catch (const platform::DatabaseError &) {
        // No proposal then; the user types the number.
    }
    articles.setIndexFieldNames(QStringLiteral("Bez1"));
    articles.insert();
    if (!number.isEmpty())
        articles.setValue(QStringLiteral("artikel"), number);
}

bool TfrmArtikel::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if (event->type() == QEvent::FocusOut && watched == controlForField(QStringLiteral("artikel"))) {
            // The last number typed, where it is a whole number, is where the
            // next proposal starts.
            if (auto *field = qobject_cast<platform::DataEdit *>(watched)) {
                bool whole = false;
                const int typed = field->text().trimmed().toInt(&whole);
                if (whole)
                    m_lastNumber = typed;
            }
        }
        return MasterDataWindow::eventFilter(watched, event);
    });
}

QString TfrmArtikel::SelectArticleText(QWidget *parent)
{
    TfrmArtikel window(parent);
    window.setPickMode(true);
    if (window.exec() != QDialog::Accepted || window.table().isEmpty())
        return {};
    QStringList lines;
    for (int line = 1; line <= DescriptionLines; ++line)
        lines.append(window.table().fieldByName(descriptionField(German, line)).asString());
    return lines.join(QLatin1Char(' '));
}

} // namespace masterdata
