// The pack information: its three forms, its height, and what it leaves in the description.

#include <gtest/gtest.h>

#include "lang/language.h"
#include "pack/pack_info.h"
#include "test_world.h"

namespace velmora::test {
namespace {

std::string Lines(int count, const std::string& stem) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += stem + std::to_string(i) + "\r\n";
    return text;
}

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

    // A folder of smiles with a matching _define.ini.
    void Smiles(const std::string& folder, int count, const std::string& extension) {
        for (int i = 1; i <= count; ++i)
            world.Write("Source SMP\\" + folder + "\\s" + std::to_string(i) + extension, "");
        world.Write("Source SMP\\" + folder + "\\_define.ini", Lines(count, "s"));
    }

    // A lite folder that leaves one smile of the full set out.
    void LiteOf(const std::string& folder) {
        world.Write("Source SMP\\" + folder + "\\_define.ini", Lines(2, "s"));
        world.Write("Source SMP\\" + folder + "\\DeleteLite.ini", "s3\r\n");
    }

    TestWorld world;
};

TEST_F(PackInformation, SingleSetOfAnimatedSmilesOnly) {
    world.wizard.pack.PackType = "LightSingle";
    world.wizard.pack.SmileKinds = 1;
    Smiles("Animated Single Full Light", 3, ".gif");
    const PackInfoText info = BuildPackInfo(world.wizard);
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
}

TEST_F(PackInformation, SingleSetOfBothKinds) {
    world.wizard.pack.PackType = "single";
    world.wizard.pack.Pagers = "QIP";
    Smiles("Animated Single Full Light", 3, ".gif");
    Smiles("Static Single Full Light", 3, ".bmp");
    const PackInfoText info = BuildPackInfo(world.wizard);
    EXPECT_EQ(info.height, 98);
    EXPECT_NE(info.text.find(" Статический смайлы: есть\r\n Кол-во статичных смайлов: 3\r\n"),
              std::string::npos);
    EXPECT_NE(info.text.find("пейджеры: QIP 2005 & Infium"), std::string::npos);
}

TEST_F(PackInformation, FullAndLiteVersionsShowFourCountLines) {
    world.wizard.pack.PackType = "fulllite";
    world.wizard.pack.Pagers = "qipinf";
    Smiles("Animated Single Full Light", 3, ".gif");
    Smiles("Static Single Full Light", 3, ".bmp");
    LiteOf("Animated Lite Dark");
    LiteOf("Static Lite Dark");
    const PackInfoText info = BuildPackInfo(world.wizard);
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
    EXPECT_FALSE(world.wizard.state.StopRequested);
}

TEST_F(PackInformation, CountsShownAreTheCorrectedOnes) {
    world.wizard.pack.PackType = "lightdark";
    world.wizard.pack.SmileKinds = -1;
    world.wizard.pack.StaticFullLightCount = "5";  // declared more than the folder holds
    Smiles("Static Single Full Light", 3, ".bmp");
    Smiles("Static Lite Dark", 2, ".bmp");
    const PackInfoText info = BuildPackInfo(world.wizard);
    EXPECT_NE(info.text.find("смайлов (Светлый фон): 3\r\n"), std::string::npos) << info.text;
    EXPECT_NE(info.text.find("смайлов (Темный фон): 2\r\n"), std::string::npos);
    EXPECT_NE(info.text.find(" Анимированные смайлы: нет\r\n"), std::string::npos);
    EXPECT_EQ(info.height, 98);
}

TEST_F(PackInformation, UnusableDataStopTheWizardWithNoText) {
    world.wizard.pack.PackType = "single";
    world.wizard.pack.SmileKinds = 1;
    world.MakeFolder("Source SMP\\Animated Single Full Light");  // no _define.ini
    const PackInfoText info = BuildPackInfo(world.wizard);
    EXPECT_TRUE(info.text.empty());
    EXPECT_TRUE(world.wizard.state.StopRequested);
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    EXPECT_EQ(world.dialogs.shown[0].icon, BoxIcon::Error);
}

}  // namespace
}  // namespace velmora::test
