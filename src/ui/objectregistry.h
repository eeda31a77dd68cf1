#pragma once
// Long-lived objects of the subsystems, found by their type: the windows that
// stay open beside the main window (notes, help; later the fabric and palette
// windows), the helpers that live as long as the window (file commands, mouse
// tools) and small pieces of session state (page margins). A subsystem
// registers what it creates and finds it again without the main window
// having a member for it.

#include <QObject>
#include <QPointer>
#include <memory>
#include <type_traits>
#include <typeindex>
#include <unordered_map>

namespace hm {

class ObjectRegistry {
  public:
    // The registered object of type T; nullptr when there is none or when the
    // object (a QObject) has been destroyed since.
    template <typename T> T* Find() const {
        if constexpr (std::is_base_of_v<QObject, T>) {
            const auto it = objects_.find(typeid(T));
            return it == objects_.end() ? nullptr : static_cast<T*>(it->second.data());
        } else {
            const auto it = owned_.find(typeid(T));
            return it == owned_.end() ? nullptr : static_cast<T*>(it->second.get());
        }
    }

    // Registers a QObject that someone else owns (usually a window's child). It
    // is forgotten when it is destroyed.
    template <typename T> void Register(T* object) {
        static_assert(std::is_base_of_v<QObject, T>, "only QObjects are registered");
        objects_[typeid(T)] = object;
    }

    // Plain state of type T, created on first use and kept as long as the registry.
    template <typename T> T& Own() {
        static_assert(!std::is_base_of_v<QObject, T>, "QObjects are registered, not owned");
        std::shared_ptr<void>& slot = owned_[typeid(T)];
        if (!slot) slot = std::make_shared<T>();
        return *static_cast<T*>(slot.get());
    }

  private:
    std::unordered_map<std::type_index, QPointer<QObject>> objects_;
    std::unordered_map<std::type_index, std::shared_ptr<void>> owned_;
};

} // namespace hm
