#include "app/ComponentClasses.h"

#include "components/Elihint.h"
#include "components/OnlyOpenOnce.h"
#include "components/PlxAppPath.h"
#include "components/RegApp.h"
#include "components/TopMost.h"
#include "toolkit/Application.h"

namespace rytmalo {

namespace {

template <class T>
tk::TComponent* Make(tk::TComponent* owner) {
    return new T(owner);
}

}  // namespace

void RegisterComponentClasses(tk::TApplication& application) {
    application.RegisterComponentClass("TRegAppUserConfig", &Make<TRegAppUserConfig>);
    application.RegisterComponentClass("TTopMost", &Make<TTopMost>);
    application.RegisterComponentClass("TPlomexAppPath", &Make<TPlomexAppPath>);
    application.RegisterComponentClass("TEllipticHint", &Make<TEllipticHint>);
    application.RegisterComponentClass("TOnlyOpenOnce", &Make<TOnlyOpenOnce>);
}

}  // namespace rytmalo
