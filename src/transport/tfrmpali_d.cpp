#include "transport/tfrmpali_d.h"

#include "platform/canvasfont.h"
#include "platform/datamemo.h"
#include "platform/field.h"
#include "platform/localformat.h"
#include "platform/printcanvas.h"
#include "platform/table.h"
#include "shell/conversion.h"
#include "transport/packinglistpages.h"
#include "transport/packinglisttables.h"

namespace transport {

using shell::fieldAt;
using shell::PrintItem;
using shell::textAt;

namespace {

constexpr int PrintFontHeight = -30;
const QString PageCaption = QStringLiteral("Page : ");

PrintItem arial(PrintItem item, int height)
{
    return item.font(QStringLiteral("ARIAL")).styled(platform::FontStyle::Bold).height(-height);
}

QVector<PrintItem> columnTitles(int y, const QString &weightTitle)
{
    return {
        arial(textAt(QStringLiteral("No."), 150, y), 20),
        arial(textAt(QStringLiteral("quantity/kind"), 250, y), 20),
        arial(textAt(weightTitle, 650, y), 20),
        arial(textAt(QStringLiteral("measurement cm"), 1000, y), 20),
        arial(textAt(QStringLiteral("contents"), 1300, y), 20),
    };
}

QVector<PrintItem> firstPageHead()
{
    QVector<PrintItem> items = {
        arial(textAt(QStringLiteral("Packliste / Packing Specification / Liste de Colisage /"), 150, 100), 70),
        arial(textAt(QStringLiteral("Lista da Paquetes / Lista dos Volumes"), 150, 200), 70),
        fieldAt(QStringLiteral("filler1"), 150, 660),
        fieldAt(QStringLiteral("filler2"), 150, 700),
        arial(textAt(QStringLiteral("gross-weight (kgs) : "), 1050, 520), 30),
        arial(textAt(QStringLiteral("net-weight   (kgs) : "), 1050, 560), 30),
        fieldAt(QStringLiteral("Brutto"), 1350, 520),
        fieldAt(QStringLiteral("Netto"), 1350, 560),
        arial(textAt(PageCaption, 1600, 480), 30),
        arial(textAt(QStringLiteral("Packing List"), 150, 765), 30),
        fieldAt(QStringLiteral("Datum"), 1750, 765),
        arial(textAt(QStringLiteral("Marking:"), 150, 850), 20),
        arial(textAt(QStringLiteral("Description of Goods:"), 1000, 850), 20),
    };
    items += shell::fieldColumn(QStringLiteral("kunde"), 1, 6, 150, 400, 40);
    items += shell::fieldColumn(QStringLiteral("mark"), 1, 10, 150, 900, 40);
    items += shell::fieldColumn(QStringLiteral("wabe"), 1, 10, 1000, 900, 40);
    items += columnTitles(1370, QStringLiteral("gross-/net-weight kgs"));
    return items;
}

QVector<PrintItem> followPageHead()
{
    // The follow pages' column title as the form has always printed it.
    QVector<PrintItem> items = columnTitles(200, QStringLiteral("gross-/net-wieght kgs"));
    items.append(arial(textAt(PageCaption, 1600, 100), 30));
    return items;
}

// A weight with thousands separators and one decimal: "1.234,5".
QString weight(platform::Field field)
{
    return platform::formatNumber(field.asFloat(), 1);
}

QString measure(platform::Field field)
{
    return platform::formatNumber(field.asInteger(), 0);
}

class PackingListRun
{
public:
    explicit PackingListRun(shell::SheetJob &job)
        : m_job(job)
    {
    }

