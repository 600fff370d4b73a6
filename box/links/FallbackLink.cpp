#include "FallbackLink.h"

CFallbackLink::CFallbackLink(std::unique_ptr<CLink> first_, std::unique_ptr<CLink> second_)
    : first(std::move(first_))
    , second(std::move(second_))
    , active(first.get())
{
}

bool CFallbackLink::Open()
{
    active = first.get();
    if (first->Open())
        return true;
    first->Close();
    active = second.get();
    return second->Open();
}
