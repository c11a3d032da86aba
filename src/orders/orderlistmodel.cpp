#include "orders/orderlistmodel.h"

#include "platform/fieldtype.h"
#include "platform/localformat.h"

namespace orders {

QString formatWithPattern(double value, const QString &pattern)
{
    const int point = pattern.indexOf(QLatin1Char('.'));
    const QString decimals = point >= 0 ? pattern.mid(point + 1) : QString();
    const int required = decimals.count(QLatin1Char('0'));
    const int optional = decimals.count(QLatin1Char('#'));
    QLocale locale = platform::workstationLocale();
    locale.setNumberOptions(
        pattern.contains(QLatin1Char(',')) ? QLocale::NumberOptions() : QLocale::OmitGroupSeparator);
    QString text = locale.toString(value, 'f', required + optional);
    if (optional > 0) {
        const QString separator = locale.decimalPoint();
        int dropped = 0;
        while (dropped < optional && text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
            ++dropped;
        }
        if (required == 0 && text.endsWith(separator))
            text.chop(separator.size());
    }
    return text;
}

OrderListModel::OrderListModel(platform::DataSet *dataSet, const QVector<platform::DataSetColumn> &columns,
    const QVector<ColumnLook> &looks, QObject *parent)
    : DataSetModel(dataSet, columns, parent)
    , m_looks(looks)
{
}

QVariant OrderListModel::data(const QModelIndex &index, int role) const
{
    const ColumnLook look = m_looks.value(index.column());
    if (role == Qt::TextAlignmentRole && look.alignment != Qt::Alignment())
        return QVariant(look.alignment | Qt::AlignVCenter);
    const QVariant shown = DataSetModel::data(index, role);
    if (role != Qt::DisplayRole || look.format.isEmpty() || shown.toString().isEmpty())
        return shown;
    bool ok = false;
    const double value = platform::parseNumber(shown.toString(), &ok);
    return ok ? QVariant(formatWithPattern(value, look.format)) : shown;
}

QVariant OrderListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole) {
        const ColumnLook look = m_looks.value(section);
        if (look.alignment != Qt::Alignment())
            return QVariant(look.alignment | Qt::AlignVCenter);
    }
    return DataSetModel::headerData(section, orientation, role);
}

} // namespace orders