    void print()
    {
        platform::Table &lines = *m_job.window.positions();
        // The contents as the window's hidden memo shows them line by line.
        const auto *memo = m_job.window.findChild<platform::DataMemo *>(QStringLiteral("DBMemo1"));
        QVector<QStringList> contents;
        for (lines.first(); !lines.eof(); lines.next()) {
            contents.append(shell::memoTextLines(
                memo ? memo->toPlainText() : lines.fieldByName(QStringLiteral("contents")).asString()));
        }
        QVector<int> counts;
        for (const QStringList &text : std::as_const(contents))
            counts.append(text.size());

        beginPage(1);
        int page = 1;
        int current = -1;
        int finished = 0;
        lines.first();
        for (const PackingListPlacement &placed : packingListPlacements(counts)) {
            // One step of the progress bar for every line printed whole.
            while (finished < placed.line)
                m_job.painter.progress(++finished);
            if (placed.page != page) {
                page = placed.page;
                beginPage(page);
            }
            while (current < placed.line) {
                if (current >= 0)
                    lines.next();
                ++current;
            }
            if (placed.contentsLine < 0)
                positionLine(lines, placed.y);
            else
                m_job.painter.text(1300, placed.y, contents.at(placed.line).at(placed.contentsLine));
        }
        m_job.painter.progress(int(counts.size()));
    }

private:
    void beginPage(int page)
    {
        m_job.beginPage();
        platform::Table &head = m_job.window.head();
        if (page == 1)
            m_job.painter.draw(firstPageHead(), head);
        else
            m_job.painter.draw(followPageHead(), head);
        const int y = page == 1 ? 480 : 100;
        const int x
            = 1600 + qRound(platform::CanvasFontMetrics(m_job.painter.font()).width(QStringLiteral("Page :  ")));
        m_job.painter.text(x, y, QString::number(page));
        if (page == 1) {
            rule(750);
            rule(810);
            rule(1400);
        } else {
            rule(250);
        }
    }

    void rule(int y)
    {
        platform::PrintCanvas &canvas = m_job.painter.canvas();
        const QPoint from = m_job.painter.offsets().toDevice(150, y);
        const QPoint to = m_job.painter.offsets().toDevice(2000, y);
        canvas.moveTo(from.x(), from.y());
        canvas.lineTo(to.x(), to.y());
    }

    void positionLine(platform::Table &lines, int y)
    {
        const auto field = [&lines](const char *name) { return lines.fieldByName(QLatin1String(name)); };
        shell::LayoutPainter &painter = m_job.painter;
        painter.text(150, y, field("auftrnr").asString());
        painter.text(
            250, y, QString::number(field("packstnr").asInteger()) + QLatin1Char(' ') + field("bez").asString());
        painter.text(650, y, weight(field("brutto")));
        painter.text(800, y, weight(field("netto")));
        painter.text(1000, y,
            measure(field("laenge")) + QLatin1Char('*') + measure(field("breite")) + QLatin1Char('*')
                + measure(field("hoehe")));
    }

    shell::SheetJob &m_job;
};

} // namespace

shell::PrintWindowDefinition paliPrintDefinition()
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("frmpali_d");
    d.caption = QStringLiteral("Packliste - Druck");
    d.headTable = PackingListTables::Heads;
    d.positionTable = PackingListTables::Lines;
    d.positionLinkField = QStringLiteral("belegnr");
    d.jobTitle = QStringLiteral("Export / Versand: Packliste");
    d.createsMissingRows = true;
    d.newRowPrinter = QStringLiteral("LPT1");
    d.administrationPattern = PackingListPrintRow + QLatin1Char('*');
    d.fontHeight = PrintFontHeight;
    d.size = QSize(282, 137);
    d.progressMaximumOf = [](shell::PrintWindow &window) {
        platform::Table *lines = window.positions();
        return (lines && lines->isActive() ? lines->recordCount() : 0) + 15;
    };

    shell::PrintSheet sheet;
    sheet.row = PackingListPrintRow;
    sheet.question = QStringLiteral("Bitte Packliste in den Drucker einlegen !");
    sheet.pagedByRoutine = true;
    // The title changes once the second page's job has begun, so it names
    // the third and later pages.
    sheet.pageJobTitle
        = [](int page) { return page >= 3 ? QStringLiteral("Export / Versand: Packliste - Folgeseite") : QString(); };
    sheet.print = [](shell::SheetJob &job) { PackingListRun(job).print(); };
    d.sheets = { sheet };
    return d;
}

Tfrmpali_d::Tfrmpali_d(QWidget *parent)
    : shell::PrintWindow(paliPrintDefinition(), parent)
{
    auto *memo = new platform::DataMemo(this);
    memo->setObjectName(QStringLiteral("DBMemo1"));
    memo->hide();
    memo->bind(positions(), QStringLiteral("contents"));
}

} // namespace transport
