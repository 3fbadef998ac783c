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
    application.Classes().Register("TRegAppUserConfig", &Make<TRegAppUserConfig>);
    application.Classes().Register("TTopMost", &Make<TTopMost>);
    application.Classes().Register("TPlomexAppPath", &Make<TPlomexAppPath>);
    application.Classes().Register("TEllipticHint", &Make<TEllipticHint>);
    application.Classes().Register("TOnlyOpenOnce", &Make<TOnlyOpenOnce>);
}

}  // namespace rytmalo
