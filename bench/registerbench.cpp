// Times the opening of the real registers of every document kind the
// program registers (offscreen): the window made, its tables opened, shown
// with its grid's first screen painted, and closed again, over 1,000 and
// then 100,000 documents of the kind, warm, with min/median/max of the
// repetitions and the ratio of the medians. The cost should not grow with
// the number of documents.
//
//     registerbench [--runs N] [--kind KEY] [documents ...]
//
// The kinds come from the program's own lists (the main window's kinds and
// the document kinds), so a kind added to the program is timed as well. A
// chooser shown before a register (Intrastat: dispatch or arrival) is
// answered with its first choice.
#include "benchsupport.h"

#include "app/registertables.h"
#include "platform/database.h"
#include "platform/registry.h"
#include "platform/schemaregistry.h"
#include "platform/scripteddialogservice.h"
#include "platform/session.h"
#include "shell/documentregister.h"
#include "shell/kindtable.h"
#include "shell/settings.h"
#include "shell/users.h"
#include "shell/windowfactories.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <map>
#include <memory>
#include <vector>

using namespace platform;

namespace {

// Every key under which the program opens a document register: the main
// window's kinds first, in their order, then document kinds it opens from
// elsewhere.
QStringList registerKeys()
{
    QStringList keys;
    for (const shell::KindEntry &entry : shell::kindTable()) {
        if (entry.action == shell::KindAction::Register && shell::hasWindowFactory(entry.key)
            && !keys.contains(entry.key))
            keys.append(entry.key);
    }
    for (const QString &key : shell::documentKindKeys()) {
        if (!keys.contains(key))
            keys.append(key);
    }
    return keys;
}

// The window of the key as the main window makes it; a chooser shown first
// is accepted. Null when the key's window is not a document register.
std::unique_ptr<shell::DocumentRegister> makeRegister(const QString &key)
{
    QTimer chooser;
    chooser.setSingleShot(true);
    QObject::connect(&chooser, &QTimer::timeout, [] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (dialog && !qobject_cast<shell::DocumentRegister *>(dialog))
            dialog->accept();
    });
    chooser.start(0);
    QDialog *window = shell::windowFactory(key)(nullptr);
    auto *documentRegister = qobject_cast<shell::DocumentRegister *>(window);
    if (!documentRegister)
        delete window;
    return std::unique_ptr<shell::DocumentRegister>(documentRegister);
}

// Adds documents up to the number given, each with only its number.
void fillTo(Database &db, const QString &table, int documents)
{
    const QString key = db.quote(db.schemaOf(table).fieldAt(0).name);
    db.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                           "INSERT OR IGNORE INTO %2 (%3) SELECT i FROM n")
                .arg(documents)
                .arg(db.quote(table), key));
}

double openAndClose(const QString &key)
{
    QElapsedTimer timer;
    timer.start();
    {
        std::unique_ptr<shell::DocumentRegister> documentRegister = makeRegister(key);
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
    int repetitions = 9;
    QString onlyKind;
    std::vector<int> sizes;
    const QStringList arguments = app.arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == QLatin1String("--runs") && i + 1 < arguments.size())
            repetitions = std::max(1, arguments.at(++i).toInt());
        else if (arguments.at(i) == QLatin1String("--kind") && i + 1 < arguments.size())
            onlyKind = arguments.at(++i);
        else if (arguments.at(i).toInt() > 0)
            sizes.push_back(arguments.at(i).toInt());
    }
    if (sizes.empty())
        sizes = {1000, 100000};

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
    registerTables();
    registerWindows();
    shell::prepareDataDirectory(session);
    session.database(Alias::User, true).ensureTables(SchemaRegistry::instance().tables(Alias::User));
    Database &data = session.database(Alias::Data, true);
    // Messages a register would show are recorded, not shown.
    ScriptedDialogService dialogs;
    DialogServiceGuard guard(dialogs);

    struct Kind {
        QString key;
        QString headTable;
        std::map<int, bench::Spread> spreads;
    };
    std::vector<Kind> kinds;
    for (const QString &key : registerKeys()) {
        if (!onlyKind.isEmpty() && key != onlyKind)
            continue;
        std::unique_ptr<shell::DocumentRegister> documentRegister = makeRegister(key);
        if (documentRegister)
            kinds.push_back({key, TableSchema::tableNameOf(documentRegister->kind().headTable), {}});
    }

    std::printf("register open, shown and closed, ms (min median max), %d runs after one warm-up:\n", repetitions);
    for (const int documents : sizes) {
        for (Kind &kind : kinds) {
            fillTo(data, kind.headTable, documents);
            shell::CurrentDocumentNumber = documents / 2;
            dialogs.clear();
            openAndClose(kind.key); // warm (and the counts made current once)
            std::vector<double> times;
            for (int r = 0; r < repetitions; ++r)
                times.push_back(openAndClose(kind.key));
            const bench::Spread s = bench::spreadOf(times);
            kind.spreads[documents] = s;
            std::printf("  %-14s %7d documents  %8.2f %8.2f %8.2f\n", qPrintable(kind.key), documents, s.min,
                        s.median, s.max);
            for (const QString &text : dialogs.texts())
                std::printf("    (message: %s)\n", qPrintable(text.simplified()));
            std::fflush(stdout);
        }
    }
    if (sizes.size() > 1) {
        const int small = sizes.front();
        const int large = sizes.back();
        std::printf("\nmedian ms   %-14s %10d %10d   ratio\n", "kind", small, large);
        for (const Kind &kind : kinds) {
            const double a = kind.spreads.at(small).median;
            const double b = kind.spreads.at(large).median;
            std::printf("            %-14s %10.2f %10.2f   %5.2f\n", qPrintable(kind.key), a, b, a > 0 ? b / a : 0.0);
        }
    }
    std::fflush(stdout);
    session.closeAll();
    Session::setCurrent(nullptr);
    return 0;
}
