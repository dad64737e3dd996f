// Reading the runtime export table's names from exports.def.
#include "imagelink/exports_def.h"

#include <gtest/gtest.h>

namespace {

using imagelink::parseExportsDef;

TEST(ExportsDef, ReadsEntriesAliasesCommentsAndBlankLines)
{
    tools::Diagnostics diagnostics("imagelink");
    const auto names = parseExportsDef("exports.def",
                                       "// Runtime export table\n"
                                       "\n"
                                       "EXPORT(RuntimeBeep)\r\n"
                                       "  EXPORT( RuntimeMsgBox )   // shows a message\n"
                                       "EXPORT_ALIAS(ControlVisibleSetter, controlVisibleSetter)\n"
                                       "\t\n"
                                       "EXPORT(StringLen)", // no line end after the last entry
                                       diagnostics);
    ASSERT_TRUE(names) << diagnostics.messages().front();
    EXPECT_EQ(names->size(), 4u);
    EXPECT_TRUE(names->contains("RuntimeBeep"));
    EXPECT_TRUE(names->contains("RuntimeMsgBox"));
    EXPECT_TRUE(names->contains("ControlVisibleSetter"));
    EXPECT_TRUE(names->contains("StringLen"));
    EXPECT_FALSE(names->contains("controlVisibleSetterX"));
    EXPECT_FALSE(names->contains("Runtime"));
}

TEST(ExportsDef, MatchesNamesWithoutRegardToAsciiCase)
{
    tools::Diagnostics diagnostics("imagelink");
    const auto names = parseExportsDef("exports.def", "EXPORT(RuntimeBeep)\nEXPORT(editTextSetter)\n", diagnostics);
    ASSERT_TRUE(names);
    EXPECT_TRUE(names->contains("RUNTIMEBEEP"));
    EXPECT_TRUE(names->contains("runtimebeep"));
    EXPECT_TRUE(names->contains("EditTextSetter"));
}

TEST(ExportsDef, ReadsListsJoinedWithoutALineEndBetweenThem)
{
    tools::Diagnostics diagnostics("imagelink");
    const auto names =
        parseExportsDef("exports.all", "// host\nEXPORT(RuntimeRun)EXPORT(RuntimeBeep) // ui\n", diagnostics);
    ASSERT_TRUE(names) << diagnostics.messages().front();
    EXPECT_TRUE(names->contains("RuntimeRun"));
    EXPECT_TRUE(names->contains("RuntimeBeep"));
}

TEST(ExportsDef, ReportsEveryLineItCannotRead)
{
    tools::Diagnostics diagnostics("imagelink");
    const auto names = parseExportsDef("x/exports.def",
                                       "EXPORT(RuntimeBeep)\n"
                                       "EXPORT(RuntimeBeep\n"
                                       "EXPORT()\n"
                                       "EXPORT_ALIAS(Name)\n"
                                       "EXPORT(Two Words)\n"
                                       "#include \"other.def\"\n"
                                       "EXPORT(StringLen) trailing\n",
                                       diagnostics);
    EXPECT_FALSE(names);
    const std::string prefix = "imagelink: x/exports.def:";
    const std::string what = ": expected EXPORT(Name) or EXPORT_ALIAS(Name, routine), found ";
    EXPECT_EQ(diagnostics.messages(), (std::vector<std::string>{
                                          prefix + "2" + what + "\"EXPORT(RuntimeBeep\"",
                                          prefix + "3" + what + "\"EXPORT()\"",
                                          prefix + "4" + what + "\"EXPORT_ALIAS(Name)\"",
                                          prefix + "5" + what + "\"EXPORT(Two Words)\"",
                                          prefix + "6" + what + "\"#include \"other.def\"\"",
                                          prefix + "7" + what + "\"EXPORT(StringLen) trailing\"",
                                      }));
}

} // namespace
