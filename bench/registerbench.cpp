// Times the opening of real registers (offscreen): the window made, its
// tables opened, shown with its grid's first screen painted, and closed
// again, over 1,000 and then 100,000 documents of the kind, warm, with
// min/median/max of the repetitions. The cost should not grow with the
// number of documents.
#include "benchsupport.h"

#include "masterdata/masterdatatables.h"
#include "orders/ordertables.h"
#include "orders/tfrmregieauftragsdaten.h"
#include "origin/origintables.h"
#include "origin/tfrmregieeur1.h"
#include "platform/database.h"
#include "platform/registry.h"
#include "platform/schemaregistry.h"
#include "platform/session.h"
#include "sad/sadtables.h"
#include "sad/tfrmregiet2l.h"
#include "shell/parameterrecord.h"
#include "shell/printsettings.h"
#include "shell/settings.h"
#include "shell/shelltables.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace platform;

namespace {

struct Kind {
    const char *name;
    QString headTable;  // SQL name
    std::function<std::unique_ptr<shell::DocumentRegister>()> make;
};

// Adds documents up to the number given, each with only its number.
void fillTo(Database &db, const QString &table, int documents)
{
    const QString key = db.quote(db.schemaOf(table).fieldAt(0).name);
    db.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                           "INSERT OR IGNORE INTO %2 (%3) SELECT i FROM n")
                .arg(documents)
                .arg(db.quote(table), key));
}

double openAndClose(const Kind &kind)
{
    QElapsedTimer timer;
    timer.start();
    {
        std::unique_ptr<shell::DocumentRegister> documentRegister = kind.make();
        documentRegister->show();
        QApplication::processEvents();
        documentRegister->reject();
    }
    QApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir root(dir.path());
    for (const char *sub : {"Data", "User1", "registry"})
        root.mkpath(QString::fromLatin1(sub));
    shell::setProgramDirectory(dir.path() + QLatin1Char('/'));
    Registry::setStoreFiles(root.filePath(QStringLiteral("registry/machine.ini")),
                            root.filePath(QStringLiteral("registry/user.ini")));
    Session session;
    session.setAliasPath(Alias::Data, root.filePath(QStringLiteral("Data")));
    session.setAliasPath(Alias::User, root.filePath(QStringLiteral("User1")));
    Session::setCurrent(&session);
    shell::registerShellTables();
    shell::registerPrintTables();
    masterdata::registerMasterdataTables();
    origin::registerOriginTables();
    orders::registerOrderTables();
    sad::registerSadTables();
    const auto &registry = SchemaRegistry::instance();
    Database &data = session.database(Alias::Data, true);
    data.ensureTables(registry.tables(Alias::Data));
    session.database(Alias::User, true).ensureTables(registry.tables(Alias::User));
    shell::ensureParameterRecord(session);

    const std::vector<Kind> kinds = {
        {"EUR.1", TableSchema::tableNameOf(origin::Tables::Eur1),
         [] { return std::make_unique<origin::TfrmRegieEUR1>(); }},
        {"orders", TableSchema::tableNameOf(orders::Tables::Orders),
         [] { return std::make_unique<orders::TfrmRegieAuftragsdaten>(); }},
        {"T2L", TableSchema::tableNameOf(sad::Tables::EinHT2L),
         [] { return std::make_unique<sad::TfrmRegieT2L>(); }},
    };
    constexpr int Repetitions = 9;
    std::printf("register open, shown and closed, ms (min median max), %d runs after one warm-up:\n", Repetitions);
    for (const int documents : {1000, 100000}) {
        for (const Kind &kind : kinds) {
            fillTo(data, kind.headTable, documents);
            shell::CurrentDocumentNumber = documents / 2;
            openAndClose(kind);  // warm (and the counts made current once)
            std::vector<double> times;
            for (int r = 0; r < Repetitions; ++r)
                times.push_back(openAndClose(kind));
            const bench::Spread s = bench::spreadOf(times);
            std::printf("  %-8s %7d documents  %8.2f %8.2f %8.2f\n", kind.name, documents, s.min, s.median, s.max);
        }
    }
    std::fflush(stdout);
    session.closeAll();
    Session::setCurrent(nullptr);
    return 0;
}
