#pragma once

#include "Punt.h"

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <utility>

// A transfer curve as a value: it owns its CPunt list (sorted by strictly
// increasing input), a copy holds copies of the points, and two curves are
// equal when they hold the same inputs with the same outputs. The list stays
// reachable through Head() for code that walks prev and next; every change
// goes through the curve, so the head it owns is always the list's first
// point. An empty curve has no points; every curve the program builds starts
// with the point at 0 V.
class CCurve {
public:
    template <class Point> class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = CPunt;
        using difference_type = std::ptrdiff_t;
        using pointer = Point*;
        using reference = Point&;

        Iterator() = default;
        explicit Iterator(Point* at)
            : point(at)
        {
        }
        reference operator*() const { return *point; }
        pointer operator->() const { return point; }
        Iterator& operator++()
        {
            point = point->next;
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator before = *this;
            point = point->next;
            return before;
        }
        bool operator==(const Iterator& other) const { return point == other.point; }
        bool operator!=(const Iterator& other) const { return point != other.point; }

    private:
        Point* point = nullptr;
    };
    using iterator = Iterator<CPunt>;
    using const_iterator = Iterator<const CPunt>;

    CCurve() = default;
    // Takes the list this head starts (null: no points).
    explicit CCurve(std::unique_ptr<CPunt> head);
    // The points added one by one in the order given, as Add adds them.
    CCurve(std::initializer_list<std::pair<double, double>> points);
    CCurve(const CCurve& other);
    CCurve& operator=(const CCurve& other);
    CCurve(CCurve&& other) noexcept = default;
    CCurve& operator=(CCurve&& other) noexcept = default;
    ~CCurve() = default;

    // The line output = input over the whole range: (0, 0), (5, 5).
    static CCurve Straight();

    iterator begin() { return iterator(head.get()); }
    iterator end() { return iterator(); }
    const_iterator begin() const { return const_iterator(head.get()); }
    const_iterator end() const { return const_iterator(); }

    CPunt* Head() { return head.get(); }
    const CPunt* Head() const { return head.get(); }
    bool Empty() const { return !head; }
    int Count() const;

    // Sorted insert (CPunt::Add); a point with exactly this input takes the
    // new output. A point below the first one becomes the new first point.
    void Add(double input, double output);
    // Removes the first point after the first one whose input equals the
    // value exactly (CPunt::Remove): the first point always stays.
    void Remove(double input);
    // The last point whose input is not greater than the value, or null.
    CPunt* Find(double input);
    const CPunt* Find(double input) const;
    // The point at exactly this input, or null.
    CPunt* At(double input);
    const CPunt* At(double input) const;

    bool operator==(const CCurve& other) const;
    bool operator!=(const CCurve& other) const { return !(*this == other); }

private:
    std::unique_ptr<CPunt> head;
};
