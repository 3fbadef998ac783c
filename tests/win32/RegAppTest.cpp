// The configuration store against the real registry, on keys of the tests'
// own that are removed afterwards.
#include <climits>
#include <functional>

#include "HandleCount.h"
#include "RegistryScratch.h"
#include "components/RegApp.h"

namespace rytmalo::testing {
namespace {

const std::wstring kCompanyKey = L"SOFTWARE\\Rytmalo Tests";
const std::wstring kKey = kCompanyKey + L"\\Store\\v9";

// The message of the registry error the action raises, or "" when none.
std::wstring ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ERegistryException& e) {
        return e.Message();
    }
    return L"";
}

class Store : public ::testing::Test {
protected:
    void SetUp() override {
        store.SetCompany(L"Rytmalo Tests");
        store.SetApplicationName(L"Store");
        store.SetVersion(L"v9");
    }

    ScratchKey scratch{HKEY_CURRENT_USER, kCompanyKey};
    TRegAppUserConfig store{nullptr};
};

TEST_F(Store, OpensTheComposedKeyUnderEachRoot) {
    struct Case {
        TRegistryHive hive;
        HKEY root;
        std::wstring cleanup;
        std::wstring path;
    };
    const Case cases[] = {
        {rhCurrentUser, HKEY_CURRENT_USER, kCompanyKey, kKey},
        {rhAllUsers, HKEY_USERS, L".DEFAULT\\" + kCompanyKey, L".DEFAULT\\" + kKey},
        {rhMachine, HKEY_LOCAL_MACHINE, kCompanyKey, kKey},
    };
    for (const Case& c : cases) {
        LeftBehind cleanup(c.root, c.cleanup);
        store.SetRootKey(c.hive);
        store.SetActive(true);
        EXPECT_EQ(store.Registry().CurrentPath(), c.path);
        EXPECT_EQ(ValueCount(c.root, c.path), 0u) << "a new key is empty";
        EXPECT_FALSE(store.HasValue(L"FormTop"));
        store.WriteIntegerValue(L"Racine", c.hive);
        EXPECT_EQ(ReadRaw(c.root, c.path, L"Racine"), Dword(c.hive)) << c.path;
        store.SetActive(false);
    }
}

TEST_F(Store, ConstructionDefaultsAndFallbacksForEmptyNames) {
    LeftBehind defaults(HKEY_CURRENT_USER, L"SOFTWARE\\My Company");
    LeftBehind fallbacks(HKEY_CURRENT_USER, L"SOFTWARE\\TESTCOMPANY");
    TRegAppUserConfig fresh(nullptr);
    EXPECT_EQ(fresh.RootKey(), rhCurrentUser);
    EXPECT_FALSE(fresh.Active());

    // Even a single question leaves the (empty) key behind.
    EXPECT_FALSE(fresh.HasValue(L"TopMost"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, L"SOFTWARE\\My Company\\My Application\\v1.0a"));
    EXPECT_FALSE(fresh.Active());

    fresh.SetCompany(L"");
    fresh.SetApplicationName(L"");
    fresh.SetVersion(L"");
    fresh.WriteBoolValue(L"TopMost", true);
    EXPECT_EQ(
        ReadRaw(HKEY_CURRENT_USER, L"SOFTWARE\\TESTCOMPANY\\TESTAPPLICATION\\1.0a", L"TopMost"),
        Dword(1));
}

TEST_F(Store, RelativePathWithBackslashesOpensDeeperKeys) {
    store.SetRelativePath(L"Fenêtres\\Principale");
    store.WriteIntegerValue(L"FormTop", 141);
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kKey + L"\\Fenêtres\\Principale", L"FormTop"), Dword(141));
    EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, kKey, L"FormTop"));
}

