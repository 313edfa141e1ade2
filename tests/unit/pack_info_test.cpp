// The pack information: its three forms, its height, and what it leaves in the description.

#include <gtest/gtest.h>

#include "lang/language.h"
#include "pack/pack_info.h"
#include "test_world.h"

namespace velmora::test {
namespace {

class PackInformation : public ::testing::Test {
  protected:
    PackInformation() {
        world.wizard.state.LanguageName = "Russian";
        LoadLanguage(world.wizard, "");
        PackDescription& pack = world.wizard.pack;
        pack.NameAndVersion = "Sunny 1.0";
        pack.Pagers = "all";
        pack.AnimatedFullLightCount = pack.StaticFullLightCount = "3";
        pack.AnimatedLiteDarkCount = pack.StaticLiteDarkCount = "2";
    }

    void Smiles(const std::string& folder, int count) {
        world.FillSmileFolder(folder, count, count);
    }

    // A lite folder that leaves one smile of the full set out.
    void LiteOf(const std::string& folder) {
        world.Write("Source SMP\\" + folder + "\\_define.ini", ListLines(2));
        world.Write("Source SMP\\" + folder + "\\DeleteLite.ini", "s3\r\n");
    }

    // The page's text after its check, which must find nothing fatal.
    PackInfoText Build() {
        EXPECT_FALSE(HasFatal(CheckPackData(world.Checks(), world.wizard.text, world.wizard.pack)));
        return ComposePackInfo(world.wizard.text, world.wizard.pack);
    }

    TestWorld world;
};

TEST_F(PackInformation, SingleSetOfAnimatedSmilesThenOfBothKinds) {
    world.wizard.pack.PackType = "LightSingle";
    world.wizard.pack.SmileKinds = 1;
    Smiles("Animated Single Full Light", 3);
    const PackInfoText info = Build();
    EXPECT_EQ(info.height, 84);
    EXPECT_EQ(info.text,
              " Название смайл-пака: Sunny 1.0\r\n"
              " Анимированные смайлы: есть\r\n"
              " Кол-во анимированных смайлов: 3\r\n"
              " Статический смайлы: нет\r\n"
              " Доступные режимы установки: Простой смайл-пак\r\n"
              " Поддерживаемые пейджеры: все");
    // Every later reader sees no lite set for a single pack.
    EXPECT_EQ(world.wizard.pack.AnimatedLiteDarkCount, "0");
    EXPECT_EQ(world.wizard.pack.StaticLiteDarkCount, "0");

    world.wizard.pack.SmileKinds = 0;
    world.wizard.pack.Pagers = "QIP";
    Smiles("Static Single Full Light", 3);
    const PackInfoText both = Build();
    EXPECT_EQ(both.height, 98);
    EXPECT_NE(both.text.find(" Статический смайлы: есть\r\n Кол-во статичных смайлов: 3\r\n"),
              std::string::npos);
    EXPECT_NE(both.text.find("пейджеры: QIP 2005 & Infium"), std::string::npos);
}

TEST_F(PackInformation, FullAndLiteVersionsShowFourCountLines) {
    world.wizard.pack.PackType = "fulllite";
    world.wizard.pack.Pagers = "qipinf";
    Smiles("Animated Single Full Light", 3);
    Smiles("Static Single Full Light", 3);
    LiteOf("Animated Lite Dark");
    LiteOf("Static Lite Dark");
    const PackInfoText info = Build();
    EXPECT_EQ(info.height, 126);
    EXPECT_EQ(info.text,
              " Название смайл-пака: Sunny 1.0\r\n"
              " Анимированные смайлы: есть\r\n"
              " Кол-во анимированных смайлов (Полная версия): 3\r\n"
              " Кол-во анимированных смайлов (Легкая версия): 2\r\n"
              " Статический смайлы: есть\r\n"
              " Кол-во статичных смайлов (Полная версия): 3\r\n"
              " Кол-во статичных смайлов (Легкая версия): 2\r\n"
              " Доступные режимы установки: Полная/Легкая версии\r\n"
              " Поддерживаемые пейджеры: QIP Infium");
    EXPECT_EQ(world.wizard.pack.AnimatedLiteDarkCount, "2");
}

TEST_F(PackInformation, LightAndDarkBackgroundsShowTheCorrectedCounts) {
    world.wizard.pack.PackType = "lightdark";
    world.wizard.pack.SmileKinds = -1;
    world.wizard.pack.StaticFullLightCount = "5";  // declared more than the folder holds
    Smiles("Static Single Full Light", 3);
    Smiles("Static Lite Dark", 2);
    const PackInfoText info = Build();
    EXPECT_NE(info.text.find(" Анимированные смайлы: нет\r\n Статический смайлы: есть\r\n"
                             " Кол-во статичных смайлов (Светлый фон): 3\r\n"
                             " Кол-во статичных смайлов (Темный фон): 2\r\n"),
              std::string::npos)
        << info.text;
    EXPECT_EQ(info.height, 98);
}

TEST_F(PackInformation, UnusableDataAreFatalAndLeaveTheLiteCounts) {
    world.wizard.pack.PackType = "single";
    world.wizard.pack.SmileKinds = 1;
    world.MakeFolder("Source SMP\\Animated Single Full Light");  // no _define.ini
    const Findings findings = CheckPackData(world.Checks(), world.wizard.text, world.wizard.pack);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].severity, Severity::Fatal);
    // LOG.txt names the counts as SMP.ini declared them.
    EXPECT_EQ(world.wizard.pack.AnimatedLiteDarkCount, "2");
}

}  // namespace
}  // namespace velmora::test
