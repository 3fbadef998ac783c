// The C++ library's misuse errors as the program raises them: this test
// program links the program's own throwing functions, so an index out of
// range meets the error and the report the program's user would see.
#include <string>
#include <thread>
#include <vector>

#include "TestLayout.h"
#include "ToolkitFixture.h"
#include "core/Exception.h"
#include "driver/Driver.h"
#include "toolkit/Button.h"

namespace tk::testing {
namespace {

FormLayout OneButton() {
    FormLayout f = FormAt("TThrowsForm", L"Essai", Bounds(0, 0, 200, 80));
    f.controls = {Control(ControlKind::Button, "Go", Bounds(60, 20, 75, 25), L"Aller")};
    return f;
}

// A figure the compiler cannot see through: the library's check stays.
std::size_t Opaque(std::size_t n) {
    volatile std::size_t kept = n;
    return kept;
}

template <class Misuse>
std::string ErrorText(Misuse&& misuse) {
    try {
        misuse();
    } catch (const ProgrammingError& e) {
        return e.what();
    } catch (const std::exception& e) {
        return std::string("not the program's error: ") + e.what();
    }
    return "no error";
}

using LibraryThrows = ToolkitTest;

TEST_F(LibraryThrows, MisuseRaisesTheProgramsErrorWithTheLibrarysText) {
    const std::vector<int> three(3);
    EXPECT_EQ(ErrorText([&] { (void)three.at(Opaque(7)); }),
              "vector::_M_range_check: __n (which is 7) >= this->size() (which is 3)");
    const std::wstring abc = L"abc";
    EXPECT_EQ(ErrorText([&] { (void)abc.substr(Opaque(9)); }),
              "basic_string::substr: __pos (which is 9) > this->size() (which is 3)");
    std::vector<int> growing;
    EXPECT_EQ(ErrorText([&] { growing.reserve(growing.max_size() + Opaque(1)); }),
              "vector::reserve");
    EXPECT_EQ(ErrorText([] { (void)std::stoi(L"dix"); }), "stoi");
}

TEST_F(LibraryThrows, AnIndexOutOfRangeInAHandlerIsReportedWithItsFigures) {
    TestForm& form = MakeForm(OneButton());
    const std::vector<int> three(3);
    form.Find<TButton>("Go").OnClick = [&] { (void)three.at(Opaque(7)); };
    // The application's own report: its message box.
    Application->OnException = nullptr;
    driver::MessageBoxInfo box;
    LPCWSTR icon = nullptr;
    std::thread reader([&] {
        HWND window = driver::WaitForMessageBox(GetCurrentProcessId());
        if (!window) return;
        box = driver::ReadMessageBox(window);
        icon = driver::MessageBoxIcon(window);
        PostMessageW(window, WM_COMMAND, IDOK, 0);
    });
    SendMessageW(form.Find<TControl>("Go").Handle(), BM_CLICK, 0, 0);
    reader.join();
    EXPECT_EQ(box.text, L"vector::_M_range_check: __n (which is 7) >= this->size() (which is 3).");
    EXPECT_EQ(box.caption, L"Toolkit tests");
    EXPECT_EQ(icon, IDI_HAND);
}

}  // namespace
}  // namespace tk::testing
