// Installing and removing the program the way users get it: the installer
// and the uninstaller it leaves, silent and asking, with the program started
// from where it was installed.
#include <filesystem>
#include <fstream>

#include "InstallFixture.h"

namespace rytmalo::install {
namespace {

TEST_F(InstallTest, SilentInstallRegistersItAllAndSilentUninstallTakesItAllBackKeepingSettings) {
    ASSERT_EQ(InstallSilently(), kDone);

    EXPECT_TRUE(SameContents(InstalledProgram(), driver::ProgramPath()))
        << "not the program that was built";
    EXPECT_TRUE(FileExists(Folder() + L"\\LISEZMOI.txt"));
    EXPECT_TRUE(FileExists(Uninstaller()));
    EXPECT_TRUE(SamePath(ShortcutTarget(StartMenuShortcut()), InstalledProgram()))
        << "Start menu shortcut to "
        << ::testing::PrintToString(ShortcutTarget(StartMenuShortcut()));
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kAppPath), InstalledProgram());
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUninstallEntry, L"DisplayName"), L"Rytmalo 95");
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUninstallEntry, L"UninstallString"),
              L"\"" + Uninstaller() + L"\" _?=" + Folder());
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUninstallEntry, L"QuietUninstallString"),
              L"\"" + Uninstaller() + L"\" /S _?=" + Folder());
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUninstallEntry, L"InstallLocation"), Folder());

    // Started from the installed folder, the program records that copy (the
    // machine-wide entry is writable under Wine) and saves its place on quit.
    ASSERT_TRUE(RunAndQuit(InstalledProgram()));
    const auto registered = ReadText(HKEY_LOCAL_MACHINE, kAppPath);
    ASSERT_TRUE(registered.has_value()) << "the installed program did not register itself";
    EXPECT_TRUE(SamePath(*registered, InstalledProgram())) << ::testing::PrintToString(*registered);
    ASSERT_TRUE(HasValue(HKEY_CURRENT_USER, kSettingsKey, L"FormTop"));

    ASSERT_EQ(UninstallSilently(), kDone);
    EXPECT_FALSE(FileExists(Folder())) << "files left behind";
    EXPECT_FALSE(FileExists(StartMenuShortcut()));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAppPath));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kAppPath)) << "the program's own entry was left";
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallEntry));
    // Silent, nobody was asked: the settings stay.
    EXPECT_TRUE(HasValue(HKEY_CURRENT_USER, kSettingsKey, L"FormTop"));
}

TEST_F(InstallTest, SilentUninstallToldSoRemovesTheSettingsAndTheirEmptyParents) {
    ASSERT_EQ(InstallSilently(), kDone);
    WriteDword(HKEY_CURRENT_USER, kSettingsKey, L"FormTop", 141);
    WriteDword(HKEY_CURRENT_USER, kSettingsKey, L"TopMost", 1);

    ASSERT_EQ(UninstallSilently(L"/EFFACERREGLAGES"), kDone);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kCompanyKey));
    EXPECT_FALSE(FileExists(Folder()));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallEntry));
}

// What belongs to someone else stays: the company's other keys, an App
// Paths entry that another copy of the program wrote, a file the user put
// in the folder (and so the folder).
TEST_F(InstallTest, UninstallTakesOnlyWhatIsItsOwn) {
    ASSERT_EQ(InstallSilently(), kDone);
    const std::wstring sibling = kCompanyKey + L"\\Autre logiciel";
    WriteDword(HKEY_CURRENT_USER, sibling, L"Valeur", 1);
    WriteDword(HKEY_CURRENT_USER, kSettingsKey, L"FormTop", 141);
    const std::wstring elsewhere = driver::ProgramPath();
    ASSERT_EQ(
        RegSetKeyValueW(HKEY_LOCAL_MACHINE, kAppPath.c_str(), nullptr, REG_SZ, elsewhere.c_str(),
                        static_cast<DWORD>((elsewhere.size() + 1) * sizeof(wchar_t))),
        ERROR_SUCCESS);
    const std::wstring notes = Folder() + L"\\mes notes.txt";
    CloseHandle(CreateFileW(notes.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    ASSERT_TRUE(FileExists(notes));

    ASSERT_EQ(UninstallSilently(L"/EFFACERREGLAGES"), kDone);
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kAppPath), elsewhere);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, sibling));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kCompanyKey + L"\\Rytmalo95"));
    EXPECT_TRUE(FileExists(notes));
    EXPECT_FALSE(FileExists(InstalledProgram()));
    EXPECT_FALSE(FileExists(Uninstaller()));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallEntry));

    DeleteFileW(notes.c_str());
    DeleteTree(HKEY_CURRENT_USER, sibling);
    DeleteTree(HKEY_CURRENT_USER, kCompanyKey);
    DeleteTree(HKEY_LOCAL_MACHINE, kAppPath);
}

