// The declarations a plug-in gives for its methods and events, in the application language's
// form: "Name", "Name(a As T, b As U)", either followed by "As Result".
#pragma once

#include <string>
#include <string_view>

struct MemberDeclaration {
    std::string name;
    std::string parameters; // everything after the name, "(...) As T", or empty
    std::string resultType; // empty when none
};

// False with `error` set to the text the runtime reports for a declaration that does not parse.
bool memberDeclarationParse(std::string_view text, MemberDeclaration& declaration, std::string& error);