TEST_F(Store, ValueOperationsLeaveTheStoreAsTheyFoundIt) {
    const std::function<void()> operations[] = {
        [&] { store.WriteIntegerValue(L"FormLeft", 323); },
        [&] { store.WriteBoolValue(L"TopMost", true); },
        [&] { store.WriteStringValue(L"Titre", L"Rytmalo"); },
        [&] { EXPECT_TRUE(store.HasValue(L"FormLeft")); },
        [&] { EXPECT_EQ(store.ReadIntegerValue(L"FormLeft"), 323); },
        [&] { EXPECT_TRUE(store.ReadBoolValue(L"TopMost")); },
        [&] { EXPECT_EQ(store.ReadStringValue(L"Titre"), L"Rytmalo"); },
        [&] { EXPECT_EQ(store.ReadStringValue(L"Absent"), L""); },
    };
    for (const auto& operation : operations) {
        operation();
        EXPECT_FALSE(store.Active());
        EXPECT_EQ(store.Registry().CurrentKey(), nullptr) << "the key is closed again";
    }
    store.SetActive(true);
    const HKEY key = store.Registry().CurrentKey();
    ASSERT_NE(key, nullptr);
    for (const auto& operation : operations) {
        operation();
        EXPECT_TRUE(store.Active());
        EXPECT_EQ(store.Registry().CurrentKey(), key) << "the same key stays open";
    }
}

TEST_F(Store, OpeningTwiceOrAssigningAnEqualNameDoesNotReopen) {
    store.SetActive(true);
    // With the key gone from under the store, a reopening would create it
    // again.
    DeleteTree(HKEY_CURRENT_USER, kKey);
    store.SetActive(true);
    store.SetVersion(L"v9");
    store.SetCompany(L"Rytmalo Tests");
    store.SetRootKey(rhCurrentUser);
    store.SetRelativePath(L"");
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kKey));
    EXPECT_TRUE(store.Active());
}

TEST_F(Store, ANewNameWhileOpenReopensOnTheKeyItNames) {
    store.SetActive(true);
    store.SetVersion(L"V9") /* names compare with case */;
    EXPECT_TRUE(store.Active());
    EXPECT_EQ(store.Registry().CurrentPath(), kCompanyKey + L"\\Store\\V9");

    store.SetApplicationName(L"Autre");
    EXPECT_TRUE(store.Active());
    EXPECT_EQ(store.Registry().CurrentPath(), kCompanyKey + L"\\Autre\\V9");
    store.WriteIntegerValue(L"FormTop", 7);
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kCompanyKey + L"\\Autre\\V9", L"FormTop"), Dword(7));

    store.SetRelativePath(L"Sous");
    EXPECT_EQ(store.Registry().CurrentPath(), kCompanyKey + L"\\Autre\\V9\\Sous");
}

TEST_F(Store, ANewNameWhileClosedIsOnlyStored) {
    store.SetVersion(L"v10");
    store.SetRelativePath(L"Sous");
    EXPECT_FALSE(store.Active());
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kCompanyKey + L"\\Store\\v10"));
    EXPECT_EQ(store.KeyPath(), kCompanyKey + L"\\Store\\v10\\Sous");
}

TEST_F(Store, FailedReadsNameTheValueAndTellMissingDataFromAWrongType) {
    const std::wstring longText = L"abcd";
    WriteRaw(HKEY_CURRENT_USER, kKey, L"Long", REG_SZ, longText.c_str(), 10);
    const ULONGLONG big = 1;
    WriteRaw(HKEY_CURRENT_USER, kKey, L"Quad", REG_QWORD, &big, sizeof big);
    const std::wstring shortText = L"a";  // four bytes with its zero
    WriteRaw(HKEY_CURRENT_USER, kKey, L"Court", REG_SZ, shortText.c_str(), 4);
    const DWORD four = 4;
    WriteRaw(HKEY_CURRENT_USER, kKey, L"Binaire", REG_BINARY, &four, sizeof four);
    WriteRaw(HKEY_CURRENT_USER, kKey, L"Gros", REG_DWORD_BIG_ENDIAN, &four, sizeof four);
    store.WriteIntegerValue(L"Nombre", 4);

    const std::wstring noData = L"Erreur à l'obtention des données pour '";
    const std::wstring wrongType = L"Type de données incorrect pour '";
    const struct {
        std::function<void()> read;
        std::wstring message;
    } cases[] = {
        {[&] { store.ReadIntegerValue(L"FormTop"); }, noData + L"FormTop'"},
        {[&] { store.ReadBoolValue(L"TopMost"); }, noData + L"TopMost'"},
        // Data longer than four bytes cannot be an integer.
        {[&] { store.ReadIntegerValue(L"Long"); }, noData + L"Long'"},
        {[&] { store.ReadIntegerValue(L"Quad"); }, noData + L"Quad'"},
        {[&] { store.ReadIntegerValue(L"Court"); }, wrongType + L"Court'"},
        {[&] { store.ReadIntegerValue(L"Binaire"); }, wrongType + L"Binaire'"},
        {[&] { store.ReadBoolValue(L"Gros"); }, wrongType + L"Gros'"},
        {[&] { store.ReadStringValue(L"Nombre"); }, wrongType + L"Nombre'"},
        {[&] { store.ReadStringValue(L"Binaire"); }, wrongType + L"Binaire'"},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.read), c.message);
    EXPECT_TRUE(store.HasValue(L"Binaire")) << "any type exists";
}

