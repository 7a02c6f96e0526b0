#include "ui/QtPrompts.h"

#include <gtest/gtest.h>

namespace cashvane::test {
namespace {

TEST(QtPromptsTest, TurnsDescriptionBarPatternIntoQtFilters)
{
    const std::pair<QString, QString> cases[] = {
        { "Orbelin Cashvane Session | *.cfp", "Orbelin Cashvane Session (*.cfp)" },
        { "Rich Text Format | *.rtf", "Rich Text Format (*.rtf)" },
        { "Pictures|*.png *.jpg", "Pictures (*.png *.jpg)" },
        { "*.cfp", "*.cfp" },
    };
    for (const auto& [filter, qt] : cases)
        EXPECT_EQ(qtFileFilter(filter), qt) << filter.toStdString();
}

// A pattern fills in no file name; a name is kept for the dialog to fill in.
TEST(QtPromptsTest, StartsInTheInitialFolderWithItsFileName)
{
    const std::pair<QString, QString> cases[] = {
        { "/home/sam/*.cfp", "/home/sam" },
        { "/home/sam/Budget.cfp", "/home/sam/Budget.cfp" },
        { "/home/sam/", "/home/sam/" },
    };
    for (const auto& [initial, start] : cases)
        EXPECT_EQ(dialogStartPath(initial), start) << initial.toStdString();
}

} // namespace
} // namespace cashvane::test
