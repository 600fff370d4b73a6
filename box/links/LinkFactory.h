#pragma once

#include "D2xxLibrary.h"

#include <BoxSimulator.h>
#include <Link.h>

#include <QString>

#include <memory>

// Which link a transfer uses, decided in this order: a simulated box when one
// is given (--demo-box), the serial device when a path is given (--port),
// the vendor library when it was bound complete at start-up, and otherwise
// the serial port whose USB product string is "USB <-> Serial".
struct LinkChoice {
    std::shared_ptr<BoxSimulator> demoBox;
    QString port;
    std::shared_ptr<const D2xxLibrary> vendorLibrary;
};

enum class LinkKind { Demo, SerialPath, Vendor, SerialByProduct };

LinkKind ChooseLinkKind(const LinkChoice& choice);

// A new, unopened link; cheap, and safe to create on any thread (the link
// makes its thread-bound resources when it opens).
std::unique_ptr<Link> MakeLink(const LinkChoice& choice);
