#include "toolkit/ClassRegistry.h"

#include <stdexcept>

namespace tk {

void ClassRegistry::Register(std::string_view className, ComponentFactory factory) {
    classes_[std::string(className)] = std::move(factory);
}

TComponent* ClassRegistry::Create(std::string_view className, TComponent* owner) const {
    const auto it = classes_.find(className);
    if (it == classes_.end())
        throw std::logic_error("unknown component class " + std::string(className));
    return it->second(owner);
}

}  // namespace tk