// A running program holds its files: neither replacing nor removing them
// may be reported as done.
TEST_F(InstallTest, NeitherInstallNorUninstallGoesOnWhileTheProgramRuns) {
    {
        driver::Process running = driver::Process::Launch(driver::ProgramPath());
        ASSERT_NE(driver::WaitForTopLevel(running.Id(), L"TMainForm", 20000), nullptr);
        EXPECT_EQ(InstallSilently(), kProgramRunning);
        EXPECT_FALSE(FileExists(InstalledProgram()));
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallEntry));
    }
    ASSERT_EQ(InstallSilently(), kDone);
    {
        driver::Process running = driver::Process::Launch(InstalledProgram());
        ASSERT_NE(driver::WaitForTopLevel(running.Id(), L"TMainForm", 20000), nullptr);
        EXPECT_EQ(UninstallSilently(), kProgramRunning);
        EXPECT_TRUE(FileExists(InstalledProgram()));
        EXPECT_TRUE(FileExists(Uninstaller()));
        EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kUninstallEntry));
    }
}

// Silent, a file that cannot be written would by default be skipped and the
// run end as a success.
TEST_F(InstallTest, AFileThatCannotBeWrittenFailsTheSilentInstall) {
    // A file where the folder should be: nor is anything registered.
    std::ofstream(std::filesystem::path(Folder())) << "";
    EXPECT_EQ(InstallSilently(), kFailed);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallEntry)) << "listed as installed";
    EXPECT_FALSE(FileExists(StartMenuShortcut()));
    ASSERT_TRUE(DeleteFileW(Folder().c_str()));

    // An update, while another program reads the LISEZMOI.
    ASSERT_EQ(InstallSilently(), kDone);
    HeldFile held(Folder() + L"\\LISEZMOI.txt");
    ASSERT_TRUE(held.Held());
    EXPECT_EQ(InstallSilently(), kFailed);
}

// A file that cannot be removed fails the uninstall, and whoever ran the
// registered command is told so, before anything goes: the program, the
// uninstaller and its entry stay for another try.
TEST_F(InstallTest, AFileThatCannotBeRemovedFailsTheUninstallWithNothingRemoved) {
    ASSERT_EQ(InstallSilently(), kDone);
    {
        HeldFile held(Folder() + L"\\LISEZMOI.txt");
        ASSERT_TRUE(held.Held());
        driver::Process uninstaller = StartRegistered(L"QuietUninstallString");
        ASSERT_TRUE(uninstaller.WaitForExit(60000)) << "the uninstaller did not end";
        EXPECT_EQ(uninstaller.ExitCode(), kFailed);
        WaitForRemoval(uninstaller.Id());
    }
    EXPECT_TRUE(SameContents(InstalledProgram(), driver::ProgramPath())) << "the program went";
    EXPECT_TRUE(FileExists(Uninstaller()));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kUninstallEntry));

    ASSERT_EQ(UninstallSilently(), kDone);
    EXPECT_FALSE(FileExists(Folder()));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallEntry));
}

