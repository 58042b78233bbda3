#include "drawings/DrawingsListModel.h"

#include "app/AnsiText.h"
#include "drawings/DrawingsList.h"

namespace stellaform {

void DrawingsListModel::setLines(Lines lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

int DrawingsListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

QVariant DrawingsListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return toQString(drawingsListItem(m_lines[static_cast<std::size_t>(index.row())]));
}

} // namespace stellaform
