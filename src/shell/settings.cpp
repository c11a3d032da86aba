#include "shell/settings.h"

#include "platform/databaseerror.h"
#include "platform/inifile.h"
#include "platform/localformat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace shell {

int CurrentDocumentNumber = 1;
bool Windows2000OrLater = true;

namespace {
QString &programDirectoryOverride()
{
    static QString dir;
    return dir;
}

struct Version {
    quint16 major = 0, minor = 0, release = 0, build = 0;
    bool set = false;
};
Version &programVersion()
{
    static Version v;
    return v;
}

QString iniPath()
{
    return ProgramDirectory() + IniFileName;
}
} // namespace

QString ProgramDirectory()
{
    QString dir = programDirectoryOverride();
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

void setProgramDirectory(const QString &directory)
{
    programDirectoryOverride() = directory;
}

QString IniReadString(const QString &key, const QString &defaultValue)
{
    if (!QFileInfo::exists(iniPath()))
        return defaultValue;
    return platform::IniFile(iniPath()).readString(IniSection, key, defaultValue);
}

void IniWriteString(const QString &key, const QString &value)
{
    platform::IniFile ini(iniPath());
    ini.writeString(IniSection, key, value);
    ini.save();
}

QVariant IniReadValue(const QString &file, const QString &section, const QString &key, const QVariant &defaultValue,
                      bool asCurrency)
{
    if (!defaultValue.isValid() || defaultValue.isNull())
        return defaultValue;
    if (!QFileInfo::exists(file))
        return defaultValue;
    const platform::IniFile ini(file);
    switch (defaultValue.metaType().id()) {
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::UChar:
        return QVariant::fromValue(ini.readInteger(section, key, defaultValue.toInt())).value<int>();
    case QMetaType::Float:
    case QMetaType::Double:
        if (asCurrency) {
            if (!ini.hasKey(section, key))
                return defaultValue;
            bool ok = false;
            const QString text = ini.readString(section, key, platform::formatPlainNumber(defaultValue.toDouble()));
            const double v = platform::parseNumber(text, &ok);
            if (!ok)
                throw platform::DatabaseError(QStringLiteral("'%1' ist kein gültiger Währungswert.").arg(text));
            return v;
        }
        return ini.readFloat(section, key, defaultValue.toDouble());
    case QMetaType::QDate:
        return ini.readDate(section, key, defaultValue.toDate());
    case QMetaType::Bool:
        return ini.readBool(section, key, defaultValue.toBool());
    case QMetaType::QString:
        return ini.readString(section, key, defaultValue.toString());
    default:
        return defaultValue;
    }
}

void IniWriteValue(const QString &file, const QString &section, const QString &key, const QVariant &value,
                   bool asCurrency)
{
    if (!value.isValid() || value.isNull())
        return;
    platform::IniFile ini(file);
    switch (value.metaType().id()) {
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::UChar:
        ini.writeInteger(section, key, value.toInt());
        break;
    case QMetaType::Float:
    case QMetaType::Double:
        if (asCurrency)
            ini.writeString(section, key, platform::formatPlainNumber(value.toDouble()));
        else
            ini.writeFloat(section, key, value.toDouble());
        break;
    case QMetaType::QDate:
        ini.writeDate(section, key, value.toDate());
        break;
    case QMetaType::Bool:
        ini.writeBool(section, key, value.toBool());
        break;
    case QMetaType::QString:
        ini.writeString(section, key, value.toString());
        break;
    default:
        return;
    }
    ini.save();
}

int StammSortRead(const QString &key)
{
    if (!QFileInfo::exists(iniPath()))
        return 0;
    return platform::IniFile(iniPath()).readInteger(IniSection, key, 0);
}

void StammSortWrite(const QString &key, int value)
{
    platform::IniFile ini(iniPath());
    ini.writeInteger(IniSection, key, value);
    ini.save();
}

void setProgramVersion(quint16 major, quint16 minor, quint16 release, quint16 build)
{
    programVersion() = Version{major, minor, release, build, true};
}

bool ReadFileVersion(const QString &fileName, quint16 &major, quint16 &minor, quint16 &release, quint16 &build)
{
    const Version &v = programVersion();
    if (!v.set)
        return false;
    const QString own = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    const QString asked = QFileInfo(fileName).canonicalFilePath();
    if (asked.isEmpty() || asked != own)
        return false;
    major = v.major;
    minor = v.minor;
    release = v.release;
    build = v.build;
    return true;
}

bool isWindows2000OrLater(bool ntFamily, int majorVersion)
{
    return ntFamily && majorVersion > 4;
}

bool IsWindows2000OrLater()
{
    return true;
}

} // namespace shell
