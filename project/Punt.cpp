#include "Punt.h"

CPunt::CPunt(double in, double out)
    : output(out)
    , input(in)
{
}

// Frees the tail without recursion, so a very long list cannot exhaust the
// stack; the result is the same as destroying each successor in turn.
CPunt::~CPunt()
{
    prev = nullptr;
    CPunt* p = next;
    next = nullptr;
    while (p) {
        CPunt* following = p->next;
        p->next = nullptr;
        p->prev = nullptr;
        delete p;
        p = following;
    }
}

namespace {

void LinkAfter(CPunt* at, CPunt* point)
{
    point->prev = at;
    point->next = at->next;
    if (at->next)
        at->next->prev = point;
    at->next = point;
}

CPunt* LinkBeforeHead(CPunt* head, CPunt* point)
{
    point->next = head;
    head->prev = point;
    return point;
}

} // namespace

CPunt* CPunt::Add(double x, double y)
{
    if (!prev && !next) {
        if (input == x) {
            output = y;
            return this;
        }
        if (input < x) {
            LinkAfter(this, new CPunt(x, y));
            return this;
        }
        return LinkBeforeHead(this, new CPunt(x, y));
    }
    CPunt* f = Find(x);
    if (!f)
        return LinkBeforeHead(this, new CPunt(x, y));
    if (f->input == x) {
        f->output = y;
        return this;
    }
    LinkAfter(f, new CPunt(x, y));
    return this;
}

void CPunt::Remove(double x)
{
    CPunt* p = this;
    while (CPunt* n = p->next) {
        if (n->input == x) {
            p->next = n->next;
            if (n->next)
                n->next->prev = p;
            n->next = nullptr;
            delete n;
            return;
        }
        if (n->input > x)
            return;
        p = n;
    }
}

const CPunt* CPunt::Find(double x) const
{
    if (input > x)
        return nullptr;
    const CPunt* p = this;
    while (p->input != x && p->next && p->next->input <= x)
        p = p->next;
    return p;
}

CPunt* CPunt::Find(double x)
{
    return const_cast<CPunt*>(static_cast<const CPunt*>(this)->Find(x));
}
