// GoogleTest builds its Notification on std::mutex, which the "-win32" MinGW runtime of GCC 12
// lacks (it is used only by GoogleTest's own thread tests); this one waits on a Win32 event.
// Included before everything else in the Windows test build where std::mutex is missing.
#pragma once

#include <windows.h>

namespace testing::internal {

class Notification {
public:
    Notification() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(event_); }
    Notification(const Notification &) = delete;
    Notification &operator=(const Notification &) = delete;

    void Notify() { SetEvent(event_); }
    void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

private:
    HANDLE event_;
};

}  // namespace testing::internal

#define GTEST_HAS_NOTIFICATION_ 1
