// A control array: controls of one kind that share their handlers, which
// receive the element's index. Indices need not be contiguous.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <type_traits>
#include <utility>

#include "errors_suppressed.h"

namespace zelvane::rt {

template <class T>
class ControlArray {
 public:
  // Creates element `index` with the given constructor arguments.
  template <class... A>
  T& Add(int index, A&&... args) {
    auto& slot = items_[index];
    slot = std::make_unique<T>(std::forward<A>(args)...);
    return *slot;
  }

  // The element at `index`; a missing one raises RuntimeError.
  T& operator()(int index) const {
    auto it = items_.find(index);
    if (it == items_.end()) throw RuntimeError("control array element does not exist");
    return *it->second;
  }
  bool Contains(int index) const { return items_.count(index) != 0; }

  // Wires one event of every element added so far to a handler that receives
  // the element's index first, e.g. Connect(&Label::MouseDown, handler).
  template <class Owner, class... Args, class H>
  void Connect(std::function<void(Args...)> Owner::*event, H handler) {
    static_assert(std::is_base_of_v<Owner, T>);
    for (auto& [index, item] : items_) {
      (*item).*event = [handler, index = index](Args... args) { handler(index, args...); };
    }
  }

  template <class F>
  void ForEach(F&& f) const {
    for (auto& [index, item] : items_) f(index, *item);
  }

 private:
  std::map<int, std::unique_ptr<T>> items_;
};

}  // namespace zelvane::rt
