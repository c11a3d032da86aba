#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Stand-in for the system registry: a machine-wide store and a per-user
// store, each an INI file whose sections are registry keys
// ("Software\\Brenix") and whose entries are the values.
class Registry
{
public:
    enum class Root { LocalMachine, CurrentUser };

    explicit Registry(Root root);

    // Where the stores live; tests point them into a temporary folder.
    static void setStoreFiles(const QString &machineFile, const QString &userFile);
    static QString storeFile(Root root);

    bool keyExists(const QString &key) const;
    bool valueExists(const QString &key, const QString &name) const;
    QString readString(const QString &key, const QString &name, const QString &defaultValue = {}) const;
    QStringList valueNames(const QString &key) const;
    // Returns false when the store cannot be written (a machine store
    // usually is not writable by a user).
    bool writeString(const QString &key, const QString &name, const QString &value);

private:
    Root m_root;
};

} // namespace platform
