#include "masterdata/paymentterms.h"

#include "masterdata/masterdatatables.h"
#include "masterdata/packagekinds.h"
#include "platform/dataedit.h"
#include "platform/field.h"
#include "platform/reportedcall.h"
#include "platform/table.h"
#include "shell/conversion.h"
#include "shell/mainstate.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace masterdata {

namespace {

// The two text tables as data: what differs between terms and clauses.
struct TextTable {
    const char *className;
    const char *caption;
    QString table;
    const char *keyField;
    const char *keyCaption;
    const char *lineCaption; // grid titles "<caption> n"
    const char *lastLineCaption; // the last title, where it is spelt apart
    const char *group;
    const char *noun; // in the record-button hints
    const char *searchKeyField;
    const char *searchLineField;
    const char *searchCaptions[2];
    LanguageLines lines;
};

const TextTable &paymentTerms()
{
    static const TextTable table { "TfrmZahlung", "Zahlungsbedingung", Tables::PaymentTerms, "zabedg",
        "Zahlungsbedingung", "Bedingung", nullptr, "Bedingung", "Zahlungsbedingung", "ZaBedG", "T1",
        { "Zahlungsbed.", "Beschreibung" },
        { { QStringLiteral("t"), QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("p"), QStringLiteral("s") },
            5,
            { QStringLiteral("&Deutsch"), QStringLiteral("&Englisch"), QStringLiteral("&Französisch"),
                QStringLiteral("&Portugiesisch"), QStringLiteral("&Spanisch") } } };
    return table;
}

const TextTable &invoiceClauses()
{
    static const TextTable table { "TfrmKlausel", "Rechnungsklauseln", Tables::InvoiceClauses, "reklaus", "Nummer",
        "Bezeichnung", "Bezechnung 10", "Klausel", "Rechnungsklausel", "ReKlaus", "K1", { "Nummer", "Klausel" },
        { { QStringLiteral("k"), QStringLiteral("e"), QStringLiteral("f"), QStringLiteral("p"), QStringLiteral("s") },
            10,
            { QStringLiteral("&Deutsch"), QStringLiteral("&Englisch"), QStringLiteral("&Französisch"),
                QStringLiteral("&Portugisisch"), QStringLiteral("&Spanisch") } } };
    return table;
}

QString lineField(const LanguageLines &lines, int language, int line)
{
    return lines.prefixes.at(language - 1) + QString::number(line);
}

// The key of a new text: the highest key read as a whole number, plus one.
// A key that is no whole number stops with the conversion error and adds
// nothing.
void addWithProposedKey(MasterDataWindow &window, const QString &keyField)
{
    platform::Table all(platform::Alias::Data, window.definition().table);
    all.open();
    int highest = 0;
    for (all.first(); !all.eof(); all.next())
        highest = std::max(highest, shell::toWholeNumber(all.fieldByName(keyField).asString()));
    window.table().insert();
    window.table().setValue(keyField, QString::number(highest + 1));
}

MasterDataDefinition textDefinition(const TextTable &t)
{
    const QString keyField = QString::fromLatin1(t.keyField);
    const QString noun = QString::fromUtf8(t.noun);
    MasterDataDefinition d;
    d.className = QString::fromLatin1(t.className);
    d.caption = QString::fromUtf8(t.caption);
    d.table = t.table;
    d.order = keyField;
    d.columns.append({ keyField, QString::fromUtf8(t.keyCaption) });
    for (int line = 1; line <= t.lines.lines; ++line) {
        const QString caption = line == t.lines.lines && t.lastLineCaption
            ? QString::fromUtf8(t.lastLineCaption)
            : QStringLiteral("%1 %2").arg(QString::fromUtf8(t.lineCaption)).arg(line);
        d.columns.append({ lineField(t.lines, 1, line), caption, 200 });
    }
    EditGroup key { {},
        { { .objectName = QStringLiteral("DBEdit1"), .field = keyField, .label = QString::fromUtf8(t.keyCaption) } } };
    EditGroup lines { QString::fromUtf8(t.group), {} };
    for (int line = 1; line <= t.lines.lines; ++line)
        lines.fields.append(
            { .objectName = QStringLiteral("DBEdit%1").arg(line + 1), .field = lineField(t.lines, 1, line) });
    d.groups = { key, lines };
    d.buttonHints = { QStringLiteral("Erste ") + noun, QStringLiteral("Vorherige ") + noun,
        QStringLiteral("Nächste ") + noun, QStringLiteral("Letzte ") + noun, noun + QStringLiteral(" hinzufügen"),
        QStringLiteral("Aktuelle ") + noun + QStringLiteral(" löschen"),
        QStringLiteral("Aktuelle ") + noun + QStringLiteral(" bearbeiten") };
    d.focusField = keyField;
    d.addRecord = [keyField](MasterDataWindow &window) { addWithProposedKey(window, keyField); };
    d.cancelCaption = QStringLiteral("Abbrechen");
    d.searchKeys = { { QString::fromUtf8(t.searchCaptions[0]), QString::fromLatin1(t.searchKeyField), 11 },
        { QString::fromUtf8(t.searchCaptions[1]), QString::fromLatin1(t.searchLineField) } };
    d.searchKeyOrder = QString::fromLatin1(t.searchKeyField);
    d.orderAfterSearch = QString::fromLatin1(t.searchLineField);
    return d;
}

// One record a sheet: the key, then a section per language headed by its
// name, each opened by a line across the frame.
struct SectionPlace {
    int line;
    int heading;
    int firstLine;
};

ListLayout textListLayout(const TextTable &t, const QString &title, int titleX, int frameBottom, const QString &jobName,
    const QString &progress, int keyX, const QString &keyCaption, const QVector<SectionPlace> &sections)
{
    ListLayout l;
    l.listName = title;
    l.table = t.table;
    l.order = QString::fromLatin1(t.keyField);
    l.jobTitle = QStringLiteral("Export / Versand: ") + jobName;
    l.progressText = progress;
    l.title = title;
    l.titleX = titleX;
    l.frameRight = 2000;
    l.frameBottom = frameBottom;
    l.recordsPerSheet = 1;
    l.step = 0;
    l.items = { listCaption(keyX, 200, keyCaption, platform::FontStyles {}),
        listValue(keyX, 200, keyCaption, QString::fromLatin1(t.keyField)) };
    // The language names as the parameter record has them when printing.
    const QStringList names = languageNames();
    for (int language = 1; language <= 5; ++language) {
        const SectionPlace &place = sections.at(language - 1);
        l.items.append(listLine(place.line));
        l.items.append(listCaption(150, place.heading, names.value(language - 1)));
        for (int line = 1; line <= t.lines.lines; ++line)
            l.items.append(
                listValue(150, place.firstLine + 42 * (line - 1), QString(), lineField(t.lines, language, line)));
    }
    return l;
}

} // namespace

