#include "LinkFactory.h"

#include "D2xxLink.h"
#include "FallbackLink.h"
#include "SerialLink.h"

#include <DemoLink.h>

#include <QFile>

LinkKind ChooseLinkKind(const LinkChoice& choice)
{
    if (choice.custom)
        return LinkKind::Custom;
    if (choice.demoBox)
        return LinkKind::Demo;
    if (!choice.port.isEmpty())
        return LinkKind::SerialPath;
    if (choice.vendorLibrary)
        return LinkKind::Vendor;
    return LinkKind::SerialByProduct;
}

std::unique_ptr<CLink> MakeLink(const LinkChoice& choice)
{
    switch (ChooseLinkKind(choice)) {
    case LinkKind::Custom:
        return choice.custom();
    case LinkKind::Demo:
        return std::make_unique<CDemoLink>(choice.demoBox);
    case LinkKind::SerialPath:
        return std::make_unique<CSerialLink>(choice.port, choice.audience);
    case LinkKind::Vendor:
        return std::make_unique<CFallbackLink>(std::make_unique<CD2xxLink>(choice.vendorLibrary),
            std::make_unique<CSerialLink>(QString(), choice.audience));
    case LinkKind::SerialByProduct:
        break;
    }
    return std::make_unique<CSerialLink>(QString(), choice.audience);
}

LinkChoice LinkChoiceFor(
    const std::string& path, std::shared_ptr<const CD2xxLibrary> vendorLibrary, Audience audience)
{
    LinkChoice choice;
    choice.port = QFile::decodeName(path.c_str());
    choice.vendorLibrary = std::move(vendorLibrary);
    choice.audience = audience;
    return choice;
}
