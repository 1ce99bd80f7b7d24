#include "addresses/address_list.h"

#include <stdexcept>

namespace ravelo {

bool AddressList::Append(std::string_view text) {
    if (Count() >= kMaxCount) {
        return false;
    }
    const int row = Count();
    if (observer_ != nullptr) {
        observer_->beginAppend(row);
    }
    entries_.emplace_back(text.substr(0, text.find('\0')));
    if (observer_ != nullptr) {
        observer_->endAppend();
    }
    return true;
}

std::string AddressList::SelectedText() const {
    return selected_ < 0 ? std::string() : entries_[static_cast<std::size_t>(selected_)];
}

void AddressList::RemoveAt(int index) {
    if (index < 0 || index >= Count()) {
        throw std::out_of_range("AddressList::RemoveAt");
    }
    if (observer_ != nullptr) {
        observer_->beginRemove(index);
    }
    entries_.erase(entries_.begin() + index);
    if (selected_ == index) {
        selected_ = -1;
    } else if (selected_ > index) {
        --selected_;  // the selected entry moved up with the others
    }
    if (observer_ != nullptr) {
        observer_->endRemove();
    }
}

void AddressList::RemoveAll() {
    if (observer_ != nullptr) {
        observer_->beginClear();
    }
    entries_.clear();
    selected_ = -1;
    if (observer_ != nullptr) {
        observer_->endClear();
    }
}

void AddressList::Select(int index) {
    selected_ = index >= 0 && index < Count() ? index : -1;
}

}  // namespace ravelo
