#include "drawings/DrawingsListModel.h"

#include "app/AnsiText.h"

namespace stellaform {

void DrawingsListModel::setItems(std::vector<std::string> items)
{
    beginResetModel();
    m_items = std::move(items);
    endResetModel();
}

int DrawingsListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_items.size());
}

QVariant DrawingsListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return toQString(m_items[static_cast<std::size_t>(index.row())]);
}

} // namespace stellaform
