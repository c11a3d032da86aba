#include "shell/printsettings.h"

#include "platform/databaseerror.h"
#include "platform/field.h"
#include "platform/inifile.h"
#include "platform/printerservice.h"
#include "platform/schemaregistry.h"
#include "platform/session.h"
#include "platform/systemprinterset.h"
#include "platform/table.h"
#include "platform/tableschema.h"
#include "shell/fieldcorrections.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <memory>

namespace shell {

void registerPrintTables()
{
    auto &registry = platform::SchemaRegistry::instance();
    registry.add(platform::TableSchema(PrintSettingsTable, platform::Alias::User)
                     .string(QStringLiteral("name"), 25)
                     .string(QStringLiteral("schnittst"), 4)
                     .integer(QStringLiteral("spalte"))
                     .integer(QStringLiteral("zeile"))
                     .integer(QStringLiteral("Anzahl_Kopien"))
                     .primaryKey({ QStringLiteral("name") }));
    platform::TableSchema corrections(FieldCorrectionsTable, platform::Alias::Data);
    corrections.string(QStringLiteral("Name"), 25);
    for (int box = 1; box <= 25; ++box)
        corrections.integer(QStringLiteral("Feld%1x").arg(box)).integer(QStringLiteral("Feld%1y").arg(box));
    corrections.primaryKey({ QStringLiteral("Name") });
    registry.add(corrections);
}

bool noPrinterAssigned(const QString &schnittst)
{
    const QString value = schnittst.trimmed();
    return value.isEmpty() || value.toUpper() == QLatin1String("LPT1") || value == QLatin1String("-1");
}

int printerIndexOf(const QString &schnittst)
{
    bool ok = false;
    const int index = schnittst.trimmed().toInt(&ok);
    return ok && platform::PrinterService::instance().isValidIndex(index) ? index : -1;
}

QString printerNameOf(const QString &schnittst)
{
    if (schnittst.trimmed() == QLatin1String("-1"))
        return NoPrinterText;
    const int index = printerIndexOf(schnittst);
    return index < 0 ? FaultyPrinterText : platform::PrinterService::instance().printerName(index);
}

namespace {

const QString PrinterSection = QStringLiteral("Drucker");
// Notes that the rows of the user directory count PDF-Datei first.
const QString OrderSection = QStringLiteral("Druckerliste");
const QString OrderKey = QStringLiteral("PDF-Datei zuerst");

QString printerNamesPath()
{
    const auto &session = platform::Session::current();
    if (!session.hasAlias(platform::Alias::User))
        return {};
    return QDir(session.aliasPath(platform::Alias::User)).filePath(PrinterNamesFile);
}

QString &cachedPath()
{
    static QString path;
    return path;
}

QDateTime &cachedTime()
{
    static QDateTime time;
    return time;
}

std::unique_ptr<platform::IniFile> &cachedFile()
{
    static std::unique_ptr<platform::IniFile> file;
    return file;
}

} // namespace

QString rememberedPrinter(const QString &row)
{
    const QString path = printerNamesPath();
    if (path.isEmpty())
        return {};
    // Grids ask for every cell they paint: the file is read again only when
    // it has changed.
    QString &readPath = cachedPath();
    QDateTime &readTime = cachedTime();
    std::unique_ptr<platform::IniFile> &file = cachedFile();
    const QFileInfo info(path);
    const QDateTime modified = info.exists() ? info.lastModified() : QDateTime();
    if (!file || readPath != path || readTime != modified || !modified.isValid()) {
        file = std::make_unique<platform::IniFile>(path);
        readPath = path;
        readTime = modified;
    }
    return file->readString(PrinterSection, row.trimmed());
}

void rememberPrinter(const QString &row, int index)
{
    const QString path = printerNamesPath();
    if (path.isEmpty() || row.trimmed().isEmpty())
        return;
    platform::IniFile file(path);
    const QString name = platform::PrinterService::instance().printerName(index);
    if (name.isEmpty())
        file.deleteKey(PrinterSection, row.trimmed());
    else
        file.writeString(PrinterSection, row.trimmed(), name);
    file.save();
    cachedFile().reset();
}

int resolvePrinterIndex(const QString &row, const QString &schnittst)
{
    if (noPrinterAssigned(schnittst))
        return -1;
    const QString name = rememberedPrinter(row);
    if (name.isEmpty())
        return printerIndexOf(schnittst);
    return int(platform::PrinterService::instance().printerNames().indexOf(name));
}

QString printerNameOf(const QString &row, const QString &schnittst)
{
    if (schnittst.trimmed() == QLatin1String("-1"))
        return NoPrinterText;
    const int index = resolvePrinterIndex(row, schnittst);
    return index < 0 ? FaultyPrinterText : platform::PrinterService::instance().printerName(index);
}

void adoptOldPrinterOrder()
{
    const QString path = printerNamesPath();
    if (path.isEmpty() || platform::IniFile(path).readBool(OrderSection, OrderKey, false))
        return;
    const QStringList today = platform::PrinterService::instance().printerNames();
    QStringList before = today;
    if (const qsizetype pdf = before.indexOf(platform::SystemPrinterSet::PdfPrinterName); pdf >= 0)
        before.move(pdf, before.size() - 1);

    platform::Table settings(platform::Alias::User, PrintSettingsTable);
    settings.open();
    QVector<std::pair<QString, int>> moved; // row, its printer's place today
    for (settings.first(); !settings.eof(); settings.next()) {
        const QString row = settings.fieldByName(QStringLiteral("name")).asString();
        const QString schnittst = settings.fieldByName(QStringLiteral("schnittst")).asString();
        if (noPrinterAssigned(schnittst) || !rememberedPrinter(row).isEmpty())
            continue;
        bool ok = false;
        const int place = schnittst.trimmed().toInt(&ok);
        // A place beyond the list named no printer then either: it still asks.
        if (ok && place >= 0 && place < before.size())
            moved.append({ row, int(today.indexOf(before.at(place))) });
    }
    platform::IniFile names(path);
    for (const auto &[row, index] : std::as_const(moved)) {
        if (!findPrintRow(settings, row))
            continue;
        if (settings.fieldByName(QStringLiteral("schnittst")).asString().trimmed() != QString::number(index)) {
            settings.edit();
            settings.fieldByName(QStringLiteral("schnittst")).setAsString(QString::number(index));
            settings.post();
        }
        if (!row.trimmed().isEmpty())
            names.writeString(PrinterSection, row.trimmed(), today.at(index));
    }
    names.writeBool(OrderSection, OrderKey, true);
    names.save();
    cachedFile().reset();
}

bool findPrintRow(platform::Table &settings, const QString &name)
{
    return settings.findKey({ name });
}

bool createPrintRow(platform::Table &settings, const QString &name, const QString &schnittst)
{
    if (findPrintRow(settings, name))
        return false;
    settings.append();
    settings.fieldByName(QStringLiteral("name")).setAsString(name);
    settings.fieldByName(QStringLiteral("schnittst")).setAsString(schnittst);
    settings.fieldByName(QStringLiteral("spalte")).setAsInteger(0);
    settings.fieldByName(QStringLiteral("zeile")).setAsInteger(0);
    settings.fieldByName(QStringLiteral("Anzahl_Kopien")).setAsInteger(1);
    settings.post();
    return true;
}

bool addMissingPrintRow(platform::Table &settings, const QString &name, const QString &schnittst)
{
    if (findPrintRow(settings, name))
        return false;
    platform::Table master(platform::Alias::Data, PrintSettingsTable);
    bool copied = false;
    try {
        master.open();
        copied = findPrintRow(master, name);
    } catch (const platform::DatabaseError &) {
        copied = false; // a data directory without a master copy
    }
    if (!copied)
        return createPrintRow(settings, name, schnittst);
    settings.append();
    for (const char *field : { "name", "schnittst", "spalte", "zeile", "Anzahl_Kopien" })
        settings.fieldByName(QLatin1String(field)).setValue(master.fieldByName(QLatin1String(field)).value());
    settings.post();
    return true;
}

bool createFieldCorrectionsRow(platform::Table &corrections, const QString &name)
{
    if (corrections.findKey({ name }))
        return false;
    corrections.append();
    corrections.fieldByName(QStringLiteral("Name")).setAsString(name);
    for (int box = 1; box <= FieldCorrections::BoxCount; ++box) {
        corrections.fieldByName(QStringLiteral("Feld%1x").arg(box)).setAsInteger(0);
        corrections.fieldByName(QStringLiteral("Feld%1y").arg(box)).setAsInteger(0);
    }
    corrections.post();
    return true;
}

void renamePrintRow(platform::Table &settings, const QString &oldName, const QString &newName)
{
    // Renaming onto an existing row would fail on the key; the newer row wins.
    if (findPrintRow(settings, newName) || !findPrintRow(settings, oldName))
        return;
    settings.edit();
    settings.fieldByName(QStringLiteral("name")).setAsString(newName);
    settings.post();
}

} // namespace shell
