#pragma once

#include <cstddef>
#include <type_traits>
#include <utility>

// The number of fields of an aggregate (a struct with public fields and no
// constructors), counted by the compiler: the most initialisers a braced
// initialisation of it takes. A struct that compares through a hand-written
// list of its fields asserts that the list is as long as this count, so a
// field added to the struct and forgotten in the list fails the build.

namespace field_count_detail {

// Converts to any type: one initialiser for one field, whatever its type.
struct AnyField {
    template <class T> operator T() const;
};

template <class T, class Initialisers, class = void> struct Takes : std::false_type {
};

template <class T, std::size_t... I>
struct Takes<T, std::index_sequence<I...>,
    std::void_t<decltype(T { (static_cast<void>(I), AnyField {})... })>> : std::true_type {
};

} // namespace field_count_detail

template <class T, std::size_t N = 0> constexpr std::size_t FieldCount()
{
    static_assert(std::is_aggregate_v<T>, "only an aggregate's fields can be counted");
    if constexpr (field_count_detail::Takes<T, std::make_index_sequence<N + 1>>::value)
        return FieldCount<T, N + 1>();
    else
        return N;
}
