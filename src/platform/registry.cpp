#include "platform/registry.h"

#include "platform/inifile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {
QString &machineOverride()
{
    static QString path;
    return path;
}
QString &userOverride()
{
    static QString path;
    return path;
}
QString normalizedKey(const QString &key)
{
    QString k = key;
    k.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (k.startsWith(QLatin1Char('\\')))
        k.remove(0, 1);
    return k;
}
} // namespace

Registry::Registry(Root root)
    : m_root(root)
{
}

void Registry::setStoreFiles(const QString &machineFile, const QString &userFile)
{
    machineOverride() = machineFile;
    userOverride() = userFile;
}

QString Registry::storeFile(Root root)
{
    if (root == Root::LocalMachine) {
        if (!machineOverride().isEmpty())
            return machineOverride();
        const QStringList dirs = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
        const QString base = dirs.size() > 1 ? dirs.last() : QStringLiteral("/etc/xdg");
        return QDir(base).filePath(QStringLiteral("exportversand/registry.ini"));
    }
    if (!userOverride().isEmpty())
        return userOverride();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("exportversand/registry.ini"));
}

bool Registry::keyExists(const QString &key) const
{
    return IniFile(storeFile(m_root)).hasSection(normalizedKey(key));
}

bool Registry::valueExists(const QString &key, const QString &name) const
{
    return IniFile(storeFile(m_root)).hasKey(normalizedKey(key), name);
}

QString Registry::readString(const QString &key, const QString &name, const QString &defaultValue) const
{
    return IniFile(storeFile(m_root)).readString(normalizedKey(key), name, defaultValue);
}

QStringList Registry::valueNames(const QString &key) const
{
    return IniFile(storeFile(m_root)).keys(normalizedKey(key));
}

bool Registry::writeString(const QString &key, const QString &name, const QString &value)
{
    const QString file = storeFile(m_root);
    QDir().mkpath(QFileInfo(file).absolutePath());
    IniFile ini(file);
    ini.writeString(normalizedKey(key), name, value);
    return ini.save();
}

} // namespace platform
