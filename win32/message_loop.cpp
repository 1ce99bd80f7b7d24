#include "win32/message_loop.h"

#include <windows.h>

#include <chrono>

#include "win32/form_window.h"

namespace ravelo {
namespace {

void dispatch(MSG &message) {
    if (!FormWindow::preTranslate(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

bool handlePendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop to see
            return false;
        }
        dispatch(message);
    }
    return true;
}

int runMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        dispatch(message);
    }
    return static_cast<int>(message.wParam);
}

bool handleMessages(std::chrono::milliseconds wait) {
    if (wait.count() > 0) {
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(wait.count()), QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
    }
    return handlePendingMessages();
}

}  // namespace ravelo
