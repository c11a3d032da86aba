#pragma once

#include "platform/field.h"
#include "platform/inifile.h"
#include "platform/scripteddialogservice.h"
#include "platform/table.h"
#include "platform/tableschema.h"
#include "shell/mainstate.h"
#include "shell/settings.h"
#include "shell/users.h"
#include "support/testprogramdirectory.h"

#include <QFile>

#include <memory>

namespace testsupport {

// A program directory whose Export.ini names its data directory, with the
// user table declared, and a scripted dialogs service.
struct StartupFixture {
    StartupFixture()
    {
        shell::registerUserTables();
        dir = std::make_unique<TestProgramDirectory>();
        shell::resetMainState();
        shell::IniWriteString(QStringLiteral("DatenBankPfad"), dir->dataDirectory());
    }

    void addUser(const QString &kurzname, const QString &passwort, int userNr,
        const QString &funktion = QStringLiteral("Anwender"))
    {
        platform::Table users(platform::Alias::Data, shell::UserTableName);
        users.open();
        users.append();
        users.fieldByName(QStringLiteral("Kurzname")).setAsString(kurzname);
        users.fieldByName(QStringLiteral("Passwort")).setAsString(passwort);
        users.fieldByName(QStringLiteral("Funktion")).setAsString(funktion);
        users.fieldByName(QStringLiteral("UserNr")).setAsInteger(userNr);
        users.post();
    }

    void setOption(const QString &key, const QString &value) { shell::IniWriteString(key, value); }

    bool iniHasKey(const QString &key) const
    {
        return platform::IniFile(dir->filePath(shell::IniFileName)).hasKey(shell::IniSection, key);
    }

    void writeFile(const QString &name, const QByteArray &content) const
    {
        QFile file(dir->filePath(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(content);
    }

    QString readFile(const QString &name) const
    {
        QFile file(dir->filePath(name));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }

    std::unique_ptr<TestProgramDirectory> dir;
    platform::ScriptedDialogService dialogs;
    platform::DialogServiceGuard guard { dialogs };
};

} // namespace testsupport
