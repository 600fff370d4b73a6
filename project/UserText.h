#pragma once

#include <memory>
#include <string>
#include <vector>

// A text for the user from the layers below the window, which know no Qt:
// the English source with placeholders %1 to %9, and the parts that fill
// them. The window translates the source and fills in the parts (numbers
// written as the user's locale writes them); ramvik-cli and the logs take the
// English text, which scripts read.
//
// Every source is a string literal marked with RAMVIK_TR, which Qt's lupdate
// reads as QT_TRANSLATE_NOOP (-tr-function-alias QT_TRANSLATE_NOOP+=RAMVIK_TR),
// so the texts can be collected without any Qt header here:
//
//   return RAMVIK_TR("Session", "Can't save file!\n\n%1\n\n%2").Arg(path).Arg(reason);
#define RAMVIK_TR(context, source) UserText(context, source)

class UserText {
public:
    // One filling of a placeholder.
    struct Part {
        enum class Kind {
            Verbatim, // a name, a path, a system's reason: shown as it is
            Number, // a quantity: the window writes it in the user's locale
            Text, // another text, translated on its own
        };
        Kind kind = Kind::Verbatim;
        std::string verbatim;
        double number = 0.0;
        int decimals = -1; // below 0: up to six significant digits ("1.5", "300")
        std::shared_ptr<const UserText> text;
    };

    // No text at all: Empty() is true.
    UserText() = default;
    // Both must be string literals (they are kept by pointer); mark them with
    // RAMVIK_TR.
    UserText(const char* context, const char* source);

    UserText& Arg(std::string verbatim) &;
    UserText&& Arg(std::string verbatim) &&;
    UserText& Arg(const UserText& text) &;
    UserText&& Arg(const UserText& text) &&;
    // A number with this many decimals, or below 0 up to six significant
    // digits.
    UserText& Number(double value, int decimals = -1) &;
    UserText&& Number(double value, int decimals = -1) &&;

    bool Empty() const { return source == nullptr || *source == '\0'; }
    const char* Context() const { return context; }
    const char* Source() const { return source; }
    const std::vector<Part>& Parts() const { return parts; }

    // The English text with every placeholder filled, numbers in the C locale.
    std::string English() const;

    // Same source and the same parts.
    bool operator==(const UserText& other) const;
    bool operator!=(const UserText& other) const { return !(*this == other); }

private:
    const char* context = "";
    const char* source = nullptr;
    std::vector<Part> parts;
};

// A number as English writes it: the decimals given, or below 0 up to six
// significant digits.
std::string EnglishNumber(double value, int decimals);

// Fills %1 to %9 of a template in one pass, so a filling that itself holds
// "%2" stays as it is; a placeholder without a filling stays too.
std::string FillPlaceholders(const std::string& pattern, const std::vector<std::string>& fillings);
