#pragma once

#include "platform/dataset.h"
#include "platform/fieldtype.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <stdexcept>

namespace masterdata {

// The fields and rows of a table file read into memory or about to be
// written: a dBASE, Paradox or text table exchanged with other programs.
struct TableContent {
    QVector<platform::FieldDef> fields;
    QVector<QVector<QVariant>> rows;

    QStringList fieldNames() const;
};

// A table file that cannot be read or written. The message is German and
// ready to show.
class ExchangeFileError : public std::runtime_error
{
public:
    explicit ExchangeFileError(const QString &message);
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// A table file's content as a read-only dataset, for a grid.
class ExchangeTable : public platform::DataSet
{
    Q_OBJECT
public:
    explicit ExchangeTable(QObject *parent = nullptr);

    // Shows the content (the dataset is opened on it).
    void setContent(const TableContent &content);
    const TableContent &content() const { return m_content; }

    bool canModify() const override { return false; }

protected:
    void openCursor() override;
    void closeCursor() override { }
    int rowCount() override { return int(m_content.rows.size()); }
    qint64 rowIdAt(int position) override { return position; }
    int positionOf(qint64 rowId) override;
    QVector<QVariant> fetchRow(int position) override { return m_content.rows.value(position); }
    QVector<QVariant> rereadRow(qint64 rowId, bool *found) override;

private:
    TableContent m_content;
};

// Text of exchanged files: Windows-1252 unless the file says otherwise.
namespace ExchangeEncoding {
inline const QByteArray Windows1252 = QByteArrayLiteral("windows-1252");
inline const QByteArray Utf8 = QByteArrayLiteral("UTF-8");

QString decode(const QByteArray &bytes, const QByteArray &encoding);
QByteArray encode(const QString &text, const QByteArray &encoding);
// Whether Windows-1252 holds every character of the text.
bool fitsWindows1252(const QString &text);
// Windows-1252 where it holds every text value of the content, else UTF-8.
QByteArray encodingFor(const TableContent &content);
} // namespace ExchangeEncoding

} // namespace masterdata