MasterDataDefinition paymentTermDefinition()
{
    MasterDataDefinition d = textDefinition(paymentTerms());
    // Enter in the grid takes a clause over, but not a term.
    d.gridEnter = GridEnter::Nothing;
    d.listLayout = paymentTermListLayout;
    return d;
}

MasterDataDefinition invoiceClauseDefinition()
{
    MasterDataDefinition d = textDefinition(invoiceClauses());
    d.gridEnter = GridEnter::Take;
    d.listLayout = invoiceClauseListLayout;
    return d;
}

ListLayout paymentTermListLayout()
{
    return textListLayout(paymentTerms(), QStringLiteral("Zahlungsbedingungen"), 800, 2620,
        QStringLiteral("Zahlungsbedingungen"), QStringLiteral("Zahlungsbedingungen werden geduckt..."), 850,
        QStringLiteral("Zahlungsbedingung : "),
        { { 270, 280, 422 }, { 750, 760, 902 }, { 1220, 1230, 1372 }, { 1690, 1700, 1842 }, { 2160, 2170, 2312 } });
}

ListLayout invoiceClauseListLayout()
{
    return textListLayout(invoiceClauses(), QStringLiteral("Klauseln"), 850, 2800, QStringLiteral("Rechnungsklauseln"),
        QStringLiteral("Die Klauseln werden gedruckt..."), 150, QStringLiteral("Nummer. : "),
        { { 270, 290, 362 }, { 780, 790, 862 }, { 1280, 1290, 1362 }, { 1780, 1790, 1862 }, { 2280, 2290, 2362 } });
}

LanguageTextWindow::LanguageTextWindow(const MasterDataDefinition &definition, LanguageLines lines, QWidget *parent)
    : MasterDataWindow(definition, parent)
    , m_lines(std::move(lines))
    , m_languageButtons(new QButtonGroup(this))
{
    for (int line = 1; line <= m_lines.lines; ++line)
        m_lineEdits.append(qobject_cast<platform::DataEdit *>(controlForField(lineField(m_lines, 1, line))));

    // The language buttons stand beside the line group, named after the
    // parameter record's languages.
    QWidget *lineGroup = m_lineEdits.first()->parentWidget();
    auto *box = new QGroupBox(lineGroup->parentWidget());
    box->setObjectName(QStringLiteral("gbSprache"));
    auto *column = new QVBoxLayout(box);
    platform::Table *parameter = shell::mainState().tbParameter;
    const bool named = parameter && parameter->isActive() && !parameter->isEmpty();
    for (int language = 1; language <= 5; ++language) {
        auto *button = new QToolButton(box);
        button->setObjectName(QStringLiteral("sbSprache%1").arg(language));
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setText(named ? parameter->value(QStringLiteral("Sprache%1").arg(language)).toString()
                              : m_lines.designCaptions.value(language - 1));
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        m_languageButtons->addButton(button, language);
        column->addWidget(button);
    }
    column->addStretch();
    m_languageButtons->setExclusive(true);
    m_languageButtons->button(1)->setChecked(true);
    connect(
        m_languageButtons, &QButtonGroup::idClicked, this, platform::reported(this, &LanguageTextWindow::showLanguage));
    lineGroup->parentWidget()->layout()->addWidget(box);
}

QAbstractButton *LanguageTextWindow::languageButton(int language) const
{
    return m_languageButtons->button(language);
}

void LanguageTextWindow::pressLanguageButton(int language)
{
    if (QAbstractButton *button = languageButton(language)) {
        button->setChecked(true);
        button->click();
    }
}

void LanguageTextWindow::showLanguage(int language)
{
    if (language < 1 || language > 5)
        return;
    if (table().isActive() && table().isEditing()) {
        try {
            table().post();
        } catch (...) {
            // The record stays in edit with the entries; so does the language.
            languageButton(m_language)->setChecked(true);
            throw;
        }
    }
    m_language = language;
    languageButton(language)->setChecked(true);
    for (int line = 1; line <= m_lineEdits.size(); ++line)
        m_lineEdits.at(line - 1)->bind(&table(), lineField(m_lines, language, line));
}

QStringList LanguageTextWindow::lineTexts() const
{
    QStringList texts;
    for (platform::DataEdit *edit : m_lineEdits)
        texts.append(edit->text());
    return texts;
}

TfrmZahlung::TfrmZahlung(QWidget *parent)
    : LanguageTextWindow(paymentTermDefinition(), paymentTerms().lines, parent)
{
}

TfrmKlausel::TfrmKlausel(QWidget *parent)
    : LanguageTextWindow(invoiceClauseDefinition(), invoiceClauses().lines, parent)
{
}

} // namespace masterdata
