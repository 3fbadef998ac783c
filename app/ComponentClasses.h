// The component classes that the program's layouts name.
#pragma once

namespace tk {
class TApplication;
}

namespace rytmalo {

void RegisterComponentClasses(tk::TApplication& application);

}  // namespace rytmalo
