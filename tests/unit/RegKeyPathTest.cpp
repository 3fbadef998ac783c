// Where the configuration store and the App Paths entry live.
#include "core/RegKeyPath.h"

#include <gtest/gtest.h>

namespace rytmalo {
namespace {

TEST(RegKeyPath, RelativePathAndBackslashesInsideSegmentsAddLevels) {
    RegKeyNames names{rhCurrentUser, L"Vortan Music", L"Rytmalo95", L"v2.0", L"Fenêtres"};
    EXPECT_EQ(BuildKeyPath(names), L"SOFTWARE\\Vortan Music\\Rytmalo95\\v2.0\\Fenêtres");
    names = {rhCurrentUser, L"Vortan\\Music", L"Rytmalo95", L"v2.0", L"A\\B"};
    EXPECT_EQ(BuildKeyPath(names), L"SOFTWARE\\Vortan\\Music\\Rytmalo95\\v2.0\\A\\B");
}

TEST(RegKeyPath, EmptyNamesFallBackToTestNames) {
    EXPECT_EQ(BuildKeyPath({rhCurrentUser, L"", L"", L"", L""}),
              L"SOFTWARE\\TESTCOMPANY\\TESTAPPLICATION\\1.0a");
    EXPECT_EQ(BuildKeyPath({rhAllUsers, L"", L"App", L"", L""}),
              L".DEFAULT\\SOFTWARE\\TESTCOMPANY\\App\\1.0a");
    EXPECT_EQ(BuildKeyPath({rhCurrentUser, L"Co", L"", L"v3", L""}),
              L"SOFTWARE\\Co\\TESTAPPLICATION\\v3");
}

TEST(AppPathsKey, FileNameWithOnlyAsciiLettersInCapitals) {
    EXPECT_EQ(AppPathsKey(L"C:\\Outils\\Tempo.exe"),
              L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\TEMPO.EXE");
    EXPECT_EQ(AppPathsKeyName(L"C:\\Programmes\\Rytmalo95.exe"), L"RYTMALO95.EXE");
    // Accented letters keep their case; digits and signs are unchanged.
    EXPECT_EQ(AppPathsKeyName(L"D:\\Musique\\Écho-été 2.exe"), L"ÉCHO-éTé 2.EXE");
    EXPECT_EQ(AppPathsKeyName(L"C:Tempo.exe"), L"TEMPO.EXE");
    EXPECT_EQ(AppPathsKeyName(L"\\\\serveur\\partage\\a.b\\x.exe"), L"X.EXE");
    EXPECT_EQ(AppPathsKeyName(L"tempo.exe"), L"TEMPO.EXE");
    EXPECT_EQ(AppPathsKeyName(L"C:\\Outils\\"), L"");
}

}  // namespace
}  // namespace rytmalo
