#pragma once

#include <QAbstractListModel>

#include <string>
#include <vector>

namespace stellaform {

// The items of the drawings list, kept as program text and converted only
// for the rows on screen, so that a long history loads in an instant.
class DrawingsListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void setItems(std::vector<std::string> items);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<std::string> m_items;
};

} // namespace stellaform
