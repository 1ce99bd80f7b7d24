#include "win32/controls_win32.h"

#include "win32/form_window.h"
#include "win32/text_win32.h"

#include <string>

namespace ravelo {

void Win32Label::setCaption(const std::string &text) {
    SetWindowTextW(label_, toWide(text).c_str());
    InvalidateRect(label_, nullptr, TRUE);
}

void Win32Label::setCaption(const std::string &text, const FilePath &path) {
    SetWindowTextW(label_, (toWide(text) + path).c_str());
    InvalidateRect(label_, nullptr, TRUE);
}

void Win32Label::setBackColor(Rgb color) {
    form_.setBackColor(label_, color);
}

std::string Win32TextBox::text() const {
    return fromWide(windowText(edit_));
}

void Win32TextBox::setText(const std::string &text) {
    SetWindowTextW(edit_, toWide(text).c_str());
}

FilePath Win32TextBox::path() const {
    return windowText(edit_);
}

void Win32TextBox::setPath(const FilePath &path) {
    SetWindowTextW(edit_, path.c_str());
}

Win32ListBox::Win32ListBox(HWND listBox, AddressList &list) : listBox_(listBox), list_(list) {
    list_.setObserver(this);
}

Win32ListBox::~Win32ListBox() {
    list_.setObserver(nullptr);
}

void Win32ListBox::endAppend() {
    SendMessageW(listBox_, LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(toWide(list_.ItemAt(appending_)).c_str()));
}

void Win32ListBox::endRemove() {
    SendMessageW(listBox_, LB_DELETESTRING, static_cast<WPARAM>(removing_), 0);
    // A row taken out by the program leaves no entry selected, as the list itself has none.
    if (list_.SelectedIndex() < 0) {
        SendMessageW(listBox_, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
}

void Win32ListBox::endClear() {
    SendMessageW(listBox_, LB_RESETCONTENT, 0, 0);
}

void Win32Window::setVisible(bool visible) {
    if (visible) {
        ShowWindow(window_, SW_SHOW);
        SetForegroundWindow(window_);
    } else {
        ShowWindow(window_, SW_HIDE);
    }
}

}  // namespace ravelo
