#include "PointText.h"

#include "DecimalText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// Every voltage of the copy: two decimals are whole fiftieths exactly.
constexpr int kDecimals = 2;
// A line's text shown in a refusal is cut to this many bytes.
constexpr std::size_t kShownLineBytes = 60;

void WritePoint(std::string& out, const CPunt& p)
{
    out += FormatFixed(p.input, kDecimals) + "\t" + FormatFixed(p.output, kDecimals) + "\n";
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A character a line of numbers may hold; any other makes the first line a
// header and a later one unreadable.
bool InNumberLine(char c)
{
    return IsDigit(c) || IsBlank(c) || c == '+' || c == '-' || c == '.' || c == ',' || c == ';';
}

struct Line {
    int number = 0; // from 1, counting every line of the text
    std::string_view text; // without its end and the blanks around it
};

// The lines that are not blank; LF, CR LF and a lone CR each end a line.
std::vector<Line> FilledLines(std::string_view text)
{
    std::vector<Line> lines;
    int number = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        ++number;
        const std::string_view line = Trimmed(text.substr(start, end - start));
        if (!line.empty())
            lines.push_back({ number, line });
        if (end == text.size())
            break;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

enum class Columns {
    Blanks, // tabs or runs of blanks
    Semicolons,
    Commas, // the numbers use decimal points
};

// How the columns of the whole text are separated, from its lines of numbers.
Columns ColumnsOf(const std::vector<Line>& lines)
{
    bool tab = false, semicolon = false, comma = false, point = false;
    for (const Line& line : lines) {
        tab = tab || line.text.find('\t') != std::string_view::npos;
        semicolon = semicolon || line.text.find(';') != std::string_view::npos;
        comma = comma || line.text.find(',') != std::string_view::npos;
        point = point || line.text.find('.') != std::string_view::npos;
    }
    if (semicolon)
        return Columns::Semicolons;
    if (!tab && comma && point)
        return Columns::Commas;
    return Columns::Blanks;
}

// The fields of a line. Between blanks-separated columns, a tab separates
// fields one by one (an empty cell is an empty field); runs of blanks count
// as one. Empty fields at the end (a spreadsheet's trailing separators) go.
std::vector<std::string_view> Fields(std::string_view line, Columns columns)
{
    std::vector<std::string_view> fields;
    if (columns == Columns::Blanks && line.find('\t') == std::string_view::npos) {
        std::size_t pos = 0;
        while (pos < line.size()) {
            const std::size_t end = std::min(line.find(' ', pos), line.size());
            fields.push_back(line.substr(pos, end - pos));
            pos = line.find_first_not_of(' ', end);
        }
        return fields;
    }
    const char separator = columns == Columns::Semicolons ? ';'
        : columns == Columns::Commas                      ? ','
                                                          : '\t';
    std::size_t pos = 0;
    while (true) {
        const std::size_t end = std::min(line.find(separator, pos), line.size());
        fields.push_back(Trimmed(line.substr(pos, end - pos)));
        if (end == line.size())
            break;
        pos = end + 1;
    }
    while (!fields.empty() && fields.back().empty())
        fields.pop_back();
    return fields;
}

// A decimal number: an optional sign, digits, at most one decimal point or
// (unless commas separate the columns) comma, at least one digit; nothing
// else.
bool ReadNumber(std::string_view field, Columns columns, double& value)
{
    std::string text(field);
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const std::size_t start = pos;
    bool separator = false;
    int digits = 0;
    for (; pos < text.size(); ++pos) {
        char& c = text[pos];
        if (IsDigit(c)) {
            ++digits;
        } else if ((c == '.' || (c == ',' && columns != Columns::Commas)) && !separator) {
            separator = true;
            c = '.';
        } else {
            return false;
        }
    }
    if (digits == 0)
        return false;
    const auto result = std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value))
        return false;
    if (text[0] == '-')
        value = -value;
    return true;
}

// The line as a refusal shows it: cut short, a tab as a blank, other control
// characters as '?', and never a UTF-8 sequence cut in two.
std::string Shown(std::string_view text)
{
    std::string shown(text.substr(0, kShownLineBytes));
    if (text.size() > kShownLineBytes) {
        while (!shown.empty() && (static_cast<unsigned char>(shown.back()) & 0xC0) == 0x80)
            shown.pop_back();
        if (!shown.empty() && static_cast<unsigned char>(shown.back()) >= 0xC0)
            shown.pop_back();
        shown += "...";
    }
    for (char& c : shown) {
        if (c == '\t')
            c = ' ';
        else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    }
    return shown;
}

PointsReading Refusal(UserText why)
{
    PointsReading reading;
    reading.refusal = std::move(why);
    return reading;
}

PointsReading Unreadable(const Line& line)
{
    return Refusal(RAMVIK_TR("PointText", "Line %1 is not a number or a pair of numbers: \"%2\"")
                       .Number(line.number, 0)
                       .Arg(Shown(line.text)));
}

} // namespace

std::string WritePointsText(const CCurve& curve)
{
    std::string out = std::string(kPointsTextHeader) + "\n";
    for (const CPunt& p : curve)
        WritePoint(out, p);
    return out;
}

std::string WritePointsText(const CCurve& curve, const std::vector<double>& inputs)
{
    std::string out = std::string(kPointsTextHeader) + "\n";
    for (const CPunt& p : curve) {
        if (std::find(inputs.begin(), inputs.end(), p.input) != inputs.end())
            WritePoint(out, p);
    }
    return out;
}

PointsReading ReadPointsText(std::string_view text)
{
    std::vector<Line> lines = FilledLines(text);
    if (!lines.empty()
        && !std::all_of(lines.front().text.begin(), lines.front().text.end(), InNumberLine))
        lines.erase(lines.begin()); // the header
    if (lines.empty())
        return Refusal(RAMVIK_TR("PointText", "The text holds no numbers."));
    const Columns columns = ColumnsOf(lines);

    PointsReading reading;
    std::size_t width = 0;
    for (const Line& line : lines) {
        const std::vector<std::string_view> fields = Fields(line.text, columns);
        double values[2] = { 0.0, 0.0 };
        if (fields.empty() || fields.size() > 2)
            return Unreadable(line);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (!ReadNumber(fields[i], columns, values[i]))
                return Unreadable(line);
        }
        if (width == 0)
            width = fields.size();
        if (fields.size() != width)
            return Refusal((width == 1
                    ? RAMVIK_TR("PointText",
                        "Line %1 holds two numbers where the lines before it hold one: \"%2\"")
                    : RAMVIK_TR("PointText",
                        "Line %1 holds one number where the lines before it hold two: \"%2\""))
                               .Number(line.number, 0)
                               .Arg(Shown(line.text)));
        if (width == 1)
            reading.points.push_back({ 0.0, values[0], line.number });
        else
            reading.points.push_back({ values[0], values[1], line.number });
    }
    reading.shape = width == 1 ? PointsReading::Shape::Column : PointsReading::Shape::Pairs;
    return reading;
}
