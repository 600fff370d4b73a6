#pragma once

#include "D2xxLibrary.h"

#include <BoxSimulator.h>
#include <Link.h>
#include <PortAdvice.h>

#include <QString>

#include <functional>
#include <memory>
#include <string>

// Which link a transfer uses, decided in this order: a link of the caller's
// own when given (tests drive transfers with one), a simulated box when one
// is given (--demo-box), the serial device when a path is given (--port),
// the vendor library when it was bound complete at start-up, and otherwise
// the serial port whose USB product string is "USB <-> Serial". A vendor
// library that finds no converter hands over to that serial port.
struct LinkChoice {
    std::function<std::unique_ptr<CLink>()> custom;
    std::shared_ptr<CBoxSimulator> demoBox;
    QString port;
    std::shared_ptr<const CD2xxLibrary> vendorLibrary;
    // In whose words the serial link says why it could not open the converter.
    Audience audience = Audience::Administrator;
};

enum class LinkKind { Custom, Demo, SerialPath, Vendor, SerialByProduct };

LinkKind ChooseLinkKind(const LinkChoice& choice);

// The links to the device at path (a file name in the system's encoding);
// an empty path: the vendor library when one is given, then the serial
// port found when the link opens. The window's links explain a failed
// opening in the workshop's words, the tool's in the administrator's.
LinkChoice LinkChoiceFor(const std::string& path, std::shared_ptr<const CD2xxLibrary> vendorLibrary,
    Audience audience = Audience::Administrator);

// A new, unopened link; cheap, and safe to create on any thread (the link
// makes its thread-bound resources when it opens).
std::unique_ptr<CLink> MakeLink(const LinkChoice& choice);
