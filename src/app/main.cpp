#include "registertables.h"

#include "shell/application.h"
#include "shell/installation.h"
#include "shell/settings.h"
#include "shell/tfrmmain.h"
#include "shell/users.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

int main(int argc, char *argv[])
{
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
