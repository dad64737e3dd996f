// Reading the kanji and the figures of an amount as numbers.
#include "app/amountvalue.h"

namespace {

struct Numeral {
    char text[3]; // one double-byte character in the program's code page
    int value;
};

const Numeral digits[] = {{"壱", 1}, {"弐", 2}, {"参", 3}, {"四", 4}, {"五", 5},
                          {"六", 6}, {"七", 7}, {"八", 8}, {"九", 9}};
const Numeral places[] = {{"千", 1000}, {"百", 100}, {"拾", 10}};
const char myriad[3] = "萬";
const char hundredMillion[3] = "億";
constexpr int mostMyriads = 2; // 億, or 萬萬 as the keypad writes it: it has no unit above 萬
constexpr AmountValue myriadPower[mostMyriads + 1] = {1, 10000, 100000000};
const char* const myriadKanji[mostMyriads + 1] = {nullptr, myriad, hundredMillion};

// Double-byte characters of a string, one at a time.
class KanjiCursor {
public:
    explicit KanjiCursor(StringRecord* text)
        : at_(text ? text->buffer + 1 : nullptr), end_(text ? at_ + text->length : nullptr)
    {}
    bool atEnd() const { return at_ == end_; }
    bool take(const char* character)
    {
        if (end_ - at_ < 2 || at_[0] != static_cast<unsigned char>(character[0]) ||
            at_[1] != static_cast<unsigned char>(character[1]))
            return false;
        at_ += 2;
        return true;
    }
    // The value of the numeral from the table at the cursor, taken; 0 when there is none.
    template <unsigned N> int takeOneOf(const Numeral (&table)[N])
    {
        for (const Numeral& numeral : table) {
            if (take(numeral.text))
                return numeral.value;
        }
        return 0;
    }

private:
    const unsigned char* at_;
    const unsigned char* end_;
};

// One group below 萬: digits, each followed by a unit of a smaller place than the one before,
// the last perhaps by none (the ones). False when a unit comes out of order; an empty group is 0.
bool readGroup(KanjiCursor& cursor, AmountValue& group)
{
    group = 0;
    int lastPlace = 10000;
    while (int digit = cursor.takeOneOf(digits)) {
        int place = cursor.takeOneOf(places);
        if (place == 0) {
            group += digit;
            return true;
        }
        if (place >= lastPlace)
            return false;
        group += AmountValue(digit) * place;
        lastPlace = place;
    }
    return true;
}

const char fullWidthSeparators[][3] = {"，", "　"};
const char fullWidthZero[3] = "０";

// A typed digit, half-width or full-width, taken; -1 when there is none at the cursor.
int takeTypedDigit(const unsigned char*& at, const unsigned char* end)
{
    if (at[0] >= '0' && at[0] <= '9')
        return *at++ - '0';
    unsigned char lead = static_cast<unsigned char>(fullWidthZero[0]);
    unsigned char zero = static_cast<unsigned char>(fullWidthZero[1]);
    if (end - at < 2 || at[0] != lead || at[1] < zero || at[1] > zero + 9)
        return -1;
    at += 2;
    return at[-1] - zero;
}

// A typed separator (comma or space, half-width or full-width), taken.
bool takeSeparator(const unsigned char*& at, const unsigned char* end)
{
    if (at[0] == ',' || at[0] == ' ') {
        ++at;
        return true;
    }
    for (const char* separator : fullWidthSeparators) {
        if (end - at >= 2 && at[0] == static_cast<unsigned char>(separator[0]) &&
            at[1] == static_cast<unsigned char>(separator[1])) {
            at += 2;
            return true;
        }
    }
    return false;
}

// The myriads a group is counted in: 億 (or 萬萬) two, 萬 one, none after the ones.
int readMyriads(KanjiCursor& cursor)
{
    if (cursor.take(hundredMillion))
        return 2;
    int myriads = 0;
    while (cursor.take(myriad))
        ++myriads;
    return myriads;
}

// Double-byte characters written one after another into a caller's buffer.
class KanjiWriter {
public:
    explicit KanjiWriter(KanjiAmountText& text) : text_(text) { text_.length = 0; }
    void put(const char* character)
    {
        text_.bytes[text_.length++] = character[0];
        text_.bytes[text_.length++] = character[1];
    }

private:
    KanjiAmountText& text_;
};

// The groups of four figures of an amount up to largestAmount, the ones first. The image has no
// 64-bit division, so the 億 are counted off and the rest divides in 32 bits.
void splitIntoGroups(AmountValue value, int (&groups)[mostMyriads + 1])
{
    groups[2] = 0;
    for (; value >= myriadPower[2]; value -= myriadPower[2])
        ++groups[2];
    unsigned rest = static_cast<unsigned>(value);
    groups[1] = int(rest / 10000);
    groups[0] = int(rest % 10000);
}

// One group below 萬 (1 to 9999): each non-zero digit, then its place unless it is the ones.
void writeGroup(KanjiWriter& writer, int group)
{
    for (const Numeral& place : places) {
        if (int digit = group / place.value % 10) {
            writer.put(digits[digit - 1].text);
            writer.put(place.text);
        }
    }
    if (int ones = group % 10)
        writer.put(digits[ones - 1].text);
}

} // namespace

