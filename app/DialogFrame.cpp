#include "app/DialogFrame.h"

namespace rytmalo {

tk::FormLayout DialogFrame(std::string_view className, std::wstring_view caption, tk::TRect place,
                           std::wstring_view icon) {
    tk::FormLayout f =
        tk::FormAt(className, caption, place, tk::BorderStyle::Single, tk::biSystemMenu);
    f.formStyle = tk::FormStyle::StayOnTop;
    f.position = tk::FormPosition::ScreenCenter;
    f.windowAtFirstShow = true;
    f.icon = icon;
    return f;
}

}  // namespace rytmalo
