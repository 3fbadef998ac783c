// Stands in for the Windows help viewer: WinHelp hands every request to the
// window of class "MS_WINHELP", so owning one shows exactly what a program
// asked for.
#pragma once

#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <windows.h>

namespace driver {

struct HelpRequest {
    std::string file;
    unsigned command = 0;
    long data = 0;
};

class WinHelpSpy {
public:
    WinHelpSpy();
    ~WinHelpSpy();
    WinHelpSpy(const WinHelpSpy&) = delete;
    WinHelpSpy& operator=(const WinHelpSpy&) = delete;

    std::vector<HelpRequest> Requests() const;
    void Clear();
    // Waits until at least count requests arrived.
    bool WaitForRequests(std::size_t count, DWORD timeoutMs = 10000) const;

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Run();

    mutable std::mutex mutex_;
    std::vector<HelpRequest> requests_;
    HWND window_ = nullptr;
    HANDLE ready_;
    std::thread thread_;
};

}  // namespace driver
