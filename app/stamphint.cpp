// The revenue stamp a note needs for its amount, shown beside the amount and never printed.
#include "app/amountentry.h"

namespace {

struct StampBand {
    AmountValue upTo; // the band's largest amount
    const StringRecord* hint;
};

STRING_CONSTANT(noStamp, "収入印紙：不要（10万円未満）");
STRING_CONSTANT(stamp200, "収入印紙：200円");
STRING_CONSTANT(stamp400, "収入印紙：400円");
STRING_CONSTANT(stamp600, "収入印紙：600円");
STRING_CONSTANT(stamp1000, "収入印紙：1,000円");
STRING_CONSTANT(stamp2000, "収入印紙：2,000円");
STRING_CONSTANT(stamp4000, "収入印紙：4,000円");
STRING_CONSTANT(stamp6000, "収入印紙：6,000円");
STRING_CONSTANT(stamp10000, "収入印紙：10,000円");
STRING_CONSTANT(stamp20000, "収入印紙：20,000円");
STRING_CONSTANT(stamp40000, "収入印紙：40,000円");
STRING_CONSTANT(stamp60000, "収入印紙：60,000円");
STRING_CONSTANT(stamp100000, "収入印紙：100,000円");
STRING_CONSTANT(stamp150000, "収入印紙：150,000円");
STRING_CONSTANT(stamp200000, "収入印紙：200,000円");

// Each bound is inclusive; the last band has none.
const StampBand stampBands[] = {
    {99999, &noStamp.record},         {1000000, &stamp200.record},       {2000000, &stamp400.record},
    {3000000, &stamp600.record},      {5000000, &stamp1000.record},      {10000000, &stamp2000.record},
    {20000000, &stamp4000.record},    {30000000, &stamp6000.record},     {50000000, &stamp10000.record},
    {100000000, &stamp20000.record},  {200000000, &stamp40000.record},   {300000000, &stamp60000.record},
    {500000000, &stamp100000.record}, {1000000000, &stamp150000.record}, {~AmountValue(0), &stamp200000.record},
};

const StringRecord* stampHintFor(AmountValue value)
{
    for (const StampBand& band : stampBands) {
        if (value <= band.upTo)
            return band.hint;
    }
    return nullptr;
}

} // namespace

void showStampHint(FormWindowFields* window, AmountValue value)
{
    // Cheques need no stamp: only the note window has the line.
    if (ObjectHeader* line = control(window, StampHintName)) {
        editTextSetter(line, 0, const_cast<StringRecord*>(stampHintFor(value)));
        ControlVisibleSetter(line, 0, 1);
    }
}

void clearStampHint(FormWindowFields* window)
{
    if (ObjectHeader* line = control(window, StampHintName)) {
        ControlVisibleSetter(line, 0, 0);
        editTextSetter(line, 0, nullptr);
    }
}
