// The installer as a user runs it: into a folder of the test's own (with a
// space and an accent in its name), then the uninstaller it left there. The
// registrations are read as any other program sees them.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "driver/Driver.h"
#include "tests/win32/RegistryScratch.h"

namespace rytmalo::install {

inline const std::wstring kAppPath =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\RYTMALO95.EXE";
inline const std::wstring kUninstallEntry =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Rytmalo95";
inline const std::wstring kCompanyKey = L"SOFTWARE\\Vortan Music";
inline const std::wstring kSettingsKey = kCompanyKey + L"\\Rytmalo95\\v2.0";

// Exit codes of the installer and the uninstaller.
inline constexpr DWORD kDone = 0;
inline constexpr DWORD kFailed = 2;
inline constexpr DWORD kProgramRunning = 3;

using rytmalo::testing::DeleteTree;
using rytmalo::testing::KeyExists;

// A REG_SZ value (the key's default value for an empty name).
std::optional<std::wstring> ReadText(HKEY root, const std::wstring& path,
                                     const std::wstring& name = {});
inline bool HasValue(HKEY root, const std::wstring& path, const std::wstring& name) {
    return rytmalo::testing::ReadRaw(root, path, name).has_value();
}
void WriteDword(HKEY root, const std::wstring& path, const std::wstring& name, DWORD value);

bool FileExists(const std::wstring& path);
// The file's bytes; empty when it cannot be read.
std::string Contents(const std::wstring& path);
bool SameContents(const std::wstring& a, const std::wstring& b);
// The same file, whatever the case or short form of either path.
bool SamePath(const std::wstring& a, const std::wstring& b);
// The program a shell shortcut starts; empty when it cannot be read.
std::wstring ShortcutTarget(const std::wstring& link);

// A process found rather than started; ended when the object goes, if it
// still runs.
class FoundProcess {
public:
    FoundProcess(HANDLE handle, DWORD id) : handle_(handle), id_(id) {}
    FoundProcess(FoundProcess&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr)), id_(other.id_) {}
    FoundProcess& operator=(FoundProcess&&) = delete;
    FoundProcess(const FoundProcess&) = delete;
    FoundProcess& operator=(const FoundProcess&) = delete;
    ~FoundProcess();

    DWORD Id() const { return id_; }
    bool WaitForExit(DWORD timeoutMs) const;
    DWORD ExitCode() const;

private:
    HANDLE handle_;
    DWORD id_;
};

// The processes that the given process started.
std::vector<FoundProcess> ChildProcesses(DWORD parentId);

// A file held open for reading, as a viewer might, without letting it be
// written or deleted; let go when the object goes.
class HeldFile {
public:
    explicit HeldFile(const std::wstring& path)
        : handle_(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr)) {}
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    ~HeldFile() {
        if (Held()) CloseHandle(handle_);
    }
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

class InstallTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    const std::wstring& Folder() const { return folder_; }
    std::wstring InstalledProgram() const { return folder_ + L"\\Rytmalo95.exe"; }
    std::wstring Uninstaller() const { return folder_ + L"\\Desinstaller.exe"; }
    static std::wstring Installer();
    static std::wstring StartMenuShortcut();

    // Runs the installer with the arguments; its exit code.
    static DWORD RunInstaller(const std::wstring& arguments);
    DWORD InstallSilently() { return RunInstaller(L"/S /D=" + folder_); }
    // Runs the uninstaller of the installation in the folder silently with
    // the arguments, in place as the list of installed programs runs it,
    // and waits until it has removed its own file too; its exit code.
    static DWORD UninstallSilentlyFrom(const std::wstring& folder,
                                       const std::wstring& arguments = {});
    DWORD UninstallSilently(const std::wstring& arguments = {}) {
        return UninstallSilentlyFrom(folder_, arguments);
    }
    // Starts the command line registered under that name in the list of
    // installed programs, as the list does.
    static driver::Process StartRegistered(const std::wstring& name);
    // Waits for the copy an uninstaller that ran in place leaves to remove
    // its file and folder.
    static void WaitForRemoval(DWORD uninstallerId);

    // Starts a program, waits for its main window and ends it with its Quit
    // button (which saves the window's place); false when any step failed.
    static bool RunAndQuit(const std::wstring& program);

private:
    std::wstring folder_;
};

}  // namespace rytmalo::install