TEST_F(Store, AKeyThatCannotBeCreatedIsReportedAndLeavesTheStoreClosed) {
    // Below a volatile key the registry refuses to create a lasting one.
    ScratchKey volatileCompany(HKEY_CURRENT_USER, L"SOFTWARE\\Rytmalo Tests Volatile",
                               REG_OPTION_VOLATILE);
    store.SetCompany(L"Rytmalo Tests Volatile");
    EXPECT_EQ(ErrorOf([&] { store.SetActive(true); }),
              L"Erreur de création de la clé SOFTWARE\\Rytmalo Tests Volatile\\Store\\v9");
    EXPECT_FALSE(store.Active());
    EXPECT_EQ(ErrorOf([&] { store.WriteBoolValue(L"TopMost", true); }),
              L"Erreur de création de la clé SOFTWARE\\Rytmalo Tests Volatile\\Store\\v9");
    EXPECT_FALSE(store.Active());

    // Reopening on a new name that cannot be created leaves it closed too.
    store.SetCompany(L"Rytmalo Tests");
    store.SetActive(true);
    EXPECT_FALSE(ErrorOf([&] { store.SetCompany(L"Rytmalo Tests Volatile"); }).empty());
    EXPECT_FALSE(store.Active());
    EXPECT_EQ(store.Company(), L"Rytmalo Tests Volatile");
}

TEST_F(Store, AKeyGoneFromUnderAnOpenStoreFailsEveryAccessClearly) {
    store.SetActive(true);
    DeleteTree(HKEY_CURRENT_USER, kKey);
    EXPECT_EQ(ErrorOf([&] { store.WriteIntegerValue(L"FormLeft", 1); }),
              L"Erreur à définition des données pour 'FormLeft'");
    EXPECT_EQ(ErrorOf([&] { store.WriteStringValue(L"Titre", L"x"); }),
              L"Erreur à définition des données pour 'Titre'");
    EXPECT_FALSE(store.HasValue(L"FormLeft"));
    EXPECT_EQ(ErrorOf([&] { store.ReadIntegerValue(L"FormLeft"); }),
              L"Erreur à l'obtention des données pour 'FormLeft'");
    EXPECT_TRUE(store.Active());
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kKey)) << "nothing written anywhere else";

    TRegistryAccess unopened;
    EXPECT_EQ(ErrorOf([&] { unopened.WriteStringValue(L"", L"C:\\x.exe"); }),
              L"Erreur à définition des données pour ''");
    EXPECT_FALSE(unopened.HasValue(L""));
}

TEST_F(Store, AFailedAccessLeavesTheStoreItOpenedOpenUntilClosed) {
    EXPECT_THROW(store.ReadIntegerValue(L"FormTop"), ERegistryException);
    EXPECT_TRUE(store.Active());
    EXPECT_NE(store.Registry().CurrentKey(), nullptr);
    store.SetActive(false);
    EXPECT_EQ(store.Registry().CurrentKey(), nullptr);
}

TEST_F(Store, IntegersAndBooleansAreDwordsWithCaseInsensitiveNames) {
    for (const std::int32_t n : {-1, INT_MIN, INT_MAX, 0, -141}) {
        store.WriteIntegerValue(L"FormLeft", n);
        EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kKey, L"FormLeft"), Dword(static_cast<DWORD>(n)));
        EXPECT_EQ(store.ReadIntegerValue(L"FormLeft"), n);
    }
    store.WriteBoolValue(L"TopMost", true);
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kKey, L"TopMost"), Dword(1));
    EXPECT_TRUE(store.HasValue(L"Topmost"));
    store.WriteBoolValue(L"TOPMOST", false);
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kKey, L"TopMost"), Dword(0));
    EXPECT_FALSE(store.ReadBoolValue(L"topmost"));
    EXPECT_EQ(ValueCount(HKEY_CURRENT_USER, kKey), 2u) << "FormLeft and one TopMost";

    const DWORD two = 2;
    WriteRaw(HKEY_CURRENT_USER, kKey, L"TopMost", REG_DWORD, &two, sizeof two);
    EXPECT_TRUE(store.ReadBoolValue(L"TopMost"));
}

