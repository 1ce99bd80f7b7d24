#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ravelo {

// The program's one store of e-mail addresses, in the order they were added. Duplicates and
// empty entries are kept. The list box of the main window shows it row for row.
class AddressList {
public:
    // Counts and positions are 16-bit numbers where the list meets its window.
    static constexpr int kMaxCount = 32767;

    // Told before and after every change, so that a view can follow the rows.
    class Observer {
    public:
        virtual ~Observer() = default;
        virtual void beginAppend(int row) = 0;
        virtual void endAppend() = 0;
        virtual void beginRemove(int row) = 0;
        virtual void endRemove() = 0;
        virtual void beginClear() = 0;
        virtual void endClear() = 0;
    };

    void setObserver(Observer *observer) { observer_ = observer; }

    // Adds the text up to its first NUL as the new last entry. Returns false, adding nothing,
    // when the list is full.
    bool Append(std::string_view text);
    int Count() const { return static_cast<int>(entries_.size()); }
    const std::string &ItemAt(int index) const {
        return entries_.at(static_cast<std::size_t>(index));
    }
    int SelectedIndex() const { return selected_; }
    std::string SelectedText() const;
    void RemoveAt(int index);
    void RemoveAll();

    // The user's selection: a position, or -1 for none.
    void Select(int index);

private:
    std::vector<std::string> entries_;
    int selected_ = -1;
    Observer *observer_ = nullptr;
};

}  // namespace ravelo
