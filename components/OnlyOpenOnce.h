// Keeps a program to one running instance per name. Once its owner has
// loaded, the component creates a named shared-memory object: if the name
// exists already, another instance runs, so it posts a message registered
// under the same name to every application and ends this process with exit
// code 0; otherwise it hooks the application window, which restores the
// program and brings its main window forward when that message arrives.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/Component.h"

namespace rytmalo {

class TOnlyOpenOnce : public tk::TComponent {
public:
    explicit TOnlyOpenOnce(tk::TComponent* owner) : tk::TComponent(owner) {}
    // Unhooks the application window and releases the name.
    ~TOnlyOpenOnce() override;

    // Name of the shared-memory object and of the message; empty: the
    // application's title.
    const std::wstring& UniqueString() const { return uniqueString_; }
    void SetUniqueString(std::wstring_view name) { uniqueString_ = name; }
    // True: the first instance shows its windows at start and a second start
    // brings its main window forward. False: it starts without a visible
    // window and a second start only restores it from the taskbar. Read once,
    // when loading completes.
    bool IsAppVisible() const { return isAppVisible_; }
    void SetIsAppVisible(bool visible) { isAppVisible_ = visible; }

    void Loaded() override;

    std::span<const tk::PublishedProperty> Published() const override;

    // The number registered for the name of the guard working in this
    // process, or 0.
    static unsigned MessageNumber();

private:
    std::wstring uniqueString_;
    bool isAppVisible_ = false;
};

}  // namespace rytmalo
