// Records the running program's full path in the shell's App Paths, so that
// it can be started by its file name alone (from the Run box, for instance).
#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/Component.h"
#include "toolkit/Win.h"

namespace rytmalo {

class TPlomexAppPath : public tk::TComponent {
public:
    explicit TPlomexAppPath(tk::TComponent* owner);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    // Writes the entry once the owner's layout has been read, when enabled.
    void Loaded() override;

    // Writes App Paths\NAME.EXE (default value: the full path) under the
    // first root whose key can be opened or created; silent when none can.
    // A key that opens but refuses the value raises the write error.
    void RegisterAppPath();

    // Where the entry may go, tried in turn. By default the machine-wide
    // key, then the user's own, which the shell also honours: an ordinary
    // user may not write below HKEY_LOCAL_MACHINE.
    const std::vector<HKEY>& Roots() const { return roots_; }
    void SetRoots(std::vector<HKEY> roots) { roots_ = std::move(roots); }

    // Where the program's full path comes from: by default the system's
    // answer for the running process.
    void SetExecutablePathSource(std::function<std::wstring()> source) {
        executablePath_ = std::move(source);
    }

    std::span<const tk::PublishedProperty> Published() const override;

private:
    bool enabled_ = true;
    std::vector<HKEY> roots_;
    std::function<std::wstring()> executablePath_;
};

// The full path of the running program, however long.
std::wstring RunningExecutablePath();

}  // namespace rytmalo
