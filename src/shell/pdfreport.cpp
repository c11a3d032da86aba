#include "shell/pdfreport.h"

#include "platform/dialogservice.h"
#include "platform/printerservice.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace shell {

QString writtenPdfFilesText(const QStringList &files)
{
    if (files.size() == 1) {
        return QStringLiteral(
            "Der Ausdruck wurde als PDF-Datei gespeichert:\r%1\r\rSoll die Datei jetzt geöffnet werden?")
            .arg(QDir::toNativeSeparators(files.constFirst()));
    }
    QString text = QStringLiteral("Der Ausdruck wurde in %1 PDF-Dateien gespeichert, jedes Blatt (Vorder- und "
                                  "Rückseite, jede Kopie) in einer eigenen Datei:\r")
                       .arg(files.size());
    for (const QString &file : files)
        text += QFileInfo(file).fileName() + QLatin1Char('\r');
    text += QStringLiteral("im Ordner %1\r\rSoll der Ordner jetzt geöffnet werden?")
                .arg(QDir::toNativeSeparators(QFileInfo(files.constFirst()).absolutePath()));
    return text;
}

void reportWrittenPdfFiles()
{
    const QStringList files = platform::PrinterService::takeWrittenPdfFiles();
    if (files.isEmpty())
        return;
    if (platform::dialogs().confirmation(
            writtenPdfFilesText(files), platform::DialogButtons::YesNo, QStringLiteral("PDF-Datei gespeichert"))
        != platform::DialogAnswer::Yes)
        return;
    const QString target = files.size() == 1 ? files.constFirst() : QFileInfo(files.constFirst()).absolutePath();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(target)))
        platform::dialogs().error(
            QStringLiteral("Die Datei „%1“ konnte nicht geöffnet werden.").arg(QDir::toNativeSeparators(target)));
}

} // namespace shell
