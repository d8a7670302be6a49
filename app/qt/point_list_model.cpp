#include "app/qt/point_list_model.h"

namespace app {

PointListModel::PointListModel(const points::PointList& points, QObject* parent)
    : QAbstractListModel(parent), points_(points) {}

int PointListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : points_.count();
}

QVariant PointListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= points_.count() || role != Qt::DisplayRole) return {};
    return QString::fromStdString(points_.lineAt(static_cast<std::int16_t>(index.row())));
}

void PointListModel::refresh() {
    beginResetModel();
    endResetModel();
}

}  // namespace app
