#pragma once

#include <windows.h>

#include "addresses/address_list.h"
#include "files/file_path.h"
#include "platform/controls.h"

#include <string>

// The controls of platform/controls.h on the standard controls of Windows. Each adapter only
// borrows its control, which its window owns.
namespace ravelo {

class FormWindow;

class Win32Label final : public Label {
public:
    Win32Label(FormWindow &form, HWND label) : form_(form), label_(label) {}
    void setCaption(const std::string &text) override;
    void setCaption(const std::string &text, const FilePath &path) override;
    void setBackColor(Rgb color) override;

private:
    FormWindow &form_;
    HWND label_;
};

class Win32TextBox final : public TextBox {
public:
    explicit Win32TextBox(HWND edit) : edit_(edit) {}
    std::string text() const override;
    void setText(const std::string &text) override;
    FilePath path() const override;
    void setPath(const FilePath &path) override;
    void setFocus() override { SetFocus(edit_); }
    void redraw() override { InvalidateRect(edit_, nullptr, TRUE); }

private:
    HWND edit_;
};

class Win32Button final : public Button {
public:
    explicit Win32Button(HWND button) : button_(button) {}
    bool isEnabled() const override { return IsWindowEnabled(button_) != FALSE; }
    void setEnabled(bool enabled) override { EnableWindow(button_, enabled ? TRUE : FALSE); }

private:
    HWND button_;
};

// The list box that shows the address list, row for row: it follows every change of the list.
class Win32ListBox final : public ListBox, private AddressList::Observer {
public:
    Win32ListBox(HWND listBox, AddressList &list);
    ~Win32ListBox() override;
    void setFocus() override { SetFocus(listBox_); }
    void redraw() override { InvalidateRect(listBox_, nullptr, TRUE); }

private:
    void beginAppend(int row) override { appending_ = row; }
    void endAppend() override;
    void beginRemove(int row) override { removing_ = row; }
    void endRemove() override;
    void beginClear() override {}
    void endClear() override;

    HWND listBox_;
    AddressList &list_;
    int appending_ = -1;
    int removing_ = -1;
};

class Win32Window final : public Window {
public:
    explicit Win32Window(HWND window) : window_(window) {}
    void setEnabled(bool enabled) override { EnableWindow(window_, enabled ? TRUE : FALSE); }
    void setVisible(bool visible) override;

private:
    HWND window_;
};

}  // namespace ravelo
