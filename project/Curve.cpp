#include "Curve.h"

CCurve::CCurve(std::unique_ptr<CPunt> first)
    : head(std::move(first))
{
}

CCurve::CCurve(std::initializer_list<std::pair<double, double>> points)
{
    for (const auto& [input, output] : points)
        Add(input, output);
}

// Builds the copy at the end of the list, so copying stays linear.
CCurve::CCurve(const CCurve& other)
{
    CPunt* tail = nullptr;
    for (const CPunt& p : other) {
        auto point = std::make_unique<CPunt>(p.input, p.output);
        CPunt* added = point.get();
        if (tail) {
            added->prev = tail;
            tail->next = point.release();
        } else {
            head = std::move(point);
        }
        tail = added;
    }
}

CCurve& CCurve::operator=(const CCurve& other)
{
    if (this != &other)
        *this = CCurve(other);
    return *this;
}

CCurve CCurve::Straight()
{
    return CCurve { { 0.0, 0.0 }, { 5.0, 5.0 } };
}

int CCurve::Count() const
{
    int n = 0;
    for (const CPunt* p = head.get(); p; p = p->next)
        ++n;
    return n;
}

void CCurve::Add(double input, double output)
{
    if (!head) {
        head = std::make_unique<CPunt>(input, output);
        return;
    }
    CPunt* first = head->Add(input, output);
    if (first != head.get()) {
        // The new first point links to the old one, which it now owns.
        head.release();
        head.reset(first);
    }
}

void CCurve::Remove(double input)
{
    if (head)
        head->Remove(input);
}

CPunt* CCurve::Find(double input)
{
    return head ? head->Find(input) : nullptr;
}

const CPunt* CCurve::Find(double input) const
{
    return head ? static_cast<const CPunt*>(head.get())->Find(input) : nullptr;
}

CPunt* CCurve::At(double input)
{
    CPunt* p = Find(input);
    return p && p->input == input ? p : nullptr;
}

const CPunt* CCurve::At(double input) const
{
    const CPunt* p = Find(input);
    return p && p->input == input ? p : nullptr;
}

bool CCurve::operator==(const CCurve& other) const
{
    const CPunt* a = head.get();
    const CPunt* b = other.head.get();
    for (; a && b; a = a->next, b = b->next) {
        if (a->input != b->input || a->output != b->output)
            return false;
    }
    return !a && !b;
}
