#pragma once
// A callable passed down without owning it or allocating: a pointer to the
// caller's callable and one indirect call, as cheap per record as a plain
// function pointer, yet the caller binds whatever its converter needs.
#include <type_traits>
#include <utility>

namespace vx::transfer {

template <typename Signature>
class FunctionRef;

template <typename R, typename... Args>
class FunctionRef<R(Args...)> {
 public:
  FunctionRef() = default;
  FunctionRef(R (*f)(Args...))  // NOLINT: as above
      : function_(f), call_(f ? &call_function : nullptr) {}
  template <typename F>
  requires(!std::is_same_v<std::remove_cvref_t<F>, FunctionRef> &&
           !std::is_function_v<std::remove_reference_t<F>> && std::is_invocable_r_v<R, F&, Args...>)
      FunctionRef(F&& f)  // NOLINT: converts implicitly, as a function pointer would
      : object_(const_cast<void*>(static_cast<const void*>(&f))),
        call_([](const FunctionRef& self, Args... args) -> R {
          return (*static_cast<std::remove_reference_t<F>*>(self.object_))(std::forward<Args>(args)...);
        }) {}

  explicit operator bool() const { return call_ != nullptr; }
  R operator()(Args... args) const { return call_(*this, std::forward<Args>(args)...); }

 private:
  static R call_function(const FunctionRef& self, Args... args) {
    return self.function_(std::forward<Args>(args)...);
  }

  void* object_ = nullptr;
  R (*function_)(Args...) = nullptr;
  R (*call_)(const FunctionRef&, Args...) = nullptr;
};

}  // namespace vx::transfer
