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

bool SameContents(const std::wstring& a, const std::wstring& b) {
    std::ifstream fa(std::filesystem::path(a), std::ios::binary);
    std::ifstream fb(std::filesystem::path(b), std::ios::binary);
    if (!fa || !fb) return false;
    return std::string(std::istreambuf_iterator<char>(fa), {}) ==
           std::string(std::istreambuf_iterator<char>(fb), {});
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
    for (const wchar_t* name : {L"Rytmalo95.exe", L"LISEZMOI.txt", L"Desinstaller.exe"}) {
        DeleteFileW((folder_ + L"\\" + name).c_str());
    }
    RemoveDirectoryW(InstalledProgram().c_str());
    RemoveDirectoryW(folder_.c_str());
    DeleteFileW(StartMenuShortcut().c_str());
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) DeleteTree(root, kAppPath);
    DeleteTree(HKEY_CURRENT_USER, kUninstallEntry);
    DeleteTree(HKEY_CURRENT_USER, kCompanyKey + L"\\Rytmalo95");
}

DWORD InstallTest::InstallSilently() {
    // /D= comes last and unquoted, spaces included.
    driver::Process installer = driver::Process::Launch(Installer(), L"/S /D=" + folder_, false);
    EXPECT_TRUE(installer.WaitForExit(60000)) << "the installer did not end";
    return installer.ExitCode();
}

DWORD InstallTest::UninstallSilently(const std::wstring& arguments) {
    driver::Process uninstaller = driver::Process::Launch(
        Uninstaller(), L"/S" + (arguments.empty() ? L"" : L" " + arguments), false);
    EXPECT_TRUE(uninstaller.WaitForExit(60000)) << "the uninstaller did not end";
    // It runs a copy of itself from the temporary folder, so that it can
    // remove its own file, and ends at once; the copy does the work.
    std::vector<FoundProcess> copies = ChildProcesses(uninstaller.Id());
    if (copies.empty()) return uninstaller.ExitCode();
    EXPECT_TRUE(copies.front().WaitForExit(60000)) << "the uninstaller's copy did not end";
    return copies.front().ExitCode();
}

std::optional<FoundProcess> InstallTest::StartUninstaller() {
    driver::Process uninstaller = driver::Process::Launch(Uninstaller(), {}, false);
    EXPECT_TRUE(uninstaller.WaitForExit(60000)) << "the uninstaller did not end";
    std::vector<FoundProcess> copies = ChildProcesses(uninstaller.Id());
    if (copies.empty()) return std::nullopt;
    return std::move(copies.front());
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
