// A DLL planted beside the program, as a web page drops one into a downloads folder, is never
// loaded: not while the program starts, nor by its file dialog or its assistance window.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "support/temp_dir.h"
#include "win32/dll_search.h"
#include "win32/win32_driver.h"

using namespace ravelo;
using namespace ravelo::testing;

namespace {

constexpr const wchar_t *kProbed[] = {L"uxtheme.dll", L"msimg32.dll"};
constexpr const wchar_t *kPrograms[] = {L"ravelo.exe", L"ravelo_on_old_windows.exe",
                                        L"ravelo_dll_probe.exe"};

// Every DLL that the program and its dialogs load by name.
std::vector<std::wstring> planted() {
    std::vector<std::wstring> names;
    for (const wchar_t *const *name = preloadedDlls(); *name != nullptr; ++name) {
        names.emplace_back(*name);
    }
    return names;
}

std::filesystem::path besideThisProgram(const wchar_t *name) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return std::filesystem::path(self).parent_path() / name;
}

// Wine told to prefer a DLL found on the search path to its own for a program of that name,
// as Windows does with every DLL that is not one of its known ones.
std::wstring overridesKey(const std::wstring &program) {
    return L"Software\\Wine\\AppDefaults\\" + program + L"\\DllOverrides";
}

void preferPlanted(const std::wstring &program, const std::vector<std::wstring> &names) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, overridesKey(program).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                    nullptr, &key, nullptr);
    for (std::wstring name : names) {
        // Wine names a DLL without ".dll", any other module with its ending.
        if (name.size() > 4 && name.compare(name.size() - 4, 4, L".dll") == 0) {
            name.resize(name.size() - 4);
        }
        const wchar_t order[] = L"native,builtin";
        RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(order),
                       sizeof order);
    }
    RegCloseKey(key);
}

void forget(const std::wstring &program) {
    RegDeleteKeyW(HKEY_CURRENT_USER, overridesKey(program).c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, (L"Software\\Wine\\AppDefaults\\" + program).c_str());
}

// A program the test started, ended with the test whatever the test saw of it: a program that
// crashed or hung is never left behind for the next test.
struct EndProcess {
    void operator()(HANDLE process) const {
        if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process, 1);
        }
        CloseHandle(process);
    }
};
using Process = std::unique_ptr<std::remove_pointer_t<HANDLE>, EndProcess>;

Process start(const std::filesystem::path &program) {
    std::wstring command = L"\"" + program.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        program.parent_path().c_str(), &startup, &process)) {
        return nullptr;
    }
    CloseHandle(process.hThread);
    return Process{process.hProcess};
}

// The top-level window of the process with the title, or null.
HWND windowOf(DWORD processId, const std::wstring &title) {
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, nullptr, title.c_str())) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == processId && IsWindowVisible(found)) {
            return found;
        }
    }
    return nullptr;
}

HWND waitForWindow(DWORD processId, const std::wstring &title) {
    HWND window = nullptr;
    waitFor([&] { return (window = windowOf(processId, title)) != nullptr; }, 20000);
    return window;
}

struct PlantedDlls : ::testing::Test {
    TempDir dir;
    std::filesystem::path folder{dir.file("Downloads")};

    void SetUp() override {
        std::filesystem::create_directories(folder);
        // One marker DLL under every name: it leaves a file named after the name it has.
        for (const std::wstring &name : planted()) {
            std::filesystem::copy_file(besideThisProgram(L"marker.dll"), folder / name);
        }
    }
    void TearDown() override {
        for (const wchar_t *program : kPrograms) {
            forget(program);
        }
    }
    // The program beside the planted DLLs, with Wine told to prefer those of `names`.
    std::filesystem::path place(const std::filesystem::path &program,
                                const std::vector<std::wstring> &names = planted()) {
        preferPlanted(program.filename().wstring(), names);
        std::filesystem::copy_file(program, folder / program.filename());
        return folder / program.filename();
    }
    // The planted DLLs that were loaded, by name.
    std::wstring markersLeft() {
        std::wstring loaded;
        for (const std::wstring &name : planted()) {
            if (std::filesystem::remove(folder / (name + L".loaded"))) {
                loaded += name + L" ";
            }
        }
        return loaded;
    }
};

}  // namespace

