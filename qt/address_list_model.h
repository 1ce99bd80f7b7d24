#pragma once

#include <QAbstractListModel>

#include "addresses/address_list.h"

namespace ravelo {

// Shows the address list in a list view, one row per entry, following every change.
class AddressListModel final : public QAbstractListModel, private AddressList::Observer {
    Q_OBJECT

public:
    explicit AddressListModel(AddressList &list, QObject *parent = nullptr);
    ~AddressListModel() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    void beginAppend(int row) override { beginInsertRows({}, row, row); }
    void endAppend() override { endInsertRows(); }
    void beginRemove(int row) override { beginRemoveRows({}, row, row); }
    void endRemove() override { endRemoveRows(); }
    void beginClear() override { beginResetModel(); }
    void endClear() override { endResetModel(); }

    AddressList &list_;
};

}  // namespace ravelo
