#pragma once

#include <optional>
#include <utility>

namespace vatro {

// The value a view last put on screen, so that a sync touches a widget only when the
// model's value differs from it.
template <class T> class Mirrored {
public:
    // Whether the value differs from the one mirrored last; remembers it if so.
    bool changed(const T& value) {
        if (m_value && *m_value == value)
            return false;
        m_value = value;
        return true;
    }
    // Remembers a value the widget already shows, as after the user typed it.
    void assume(T value) { m_value = std::move(value); }
    void forget() { m_value.reset(); }

private:
    std::optional<T> m_value;
};

} // namespace vatro
