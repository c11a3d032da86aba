#include "shell/installation.h"

#include "shell/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

namespace shell {

namespace {

const QString ProgramName = QStringLiteral("exportversand");

QString withSlash(const QString &directory)
{
    return directory.endsWith(QLatin1Char('/')) ? directory : directory + QLatin1Char('/');
}

// A folder of a CMake build: some folder above it holds CMakeCache.txt, and
// a clean rebuild would delete what is kept there.
bool isBuildTree(const QString &directory)
{
    QDir dir(directory);
    do {
        if (dir.exists(QStringLiteral("CMakeCache.txt")))
            return true;
    } while (dir.cdUp());
    return false;
}

} // namespace

QString chooseProgramDirectory(const QString &executableDirectory)
{
    const QString beside = withSlash(QDir::cleanPath(executableDirectory));
    if (QFileInfo::exists(beside + IniFileName))
        return beside;
    const QFileInfo folder(beside);
    const bool installed = !folder.isWritable() || QDir(beside).dirName() == QLatin1String("bin");
    if (!installed && !isBuildTree(beside))
        return beside;
    return withSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) + ProgramName + '/';
}

QString manualFile(const QString &executableDirectory)
{
    const QString name = QStringLiteral("Handbuch/Handbuch.html");
    const QDir dir(executableDirectory);
    const QStringList places
        = { dir.filePath(name), QDir::cleanPath(dir.filePath(QStringLiteral("../share/") + ProgramName + '/' + name)) };
    for (const QString &place : places) {
        if (QFileInfo::exists(place))
            return place;
    }
    return places.constFirst();
}

void loadGermanQtTranslations()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace shell
