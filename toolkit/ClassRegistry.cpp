#include "toolkit/ClassRegistry.h"

#include <stdexcept>

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
    throw std::logic_error("unknown component class " + std::string(className));
}

}  // namespace tk
