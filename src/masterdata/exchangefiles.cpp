#include "masterdata/exchangefiles.h"

#include "masterdata/dbasefile.h"
#include "masterdata/delimitedtext.h"
#include "masterdata/fixedtextfile.h"
#include "masterdata/paradoxfile.h"
#include "masterdata/tfrmdatenbank.h"
#include "platform/dialogservice.h"
#include "platform/fieldvalue.h"
#include "shell/settings.h"

#include <QDialog>
#include <QFileInfo>

namespace masterdata {

namespace {

const QString AllFiles = QStringLiteral("Alle Dateien (*)");

} // namespace

QString noFormatMessage()
{
    return QStringLiteral("Es wurde kein Datenbank-Format gewählt");
}

std::unique_ptr<TableReader> openTableFile(ExchangeFormat format, const QString &path, QChar delimiter, QChar separator)
{
    switch (format) {
    case ExchangeFormat::DBase:
        return DBaseFile::open(path);
    case ExchangeFormat::Paradox:
        return ParadoxFile::open(path);
    case ExchangeFormat::FixedText:
        return FixedTextFile::open(path);
    default:
        return std::make_unique<DelimitedTableReader>(path, delimiter, separator);
    }
}

TableContent readTableFile(ExchangeFormat format, const QString &path, QChar delimiter, QChar separator)
{
    switch (format) {
    case ExchangeFormat::DBase:
    case ExchangeFormat::Paradox:
    case ExchangeFormat::FixedText:
        return readAll(*openTableFile(format, path, delimiter, separator));
    default:
        return readDelimitedTable(path, delimiter, separator);
    }
}

void writeTableFile(
    ExchangeFormat format, const QString &path, const TableContent &content, QChar delimiter, QChar separator)
{
    switch (format) {
    case ExchangeFormat::DBase:
        DBaseFile::write(path, content);
        break;
    case ExchangeFormat::Paradox:
        ParadoxFile::write(path, content);
        // The format knows no code page for what Windows-1252 lacks.
        if (ExchangeEncoding::encodingFor(content) != ExchangeEncoding::Windows1252)
            platform::dialogs().warning(QStringLiteral("Einige Zeichen lassen sich in einer Paradox-Datei nicht "
                                                       "speichern und wurden durch \"?\" ersetzt."));
        break;
    case ExchangeFormat::FixedText:
        FixedTextFile::write(path, content);
        break;
    default:
        writeDelimitedFile(path, content, delimiter, separator);
        break;
    }
}

ExchangeFormat formatOfFile(const QString &path, ExchangeFormat chosen)
{
    const QString suffix = QFileInfo(path).suffix().toUpper();
    if (suffix == QLatin1String("DBF"))
        return ExchangeFormat::DBase;
    if (suffix == QLatin1String("DB"))
        return ExchangeFormat::Paradox;
    if (suffix == QLatin1String("TXT"))
        return ExchangeFormat::FixedText;
    if (suffix == QLatin1String("CSV"))
        return ExchangeFormat::Csv;
    return chosen;
}

QString ExchangeFileFilter::filterFor(ExchangeFormat format)
{
    QString own;
    switch (format) {
    case ExchangeFormat::DBase:
        own = QStringLiteral("DBase (*.DBF *.dbf)");
        break;
    case ExchangeFormat::Paradox:
        own = QStringLiteral("Paradox (*.DB *.db)");
        break;
    case ExchangeFormat::FixedText:
    case ExchangeFormat::DelimitedText:
        own = QStringLiteral("Text-Datei (*.TXT *.txt)");
        break;
    default:
        return m_filter.isEmpty() ? AllFiles : m_filter;
    }
    m_filter = own + QStringLiteral(";;") + AllFiles;
    return m_filter;
}

QString ExchangeFileFilter::extension(ExchangeFormat format)
{
    switch (format) {
    case ExchangeFormat::DBase:
        return QStringLiteral("DBF");
    case ExchangeFormat::Paradox:
        return QStringLiteral("DB");
    case ExchangeFormat::FixedText:
    case ExchangeFormat::DelimitedText:
        return QStringLiteral("TXT");
    default:
        return {};
    }
}

void loadExchangeFormat(TfrmDatenbank &chooser, const QString &iniKey)
{
    bool stored = false;
    const int format = shell::IniReadString(iniKey, QStringLiteral("-1")).trimmed().toInt(&stored);
    chooser.setFormat(stored ? format : -1);
    if (chooser.format() < 0 && chooser.exec() == QDialog::Accepted)
        storeExchangeFormat(chooser, iniKey);
}

void storeExchangeFormat(const TfrmDatenbank &chooser, const QString &iniKey)
{
    shell::IniWriteString(iniKey, QString::number(chooser.format()));
}

QString exchangedText(const platform::FieldDef &sourceField, const QVariant &value)
{
    return value.typeId() == QMetaType::QString ? value.toString() : platform::valueToText(sourceField.type, value);
}

QVariant exchangedValue(const platform::FieldDef &field, const QString &text)
{
    bool ok = false;
    QString error;
    const QVariant value = platform::textToValue(field, text, &ok, &error);
    if (!ok)
        throw ExchangeValueError { error };
    if (field.type == platform::FieldType::String && field.size > 0 && value.toString().size() > field.size)
        return value.toString().left(field.size);
    return value;
}

} // namespace masterdata
