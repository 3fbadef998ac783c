#include "core/Component.h"

#include <algorithm>

#include "core/Exception.h"

namespace tk {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
    DestroyComponents();
    if (owner_) {
        auto& siblings = owner_->components_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        components_.pop_back();
        last->owner_ = nullptr;
        delete last;
    }
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    for (TComponent* c : components_) {
        if (c->name_ == name) return c;
    }
    return nullptr;
}

void TComponent::Loaded() { loading_ = false; }

void TComponent::AssignProperties(const std::vector<PropertyAssignment>& values) {
    std::size_t used = 0;
    for (const PublishedProperty& p : Published()) {
        for (const PropertyAssignment& v : values) {
            if (v.name == p.name) {
                p.assign(*this, v.value);
                ++used;
            }
        }
    }
    if (used != values.size()) {
        throw ProgrammingError(
            {"layout of ", name_, " names a property its class does not publish"});
    }
}

}  // namespace tk
