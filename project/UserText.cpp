#include "UserText.h"

#include <locale>
#include <sstream>
#include <utility>

UserText::UserText(const char* context_, const char* source_)
    : context(context_ ? context_ : "")
    , source(source_)
{
}

UserText& UserText::Arg(std::string verbatim) &
{
    Part part;
    part.verbatim = std::move(verbatim);
    parts.push_back(std::move(part));
    return *this;
}

UserText&& UserText::Arg(std::string verbatim) &&
{
    return std::move(Arg(std::move(verbatim)));
}

UserText& UserText::Arg(const UserText& text) &
{
    Part part;
    part.kind = Part::Kind::Text;
    part.text = std::make_shared<const UserText>(text);
    parts.push_back(std::move(part));
    return *this;
}

UserText&& UserText::Arg(const UserText& text) &&
{
    return std::move(Arg(text));
}

UserText& UserText::Number(double value, int decimals) &
{
    Part part;
    part.kind = Part::Kind::Number;
    part.number = value;
    part.decimals = decimals;
    parts.push_back(std::move(part));
    return *this;
}

UserText&& UserText::Number(double value, int decimals) &&
{
    return std::move(Number(value, decimals));
}

std::string EnglishNumber(double value, int decimals)
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    if (decimals >= 0) {
        text.setf(std::ios::fixed);
        text.precision(decimals);
    }
    text << value;
    return text.str();
}

std::string FillPlaceholders(const std::string& pattern, const std::vector<std::string>& fillings)
{
    std::string filled;
    filled.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const std::size_t index = static_cast<std::size_t>(next - '1');
            if (index < fillings.size()) {
                filled += fillings[index];
                ++i;
                continue;
            }
        }
        filled += pattern[i];
    }
    return filled;
}

std::string UserText::English() const
{
    if (Empty())
        return std::string();
    std::vector<std::string> fillings;
    fillings.reserve(parts.size());
    for (const Part& part : parts) {
        switch (part.kind) {
        case Part::Kind::Verbatim:
            fillings.push_back(part.verbatim);
            break;
        case Part::Kind::Number:
            fillings.push_back(EnglishNumber(part.number, part.decimals));
            break;
        case Part::Kind::Text:
            fillings.push_back(part.text ? part.text->English() : std::string());
            break;
        }
    }
    return FillPlaceholders(source, fillings);
}

bool UserText::operator==(const UserText& other) const
{
    if (std::string(context) != other.context || Empty() != other.Empty())
        return false;
    if (!Empty() && std::string(source) != other.source)
        return false;
    if (parts.size() != other.parts.size())
        return false;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const Part& a = parts[i];
        const Part& b = other.parts[i];
        if (a.kind != b.kind || a.verbatim != b.verbatim || a.number != b.number
            || a.decimals != b.decimals)
            return false;
        if (a.kind == Part::Kind::Text && !(a.text && b.text && *a.text == *b.text))
            return false;
    }
    return true;
}
