// The command line of a silent installation, as one table.

#include <gtest/gtest.h>

#include "app/silent_options.h"
#include "app/silent_run.h"

namespace velmora::test {
namespace {

// The options in one line, so that a case names all it expects.
std::string Summary(const SilentOptions& o) {
    if (!o.silent) return "window";
    if (!o.error.empty()) return o.error;
    std::string skins;
    for (const std::string& skin : o.skins)
        skins += (skins.empty() ? "" : "|") + skin;
    return "qip=" + o.qipFolder + " skins=" + skins + " variant=" + std::to_string(o.variant) +
           " lang=" + o.language + " log=" + o.logPath + (o.agree ? " agree" : "") +
           (o.removeOld ? " removeold" : "") + (o.raiseQuota ? " quota" : "");
}

TEST(SilentOptions, TheCommandLineAsOneTable) {
    const struct {
        std::vector<std::string> arguments;
        const char* expected;
    } cases[] = {
        {{}, "window"},
        {{"testmode"}, "window"},
        {{"/QIP=C:\\QIP", "/AGREE"}, "window"},  // options alone do not make a run silent
        {{"/s"}, "qip= skins= variant=1 lang= log="},
        {{"/AGREE", "/S"}, "qip= skins= variant=1 lang= log= agree"},
        {{"/S", "/QIP=C:\\Program Files\\QIP", "/skins=Blue, Red Sky,", "/Variant=2",
          "/LANG=English", "/AGREE", "/REMOVEOLD", "/quota", "/LOG=D:\\logs\\qip.txt"},
         "qip=C:\\Program Files\\QIP skins=Blue|Red Sky variant=2 lang=English "
         "log=D:\\logs\\qip.txt agree removeold quota"},
        {{"/S", "/SKINS=All"}, "qip= skins= variant=1 lang= log="},
        {{"/S", "/QIP=a=b"}, "qip=a=b skins= variant=1 lang= log="},
        {{"/S", "/VARIANT=3"}, "The option \"/VARIANT=3\" is not understood."},
        {{"/S", "/VARIANT"}, "The option \"/VARIANT\" is not understood."},
        {{"/S", "/AGREE=yes"}, "The option \"/AGREE=yes\" is not understood."},
        {{"/S", "/QIP="}, "The option \"/QIP=\" is not understood."},
        {{"/S", "/SKINS= , "}, "The option \"/SKINS= , \" is not understood."},
        {{"/S", "/D=C:\\QIP"}, "The option \"/D=C:\\QIP\" is not understood."},
        {{"/S", "testmode"}, "The option \"testmode\" is not understood."},
        {{"/S", "/X", "/Y"}, "The option \"/X\" is not understood."},  // the first one is named
    };
    for (const auto& c : cases)
        EXPECT_EQ(Summary(ParseSilentOptions(c.arguments)), c.expected) << c.expected;
}

// Without a user each box takes its own unattended answer, except the two the command line
// gives; the report names the answer of every question.
TEST(SilentOptions, TheSwitchesAnswerTheirQuestions) {
    const struct {
        Question question;
        BoxAnswer unattended;
        bool removeOld, raiseQuota;
        BoxAnswer expected;
    } cases[] = {
        {Question::RemoveOldVersion, BoxAnswer::No, false, true, BoxAnswer::No},
        {Question::RemoveOldVersion, BoxAnswer::No, true, false, BoxAnswer::Yes},
        {Question::RaiseGdiQuota, BoxAnswer::No, true, false, BoxAnswer::No},
        {Question::RaiseGdiQuota, BoxAnswer::No, false, true, BoxAnswer::Yes},
        {Question::OverwriteSamePack, BoxAnswer::Yes, false, false, BoxAnswer::Yes},
        {Question::Reboot, BoxAnswer::No, true, true, BoxAnswer::No},
    };
    for (const auto& c : cases) {
        SilentOptions options;
        options.removeOld = c.removeOld;
        options.raiseQuota = c.raiseQuota;
        SilentReport report(nullptr);
        SilentDialogs dialogs(options, report);
        MessageBoxRequest box(c.question, c.unattended);
        box.title = "Title";
        box.text = "Text?";
        box.buttons = BoxButtons::YesNo;
        EXPECT_EQ(dialogs.Ask(box), c.expected) << static_cast<int>(c.question);
        EXPECT_EQ(report.Text(), std::string("[Title] Text?\r\n  -> ") +
                                     (c.expected == BoxAnswer::Yes ? "Yes" : "No") + "\r\n");
    }
}

}  // namespace
}  // namespace velmora::test
