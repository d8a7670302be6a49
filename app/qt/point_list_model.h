#pragma once

#include <QAbstractListModel>

#include "points/point_list.h"

namespace app {

// Shows the window's point list in List1. The logic fills the list directly, so the window calls
// refresh() after every press.
class PointListModel : public QAbstractListModel {
    Q_OBJECT

  public:
    explicit PointListModel(const points::PointList& points, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    void refresh();

  private:
    const points::PointList& points_;
};

}  // namespace app