TEST_F(Store, ShortDwordsReadZeroExtended) {
    const unsigned char bytes[] = {0x34, 0x12, 0xFF};
    WriteRaw(HKEY_CURRENT_USER, kKey, L"Deux", REG_DWORD, bytes, 2);
    const unsigned char ones[] = {0xFF, 0xFF, 0xFF};
    WriteRaw(HKEY_CURRENT_USER, kKey, L"Trois", REG_DWORD, ones, 3);
    WriteRaw(HKEY_CURRENT_USER, kKey, L"Vide", REG_DWORD, bytes, 0);
    const unsigned char zero = 0;
    WriteRaw(HKEY_CURRENT_USER, kKey, L"Un", REG_DWORD, &zero, 1);

    store.SetActive(true);
    for (int i = 0; i < 3; ++i) {  // whatever an earlier read left on the stack
        EXPECT_EQ(store.ReadIntegerValue(L"Deux"), 0x1234);
        EXPECT_EQ(store.ReadIntegerValue(L"Trois"), 0x00FFFFFF);
        EXPECT_EQ(store.ReadIntegerValue(L"Vide"), 0);
        EXPECT_FALSE(store.ReadBoolValue(L"Un"));
    }
}

TEST_F(Store, TextIsExactInAnyScriptAndReadableByOtherPrograms) {
    const std::wstring text = L"Délai — ♩ = 120, 漢字 \U0001D15F";
    store.WriteStringValue(L"Fenêtre", text);
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kKey, L"Fenêtre"), Text(text));
    EXPECT_EQ(store.ReadStringValue(L"FENÊTRE"), text);

    store.WriteStringValue(L"Vide", L"");
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, kKey, L"Vide"), Text(L""));
    EXPECT_EQ(store.ReadStringValue(L"Vide"), L"");
    EXPECT_EQ(store.ReadStringValue(L"Absent"), L"");
}

TEST_F(Store, TextFromOtherProgramsReadsUpToTheFirstZeroAndUnexpanded) {
    const std::wstring unterminated = L"abc";
    WriteRaw(HKEY_CURRENT_USER, kKey, L"SansZero", REG_SZ, unterminated.c_str(), 6);
    const wchar_t embedded[] = L"ab\0cd";
    WriteRaw(HKEY_CURRENT_USER, kKey, L"Coupe", REG_SZ, embedded, sizeof embedded);
    const std::wstring expandable = L"%SystemRoot%\\Rytmalo";
    WriteRaw(HKEY_CURRENT_USER, kKey, L"Chemin", REG_EXPAND_SZ, expandable.c_str(),
             static_cast<DWORD>((expandable.size() + 1) * sizeof(wchar_t)));

    EXPECT_EQ(store.ReadStringValue(L"SansZero"), L"abc");
    EXPECT_EQ(store.ReadStringValue(L"Coupe"), L"ab");
    EXPECT_EQ(store.ReadStringValue(L"Chemin"), expandable);
}

TEST_F(Store, TenThousandOpeningsLeaveNoHandleBehind) {
    // The count must see a key left open, or the comparison below proves
    // nothing.
    const DWORD before = ProcessHandleCount();
    HKEY probe = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, kCompanyKey.c_str(), 0, KEY_READ, &probe),
              ERROR_SUCCESS);
    ASSERT_EQ(ProcessHandleCount(), before + 1);
    RegCloseKey(probe);

    store.WriteIntegerValue(L"FormTop", 1);
    store.SetVersion(L"v8");
    store.WriteIntegerValue(L"FormTop", 2);
    for (int i = 0; i < 10000; ++i) {
        store.SetActive(true);
        store.SetActive(false);
    }
    for (int i = 0; i < 1000; ++i) {
        store.ReadIntegerValue(L"FormTop");
        store.ReadStringValue(L"Absent");
        store.SetActive(true);
        store.SetVersion(i % 2 ? L"v9" : L"v8");
        EXPECT_THROW(store.ReadIntegerValue(L"Absent"), ERegistryException);
        store.SetActive(false);
    }
    EXPECT_EQ(ProcessHandleCount(), before);
}

}  // namespace
}  // namespace rytmalo::testing