TEST_F(PlantedDlls, ALoadByNameFindsThemBesideTheProgram) {
    const Process probe = start(place(besideThisProgram(L"ravelo_dll_probe.exe"),
                                      {std::begin(kProbed), std::end(kProbed)}));
    ASSERT_NE(probe, nullptr);
    WaitForSingleObject(probe.get(), 20000);
    EXPECT_EQ(markersLeft(), L"uxtheme.dll msimg32.dll ")
        << "the planted DLLs are not found: the checks below prove nothing";
}

// With SetDefaultDllDirectories, and as on a Windows without it.
class PlantedDllsEitherWay : public PlantedDlls,
                             public ::testing::WithParamInterface<const char *> {};

INSTANTIATE_TEST_SUITE_P(Programs, PlantedDllsEitherWay,
                         ::testing::Values(RAVELO_PROGRAM, RAVELO_PROGRAM_ON_OLD_WINDOWS));

TEST_P(PlantedDllsEitherWay, TheProgramNeverLoadsThem) {
    const std::filesystem::path program = place(GetParam());
    const Process process = start(program);
    ASSERT_NE(process, nullptr);
    const DWORD id = GetProcessId(process.get());
    HWND main = waitForWindow(id, L"Ravelo");
    ASSERT_NE(main, nullptr) << "no window; loaded from the program's folder: " << markersLeft();

    // The file dialog, opened with Alt+B and closed with Esc; then F1.
    SetForegroundWindow(main);
    settle(200);
    pressKey('B', {VK_MENU});
    HWND dialog = waitForWindow(id, L"Choose your NK2 file.");
    EXPECT_NE(dialog, nullptr);
    settle(500);
    pressKey(VK_ESCAPE);
    waitFor([&] { return windowOf(id, L"Choose your NK2 file.") == nullptr; });
    SetForegroundWindow(main);
    settle(200);
    pressKey(VK_F1);
    EXPECT_NE(waitForWindow(id, L"Help and Tips"), nullptr);

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.get(), 20000), WAIT_OBJECT_0);
    EXPECT_EQ(markersLeft(), L"") << "loaded from the program's folder";
}

// Where Windows cannot narrow the search, the DLLs come from the system folder first.
TEST(DllSearch, PreloadedDllsComeFromTheSystemFolder) {
    preloadSystemDlls();
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    for (const wchar_t *name : kProbed) {
        HMODULE loaded = GetModuleHandleW(name);
        ASSERT_NE(loaded, nullptr);
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(loaded, path, MAX_PATH);
        EXPECT_EQ(std::filesystem::path(path).parent_path(), std::filesystem::path(system));
    }
}

// The stack guard comes from the system's random source, loaded once the search is narrowed,
// and differs from start to start across its whole width, its high bits included.
TEST(StackGuard, EachStartHasItsOwnFromTheSystemsRandomSource) {
    TempDir dir;
    std::vector<unsigned long long> guards;
    for (int start = 0; start < 3; ++start) {
        const std::filesystem::path said = dir.file("guard-" + std::to_string(start) + ".txt");
        std::wstring command = L"\"" + besideThisProgram(L"ravelo_guard_probe.exe").wstring() +
                               L"\" \"" + said.wstring() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process));
        const Process ended{process.hProcess};
        CloseHandle(process.hThread);
        ASSERT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
        char from[16] = {};
        unsigned long long guard = 0;
        FILE *in = _wfopen(said.c_str(), L"r");
        ASSERT_NE(in, nullptr);
        const int read = std::fscanf(in, "%15s %llx", from, &guard);
        std::fclose(in);
        ASSERT_EQ(read, 2);
        EXPECT_STREQ(from, "random");
        EXPECT_EQ(guard & 0xff, 0u);  // the zero byte that stops a string copy
        guards.push_back(guard);
    }
    // Three starts whose high halves are all alike would be a fluke of 1 in 2^32 (2^16 for a
    // 32-bit program); a time-and-process seed has them alike every time.
    const unsigned highHalf = sizeof(std::uintptr_t) * 4;
    EXPECT_FALSE(guards[0] >> highHalf == guards[1] >> highHalf &&
                 guards[1] >> highHalf == guards[2] >> highHalf);
    EXPECT_NE(guards[0], guards[1]);
    EXPECT_NE(guards[1], guards[2]);
}
