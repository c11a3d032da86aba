#include "orders/tfrmauftr_d.h"

#include "orders/orderprinttexts.h"
#include "orders/ordertables.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/localformat.h"
#include "platform/printcanvas.h"
#include "platform/table.h"
#include "shell/mainstate.h"
#include "shell/parameterrecord.h"
#include "shell/settings.h"

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QVBoxLayout>

namespace orders {

using platform::CanvasFont;
using platform::FontStyle;
using platform::Table;

namespace {

constexpr int PageBreakBelow = 2470; // a row starting below opens a new page
constexpr int FirstRow = 1300;
constexpr int RowStep = 33;
constexpr int PackagesMoveBelow = 2419; // their heading goes to the next page

enum Block { Positions = 1, Packages = 2, ClosingLines = 3 };

CanvasFont arial(int height, platform::FontStyles style = FontStyle::Bold)
{
    CanvasFont font;
    font.name = QStringLiteral("Arial");
    font.height = height;
    font.style = style;
    return font;
}

// The print font's name (and, where asked, its style) at a height.
CanvasFont printFont(int height, bool ownStyle)
{
    const QFont &widgetFont = shell::mainState().AusdruckFont;
    CanvasFont font;
    font.name = widgetFont.family();
    font.height = height;
    font.style = ownStyle ? platform::fontStylesOf(widgetFont) : platform::FontStyles(FontStyle::Bold);
    font.color = shell::mainState().AusdruckFontColor;
    return font;
}

QString field(Table &table, const QString &name)
{
    return table.fieldByName(name).asString();
}

} // namespace

// One print run: the tables, pictures and labels it reads and where it is on
// the page.
struct TfrmAuftr_d::Run {
    std::unique_ptr<Table> texte;
    std::unique_ptr<Table> pack;
    QImage logo;
    QImage picture; // "Bild.bmp"; null when there is none
    QStringList labels;
    QCheckBox *withGoodsNumbers = nullptr;

    // State of one job run.
    shell::SheetJob *job = nullptr;
    Table *head = nullptr;
    OrderDocument document = Invoice;
    int y = 3000;
    int page = 1;
    int block = Positions;

    QString label(int n) const { return labels.value(n - 1); }
    QString headField(const char *name) const { return field(*head, QLatin1String(name)); }
    bool delivery() const { return document == DeliveryNote; }

    platform::PrintCanvas &canvas() const { return job->painter.canvas(); }

    void text(int x, int y, const QString &text, const CanvasFont &font, bool rightAligned = false)
    {
        if (text.isEmpty())
            return;
        platform::PrintCanvas &c = canvas();
        c.setFont(font);
        if (rightAligned)
            x -= c.textWidth(text);
        const QPoint at = job->painter.offsets().toDevice(x, y);
        c.textOut(at.x(), at.y(), text);
    }
    void line(int x1, int y1, int x2, int y2)
    {
        const QPoint from = job->painter.offsets().toDevice(x1, y1);
        const QPoint to = job->painter.offsets().toDevice(x2, y2);
        canvas().moveTo(from.x(), from.y());
        canvas().lineTo(to.x(), to.y());
    }
    void rectangle(int x1, int y1, int x2, int y2)
    {
        const QPoint from = job->painter.offsets().toDevice(x1, y1);
        const QPoint to = job->painter.offsets().toDevice(x2, y2);
        canvas().setBrushNone();
        canvas().rectangle(from.x(), from.y(), to.x(), to.y());
    }
    void image(int x1, int y1, int x2, int y2, const QImage &picture)
    {
        const QPoint from = job->painter.offsets().toDevice(x1, y1);
        const QPoint to = job->painter.offsets().toDevice(x2, y2);
        canvas().drawPicture(from.x(), from.y(), to.x(), to.y(), picture);
    }

