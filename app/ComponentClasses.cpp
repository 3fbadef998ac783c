#include "app/ComponentClasses.h"

#include "components/Elihint.h"
#include "components/OnlyOpenOnce.h"
#include "toolkit/Application.h"

namespace rytmalo {

void RegisterComponentClasses(tk::TApplication& application) {
    application.RegisterComponentClass(
        "TEllipticHint", [](tk::TComponent* owner) { return new TEllipticHint(owner); });
    application.RegisterComponentClass(
        "TOnlyOpenOnce", [](tk::TComponent* owner) { return new TOnlyOpenOnce(owner); });
}

}  // namespace rytmalo
