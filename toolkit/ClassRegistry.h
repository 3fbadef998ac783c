// The component classes that layouts can name, and how each is made.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace tk {

class TComponent;

using ComponentFactory = std::function<TComponent*(TComponent* owner)>;

class ClassRegistry {
public:
    void Register(std::string_view className, ComponentFactory factory);
    // A new component of the class, owned by owner; a class nobody
    // registered is a programming error (std::logic_error).
    TComponent* Create(std::string_view className, TComponent* owner) const;

private:
    std::map<std::string, ComponentFactory, std::less<>> classes_;
};

}  // namespace tk
