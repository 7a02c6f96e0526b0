#include "ui/commands/SessionFileName.h"

#include <gtest/gtest.h>

namespace cashvane {
namespace {

TEST(SessionFileName, ProposesAFileNameFromTheProfileName)
{
    const std::pair<QString, QString> cases[] = {
        { "Mr. O'Neil's Cash!", "Mr-_ONeils_Cash" },
        { "Sam Reyes", "Sam_Reyes" },
        { "Why? *Now*", "Why_Now" },
        { "v2.0.1", "v2-0-1" },
        { "", "" },
        { "\tTabs stay\t", "\tTabs_stay\t" },
    };
    for (const auto& [name, proposed] : cases)
        EXPECT_EQ(proposedFileName(name), proposed) << name.toStdString();
}

TEST(SessionFileName, JoinsAFolderAndANameWithOneSlash)
{
    EXPECT_EQ(inFolder("/home/sam/", "x.cfp"), "/home/sam/x.cfp");
    EXPECT_EQ(inFolder("/home/sam", "x.cfp"), "/home/sam/x.cfp");
    EXPECT_EQ(inFolder("/home/sam/", ""), "/home/sam/");
}

TEST(SessionFileName, TrimsOnlyBlanks)
{
    EXPECT_EQ(trimBlanks("  /home/sam/x.cfp "), "/home/sam/x.cfp");
    EXPECT_EQ(trimBlanks("\t/a \t"), "\t/a \t");
    EXPECT_EQ(trimBlanks("   "), "");
}

} // namespace
} // namespace cashvane
