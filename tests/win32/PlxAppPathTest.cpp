// The App Paths entry, written into keys of the tests' own through the
// component's list of roots, and under the real roots when it is loaded.
#include <deque>
#include <memory>

#include "RegistryScratch.h"
#include "ToolkitFixture.h"
#include "app/ComponentClasses.h"
#include "components/PlxAppPath.h"
#include "components/RegApp.h"

namespace rytmalo::testing {
namespace {

const std::wstring kAppPaths = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths";

std::function<std::wstring()> Path(std::wstring path) {
    return [path] { return path; };
}

class AppPath : public ::testing::Test {
protected:
    ScratchKey root{HKEY_CURRENT_USER, L"SOFTWARE\\Rytmalo Tests AppPaths"};
    ScratchKey second{HKEY_CURRENT_USER, L"SOFTWARE\\Rytmalo Tests AppPaths 2"};
    TPlomexAppPath component{nullptr};
};

TEST_F(AppPath, WritesTheFullPathUnderTheCapitalisedFileName) {
    component.SetRoots({root.Handle()});
    component.SetExecutablePathSource(Path(L"C:\\Outils\\Tempo.exe"));
    component.RegisterAppPath();
    EXPECT_EQ(SubkeyNames(root.Handle(), kAppPaths), std::vector<std::wstring>{L"TEMPO.EXE"});
    EXPECT_EQ(ReadRaw(root.Handle(), kAppPaths + L"\\TEMPO.EXE", L""),
              Text(L"C:\\Outils\\Tempo.exe"));
    EXPECT_EQ(ValueCount(root.Handle(), kAppPaths + L"\\TEMPO.EXE"), 1u)
        << "no search path or other value";

    component.SetExecutablePathSource(Path(L"D:\\Musique\\Écho-été.exe"));
    component.RegisterAppPath();
    EXPECT_EQ(SubkeyNames(root.Handle(), kAppPaths),
              (std::vector<std::wstring>{L"TEMPO.EXE", L"ÉCHO-éTé.EXE"}));
    EXPECT_EQ(ReadRaw(root.Handle(), kAppPaths + L"\\ÉCHO-éTé.EXE", L""),
              Text(L"D:\\Musique\\Écho-été.exe"));
}

TEST_F(AppPath, TheCopyThatRanLastWinsAndOtherValuesStay) {
    const std::wstring key = kAppPaths + L"\\TEMPO.EXE";
    const std::wstring oldPath = L"C:\\Ancien\\TEMPO.EXE";
    WriteRaw(root.Handle(), key, L"", REG_SZ, oldPath.c_str(),
             static_cast<DWORD>((oldPath.size() + 1) * sizeof(wchar_t)));
    const std::wstring searchPath = L"C:\\Ancien";
    WriteRaw(root.Handle(), key, L"Path", REG_SZ, searchPath.c_str(),
             static_cast<DWORD>((searchPath.size() + 1) * sizeof(wchar_t)));

    component.SetRoots({root.Handle()});
    component.SetExecutablePathSource(Path(L"E:\\Copie\\Tempo.exe"));
    component.RegisterAppPath();
    EXPECT_EQ(ReadRaw(root.Handle(), key, L""), Text(L"E:\\Copie\\Tempo.exe"));
    EXPECT_EQ(ReadRaw(root.Handle(), key, L"Path"), Text(searchPath));
}

TEST_F(AppPath, FallsBackToTheNextRootAndIsSilentWhenNoneOpens) {
    // Below a volatile key no lasting key can be created: it stands for a
    // machine key the user may not write.
    ScratchKey refusing(HKEY_CURRENT_USER, L"SOFTWARE\\Rytmalo Tests AppPaths V",
                        REG_OPTION_VOLATILE);
    component.SetExecutablePathSource(Path(L"C:\\Outils\\Tempo.exe"));

    component.SetRoots({refusing.Handle(), second.Handle()});
    EXPECT_NO_THROW(component.RegisterAppPath());
    EXPECT_EQ(ReadRaw(second.Handle(), kAppPaths + L"\\TEMPO.EXE", L""),
              Text(L"C:\\Outils\\Tempo.exe"));
    EXPECT_TRUE(SubkeyNames(refusing.Handle(), L"").empty());

    // The first root that opens takes the entry; the others are left alone.
    component.SetRoots({root.Handle(), second.Handle()});
    component.SetExecutablePathSource(Path(L"C:\\Outils\\Autre.exe"));
    component.RegisterAppPath();
    EXPECT_TRUE(ReadRaw(root.Handle(), kAppPaths + L"\\AUTRE.EXE", L""));
    EXPECT_FALSE(ReadRaw(second.Handle(), kAppPaths + L"\\AUTRE.EXE", L""));

    component.SetRoots({refusing.Handle()});
    EXPECT_NO_THROW(component.RegisterAppPath());
}

TEST_F(AppPath, WithoutAFileNameNothingIsWritten) {
    component.SetRoots({root.Handle()});
    for (const wchar_t* path : {L"", L"C:\\Outils\\"}) {
        component.SetExecutablePathSource(Path(path));
        component.RegisterAppPath();
        EXPECT_FALSE(ReadRaw(root.Handle(), kAppPaths, L"")) << "App Paths' own value untouched";
        EXPECT_FALSE(KeyExists(root.Handle(), kAppPaths));
    }
}

// Loaded by a window, under the real roots and with the real path.
class AppPathOnAWindow : public tk::testing::ToolkitTest {
protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        RegisterComponentClasses(*tk::Application);
        DeleteTree(HKEY_LOCAL_MACHINE, ownKey);
        DeleteTree(HKEY_CURRENT_USER, ownKey);
    }
    void TearDown() override {
        ToolkitTest::TearDown();
        DeleteTree(HKEY_LOCAL_MACHINE, ownKey);
        DeleteTree(HKEY_CURRENT_USER, ownKey);
    }

