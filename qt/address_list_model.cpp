#include "qt/address_list_model.h"

#include <QModelIndex>
#include <QVariant>

#include "qt/text_codec.h"

namespace ravelo {

AddressListModel::AddressListModel(AddressList &list, QObject *parent)
    : QAbstractListModel(parent), list_(list) {
    list_.setObserver(this);
}

AddressListModel::~AddressListModel() {
    list_.setObserver(nullptr);
}

int AddressListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : list_.Count();
}

QVariant AddressListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= list_.Count() || role != Qt::DisplayRole) {
        return {};
    }
    return toQString(list_.ItemAt(index.row()));
}

}  // namespace ravelo
