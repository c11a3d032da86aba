#include "atlas/clientlist.h"

#include "shell/settings.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>

#include <stdexcept>

namespace atlas {

QString ClientList::filePath()
{
    return shell::ProgramDirectory() + QStringLiteral("Mandant.dat");
}

QStringList ClientList::load()
{
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    auto utf8 = QStringDecoder(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QStringDecoder("windows-1252").decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList ids = text.split(QLatin1Char('\n'));
    // The line break after the last ID is no entry.
    if (!ids.isEmpty() && ids.constLast().isEmpty())
        ids.removeLast();
    return ids;
}

void ClientList::save(const QStringList &ids)
{
    QSaveFile file(filePath());
    QByteArray bytes;
    for (const QString &id : ids)
        bytes += id.toUtf8() + "\r\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw std::runtime_error(QStringLiteral("Die Mandanten-Liste \"%1\" konnte nicht gespeichert werden: %2")
                                     .arg(filePath(), file.errorString())
                                     .toStdString());
    }
}

bool ClientList::add(QStringList &ids, const QString &id)
{
    if (id.isEmpty() || ids.contains(id))
        return false;
    ids.append(id);
    return true;
}

} // namespace atlas