    void print(shell::SheetJob &sheetJob);
    void pageFrame();
    void columnHeading();
    void row(const QVector<QPair<int, QString>> &left, const QVector<QPair<int, QString>> &right);
    void textRow(const QString &text) { row({ { 310, text } }, {}); }
};

void TfrmAuftr_d::Run::row(const QVector<QPair<int, QString>> &left, const QVector<QPair<int, QString>> &right)
{
    if (y > PageBreakBelow) {
        job->beginPage();
        pageFrame();
        y = FirstRow;
        ++page;
    }
    const CanvasFont font = printFont(-33, false);
    for (const auto &[x, value] : left)
        text(x, y, value, font);
    for (const auto &[x, value] : right)
        text(x, y, value, font, true);
    y += RowStep;
}

// The heading of the current block at y (the frame puts it at 1255).
void TfrmAuftr_d::Run::columnHeading()
{
    const CanvasFont font = arial(-30);
    if (block == Positions) {
        text(240, y, label(23), font);
        text(350, y, label(14), font);
        text(1100, y, label(12), font);
        text(1310, y, label(21), font);
        if (!delivery()) {
            const QString currency = QStringLiteral(" (") + headField("Waehrung") + QStringLiteral(")");
            text(1445, y, label(11) + currency, font);
            text(1650, y, label(26) + currency, font);
        }
    } else if (block == Packages) {
        const QString star = QStringLiteral("      *      ");
        text(240, y, label(23), font);
        text(350, y,
            label(1) + QStringLiteral("   ") + label(6) + QString(43, QLatin1Char(' ')) + label(19) + star + label(4)
                + star + label(16),
            font);
        text(1310, y, label(8), font);
        text(1445, y, label(7), font);
        text(1650, y, label(22), font);
    }
    if (block == Positions || block == Packages) {
        y += 35;
        line(230, y, 1900, y);
    }
    y += 15;
}

void TfrmAuftr_d::Run::pageFrame()
{
    platform::Table params(platform::Alias::Data, shell::ParameterTableName);
    params.open();
    const auto param
        = [&params](const QString &name) { return params.isEmpty() ? QString() : params.fieldByName(name).asString(); };

    image(230, 150, 430, 350, logo);
    const CanvasFont letterhead = arial(-50);
    text(500, 150, param(QStringLiteral("Kopf1")), letterhead);
    text(500, 220, param(QStringLiteral("Kopf2")), letterhead);
    text(500, 290, param(QStringLiteral("Kopf3")), letterhead);
    if (!picture.isNull())
        image(1700, 2650, 1950, 2900, picture);

    const CanvasFont small = arial(-20);
    text(230, 520, param(QStringLiteral("Kopf4")), small);
    int shift = 0;
    if (!param(QStringLiteral("Kopf5")).isEmpty()) {
        text(230, 540, param(QStringLiteral("Kopf5")), small);
        shift = 20;
    }
    const CanvasFont address = printFont(-40, false);
    for (int i = 1; i <= 6; ++i)
        text(230, 530 + 40 * i + shift, field(*head, QStringLiteral("kunde%1").arg(i)), address);

    const CanvasFont boxLabel = arial(-27);
    const CanvasFont boxValue = printFont(-27, true);
    const auto infoBox = [&](int top, int bottom, const QVector<QPair<QString, QString>> &rows) {
        rectangle(1180, top, 1900, bottom);
        int rowY = top + 10;
        for (const auto &[name, value] : rows) {
            text(1200, rowY, name, boxLabel);
            text(1440, rowY, QStringLiteral(": ") + value, boxValue);
            rowY += 35;
        }
    };
    const QDate date = head->fieldByName(QStringLiteral("Redatum")).asDate();
    infoBox(560, 820,
        { { label(5), headField("Belegnr") }, { QStringLiteral("Ust-ID"), param(QStringLiteral("Ustnr")) },
            { label(3), headField("aufnr") }, { label(9), date.isValid() ? platform::formatDate(date) : QString() },
            { label(27), headField("uz") }, { label(25), headField("sbearb") }, { label(10), headField("sbtel") } });

    if (!headField("vean1").isEmpty()) {
        text(230, 860, label(29), arial(-25, FontStyle::Bold | FontStyle::Underline));
        const CanvasFont lines = printFont(-40, true);
        for (int i = 1; i <= 5; ++i)
            text(230, 860 + 40 * i, field(*head, QStringLiteral("vean%1").arg(i)), lines);
    }
    job->painter.progress(20);
    infoBox(850, 1085,
        { { label(18), headField("bnr") }, { label(32), headField("bnrvom") }, { label(17), headField("bnrabt") },
            { label(31), headField("vedatum") }, { label(30), headField("veart") },
            { label(13), headField("frankatur") } });
    job->painter.progress(30);

    QString title;
    switch (document) {
    case Invoice:
        if (headField("proforma") == QLatin1String("J"))
            title = QStringLiteral("PROFORMA - RECHNUNG / PROFORMA - INVOICE");
        else if (headField("proforma") == QLatin1String("N"))
            title = label(24);
        break;
    case OrderConfirmation:
        title = label(2);
        break;
    case DeliveryNote:
        title = label(20);
        break;
    case CreditNote:
        title = label(15);
        break;
    }
    text(230, 1140, title, arial(-50, FontStyle::Bold | FontStyle::Underline));

    rectangle(230, 1250, 1900, 2510);
    for (int x : { 300, 1300, 1440, 1640 })
        line(x, 1250, x, 2510);

    const int rowY = y;
    y = 1255;
    columnHeading();
    y = rowY;

    const CanvasFont footer = arial(-25);
    if (!delivery() && !headField("zabed1").isEmpty()) {
        const QString caption = label(33) + QStringLiteral(": ");
        text(230, 2520, label(33), footer);
        canvas().setFont(footer);
        const int x = 230 + canvas().textWidth(caption);
        text(x, 2520, headField("zabed1") + QStringLiteral("  ") + headField("zabed2"), footer);
        text(x, 2550,
            headField("zabed3") + QStringLiteral("  ") + headField("zabed4") + QStringLiteral("  ")
                + headField("zabed5"),
            footer);
    }
    if (!headField("praef1").isEmpty()) {
        text(230, 2600, headField("praef1") + QStringLiteral("  ") + headField("praef2"), footer);
        text(230, 2630, headField("praef3") + QStringLiteral("  ") + headField("praef4"), footer);
        text(230, 2660, headField("praef5") + QStringLiteral("  ") + headField("praef6"), footer);
    }
    line(230, 2700, picture.isNull() ? 1900 : 1600, 2700);
    for (int n = 1; n <= 16; ++n)
        text(230 + 420 * ((n - 1) % 4), 2710 + 30 * ((n - 1) / 4), param(QStringLiteral("Fuss%1").arg(n)), footer);
    if (page > 1)
        text(930, 2870, QStringLiteral("- %1 -").arg(page), printFont(-25, false));
    job->painter.progress(100);
}

void TfrmAuftr_d::Run::print(shell::SheetJob &sheetJob)
{
    job = &sheetJob;
    head = &sheetJob.window.head();
    document = OrderDocument(sheetJob.variant);
    labels = orderPrintLabels(headField("sprache"));
    block = Positions;
    y = 3000;
    page = 1;

    Table *positions = sheetJob.window.positions();
    int n = 0;
    for (positions->first(); !positions->eof(); positions->next()) {
        ++n;
        const auto value = [positions](const char *name) { return field(*positions, QLatin1String(name)); };
        QVector<QPair<int, QString>> right = { { 280, QString::number(n) },
            { 1420, QString::number(positions->fieldByName(QStringLiteral("anzahl")).asInteger()) } };
        if (!delivery()) {
            right.append(
                { 1620, platform::formatAmount(positions->fieldByName(QStringLiteral("einzpreis")).asFloat()) });
            right.append({ 1870, platform::formatAmount(positions->fieldByName(QStringLiteral("quersum")).asFloat()) });
        }
        row({ { 310, value("bez1") }, { 1100, value("Verpackung") } }, right);
        for (int i = 2; i <= 16; ++i) {
            const QString line = field(*positions, QStringLiteral("bez%1").arg(i));
            if (!line.isEmpty())
                textRow(line);
        }
        if (withGoodsNumbers && withGoodsNumbers->isChecked())
            textRow(QStringLiteral("(Stat. Waren-Nr.: ") + value("waren") + QStringLiteral("  Uspr.-Land: ")
                + value("urland") + QStringLiteral(")"));
    }

    if (!delivery()) {
        for (texte->first(); !texte->eof(); texte->next()) {
            const QString kind = field(*texte, QStringLiteral("ken"));
            if (kind == SumLineKind::Rule) {
                line(1660, y + 16, 1880, y + 16);
                y += RowStep;
            } else if (kind == SumLineKind::DoubleRule) {
                line(1660, y + 10, 1880, y + 10);
                line(1660, y + 20, 1880, y + 20);
                y += RowStep;
            } else {
                row({},
                    { { 1260, field(*texte, QStringLiteral("bez1")) },
                        { 1870, field(*texte, QStringLiteral("quersum")) } });
            }
        }
        y += 44;
    }

    if (!pack->isEmpty()) {
        y += 30;
        block = Packages;
        if (y > PackagesMoveBelow)
            y = 3000;
        else
            columnHeading();
        for (pack->first(); !pack->eof(); pack->next()) {
            const auto whole = [this](const char *name) {
                return QString::number(pack->fieldByName(QLatin1String(name)).asInteger());
            };
            const auto decimals = [this](const char *name, int places) {
                return platform::formatNumber(pack->fieldByName(QLatin1String(name)).asFloat(), places);
            };
            row({ { 430, field(*pack, QStringLiteral("Bez")) } },
                { { 280, whole("Pos") }, { 380, whole("Anzahl") }, { 1000, whole("Laenge") }, { 1130, whole("Breite") },
                    { 1260, whole("Hoehe") }, { 1420, decimals("M3", 3) }, { 1620, decimals("Brutto", 1) },
                    { 1870, decimals("Netto", 1) } });
        }
    }

    block = ClosingLines;
    y += 30;
    QStringList closing;
    for (int i = 1; i <= 10; ++i)
        closing << QStringLiteral("mark%1").arg(i);
    for (int i = 1; i <= 10; ++i)
        closing << QStringLiteral("reklau%1").arg(i);
    for (int i = 11; i <= 14; ++i)
        closing << QStringLiteral("Reklau%1").arg(i);
    for (const QString &name : std::as_const(closing)) {
        const QString line = field(*head, name);
        if (!line.isEmpty())
            textRow(line);
    }
    job = nullptr;
}

namespace {

shell::PrintWindowDefinition orderPrintDefinition(const std::shared_ptr<TfrmAuftr_d::Run> &run)
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("frmAuftr_d");
    d.caption = QStringLiteral("Auftrag - DRUCK");
    d.headTable = Tables::Orders;
    d.positionTable = Tables::Positions;
    d.jobTitle = QStringLiteral("Export / Versand: Auftragsdaten");
    d.administrationPattern = OrderPrintRow + QLatin1Char('*');
    d.question = shell::FormQuestion::None;
    d.fontHeight = -33;
    d.size = QSize(420, 250);

