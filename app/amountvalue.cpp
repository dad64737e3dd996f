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
constexpr int mostMyriads = 2; // 萬萬: the keypad has no unit above 萬

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

} // namespace

bool kanjiAmountValue(StringRecord* kanji, AmountValue& value)
{
    static constexpr AmountValue myriadPower[mostMyriads + 1] = {1, 10000, 100000000};
    KanjiCursor cursor(kanji);
    value = 0;
    int lastMyriads = mostMyriads + 1;
    while (!cursor.atEnd()) {
        AmountValue group;
        if (!readGroup(cursor, group) || group == 0)
            return false;
        int myriads = 0;
        while (cursor.take(myriad))
            ++myriads;
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
