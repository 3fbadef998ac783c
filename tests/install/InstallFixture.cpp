#include "InstallFixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <shlobj.h>
#include <shobjidl.h>
#include <tlhelp32.h>

#include "app/MainFormLayout.h"

namespace rytmalo::install {

std::optional<std::wstring> ReadText(HKEY root, const std::wstring& path,
                                     const std::wstring& name) {
    wchar_t data[2048] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    if (RegGetValueW(root, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(data);
}

void WriteDword(HKEY root, const std::wstring& path, const std::wstring& name, DWORD value) {
    ASSERT_EQ(RegSetKeyValueW(root, path.c_str(), name.c_str(), REG_DWORD, &value, sizeof value),
              ERROR_SUCCESS);
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Contents(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

bool SameContents(const std::wstring& a, const std::wstring& b) {
    return FileExists(a) && FileExists(b) && Contents(a) == Contents(b);
}

namespace {

std::wstring LongPath(const std::wstring& path) {
    wchar_t full[MAX_PATH * 2];
    const DWORD n = GetLongPathNameW(path.c_str(), full, MAX_PATH * 2);
    return n > 0 && n < MAX_PATH * 2 ? std::wstring(full, n) : path;
}

}  // namespace

bool SamePath(const std::wstring& a, const std::wstring& b) {
    const std::wstring la = LongPath(a);
    const std::wstring lb = LongPath(b);
    return CompareStringOrdinal(la.c_str(), static_cast<int>(la.size()), lb.c_str(),
                                static_cast<int>(lb.size()), TRUE) == CSTR_EQUAL;
}

std::wstring ShortcutTarget(const std::wstring& link) {
    std::wstring target;
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* shellLink = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&shellLink)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(shellLink->QueryInterface(IID_PPV_ARGS(&file)))) {
            wchar_t path[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
                SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH))) {
                target = path;
            }
            file->Release();
        }
        shellLink->Release();
    }
    if (SUCCEEDED(init)) CoUninitialize();
    return target;
}

FoundProcess::~FoundProcess() {
    if (!handle_) return;
    if (WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(handle_, 99);
        WaitForSingleObject(handle_, 5000);
    }
    CloseHandle(handle_);
}

bool FoundProcess::WaitForExit(DWORD timeoutMs) const {
    return WaitForSingleObject(handle_, timeoutMs) == WAIT_OBJECT_0;
}

DWORD FoundProcess::ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(handle_, &code);
    return code;
}

std::vector<FoundProcess> ChildProcesses(DWORD parentId) {
    std::vector<FoundProcess> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return found;
    PROCESSENTRY32W entry{sizeof entry};
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID != parentId) continue;
        if (HANDLE h =
                OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE,
                            FALSE, entry.th32ProcessID)) {
            found.emplace_back(h, entry.th32ProcessID);
        }
    }
    CloseHandle(snapshot);
    return found;
}

std::wstring InstallTest::Installer() {
    return driver::OwnDirectory() + L"" RYTMALO_INSTALLER_NAME;
}

std::wstring InstallTest::StartMenuShortcut() {
    wchar_t programs[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
    return std::wstring(programs) + L"\\Rytmalo 95.lnk";
}

// Each test starts from a machine where the program was never installed:
// what is registered afterwards is the installer's or the program's doing.
void InstallTest::SetUp() {
    ASSERT_TRUE(FileExists(Installer())) << "no installer: the build did not make it";
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    folder_ = LongPath(temp) + L"Rytmalo essai é " + std::to_wstring(GetCurrentProcessId());
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) DeleteTree(root, kAppPath);
    DeleteTree(HKEY_CURRENT_USER, kUninstallEntry);
    DeleteTree(HKEY_CURRENT_USER, kCompanyKey + L"\\Rytmalo95");
    ASSERT_FALSE(FileExists(folder_)) << "left by an earlier run";
    DeleteFileW(StartMenuShortcut().c_str());
}

// Whatever a failed test left behind goes, so that the next one starts
// clean.
void InstallTest::TearDown() {
    if (FileExists(Uninstaller())) UninstallSilently(L"/EFFACERREGLAGES");
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(folder_), ignored);
    DeleteFileW(StartMenuShortcut().c_str());
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) DeleteTree(root, kAppPath);
    DeleteTree(HKEY_CURRENT_USER, kUninstallEntry);
    DeleteTree(HKEY_CURRENT_USER, kCompanyKey + L"\\Rytmalo95");
}

DWORD InstallTest::RunInstaller(const std::wstring& arguments) {
    driver::Process installer = driver::Process::Launch(Installer(), arguments, false);
    EXPECT_TRUE(installer.WaitForExit(60000)) << "the installer did not end";
    return installer.ExitCode();
}

DWORD InstallTest::UninstallSilentlyFrom(const std::wstring& folder,
                                         const std::wstring& arguments) {
    // _?= comes last and unquoted, spaces included.
    driver::Process uninstaller = driver::Process::Launch(
        folder + L"\\Desinstaller.exe",
        L"/S " + (arguments.empty() ? L"" : arguments + L" ") + L"_?=" + folder, false);
    EXPECT_TRUE(uninstaller.WaitForExit(60000)) << "the uninstaller did not end";
    WaitForRemoval(uninstaller.Id());
    return uninstaller.ExitCode();
}

driver::Process InstallTest::StartRegistered(const std::wstring& name) {
    // "program" arguments
    const std::wstring command = ReadText(HKEY_CURRENT_USER, kUninstallEntry, name).value_or(L"");
    const size_t end = command.find(L'"', 1);
    if (command.empty() || command[0] != L'"' || end == std::wstring::npos) {
        ADD_FAILURE() << "no command " << ::testing::PrintToString(name) << ": "
                      << ::testing::PrintToString(command);
        return {};
    }
    const size_t arguments = command.find_first_not_of(L' ', end + 1);
    return driver::Process::Launch(
        command.substr(1, end - 1),
        arguments == std::wstring::npos ? std::wstring() : command.substr(arguments), false);
}

void InstallTest::WaitForRemoval(DWORD uninstallerId) {
    for (const FoundProcess& copy : ChildProcesses(uninstallerId)) {
        EXPECT_TRUE(copy.WaitForExit(60000)) << "the uninstaller's copy did not end";
    }
}

bool InstallTest::RunAndQuit(const std::wstring& program) {
    driver::Process process = driver::Process::Launch(program);
    HWND main = driver::WaitForTopLevel(process.Id(), L"TMainForm", 20000);
    if (!main) return false;
    HWND quit = driver::FindDescendant(main, MainFormLayout().ControlId("cmdQuitter"));
    driver::Activate(main);
    return driver::ClickUntil(quit, [&] { return !process.Running(); }) && process.ExitCode() == 0;
}

}  // namespace rytmalo::install
