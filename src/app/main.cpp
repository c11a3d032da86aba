#include "registertables.h"

#include "platform/databaseerror.h"
#include "platform/servercopy.h"
#include "shell/application.h"
#include "shell/installation.h"
#include "shell/settings.h"
#include "shell/tfrmmain.h"
#include "shell/users.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <QTimer>

namespace {

// "--auf-server-kopieren <Datenverzeichnis>": copies the tables of the
// SQLite file of a data directory into the empty server database its
// connection file names, without a window.
int copyToServer(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() != 3) {
        err << "Aufruf: " << QFileInfo(arguments.first()).fileName() << " --auf-server-kopieren <Datenverzeichnis>\n";
        return 2;
    }
    try {
        const platform::ServerCopyReport report = platform::copyDataDirectoryToServer(
            arguments.at(2), [&out](const QString &table) { out << "Kopiere " << table << " ..." << Qt::endl; });
        for (const QString &line : report.lines)
            out << line << '\n';
        out << "Fertig: " << report.lines.size() << " Tabellen, " << report.records << " Datensätze kopiert." << Qt::endl;
        return 0;
    } catch (const platform::DatabaseError &error) {
        err << error.message() << Qt::endl;
        return 1;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--auf-server-kopieren") == 0)
        return copyToServer(argc, argv);
    shell::Application app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    shell::setProgramVersion(EV_VERSION_MAJOR, EV_VERSION_MINOR, EV_VERSION_PATCH, EV_VERSION_TWEAK);
    shell::loadGermanQtTranslations();
    const QString programDirectory = shell::chooseProgramDirectory(QCoreApplication::applicationDirPath());
    QDir().mkpath(programDirectory);
    shell::setProgramDirectory(programDirectory);
    registerTables();
    registerWindows();
    shell::firstStart();

    shell::TfrmMain frmMain;
    if (!frmMain.FormCreate())
        return 0;
    frmMain.createDataModule();
    frmMain.show();

    // For checks of the running program without a person: a picture of the
    // screen once the main window stands.
    const QString screenshot = qEnvironmentVariable("EXPORTVERSAND_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(1500, &frmMain, [screenshot] {
            if (QScreen *screen = QGuiApplication::primaryScreen())
                screen->grabWindow(0).save(screenshot);
        });
    }
    return app.exec();
}
