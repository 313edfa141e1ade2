// SMP.ini: the check codes, what the load keeps, and what the user and the log are told.

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "base/text_lines.h"
#include "pack/smp_ini.h"
#include "test_world.h"

namespace velmora::test {
namespace {

// A sound SMP.ini cut or padded to so many lines, with the numbered lines replaced.
std::string Description(const std::map<size_t, std::string>& lines = {}, size_t count = 14) {
    std::vector<std::string> all = SplitLines(
        "Sunny Smiles 1.0\nsmilespack\nall\nfulllite\nhttps://pack.example\nauthor@pack.example\n"
        "yes\n12\n 10\n$1F\n0x10\nall\n\n01.12.2026\n");
    all.resize(count);
    for (const auto& [number, line] : lines)
        all[number - 1] = line;
    std::string text;
    for (const std::string& line : all)
        text += line + "\r\n";
    return text;
}

// Each line's code, keywords in any case; comments skipped, an empty line is data (shifting
// the rest, so that the last of many faults gives the code).
TEST(SmpIni, EachFaultyLineHasItsCode) {
    const std::tuple<size_t, const char*, int> cases[] = {
        {2, " smilespack", kBadTypeTag},       {2, "smilespack ", kBadTypeTag},
        {2, "SmilesPack", kDescriptionSound},  {3, "icq", kBadPagers},
        {3, "QipInf", kDescriptionSound},      {4, "double", kBadPackType},
        {4, "DarkSingle", kDescriptionSound},  {8, "12 ", kBadAnimatedFullLightCount},
        {9, "ten", kBadAnimatedLiteDarkCount}, {10, "", kBadStaticFullLightCount},
        {11, "   ", kBadStaticLiteDarkCount},  {12, "gifs", kBadSmileKinds},
        {12, "ANIM", kDescriptionSound},       {1, "/", kDescriptionSound},
        {1, "//\r\nS", kDescriptionSound},     {1, "\r\nS", kBadSmileKinds}};
    TestWorld world;
    for (const auto& [line, value, code] : cases) {
        world.Write("Source SMP\\SMP.ini", Description({{line, value}}));
        EXPECT_EQ(CheckPackDescription(world.realFiles, world.folder), code) << value;
    }
}

// The values are kept as written; a fifteenth line "On" lays the title over the logo.
TEST(SmpIni, LoadKeepsTheValuesAsWrittenAndMapsTheKinds) {
    TestWorld world;
    const PackDescription& pack = world.wizard.pack;
    for (const auto& [kind, value] :
         {std::pair<const char*, int32_t>{"ALL", 0}, {"anim", 1}, {"Static", -1}}) {
        world.Write("Source SMP\\SMP.ini",
                    Description({{7, "YES"}, {12, kind}, {13, "OFF"}, {15, "On"}}, 15));
        EXPECT_TRUE(LoadPackDescription(world.Checks(), world.wizard.pack).empty());
        EXPECT_EQ(pack.SmileKinds, value) << kind;
    }
    EXPECT_EQ(pack.NameAndVersion + "|" + pack.PackType + "|" + pack.AuthorEmail + "|" +
                  pack.AnimatedLiteDarkCount + "|" + pack.StaticFullLightCount + "|" +
                  pack.InfoPageSwitch + "|" + pack.CreationDate,
              "Sunny Smiles 1.0|fulllite|author@pack.example| 10|$1F|OFF|01.12.2026");
    EXPECT_TRUE(pack.AgreementRequired && pack.TitleOverLogo);
    world.Write("Source SMP\\SMP.ini", Description());
    LoadPackDescription(world.Checks(), world.wizard.pack);
    EXPECT_FALSE(pack.TitleOverLogo);
}

// A fault is fatal. The detail is logged, and shown in test mode or for an unreadable file;
// only outside test mode are the values of a faulty file taken.
TEST(SmpIniFaults, AFaultIsFatalAndItsDetailIsShownInTestModeOrForAnUnreadableFile) {
    const std::string type = "Error in string: \"Type smiles pack\".",
                      few = "Error data: \"Amount of strings are not enough\".",
                      missing = "Error data: File not found.",
                      held = "Error data: File cannot be read (The file is in use).";
    const std::tuple<std::string, bool, int, bool, std::string, bool> cases[] = {
        {"twin", false, kBadPackType, true, type, false},
        {"twin", true, kBadPackType, false, type, true},
        {"short", false, kTooFewLines, true, few, false},
        {"missing", false, kDescriptionMissing, false, missing, false},
        {"missing", true, kDescriptionMissing, false, missing, true},
        {"folder", false, kDescriptionMissing, false, missing, false},
        {"held", false, kDescriptionUnreadable, false, held, true},
        {"held", true, kDescriptionUnreadable, false, held, true}};
    for (const auto& [file, testMode, code, taken, detail, shown] : cases) {
        TestWorld world;
        const std::string path = world.folder + "\\Source SMP\\SMP.ini";
        if (file == "folder") world.MakeFolder("Source SMP\\SMP.ini");
        if (file != "missing" && file != "folder")
            world.Write("Source SMP\\SMP.ini",
                        Description({{4, file == "twin" ? "twin" : "fulllite"}},
                                    file == "short" ? 13 : 14));
        LockedFile files(file == "held" ? path : "");
        EXPECT_EQ(CheckPackDescription(files, world.folder), code) << file;

        const Findings found =
            LoadPackDescription({files, world.folder, testMode}, world.wizard.pack);
        EXPECT_EQ(world.wizard.pack.NameAndVersion, taken ? "Sunny Smiles 1.0" : "")
            << file << testMode;
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].severity, Severity::Fatal);
        EXPECT_EQ(found[0].title + "|" + found[0].text + "|" + found[0].logText,
                  "Velmora: Error in smiles-pack...|Error in file: \"" + path +
                      "\"!\r\nInstallation of smiles-pack is not possible!" +
                      (shown ? "\r\n\r\n" + detail : "") + "|Error in \"SMP.ini\" " + detail)
            << file << testMode;
    }
}