    shell::PrintSheet sheet;
    sheet.row = OrderPrintRow;
    sheet.pagedByRoutine = true;
    sheet.print = [run](shell::SheetJob &job) { run->print(job); };
    d.sheets = { sheet };

    shell::LayoutChoice choice;
    choice.objectName = QStringLiteral("RadioGroup1");
    choice.title = QStringLiteral("Auswahl");
    choice.items = { QStringLiteral("Rechnung"), QStringLiteral("Auftragsbestätigung"), QStringLiteral("Lieferschein"),
        QStringLiteral("Gutschrift") };
    choice.iniKey = QStringLiteral("DruckAuftrag");
    choice.layouts = { Invoice, OrderConfirmation, DeliveryNote, CreditNote };
    choice.layoutWithoutChoice = -1;
    d.layoutChoice = choice;

    // The pictures are read once, before the first page: a logo that cannot
    // be read prints nothing.
    d.beforePrint = [run](shell::PrintWindow &window) {
        if (window.chosenLayout() < 0) {
            platform::dialogs().error(QStringLiteral("Sie müssen eines der drei Möglichkeiten anwählen!"));
            return false;
        }
        const QDir program(shell::ProgramDirectory());
        const QString logoFile = program.filePath(QStringLiteral("Logo.Bmp"));
        run->logo = QImage(logoFile);
        if (run->logo.isNull()) {
            platform::dialogs().error(
                QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\rEs wurde nichts gedruckt.")
                    .arg(QDir::toNativeSeparators(logoFile)));
            return false;
        }
        run->picture = QImage(program.filePath(QStringLiteral("Bild.bmp")));
        run->texte->refresh();
        run->pack->refresh();
        return true;
    };
    return d;
}

} // namespace

TfrmAuftr_d::TfrmAuftr_d(QWidget *parent)
    : TfrmAuftr_d(std::make_shared<Run>(), parent)
{
}

TfrmAuftr_d::TfrmAuftr_d(std::shared_ptr<Run> run, QWidget *parent)
    : shell::PrintWindow(orderPrintDefinition(run), parent)
    , m_run(std::move(run))
{
    const auto detail = [this](const QString &name) {
        auto table = std::make_unique<Table>(platform::Alias::Data, name);
        table->setMasterSource(&head(), QStringLiteral("Belegnr"), QStringLiteral("Belegnr"));
        table->open();
        return table;
    };
    m_run->texte = detail(Tables::SumLines);
    m_run->pack = detail(Tables::Packages);
    CheckBox1 = new QCheckBox(QStringLiteral("Stat.-Warennummer und Ursp.-Land andrucken"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    controlsLayout()->addWidget(CheckBox1);
    m_run->withGoodsNumbers = CheckBox1;
}

TfrmAuftr_d::~TfrmAuftr_d() = default;

} // namespace orders