    // A window layout kept as long as the fixture, since a form refers to it.
    const tk::FormLayout& Layout(std::vector<tk::ComponentLayout> components) {
        tk::FormLayout& f = layouts_.emplace_back(
            tk::FormAt("TAppPathTestForm", L"App Paths", tk::Bounds(0, 0, 200, 100)));
        f.components = std::move(components);
        return f;
    }

    // Loads a window of that layout; true when its creation handler ran.
    bool Load(const tk::FormLayout& layout) {
        bool created = false;
        form_ = std::make_unique<tk::testing::TestForm>(tk::Application, layout);
        form_->OnCreate = [&] { created = true; };
        form_->Load();
        return created;
    }

    const std::wstring ownKey = kAppPaths + L"\\" + AppPathsKeyName(RunningExecutablePath());

private:
    std::deque<tk::FormLayout> layouts_;
    std::unique_ptr<tk::testing::TestForm> form_;
};

// Enabled, the real program registers itself when its window loads (the
// installer's test starts the installed copy and reads the entry).
TEST_F(AppPathOnAWindow, LoadingWritesNothingWhenDisabled) {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    ASSERT_EQ(RunningExecutablePath(), std::wstring(path, n));

    const tk::FormLayout& disabled = Layout({{"TPlomexAppPath", "AppPath1", {{"Enabled", false}}}});
    EXPECT_TRUE(Load(disabled));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, ownKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, ownKey));
    EXPECT_TRUE(reported.empty());
}

TEST_F(AppPathOnAWindow, AWriteFailureIsReportedAndTheWindowStillComesUp) {
    ScratchKey failing(HKEY_CURRENT_USER, L"SOFTWARE\\Rytmalo Tests AppPaths F");
    ScratchKey working(HKEY_CURRENT_USER, L"SOFTWARE\\Rytmalo Tests AppPaths W");
    const HKEY failingRoot = failing.Handle();
    const HKEY workingRoot = working.Handle();

    // The key opens, then vanishes before the value is written: the write
    // fails as on a key another program deletes at that moment.
    tk::Application->Classes().Register("TFailingAppPath", [failingRoot](tk::TComponent* owner) {
        auto* c = new TPlomexAppPath(owner);
        c->SetRoots({failingRoot});
        c->SetExecutablePathSource([failingRoot, asked = 0]() mutable {
            if (++asked == 2) RegDeleteKeyW(failingRoot, (kAppPaths + L"\\TEMPO.EXE").c_str());
            return std::wstring(L"C:\\Outils\\Tempo.exe");
        });
        return c;
    });
    tk::Application->Classes().Register("TWorkingAppPath", [workingRoot](tk::TComponent* owner) {
        auto* c = new TPlomexAppPath(owner);
        c->SetRoots({workingRoot});
        c->SetExecutablePathSource(Path(L"C:\\Outils\\Suite.exe"));
        return c;
    });

    const tk::FormLayout& layout =
        Layout({{"TFailingAppPath", "Failing", {}}, {"TWorkingAppPath", "Working", {}}});
    EXPECT_TRUE(Load(layout)) << "the creation handler ran";
    EXPECT_EQ(reported, std::vector<std::wstring>{L"Erreur à définition des données pour ''"});
    EXPECT_EQ(ReadRaw(workingRoot, kAppPaths + L"\\SUITE.EXE", L""), Text(L"C:\\Outils\\Suite.exe"))
        << "the next component was told too";
}

}  // namespace
}  // namespace rytmalo::testing