// Declared smiles add up in 64 bits and fit the progress bar; only web addresses are links.
TEST(PackRules, DeclaredSmilesAddUpIn64BitsFitTheBarsAndOnlyWebAddressesAreLinks) {
    const PackDescription pack{"",   "",    "",           "",          "",
                               "",   false, "2147483647", "$7FFFFFFF", "-2147483648",
                               "-1", 0,     "",           "",          false};
    EXPECT_EQ(DeclaredSmiles(pack, true, true), 4294967294);
    EXPECT_EQ(DeclaredSmiles(pack, true, false), 2147483647);
    EXPECT_EQ(DeclaredSmiles(pack, false, true), -2147483649);
    const int64_t ranges[][2] = {{70000, 70000}, {4294967294, INT32_MAX}, {-2147483649, 0}};
    for (const auto& range : ranges)
        EXPECT_EQ(ProgressBarRange(range[0]), range[1]) << range[0];

    std::string links;
    for (const char* address : {"http://a", "HTTPS://a/x", "hTtP://", "www.a", " http://a",
                                "http:/x", "https:", "file:///C:/x.exe", ""})
        links += IsWebAddress(address) ? "1" : "0";
    EXPECT_EQ(links, "111000000");
}

// Whole signed 32-bit numbers, decimal or hexadecimal after "$", "0x" or "x"; "-": none.
TEST(IntegerRule, AcceptsWhatConvertsWhollyToASigned32BitNumber) {
    std::istringstream texts(
        "  12|+7|-7|$1f|0X10|x1A|-$10|007|0|2147483647|-2147483648|$7FFFFFFF|| |12 |1 2|+|$|0x|x|"
        "1.5|$G1|\t12|2147483648|-2147483649|$80000000|99999999999999999999|+-1");
    std::string values;
    int32_t value = 0;
    for (std::string text; std::getline(texts, text, '|');)
        values += ParseInteger(text, value) ? std::to_string(value) + " " : "- ";
    EXPECT_EQ(values,
              "12 7 -7 31 16 26 -16 7 0 2147483647 -2147483648 2147483647 "
              "- - - - - - - - - - - - - - - - ");
}

}  // namespace
}  // namespace velmora::test
