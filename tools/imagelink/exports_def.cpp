// The runtime export table's names, read from the text file that the runtime builds its
// table from (one EXPORT(Name) or EXPORT_ALIAS(Name, routine) per line).
#include "imagelink/exports_def.h"

#include <cctype>
#include <vector>

namespace imagelink {

namespace {

std::string foldAscii(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return folded;
}

bool isIdentifierChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// A small scanner over one line: skips blanks between tokens.
class LineScanner {
public:
    explicit LineScanner(std::string_view line) : line_(line) {}

    void skipBlanks()
    {
        while (position_ < line_.size() && (line_[position_] == ' ' || line_[position_] == '\t')) {
            ++position_;
        }
    }
    std::string_view identifier()
    {
        skipBlanks();
        const size_t start = position_;
        while (position_ < line_.size() && isIdentifierChar(line_[position_]))
            ++position_;
        return line_.substr(start, position_ - start);
    }
    bool punctuation(char c)
    {
        skipBlanks();
        if (position_ >= line_.size() || line_[position_] != c)
            return false;
        ++position_;
        return true;
    }
    bool atEnd()
    {
        skipBlanks();
        return position_ == line_.size();
    }

private:
    std::string_view line_;
    size_t position_ = 0;
};

std::string_view withoutComment(std::string_view line)
{
    const size_t comment = line.find("//");
    if (comment != std::string_view::npos)
        line = line.substr(0, comment);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
        line.remove_suffix(1);
    }
    return line;
}

// Reads one EXPORT(Name) or EXPORT_ALIAS(Name, routine) entry at the scanner's position and
// returns its exported name, or an empty view if there is none.
std::string_view readEntry(LineScanner& scanner)
{
    const std::string_view macro = scanner.identifier();
    if (macro != "EXPORT" && macro != "EXPORT_ALIAS")
        return {};
    if (!scanner.punctuation('('))
        return {};
    const std::string_view name = scanner.identifier();
    if (name.empty())
        return {};
    if (macro == "EXPORT") {
        if (!scanner.punctuation(')'))
            return {};
    } else if (!scanner.punctuation(',') || scanner.identifier().empty() || !scanner.punctuation(')')) {
        return {};
    }
    scanner.punctuation(';');
    return name;
}

// The names of a line's entries. The build joins the per-subsystem lists end to end, so a
// list without a final line end puts two entries on one line: both count.
bool readLine(std::string_view line, std::vector<std::string_view>& names)
{
    LineScanner scanner(line);
    while (!scanner.atEnd()) {
        const std::string_view name = readEntry(scanner);
        if (name.empty())
            return false;
        names.push_back(name);
    }
    return true;
}

} // namespace

void ExportNames::add(std::string_view name)
{
    folded_.insert(foldAscii(name));
}

bool ExportNames::contains(std::string_view name) const
{
    return folded_.count(foldAscii(name)) != 0;
}

std::optional<ExportNames> parseExportsDef(const std::string& path, std::string_view text,
                                           tools::Diagnostics& diagnostics)
{
    ExportNames names;
    const size_t errorsBefore = diagnostics.count();
    size_t lineNumber = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view rawLine = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        const std::string_view line = withoutComment(rawLine);
        std::vector<std::string_view> entries;
        if (!readLine(line, entries)) {
            diagnostics.error(path + ":" + std::to_string(lineNumber),
                              "expected EXPORT(Name) or EXPORT_ALIAS(Name, routine), found \"" + std::string(line) +
                                  "\"");
            continue;
        }
        for (std::string_view name : entries)
            names.add(name);
    }
    if (diagnostics.count() != errorsBefore)
        return std::nullopt;
    return names;
}

} // namespace imagelink
