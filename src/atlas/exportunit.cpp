#include "atlas/exportunit.h"

#include "atlas/handovertree.h"
#include "atlas/handoverwriter.h"
#include "platform/clock.h"
#include "platform/dialogservice.h"
#include "platform/query.h"
#include "platform/session.h"
#include "shell/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

#include <stdexcept>

namespace atlas {

namespace {

const QString CustomerNumberKey = QStringLiteral("Atlas_KundenNr");

// Selected heads in ascending number.
SourceRows readHeads(platform::Session &session, const QList<int> &numbers)
{
    if (numbers.isEmpty())
        return {};
    QVariantList values;
    QStringList marks;
    for (int number : numbers) {
        values.append(number);
        marks.append(QStringLiteral("?"));
    }
    const QString condition = numbers.size() == 1
        ? QStringLiteral("BelegNr = ?")
        : QStringLiteral("BelegNr IN (%1)").arg(marks.join(QStringLiteral(", ")));
    return SourceRows::read(
        session, QStringLiteral("SELECT * FROM AtlasKopf WHERE %1 ORDER BY BelegNr").arg(condition), values);
}

void save(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw std::runtime_error(QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden:\r%2")
                                     .arg(QDir::toNativeSeparators(fileName), file.errorString())
                                     .toStdString());
    }
}

void exportFile(const HandOverLayout &layout, const QList<int> &numbers)
{
    const QString fileName = handOverFileName(layout.filePrefix);
    if (QFileInfo::exists(fileName)
        && platform::dialogs().confirmation(ExportTexts::Overwrite, platform::DialogButtons::YesNo,
               platform::DialogService::standardCaption(platform::DialogKind::Warning))
            == platform::DialogAnswer::No)
        return;

    platform::Session &session = platform::Session::current();
    const SourceRows heads = readHeads(session, numbers);
    if (heads.isEmpty()) {
        platform::dialogs().error(ExportTexts::NotFound);
        return;
    }
    HandOverWriter writer(layout, session);
    writer.setCustomerNumber(shell::IniReadValue(
        shell::ProgramDirectory() + shell::IniFileName, shell::IniSection, CustomerNumberKey, QString())
                                 .toString());
    QByteArray document;
    try {
        document = writer.document(heads);
    } catch (const HandOverError &error) {
        platform::dialogs().error(error.message());
        return;
    }
    save(fileName, document);
    platform::dialogs().information(ExportTexts::Exported);
}

} // namespace

QString DeclarationSelection::whereText() const
{
    if (numbers.isEmpty())
        return {};
    if (numbers.size() == 1)
        return QStringLiteral("BelegNr = %1").arg(numbers.constFirst());
    QStringList texts;
    for (int number : numbers)
        texts.append(QString::number(number));
    return QStringLiteral("BelegNr in (%1)").arg(texts.join(QStringLiteral(", ")));
}

QString handOverFolder()
{
    // The folder the ATLAS client reads, below the user's data folder (not
    // the program's own), as it lies below the application data on Windows.
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).trimmed();
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return base + QStringLiteral("ATLAS_Ausfuhr/importDir/");
}

QString handOverFileName(const QString &prefix)
{
    return handOverFolder() + prefix + platform::Clock::now().toString(QStringLiteral("yyyyMMdd_HHmmss"))
        + QStringLiteral(".xml");
}

void ExportDeclaration(int number)
{
    exportFile(declarationLayout(), { number });
}

void ExportDeclarations(const DeclarationSelection &selection)
{
    exportFile(severalDeclarationsLayout(), selection.numbers);
}

void ExportSupplementaryDeclaration(int number)
{
    exportFile(supplementaryLayout(), { number });
}

QVariant QueryValue(const QString &sql, const QVariantList &values, platform::Session *session)
{
    platform::Query query(platform::Alias::Data, sql);
    query.setSession(session ? session : &platform::Session::current());
    for (const QVariant &value : values)
        query.addBindValue(value);
    query.open();
    QVariant result;
    if (!query.isEmpty() && query.fieldCount() > 0)
        result = query.value(0);
    query.close();
    return result.isNull() ? QVariant(QString()) : result;
}

} // namespace atlas
