// The display's resolution for the programs a test starts: the test keeps
// its own.
#pragma once

#include <optional>
#include <string>

#include "tests/win32/RegistryScratch.h"

namespace rytmalo::e2e {

inline const std::wstring kDesktopKey = L"Control Panel\\Desktop";

// The display's resolution for programs started while the object lives.
class DisplayDpi {
public:
    explicit DisplayDpi(int dpi)
        : saved_(rytmalo::testing::ReadRaw(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels")) {
        Write(rytmalo::testing::Dword(static_cast<DWORD>(dpi)));
    }
    ~DisplayDpi() {
        if (saved_) {
            Write(*saved_);
        } else {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey.c_str(), L"LogPixels");
        }
    }
    DisplayDpi(const DisplayDpi&) = delete;
    DisplayDpi& operator=(const DisplayDpi&) = delete;

private:
    static void Write(const rytmalo::testing::RawValue& v) {
        rytmalo::testing::WriteRaw(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", v.type,
                                   v.data.data(), static_cast<DWORD>(v.data.size()));
    }
    std::optional<rytmalo::testing::RawValue> saved_;
};

}  // namespace rytmalo::e2e
