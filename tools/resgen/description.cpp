// The line-based text of the description files: sections of entries, each with the file and
// line it came from. What the sections mean is read elsewhere.
#include "resgen/description.h"

#include "resgen/shift_jis.h"

namespace resgen {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string> words(std::string_view text)
{
    std::vector<std::string> result;
    size_t position = 0;
    while (position < text.size()) {
        while (position < text.size() && isBlank(text[position]))
            ++position;
        const size_t start = position;
        while (position < text.size() && !isBlank(text[position]))
            ++position;
        if (position > start)
            result.emplace_back(text.substr(start, position - start));
    }
    return result;
}

std::optional<char> escaped(char c)
{
    switch (c) {
    case '\\':
        return '\\';
    case '"':
        return '"';
    case 'r':
        return '\r';
    case 'n':
        return '\n';
    case 't':
        return '\t';
    default:
        return std::nullopt;
    }
}

// `text` starts with the opening quote. On failure `error` says what is wrong.
std::optional<std::string> unquoted(std::string_view text, std::string& error)
{
    std::string value;
    for (size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '"') {
            if (i + 1 == text.size())
                return value;
            error = "text after the closing quote";
            return std::nullopt;
        }
        if (text[i] == '\\') {
            const std::optional<char> c = i + 1 < text.size() ? escaped(text[i + 1]) : std::nullopt;
            if (!c) {
                error =
                    i + 1 < text.size() ? std::string("unknown escape \\") + text[i + 1] : "a quoted value ends in \\";
                return std::nullopt;
            }
            value += *c;
            ++i;
        } else {
            value += text[i];
        }
    }
    error = "quoted value without its closing quote";
    return std::nullopt;
}

class DescriptionParser {
public:
    DescriptionParser(const std::string& file, tools::Diagnostics& diagnostics) : file_(file), diagnostics_(diagnostics)
    {}

    void line(std::string_view text, int number)
    {
        where_ = {file_, number};
        text = trimmed(text);
        if (text.empty() || text.front() == '#')
            return;
        if (!isValidUtf8(text))
            return fail("the line is not valid UTF-8");
        if (text.front() == '[')
            return header(text);
        entry(text);
    }

    std::vector<Section> sections;

private:
    void header(std::string_view text)
    {
        if (text.back() != ']')
            return fail("a section header ends with ]");
        std::vector<std::string> header = words(text.substr(1, text.size() - 2));
        if (header.empty())
            return fail("empty section header");
        sections.push_back({std::move(header), where_, {}});
    }

    void entry(std::string_view text)
    {
        if (sections.empty())
            return fail("an entry before the first section header");
        const size_t equals = text.find('=');
        Entry entry{words(text.substr(0, equals)), std::nullopt, where_};
        if (entry.key.empty())
            return fail("an entry without a key");
        if (equals != std::string_view::npos && !(entry.value = value(trimmed(text.substr(equals + 1)))))
            return;
        sections.back().entries.push_back(std::move(entry));
    }

    std::optional<std::string> value(std::string_view text)
    {
        if (text.empty() || text.front() != '"')
            return std::string(text);
        std::string error;
        std::optional<std::string> value = unquoted(text, error);
        if (!value)
            fail(error);
        return value;
    }

    void fail(std::string_view what) { report(diagnostics_, where_, what); }

    const std::string& file_;
    tools::Diagnostics& diagnostics_;
    Location where_;
};

} // namespace

void report(tools::Diagnostics& diagnostics, const Location& where, std::string_view what)
{
    diagnostics.error(where.text(), what);
}

std::string Entry::keyText() const
{
    std::string text;
    for (const std::string& word : key)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

std::vector<Section> parseDescription(const std::string& file, std::string_view text, tools::Diagnostics& diagnostics)
{
    DescriptionParser parser(file, diagnostics);
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3); // a byte-order mark some editors write
    int number = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        parser.line(text.substr(0, end), ++number);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return std::move(parser.sections);
}

} // namespace resgen