bool kanjiAmountValue(StringRecord* kanji, AmountValue& value)
{
    KanjiCursor cursor(kanji);
    value = 0;
    int lastMyriads = mostMyriads + 1;
    while (!cursor.atEnd()) {
        AmountValue group;
        if (!readGroup(cursor, group) || group == 0)
            return false;
        int myriads = readMyriads(cursor);
        if (myriads >= lastMyriads || (myriads == 0 && !cursor.atEnd()))
            return false;
        value += group * myriadPower[myriads];
        lastMyriads = myriads;
    }
    return value != 0;
}

bool figureAmountValue(StringRecord* figures, AmountValue& value)
{
    constexpr int mostFigures = 18;
    value = 0;
    if (!figures || figures->length == 0 || figures->length > mostFigures || figures->buffer[1] == '0')
        return false;
    for (int i = 1; i <= figures->length; ++i) {
        unsigned char figure = figures->buffer[i];
        if (figure < '0' || figure > '9')
            return false;
        value = value * 10 + (figure - '0');
    }
    return true;
}

bool kanjiAmountText(AmountValue value, KanjiAmountText& text)
{
    KanjiWriter writer(text);
    if (value == 0 || value > largestAmount)
        return false;
    int groups[mostMyriads + 1];
    splitIntoGroups(value, groups);
    for (int myriads = mostMyriads; myriads >= 0; --myriads) {
        int group = groups[myriads];
        if (group == 0)
            continue;
        writeGroup(writer, group);
        if (myriads != 0)
            writer.put(myriadKanji[myriads]);
    }
    return true;
}

bool typedAmountValue(StringRecord* typed, AmountValue& value)
{
    value = 0;
    if (!typed)
        return false;
    const unsigned char* at = typed->buffer + 1;
    const unsigned char* end = at + typed->length;
    while (at != end) {
        if (takeSeparator(at, end))
            continue;
        int digit = takeTypedDigit(at, end);
        if (digit < 0)
            return false;
        value = value * 10 + AmountValue(digit);
        if (value > largestAmount)
            return false;
    }
    return value != 0;
}

bool figureAmountText(AmountValue value, FigureAmountText& text)
{
    text.length = 0;
    if (value == 0 || value > largestAmount)
        return false;
    int groups[mostMyriads + 1];
    splitIntoGroups(value, groups);
    bool leading = true;
    for (int myriads = mostMyriads; myriads >= 0; --myriads) {
        for (int place = 1000; place != 0; place /= 10) {
            int digit = groups[myriads] / place % 10;
            leading = leading && digit == 0;
            if (!leading)
                text.bytes[text.length++] = char('0' + digit);
        }
    }
    return true;
}
