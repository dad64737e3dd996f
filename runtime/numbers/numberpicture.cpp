// Picture sections of StringFormat, scanned once into tokens and the places they ask for.
#include "runtime/numbers/numberpicture.h"

#include <windows.h>

namespace {
size_t characterLength(const std::string& text, size_t at)
{
    return IsDBCSLeadByte(static_cast<BYTE>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

PictureTokenKind placeholderKind(const Picture& picture, bool afterPoint)
{
    if (picture.exponent)
        return PictureTokenKind::exponentDigit;
    return afterPoint ? PictureTokenKind::decimalDigit : PictureTokenKind::integerDigit;
}

PictureTokenKind kindOf(char c, const Picture& picture, bool afterPoint)
{
    switch (c) {
    case '#':
    case '0':
        return placeholderKind(picture, afterPoint);
    case '.':
        return afterPoint || picture.exponent ? PictureTokenKind::literal : PictureTokenKind::decimalPoint;
    case 'e':
    case 'E':
        return picture.exponent ? PictureTokenKind::literal : PictureTokenKind::exponentMark;
    case '+':
    case '-':
        return PictureTokenKind::numberSign;
    case ',':
        return PictureTokenKind::grouping;
    case '%':
        return PictureTokenKind::percent;
    default:
        return PictureTokenKind::literal;
    }
}

// The token at `at`, which is moved past it.
PictureToken nextToken(const std::string& section, size_t& at, const Picture& picture, bool afterPoint)
{
    if (section[at] == '\\' && at + 1 < section.size()) {
        size_t length = characterLength(section, at + 1);
        PictureToken token{PictureTokenKind::literal, section.substr(at + 1, length)};
        at += 1 + length;
        return token;
    }
    size_t length = characterLength(section, at);
    PictureTokenKind kind = length == 2 ? PictureTokenKind::literal : kindOf(section[at], picture, afterPoint);
    PictureToken token{kind, section.substr(at, length)};
    at += length;
    if (kind == PictureTokenKind::exponentMark && at < section.size() && (section[at] == '+' || section[at] == '-'))
        token.exponentSign = section[at++];
    return token;
}

void count(Picture& picture, const PictureToken& token)
{
    switch (token.kind) {
    case PictureTokenKind::integerDigit:
        picture.integerPlaceholders += token.text;
        break;
    case PictureTokenKind::decimalDigit:
        ++picture.decimalPlaces;
        break;
    case PictureTokenKind::exponentMark:
        picture.exponent = true;
        break;
    case PictureTokenKind::exponentDigit:
        ++picture.exponentPlaces;
        picture.exponentZeros += token.text == "0";
        break;
    case PictureTokenKind::numberSign:
        picture.numberSign = true;
        break;
    case PictureTokenKind::grouping:
        picture.grouping = true;
        break;
    case PictureTokenKind::percent:
        picture.percent = true;
        break;
    default:
        break;
    }
}
} // namespace

Picture pictureScan(const std::string& section)
{
    Picture picture;
    bool afterPoint = false;
    for (size_t at = 0; at < section.size();) {
        PictureToken token = nextToken(section, at, picture, afterPoint);
        afterPoint |= token.kind == PictureTokenKind::decimalPoint;
        count(picture, token);
        picture.tokens.push_back(std::move(token));
    }
    return picture;
}
