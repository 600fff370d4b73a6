#include "FallbackLink.h"

FallbackLink::FallbackLink(std::unique_ptr<Link> first_, std::unique_ptr<Link> second_)
    : first(std::move(first_))
    , second(std::move(second_))
    , active(first.get())
{
}

bool FallbackLink::Open()
{
    active = first.get();
    if (first->Open())
        return true;
    first->Close();
    active = second.get();
    return second->Open();
}
