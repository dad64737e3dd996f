// All sections of all description files read into one set of descriptions.
#include "resgen/section_readers.h"

#include <array>
#include <map>

namespace resgen {

namespace {

using SectionReader = void (*)(const Section&, Descriptions&, tools::Diagnostics&);

struct SectionKind {
    std::string_view name;
    std::string_view usage; // the header as it must be written
    size_t arguments;
    bool argumentsAreNames; // checked as identifiers
    bool once;              // at most one such section in all the files
    SectionReader reader;   // null for [control], which goes into the window above it
};

constexpr std::array kSectionKinds = {
    SectionKind{"window", "[window Name]", 1, true, false, readWindowSection},
    SectionKind{"control", "[control Class Name]", 2, true, false, nullptr},
    SectionKind{"class", "[class Name]", 1, true, false, readClassSection},
    SectionKind{"interface", "[interface Name]", 1, true, false, readInterfaceSection},
    SectionKind{"plugin", "[plugin Name]", 1, true, false, readPluginSection},
    SectionKind{"references", "[references]", 0, false, false, readReferencesSection},
    SectionKind{"menu", "[menu Name]", 1, true, false, readMenuSection},
    SectionKind{"item", "[item Menu/Name]", 1, false, false, readItemSection},
    SectionKind{"project", "[project]", 0, false, true, readProjectSection},
    SectionKind{"settings", "[settings]", 0, false, true, readSettingsSection},
};

const SectionKind* kindOf(const Section& section)
{
    for (const SectionKind& kind : kSectionKinds) {
        if (section.header[0] == kind.name)
            return &kind;
    }
    return nullptr;
}

bool checkHeader(const Section& section, const SectionKind* kind, tools::Diagnostics& diagnostics)
{
    if (kind == nullptr) {
        report(diagnostics, section.where, "unknown section [" + section.header[0] + "]");
        return false;
    }
    if (section.header.size() != kind->arguments + 1) {
        report(diagnostics, section.where, "this section is written " + std::string(kind->usage));
        return false;
    }
    bool good = true;
    for (size_t i = 1; kind->argumentsAreNames && i < section.header.size(); ++i) {
        good = checkIdentifier(section.header[i], section.where, diagnostics) && good;
    }
    return good;
}

class DescriptionsReader {
public:
    explicit DescriptionsReader(tools::Diagnostics& diagnostics) : diagnostics_(diagnostics) {}

    void read(const Section& section)
    {
        const SectionKind* kind = kindOf(section);
        const bool good = checkHeader(section, kind, diagnostics_);
        if (kind != nullptr && kind->reader == nullptr) {
            if (good)
                control(section);
            return;
        }
        windowFile_ = kind != nullptr && kind->name == "window" ? section.where.file : "";
        windowUnusable_ = !good;
        if (!good)
            return;
        if (!kind->once || firstOfItsKind(section))
            kind->reader(section, descriptions, diagnostics_);
    }

    Descriptions descriptions;

private:
    void control(const Section& section)
    {
        if (windowUnusable_ && windowFile_ == section.where.file)
            return; // its window was reported already
        if (windowFile_.empty() || windowFile_ != section.where.file) {
            return report(diagnostics_, section.where,
                          "a [control] section belongs below its [window] in the same file");
        }
        readControlSection(section, descriptions.windows.back(), diagnostics_);
    }

    bool firstOfItsKind(const Section& section)
    {
        const auto [first, inserted] = onlyOnce_.emplace(section.header[0], section.where);
        if (!inserted) {
            report(diagnostics_, section.where,
                   "a second [" + section.header[0] + "] section (the first is at " + first->second.text() + ")");
        }
        return inserted;
    }

    tools::Diagnostics& diagnostics_;
    std::string windowFile_; // the file of the [window] that [control] sections now belong to
    bool windowUnusable_ = false;
    std::map<std::string, Location> onlyOnce_;
};

} // namespace

Descriptions readDescriptions(std::span<const Section> sections, tools::Diagnostics& diagnostics)
{
    DescriptionsReader reader(diagnostics);
    for (const Section& section : sections)
        reader.read(section);
    return std::move(reader.descriptions);
}

} // namespace resgen
