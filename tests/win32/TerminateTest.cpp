// An exception that escapes every handler: the program's own terminate
// handler says so in a box, then the process ends as abort() ends it.
#include <string>

#include <gtest/gtest.h>

#include "driver/Driver.h"

namespace rytmalo::testing {
namespace {

struct Escape {
    const wchar_t* kind;
    const wchar_t* detail;  // what the box adds to its general text
};

TEST(Terminate, ABoxSaysTheProgramStopsThenItEndsAsAbortEndsIt) {
    const std::wstring general = L"Erreur interne : le programme doit s'arrêter.";
    for (const Escape& escape : {Escape{L"tk", L"\n\nSonde : exception échappée"},
                                 Escape{L"std", L"\n\nprobe: escaped"}, Escape{L"none", L""}}) {
        SCOPED_TRACE(std::string(escape.kind, escape.kind + wcslen(escape.kind)));
        driver::Process probe = driver::Process::Launch(
            driver::OwnDirectory() + L"escaping-exception.exe", escape.kind, false);
        HWND box = driver::WaitForMessageBox(probe.Id());
        ASSERT_NE(box, nullptr) << "no box: the library's handler would write to a console";
        const driver::MessageBoxInfo info = driver::ReadMessageBox(box);
        EXPECT_EQ(info.caption, L"Rytmalo95");
        EXPECT_EQ(info.text, general + escape.detail);
        EXPECT_EQ(driver::MessageBoxIcon(box), IDI_HAND);
        // Only the one box: none of the runtime's after it.
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(probe.WaitForExit(10000));
        EXPECT_EQ(probe.ExitCode(), 3u);
    }
}

}  // namespace
}  // namespace rytmalo::testing
