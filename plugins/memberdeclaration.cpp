// The declarations a plug-in gives for its methods and events, in the application language's
// form: "Name", "Name(a As T, b As U)", either followed by "As Result".
#include "plugins/memberdeclaration.h"

#include "runtime/strings/identifier.h"

namespace {

// Reads words and single punctuation characters, passing over spaces.
struct DeclarationCursor {
    std::string_view text;
    size_t at = 0;

    void skipSpaces()
    {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
            ++at;
    }
    bool atEnd()
    {
        skipSpaces();
        return at == text.size();
    }
    bool take(char c)
    {
        skipSpaces();
        if (at == text.size() || text[at] != c)
            return false;
        ++at;
        return true;
    }
    std::string_view word()
    {
        skipSpaces();
        size_t start = at;
        while (at < text.size() && (isalnum(static_cast<unsigned char>(text[at])) || text[at] == '_'))
            ++at;
        return text.substr(start, at - start);
    }
    // "As" and a type name.
    bool typeClause(std::string_view& type)
    {
        if (!identifierEquals(word(), "As"))
            return false;
        type = word();
        return !type.empty();
    }
};

bool parameter(DeclarationCursor& cursor)
{
    std::string_view name = cursor.word(), type;
    if (identifierEquals(name, "ByRef") || identifierEquals(name, "ByVal"))
        name = cursor.word();
    return !name.empty() && cursor.typeClause(type);
}

bool parameterList(DeclarationCursor& cursor)
{
    if (!cursor.take('('))
        return true;
    if (cursor.take(')'))
        return true;
    do {
        if (!parameter(cursor))
            return false;
    } while (cursor.take(','));
    return cursor.take(')');
}

} // namespace

bool memberDeclarationParse(std::string_view text, MemberDeclaration& declaration, std::string& error)
{
    DeclarationCursor cursor{text};
    std::string_view name = cursor.word();
    size_t afterName = cursor.at;
    if (name.empty() || !parameterList(cursor)) {
        error = "Invalid plugin method format: " + std::string(text);
        return false;
    }
    std::string_view result;
    if (!cursor.atEnd() && (!cursor.typeClause(result) || !cursor.atEnd())) {
        error = "Invalid return type: " + std::string(text);
        return false;
    }
    declaration = {std::string(name), std::string(text.substr(afterName)), std::string(result)};
    size_t first = declaration.parameters.find_first_not_of(" \t");
    declaration.parameters.erase(0, first == std::string::npos ? declaration.parameters.size() : first);
    return true;
}
