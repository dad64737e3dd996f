// The register of issued forms: one quoted CSV line per print, in the program's code page with
// CR LF line ends, a header line first; the file grows and is never rewritten.
#include "app/issuedregister.h"

#include "app/appfolders.h"
#include "app/ownedtext.h"
#include "app/printguard.h"
#include "appdata.h"

#include <utility>

namespace {

STRING_CONSTANT(registerName, "振出記録.csv");
STRING_CONSTANT(header,
                "\"印刷日時\",\"様式\",\"金額\",\"金額（漢字）\",\"振出日\",\"受取人\",\"住所\",\"会社名\",\"氏名\"");
STRING_CONSTANT(quote, "\"");
STRING_CONSTANT(doubledQuote, "\"\"");
STRING_CONSTANT(separator, ",");
STRING_CONSTANT(dateSeparator, "-");
STRING_CONSTANT(timeSeparator, ":");
STRING_CONSTANT(space, " ");
STRING_CONSTANT(zero, "0");
STRING_CONSTANT(yearMark, "年");
STRING_CONSTANT(monthMark, "月");
STRING_CONSTANT(dayMark, "日");
STRING_CONSTANT(noRegisterYet, "振出記録はまだありません。\r\n実際に印刷すると、その記録がここに残ります。");
STRING_CONSTANT(cannotOpen, "振出記録を開くプログラムが見つかりません。\r\nファイルの場所：");

OwnedObject registerFile()
{
    OwnedObject folder = userDataFolder();
    return folder ? OwnedObject(FolderChild(folder.get(), &registerName.record)) : OwnedObject();
}

OwnedText quoted(StringRecord* text)
{
    OwnedText escaped(StringReplaceAll(text, &quote.record, &doubledQuote.record));
    return joined(&quote.record, escaped.get(), &quote.record);
}

// A line of fields, each quoted, separated by commas.
class CsvLine {
public:
    void add(StringRecord* field)
    {
        OwnedText next = quoted(field); // never empty: at least its two quotes
        line = line.empty() ? std::move(next) : joined(line.get(), &separator.record, next.get());
    }
    StringRecord* text() const { return line.get(); }

private:
    OwnedText line;
};

OwnedText twoDigits(int number)
{
    OwnedText digits(StringStr(number));
    return number < 10 ? joined(&zero.record, digits.get()) : std::move(digits);
}

// Now, as 2026-12-10 09:05:03.
OwnedText printingTime()
{
    ObjectHeader* now = RuntimeNewObject(ClassIndex::Date);
    OwnedText year(StringStr(dateFieldGetter(now, 0)));
    OwnedText date = joined(year.get(), &dateSeparator.record, twoDigits(dateFieldGetter(now, 1)).get());
    date = joined(date.get(), &dateSeparator.record, twoDigits(dateFieldGetter(now, 2)).get());
    OwnedText time = joined(twoDigits(dateFieldGetter(now, 3)).get(), &timeSeparator.record,
                            twoDigits(dateFieldGetter(now, 4)).get());
    time = joined(time.get(), &timeSeparator.record, twoDigits(dateFieldGetter(now, 5)).get());
    RuntimeUnlockObject(now);
    return joined(date.get(), &space.record, time.get());
}

// The issue date as stamped on the form, with the era shown beside the entries: 令和8年12月10日.
OwnedText issueDate(FormWindowFields* window)
{
    OwnedText year = fieldText(window, &YearFieldName.record), month = fieldText(window, &MonthFieldName.record),
              day = fieldText(window, &DateFieldName.record);
    if (year.empty() && month.empty() && day.empty())
        return OwnedText();
    OwnedText era(staticCaptionGetter(control(window, StaticText6Name), 0));
    OwnedText date = joined(era.get(), year.get(), &yearMark.record);
    date = joined(date.get(), month.get(), &monthMark.record);
    return joined(date.get(), day.get(), &dayMark.record);
}

OwnedText registerLine(FormWindowFields* window)
{
    CsvLine line;
    line.add(printingTime().get());
    line.add(formKindName(window));
    line.add(printedFigures(window).get());
    line.add(fieldText(window, &KingakuName.record).get());
    line.add(issueDate(window).get());
    line.add(fieldText(window, &TonoFieldName.record).get());
    for (StringRecord* issuer : {&JyusyoFieldName.record, &SyameiFieldName.record, &NameFieldName.record})
        line.add(fieldText(window, issuer).get());
    return OwnedText(RuntimeLockString(line.text()));
}

} // namespace

bool recordIssuedForm(FormWindowFields* window)
{
    OwnedObject file = registerFile();
    if (!file)
        return false;
    bool starting = !fileExistsGetter(file.get(), 0) || fileSizeGetter(file.get(), 0) == 0;
    OwnedObject stream(FolderItemAppendTextFile(file.get()));
    if (!stream)
        return false;
    if (starting)
        TextOutputStreamWriteLine(stream.get(), &header.record);
    TextOutputStreamWriteLine(stream.get(), registerLine(window).get());
    return TextOutputStreamClose(stream.get()) != 0;
}

void openIssuedRegister()
{
    OwnedObject file = registerFile();
    if (!file || !fileExistsGetter(file.get(), 0)) {
        RuntimeMsgBox(&noRegisterYet.record);
        return;
    }
    if (!FolderItemLaunch(file.get())) {
        OwnedText path(fileAbsolutePathGetter(file.get(), 0));
        RuntimeMsgBox(joined(&cannotOpen.record, path.get()).get());
    }
}
