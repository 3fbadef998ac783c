// One application object for the whole test program, and forms made from
// small layouts written for the tests.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "toolkit/Application.h"

namespace tk::testing {

// A form that a test builds from any layout.
class TestForm : public TForm {
public:
    TestForm(TComponent* owner, const FormLayout& layout) : TForm(owner, layout) {}
};

// Loads a form of the application; deleted with the fixture.
class ToolkitTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->OnException = [this](const std::wstring& m) { reported.push_back(m); };
        Application->SetHelpService(
            [this](HWND, const std::wstring& file, UINT command, ULONG_PTR data) {
                helpRequests.push_back({file, command, static_cast<int>(data)});
                return true;
            });
    }
    void TearDown() override {
        forms_.clear();
        Application->OnException = nullptr;
        Application->SetHelpService(&WinHelpService);
    }

    TestForm& MakeForm(const FormLayout& layout) {
        auto* form = new TestForm(Application, layout);
        forms_.emplace_back(form);
        form->Load();
        return *form;
    }

    // Dispatches what is queued for this thread.
    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    // Runs the application's loop until the condition holds or the time is up.
    static bool LoopUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000) {
        const ULONGLONG end = GetTickCount64() + timeoutMs;
        for (;;) {
            Application->ProcessMessages();
            if (condition()) return true;
            if (GetTickCount64() > end) return false;
            Sleep(10);
        }
    }

    // What the system tells a window moved to a monitor of another
    // resolution, with the place it suggests for it there.
    static void MoveToDpi(HWND window, int dpi, RECT suggested) {
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    }

    // A key as the message loop sees it before its window does.
    static bool Key(TForm& form, HWND target, WORD key) {
        MSG msg{target, WM_KEYDOWN, key, 0};
        return form.DialogKey(msg);
    }

    struct HelpRequest {
        std::wstring file;
        UINT command;
        int context;
    };
    std::vector<HelpRequest> helpRequests;
    std::vector<std::wstring> reported;

private:
    std::vector<std::unique_ptr<TestForm>> forms_;
};

}  // namespace tk::testing
