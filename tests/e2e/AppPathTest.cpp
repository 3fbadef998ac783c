// Every start records where the program is, so that the shell can start it
// by its file name.
#include "ProgramFixture.h"

namespace rytmalo::e2e {
namespace {

const std::wstring kAppPaths = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths";

// The sub-keys of App Paths whose name is this one in any case, as stored.
std::vector<std::wstring> EntriesNamed(const std::wstring& name) {
    std::vector<std::wstring> found;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kAppPaths.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return found;
    }
    wchar_t entry[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = 256;
        if (RegEnumKeyExW(key, i, entry, &size, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        if (CompareStringOrdinal(entry, static_cast<int>(size), name.c_str(),
                                 static_cast<int>(name.size()), TRUE) == CSTR_EQUAL) {
            found.emplace_back(entry, size);
        }
    }
    RegCloseKey(key);
    return found;
}

std::wstring DefaultValue(const std::wstring& path) {
    wchar_t data[1024] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    DWORD type = REG_NONE;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, path.c_str(), nullptr, RRF_RT_REG_SZ | RRF_NOEXPAND, &type,
                     data, &size) != ERROR_SUCCESS) {
        return L"(none)";
    }
    return data;
}

class AppPath : public ProgramTest {
  protected:
    // The entry is removed before the program starts: what is there after
    // it has started is its own doing.
    void SetUp() override {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, entry.c_str());
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, entry.c_str());
        ASSERT_TRUE(EntriesNamed(L"RYTMALO95.EXE").empty());
        ProgramTest::SetUp();
    }

    const std::wstring entry = kAppPaths + L"\\RYTMALO95.EXE";
};

TEST_F(AppPath, EveryStartRecordsTheProgramsFullPath) {
    EXPECT_EQ(EntriesNamed(L"RYTMALO95.EXE"), std::vector<std::wstring>{L"RYTMALO95.EXE"});

    // The path as the system reports it for the running process.
    wchar_t image[MAX_PATH];
    DWORD length = MAX_PATH;
    ASSERT_TRUE(QueryFullProcessImageNameW(Program().Handle(), 0, image, &length));
    EXPECT_EQ(DefaultValue(entry), std::wstring(image, length));
    EXPECT_EQ(DefaultValue(entry), driver::ProgramPath());

    // The program is usable as ever: nothing was reported.
    EXPECT_EQ(driver::FindTopLevel(Pid(), L"#32770"), nullptr);
    Quit();
}

}  // namespace
}  // namespace rytmalo::e2e
