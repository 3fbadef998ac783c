#include "toolkit/ClassRegistry.h"

#include "core/Exception.h"

namespace tk {

void ClassRegistry::Register(std::string_view className, ComponentFactory factory) {
    for (auto& [name, made] : classes_) {
        if (name == className) {
            made = std::move(factory);
            return;
        }
    }
    classes_.emplace_back(className, std::move(factory));
}

TComponent* ClassRegistry::Create(std::string_view className, TComponent* owner) const {
    for (const auto& [name, made] : classes_) {
        if (name == className) return made(owner);
    }
    throw ProgrammingError({"unknown component class ", className});
}

}  // namespace tk
