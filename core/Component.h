// Components: objects owned by another component (a form, the application),
// created from a layout, told when the layout has been read, destroyed with
// their owner.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/Layout.h"

namespace tk {

class TComponent;

// One published property: its name and how a layout value is assigned.
struct PublishedProperty {
    std::string_view name;
    void (*assign)(TComponent& target, const PropertyValue& value);
};

class TComponent {
public:
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(std::string_view name) { name_ = name; }

    // Owned components in creation order.
    const std::vector<TComponent*>& Components() const { return components_; }
    TComponent* FindComponent(std::string_view name) const;

    // True from construction by a layout until Loaded().
    bool IsLoading() const { return loading_; }
    void BeginLoading() { loading_ = true; }
    // Called once the owner's layout has been read completely, in creation
    // order. Overrides call the base first.
    virtual void Loaded();

    // Published properties in the order a layout assigns them.
    virtual std::span<const PublishedProperty> Published() const { return {}; }
    // Assigns the layout's values in published order; a value the class
    // does not publish is a programming error (ProgrammingError).
    void AssignProperties(const std::vector<PropertyAssignment>& values);

protected:
    // Destroys the owned components, last created first.
    void DestroyComponents();

private:
    TComponent* owner_;
    std::string name_;
    std::vector<TComponent*> components_;
    bool loading_ = false;
};

// Converts a layout value to a setter's parameter type.
template <class Arg>
Arg FromPropertyValue(const PropertyValue& v) {
    using A = std::remove_cvref_t<Arg>;
    if constexpr (std::is_same_v<A, bool>) {
        return std::get<bool>(v);
    } else if constexpr (std::is_enum_v<A>) {
        return static_cast<A>(std::get<std::int32_t>(v));
    } else if constexpr (std::is_integral_v<A>) {
        return static_cast<A>(std::get<std::int32_t>(v));
    } else {
        return A(std::get<std::wstring_view>(v));
    }
}

template <class>
struct SetterTraits;
template <class C, class A>
struct SetterTraits<void (C::*)(A)> {
    using Class = C;
    using Arg = A;
};

// PublishedProperty{"OnTop", &Assign<&TTopMost::SetOnTop>}
template <auto Setter>
void Assign(TComponent& target, const PropertyValue& value) {
    using Traits = SetterTraits<decltype(Setter)>;
    auto& object = static_cast<typename Traits::Class&>(target);
    (object.*Setter)(FromPropertyValue<typename Traits::Arg>(value));
}

}  // namespace tk
