#pragma once

#include "app/LineList.h"

#include <QAbstractListModel>

namespace stellaform {

// The drawings list: one item per line of the drawings file. Item texts are
// made only for the rows on screen, so a long history loads in an instant.
class DrawingsListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void setLines(Lines lines);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

private:
    Lines m_lines;
};

} // namespace stellaform