// Two copies side by side in folders of the test's own folder, the first
// installed first.
class TwoCopies : public InstallTest {
protected:
    std::wstring First() const { return Folder() + L"\\A"; }
    std::wstring Second() const { return Folder() + L"\\B"; }
    void InstallBoth() {
        ASSERT_EQ(RunInstaller(L"/S /D=" + First()), kDone);
        ASSERT_EQ(RunInstaller(L"/S /D=" + Second()), kDone);
    }
    // The Start-menu shortcut and the list entry are those of the copy.
    static void ExpectShortcutAndEntryOf(const std::wstring& copy) {
        EXPECT_TRUE(SamePath(ShortcutTarget(StartMenuShortcut()), copy + L"\\Rytmalo95.exe"))
            << ::testing::PrintToString(ShortcutTarget(StartMenuShortcut()));
        EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUninstallEntry, L"InstallLocation"), copy);
    }
};

// The shortcut and the list entry are the last installed copy's, and
// removing the other copy leaves them to it.
TEST_F(TwoCopies, UninstallingOneCopyLeavesTheOtherItsShortcutAndEntry) {
    const std::wstring first = First();
    const std::wstring second = Second();
    ASSERT_NO_FATAL_FAILURE(InstallBoth());

    ASSERT_EQ(UninstallSilentlyFrom(first), kDone);
    EXPECT_FALSE(FileExists(first));
    ExpectShortcutAndEntryOf(second);

    ASSERT_EQ(UninstallSilentlyFrom(second), kDone);
    EXPECT_FALSE(FileExists(StartMenuShortcut()));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallEntry));
}

// The first copy installed again after the second: its folder holds its
// record, so it is updated as the installer's own although the list entry
// names the other copy; the shortcut and the entry are then the first
// copy's. The folder the first installation made above them both goes with
// the last copy.
TEST_F(TwoCopies, ACopyInstalledAgainAfterAnotherIsUpdatedAndTakesTheShortcutAndEntryBack) {
    const std::wstring first = First();
    const std::wstring second = Second();
    ASSERT_NO_FATAL_FAILURE(InstallBoth());
    ASSERT_EQ(RunInstaller(L"/S /D=" + first), kDone) << "refused as another program's";
    ExpectShortcutAndEntryOf(first);

    ASSERT_EQ(UninstallSilentlyFrom(second), kDone);
    EXPECT_FALSE(FileExists(second));
    EXPECT_TRUE(FileExists(StartMenuShortcut())) << "the first copy's shortcut went";
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUninstallEntry, L"InstallLocation"), first);

    ASSERT_EQ(UninstallSilentlyFrom(first), kDone);
    EXPECT_FALSE(FileExists(StartMenuShortcut()));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallEntry));
    EXPECT_FALSE(FileExists(Folder())) << "the folder the first installation made was left";
}

// A file of the user's named as one the program installs is neither
// replaced nor, later, removed: the folder is refused before anything is
// written. An earlier installation of the program there is its own, and is
// updated.
TEST_F(InstallTest, InstallRefusesAFolderHoldingAFileOfTheSameNameThatIsNotItsOwn) {
    ASSERT_TRUE(CreateDirectoryW(Folder().c_str(), nullptr));
    const std::wstring readme = Folder() + L"\\LISEZMOI.txt";
    std::ofstream(std::filesystem::path(readme)) << "mes notes";

    EXPECT_EQ(InstallSilently(), kFailed);
    EXPECT_TRUE(Contents(readme) == "mes notes") << "replaced";
    EXPECT_FALSE(FileExists(InstalledProgram()));
    EXPECT_FALSE(FileExists(Uninstaller()));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallEntry));

    ASSERT_TRUE(DeleteFileW(readme.c_str()));
    ASSERT_EQ(InstallSilently(), kDone);
    EXPECT_EQ(InstallSilently(), kDone);
    EXPECT_TRUE(SameContents(InstalledProgram(), driver::ProgramPath()));
}

