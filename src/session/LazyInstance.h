#pragma once

namespace core {

// A program-wide object made on first use and kept until the process ends, or until it is
// released ("Set x = Nothing"), after which the next use makes a fresh one.
// Constant-initialised, so it may be used from any other global's initialiser. The class may be
// only declared where the variable is: the deleter is chosen where the object is first made.
template <class T> class LazyInstance {
public:
    constexpr LazyInstance() = default;
    LazyInstance(const LazyInstance &) = delete;
    LazyInstance &operator=(const LazyInstance &) = delete;
    ~LazyInstance() { reset(); }

    // The object, made now when there is none.
    T &get()
    {
        if (!m_object) {
            m_object = new T();
            m_delete = [](T *object) { delete object; };
        }
        return *m_object;
    }
    T *operator->() { return &get(); }
    T &operator*() { return get(); }

    // True when the object has been made and not released since.
    bool exists() const { return m_object != nullptr; }

    // Releases the object; the next use makes a new one.
    void reset()
    {
        if (m_object) {
            T *object = m_object;
            m_object = nullptr;
            m_delete(object);
        }
    }

private:
    T *m_object = nullptr;
    void (*m_delete)(T *) = nullptr;
};

} // namespace core
