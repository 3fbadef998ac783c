#include "app/ComponentClasses.h"

#include "toolkit/Application.h"

namespace rytmalo {

void RegisterComponentClasses(tk::TApplication& application) { (void)application; }

}  // namespace rytmalo
