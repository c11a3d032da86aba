#include "masterdata/tablecontent.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace masterdata {

QStringList TableContent::fieldNames() const
{
    QStringList names;
    for (const platform::FieldDef &field : fields)
        names.append(field.name);
    return names;
}

ExchangeFileError::ExchangeFileError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

ExchangeTable::ExchangeTable(QObject *parent)
    : platform::DataSet(parent)
{
}

void ExchangeTable::setContent(const TableContent &content)
{
    close();
    m_content = content;
    open();
}

void ExchangeTable::openCursor()
{
    setFields(m_content.fields);
}

int ExchangeTable::positionOf(qint64 rowId)
{
    return rowId >= 0 && rowId < m_content.rows.size() ? int(rowId) : -1;
}

QVector<QVariant> ExchangeTable::rereadRow(qint64 rowId, bool *found)
{
    *found = rowId >= 0 && rowId < m_content.rows.size();
    return m_content.rows.value(rowId);
}

namespace ExchangeEncoding {

QString decode(const QByteArray &bytes, const QByteArray &encoding)
{
    QStringDecoder decoder(encoding.constData());
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray encode(const QString &text, const QByteArray &encoding)
{
    QStringEncoder encoder(encoding.constData());
    if (!encoder.isValid())
        return text.toLatin1();
    if (encoding != Windows1252 || fitsWindows1252(text))
        return encoder.encode(text);
    // What the code page lacks becomes "?", not the converter's control
    // character.
    QString fitting;
    fitting.reserve(text.size());
    for (QChar c : text)
        fitting.append(fitsWindows1252(QString(c)) ? c : QChar(u'?'));
    return encoder.encode(fitting);
}

bool fitsWindows1252(const QString &text)
{
    // Windows-1252 agrees with Latin-1 outside 0x80 to 0x9F.
    const bool latin = std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return u < 0x80 || (u >= 0xA0 && u <= 0xFF);
    });
    if (latin)
        return true;
    QStringEncoder encoder(Windows1252.constData(), QStringEncoder::Flag::Stateless);
    if (!encoder.isValid())
        return false;
    // Converting back must give the same text: anything Windows-1252 lacks
    // comes back as a substitute.
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError() && decode(bytes, Windows1252) == text;
}

QByteArray encodingFor(const TableContent &content)
{
    for (const QVector<QVariant> &row : content.rows) {
        for (int i = 0; i < row.size() && i < content.fields.size(); ++i) {
            if (platform::isTextType(content.fields.at(i).type) && !fitsWindows1252(row.at(i).toString()))
                return Utf8;
        }
    }
    return Windows1252;
}

} // namespace ExchangeEncoding

} // namespace masterdata
