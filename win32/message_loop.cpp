#include "win32/message_loop.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

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

void MessageLoopPauser::Pause(float seconds) {
    if (!(seconds > 0.0f)) {
        return;
    }
    const auto start = static_cast<float>(clock_.seconds());
    if (!handlePendingMessages()) {
        return;
    }
    while (!waitOver(start, clock_.seconds(), seconds)) {
        const double left = static_cast<double>(seconds) - (clock_.seconds() - start);
        const auto milliseconds = static_cast<DWORD>(std::ceil(std::max(left, 0.0) * 1000.0));
        MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (!handlePendingMessages()) {
            return;
        }
    }
}

}  // namespace ravelo
