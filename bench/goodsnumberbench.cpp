// Search as you type over 20,000 statistical goods numbers: the time of each
// keystroke's lookup, as the windows make it, and the import of that many
// goods numbers from a delimited file (all new, then all overwritten).
#include "masterdata/delimitedtext.h"
#include "masterdata/keylookup.h"
#include "masterdata/masterdataexchange.h"
#include "masterdata/masterdatatables.h"
#include "masterdata/picklists.h"
#include "platform/database.h"
#include "platform/dataset.h"
#include "platform/localformat.h"
#include "platform/schemaregistry.h"
#include "platform/session.h"
#include "platform/table.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace masterdata;

namespace {

constexpr int Rows = 20000;
constexpr int ShownRows = 25; // rows a grid shows after each keystroke

const char *const Words[] = { "Maschinen", "Teile", "Rechner", "Ventile", "Pumpen", "Lager", "Motoren", "Kabel",
    "Schrauben", "Getriebe", "Filter", "Dichtungen", "Öfen", "Ähnliche Waren", "Überzüge", "Zubehör" };

double ms(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// Goods numbers as the tariff has them: eight digits, a description of a
// few words, a country of origin.
TableContent goodsNumbers()
{
    TableContent content;
    platform::Table table(platform::Alias::Data, Tables::GoodsNumbers);
    table.open();
    content.fields = table.fieldDefs();
    QRandomGenerator random(4711);
    const QStringList countries = { "DE", "FR", "IT", "CN", "US", "AT", "PL", "CH" };
    for (int i = 0; i < Rows; ++i) {
        QVector<QVariant> row(content.fields.size());
        row[0] = QStringLiteral("%1").arg(random.bounded(1000000, 99999999), 8, 10, QLatin1Char('0'));
        const int words = 1 + random.bounded(3);
        QStringList description;
        for (int w = 0; w < words; ++w)
            description.append(QString::fromUtf8(Words[random.bounded(int(std::size(Words)))]));
        row[1] = description.join(QLatin1Char(' ')) + QStringLiteral(" %1").arg(i);
        row[2] = QStringLiteral("aus unedlen Metallen");
        row[5] = countries.at(random.bounded(int(countries.size())));
        row[9] = QString::number(random.bounded(1, 500));
        content.rows.append(row);
    }
    return content;
}

struct Keystrokes {
    QVector<double> times;
    void print(const char *what, const QStringList &typed) const
    {
        std::printf("%s\n", what);
        for (int i = 0; i < times.size(); ++i)
            std::printf("  %-14s %8.2f ms\n", qPrintable(typed.value(i)), times.at(i));
        QVector<double> sorted = times;
        std::sort(sorted.begin(), sorted.end());
        if (!sorted.isEmpty())
            std::printf("  median %.2f ms, slowest %.2f ms\n", sorted.at(sorted.size() / 2), sorted.last());
    }
};

// The rows a grid shows from the current record on, read without moving.
int readShownRows(platform::DataSet &set)
{
    const int first = std::max(0, set.currentPosition());
    const int end = std::min(first + ShownRows, set.recordCount());
    int characters = 0;
    for (int i = first; i < end; ++i)
        characters += int(set.rowAt(i).value(1).toString().size());
    return characters;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::setWorkstationLocale(QLocale(QLocale::German, QLocale::Germany));
    QTemporaryDir dir;
    registerMasterdataTables();
    platform::Session &session = platform::Session::current();
    session.setAliasPath(platform::Alias::Data, dir.path());
    platform::Database &db = session.database(platform::Alias::Data, true);
    db.ensureTables(platform::SchemaRegistry::instance().tables(platform::Alias::Data));

    // Import: 20,000 new goods numbers, then the same file again.
    const TableContent content = goodsNumbers();
    const QString file = dir.filePath(QStringLiteral("waren.txt"));
    writeDelimitedFile(file, content, u'"', u';');
    const QString text = readDelimitedText(file);
    for (const char *run : { "import of 20,000 new goods numbers", "the same file again (all overwritten)" }) {
        MasterDataImport importer(exchangeKind(ExchangeKinds::GoodsNumbers));
        QElapsedTimer timer;
        timer.start();
        const bool done = importer.importDelimited(text, u'"', u';');
        std::printf("%-44s %10.1f ms%s\n", run, ms(timer), done ? "" : "  FAILED");
    }
    std::printf("goods numbers in the table: %lld\n\n", db.countRows(Tables::GoodsNumbers));

    // The data module's lookup of a goods-number field: every keystroke
    // filters by the text typed so far; leaving the field counts the rows.
    {
        platform::Table table(platform::Alias::Data, Tables::GoodsNumbers);
        table.open();
        const KeyLookup lookup { QStringLiteral("waren"), KeyMatch::Prefix, NoGoodsNumberFound };
        const QString number = content.rows.at(Rows / 2).at(0).toString();
        Keystrokes strokes;
        QStringList typed;
        int shown = 0;
        for (int n = 1; n <= number.size(); ++n) {
            typed.append(number.left(n));
            QElapsedTimer timer;
            timer.start();
            filterTypedKey(table, lookup, number.left(n));
            shown += table.recordCount();
            shown += readShownRows(table);
            strokes.times.append(ms(timer));
        }
        strokes.print("typing a goods number into a document field (filter, count, the rows shown):", typed);
        if (shown == 42)
            std::printf(" ");
    }

    // The pick list "Auswahl: Statistische Warennummer": a typed character
    // moves the list to the first description at or after it.
    {
        TfrmWare_e list;
        list.show();
        Keystrokes strokes;
        QStringList typed;
        int shown = 0;
        for (const char *key : { "M", "ü", "R", "z", "a", "Ö", "T", "k", "S", "f" }) {
            typed.append(QString::fromUtf8(key));
            QElapsedTimer timer;
            timer.start();
            list.typeAhead(QString::fromUtf8(key));
            shown += readShownRows(list.table());
            strokes.times.append(ms(timer));
        }
        strokes.print("typing in the pick list of goods numbers (move to the description, the rows shown):", typed);
        if (shown == 42)
            std::printf(" ");
    }
    session.closeAll();
    return 0;
}
