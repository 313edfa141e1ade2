// Where the findings of the checks go: a box, a line of the log, or both.

#include <gtest/gtest.h>

#include "app/findings.h"
#include "test_world.h"

namespace velmora::test {
namespace {

TEST(Findings, TestModeShowsEveryBoxAndLogsNothingOtherwiseFatalOnesAreShownAndAllLogged) {
    const Findings findings = {
        {Severity::Warning, "Warned", "warning text", "warning line"},
        {Severity::Warning, "", "marked line of a list", "marked file"},
        {Severity::Warning, "Author only", "author text", ""},
        {Severity::Fatal, "Stopped", "fatal text", "fatal line"},
    };
    const struct {
        bool testMode;
        std::vector<std::string> boxes;
        std::string log;
    } cases[] = {
        {true, {"Warned: warning text", "Author only: author text", "Stopped: fatal text"}, ""},
        {false, {"Stopped: fatal text"}, "\r\nwarning line\r\nmarked file\r\nfatal line"},
    };
    for (const auto& c : cases) {
        TestWorld world;
        world.wizard.state.TestMode = c.testMode;
        ReportFindings(world.wizard, findings);
        std::vector<std::string> boxes;
        for (const MessageBoxRequest& box : world.dialogs.shown) {
            EXPECT_EQ(box.icon, BoxIcon::Error);
            EXPECT_EQ(box.owner, BoxOwner::None);
            boxes.push_back(box.title + ": " + box.text);
        }
        EXPECT_EQ(boxes, c.boxes) << c.testMode;
        EXPECT_EQ(world.wizard.state.ErrorLog, c.log) << c.testMode;
        EXPECT_EQ(world.wizard.state.ErrorsFound, !c.log.empty());
    }
}

}  // namespace
}  // namespace velmora::test
