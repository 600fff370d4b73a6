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

std::unique_ptr<Link> MakeLink(const LinkChoice& choice)
{
    switch (ChooseLinkKind(choice)) {
    case LinkKind::Custom:
        return choice.custom();
    case LinkKind::Demo:
        return std::make_unique<DemoLink>(choice.demoBox);
    case LinkKind::SerialPath:
        return std::make_unique<SerialLink>(choice.port);
    case LinkKind::Vendor:
        return std::make_unique<FallbackLink>(
            std::make_unique<D2xxLink>(choice.vendorLibrary), std::make_unique<SerialLink>());
    case LinkKind::SerialByProduct:
        break;
    }
    return std::make_unique<SerialLink>();
}

LinkChoice LinkChoiceFor(const std::string& path, std::shared_ptr<const D2xxLibrary> vendorLibrary)
{
    LinkChoice choice;
    choice.port = QFile::decodeName(path.c_str());
    choice.vendorLibrary = std::move(vendorLibrary);
    return choice;
}
