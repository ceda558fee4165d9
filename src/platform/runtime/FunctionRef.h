#pragma once

#include <memory>
#include <type_traits>
#include <utility>

namespace rt {

template <class Signature>
class FunctionRef;

// A call to something callable that outlives the call, without copying it: what a step runner
// takes for each statement, so that running a lambda costs no allocation (the lists and the
// settlement build run hundreds of thousands of them).
template <class R, class... Args>
class FunctionRef<R(Args...)> {
public:
    template <class F>
        requires(!std::is_same_v<std::remove_cvref_t<F>, FunctionRef> && std::is_invocable_r_v<R, F &, Args...>)
    FunctionRef(F &&callable) noexcept // NOLINT(google-explicit-constructor): stands in for a callable
    {
        if constexpr (std::is_function_v<std::remove_reference_t<F>>) {
            m_target.function = reinterpret_cast<void (*)()>(&callable);
            m_call = [](Target target, Args... args) -> R {
                return reinterpret_cast<std::remove_reference_t<F> *>(target.function)(std::forward<Args>(args)...);
            };
        } else {
            m_target.object = const_cast<void *>(static_cast<const void *>(std::addressof(callable)));
            m_call = [](Target target, Args... args) -> R {
                return (*static_cast<std::remove_reference_t<F> *>(target.object))(std::forward<Args>(args)...);
            };
        }
    }

    R operator()(Args... args) const { return m_call(m_target, std::forward<Args>(args)...); }

private:
    union Target {
        void *object;
        void (*function)();
    };
    Target m_target;
    R (*m_call)(Target, Args...);
};

} // namespace rt