// The folder may come in quotes; what is still no folder once they are
// dropped fails the run rather than installing somewhere else.
TEST_F(InstallTest, InstallTakesAQuotedFolderAndRefusesAnInvalidOne) {
    EXPECT_EQ(RunInstaller(L"/S /D=" + Folder() + L"\\a\"b"), kFailed);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallEntry)) << "installed elsewhere";

    ASSERT_EQ(RunInstaller(L"/S /D=\"" + Folder() + L"\""), kDone);
    EXPECT_TRUE(FileExists(InstalledProgram()));
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUninstallEntry, L"InstallLocation"), Folder());
}

// The folders the installer made above its own go with it when empty; one
// that was there before stays.
TEST_F(InstallTest, UninstallRemovesTheEmptyFoldersTheInstallerMadeAboveItsOwn) {
    const std::wstring deep = Folder() + L"\\X\\Y\\Z";
    ASSERT_EQ(RunInstaller(L"/S /D=" + deep), kDone);
    ASSERT_EQ(UninstallSilentlyFrom(deep), kDone);
    EXPECT_FALSE(FileExists(Folder())) << "empty folders left";

    ASSERT_TRUE(CreateDirectoryW(Folder().c_str(), nullptr));
    ASSERT_EQ(RunInstaller(L"/S /D=" + deep), kDone);
    ASSERT_EQ(UninstallSilentlyFrom(deep), kDone);
    EXPECT_FALSE(FileExists(Folder() + L"\\X"));
    EXPECT_TRUE(FileExists(Folder()));
}

// Not silent, the uninstaller asks before the settings go, "Non" being the
// default answer; "Oui" removes them.
TEST_F(InstallTest, UninstallAsksBeforeRemovingTheSettings) {
    ASSERT_EQ(InstallSilently(), kDone);
    WriteDword(HKEY_CURRENT_USER, kSettingsKey, L"FormTop", 141);

    driver::Process uninstaller = StartRegistered(L"UninstallString");
    HWND wizard = driver::WaitForTopLevel(uninstaller.Id(), L"#32770", 20000);
    ASSERT_NE(wizard, nullptr);
    HWND next = GetDlgItem(wizard, IDOK);
    ASSERT_TRUE(driver::WaitUntil([&] { return IsWindowEnabled(next) != FALSE; }));
    EXPECT_EQ(driver::TextOf(next), L"&Désinstaller");
    SendMessageW(next, BM_CLICK, 0, 0);

    HWND question = nullptr;
    ASSERT_TRUE(driver::WaitUntil(
        [&] {
            for (HWND w : driver::TopLevelWindows(uninstaller.Id())) {
                if (w != wizard && IsWindowVisible(w) && driver::ClassOf(w) == L"#32770") {
                    question = w;
                }
            }
            return question != nullptr;
        },
        20000))
        << "no question about the settings";
    const driver::MessageBoxInfo box = driver::ReadMessageBox(question);
    EXPECT_NE(box.text.find(L"réglages"), std::wstring::npos) << ::testing::PrintToString(box.text);
    EXPECT_EQ(box.defaultButton, IDNO);
    EXPECT_EQ(driver::MessageBoxIcon(question), IDI_QUESTION);
    // Asked once the files are gone.
    EXPECT_FALSE(FileExists(InstalledProgram()));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kSettingsKey));
    SendMessageW(GetDlgItem(question, IDYES), BM_CLICK, 0, 0);

    ASSERT_TRUE(driver::WaitUntil(
        [&] { return driver::TextOf(next) == L"&Fermer" && IsWindowEnabled(next); }, 20000));
    SendMessageW(next, BM_CLICK, 0, 0);
    ASSERT_TRUE(uninstaller.WaitForExit(20000));
    EXPECT_EQ(uninstaller.ExitCode(), kDone);
    WaitForRemoval(uninstaller.Id());
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kCompanyKey));
    EXPECT_FALSE(FileExists(Folder()));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kUninstallEntry));
}

}  // namespace
}  // namespace rytmalo::install
