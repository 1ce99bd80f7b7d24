#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "win32/message_loop.h"

// Drives the real windows as a person does: the mouse and the keyboard through SendInput, the
// program's message loop running meanwhile, and the modal dialogs found and answered from
// inside their own loops.
namespace ravelo::testing {

// Lets the program handle its messages for a while.
inline void settle(DWORD milliseconds = 100) {
    const DWORD start = GetTickCount();
    do {
        handlePendingMessages();
        MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    } while (GetTickCount() - start < milliseconds);
    handlePendingMessages();
}

// Handles messages until `done` holds; false when it does not within the time.
template <class Done>
bool waitFor(Done done, DWORD milliseconds = 10000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) {
            return false;
        }
        handlePendingMessages();
        MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    return true;
}

inline void send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

inline INPUT keyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// A key with the modifiers held (VK_CONTROL, VK_MENU, VK_SHIFT), sent to the focused control.
inline void pressKey(WORD key, std::initializer_list<WORD> modifiers = {}) {
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers) {
        inputs.push_back(keyInput(modifier, false));
    }
    inputs.push_back(keyInput(key, false));
    inputs.push_back(keyInput(key, true));
    for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier) {
        inputs.push_back(keyInput(*modifier, true));
    }
    send(inputs);
}

// Characters typed as a keyboard or an input method types them.
inline void typeText(std::wstring_view text) {
    std::vector<INPUT> inputs;
    for (wchar_t character : text) {
        for (bool up : {false, true}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = character;
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(input);
        }
    }
    send(inputs);
}

// A click of the left button at a point of a window's client area, its centre by default.
inline void clickAt(HWND window, POINT at) {
    ClientToScreen(window, &at);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = MulDiv(at.x, 65535, width - 1);
    move.mi.dy = MulDiv(at.y, 65535, height - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT down{};
    down.type = INPUT_MOUSE;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    INPUT up = down;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    send({move, down, up});
}

inline void click(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    clickAt(window, POINT{client.right / 2, client.bottom / 2});
}

inline std::string textOf(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The visible dialog box of this thread with the title, or null.
inline HWND findDialog(const std::string &title) {
    struct Search {
        std::string title;
        HWND found = nullptr;
    } search{title};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) CALLBACK -> BOOL {
            auto &s = *reinterpret_cast<Search *>(data);
            char name[16] = {};
            GetClassNameA(window, name, sizeof name);
            if (std::string_view(name) == "#32770" && IsWindowVisible(window) &&
                textOf(window) == s.title) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Answers the dialog box titled `title` once it shows, from inside the modal loop that shows
// it: `answer` finds its controls and gives it input.
class DialogAnswer {
public:
    DialogAnswer(std::string title, std::function<void(HWND)> answer)
        : title_(std::move(title)), answer_(std::move(answer)) {
        current() = this;
        timer_ = SetTimer(nullptr, 0, 50, tick);
    }
    ~DialogAnswer() {
        KillTimer(nullptr, timer_);
        current() = nullptr;
    }
    DialogAnswer(const DialogAnswer &) = delete;
    DialogAnswer &operator=(const DialogAnswer &) = delete;

    bool answered() const { return answered_; }
    HWND box() const { return box_; }

private:
    static DialogAnswer *&current() {
        static DialogAnswer *answer = nullptr;
        return answer;
    }
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        DialogAnswer *self = current();
        if (self == nullptr || self->answered_) {
            return;
        }
        if (HWND box = findDialog(self->title_)) {
            self->answered_ = true;
            self->box_ = box;
            self->answer_(box);
        }
    }

    std::string title_;
    std::function<void(HWND)> answer_;
    UINT_PTR timer_ = 0;
    bool answered_ = false;
    HWND box_ = nullptr;
};

}  // namespace ravelo::testing
