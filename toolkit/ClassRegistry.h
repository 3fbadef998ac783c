// The component classes that layouts can name, and how each is made.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tk {

class TComponent;

using ComponentFactory = std::function<TComponent*(TComponent* owner)>;

class ClassRegistry {
public:
    void Register(std::string_view className, ComponentFactory factory);
    // A new component of the class, owned by owner; a class nobody
    // registered is a programming error (ProgrammingError).
    TComponent* Create(std::string_view className, TComponent* owner) const;

private:
    // A program registers a dozen classes: looked through in turn.
    std::vector<std::pair<std::string, ComponentFactory>> classes_;
};

}  // namespace tk
