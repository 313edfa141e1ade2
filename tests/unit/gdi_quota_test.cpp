// How a registry value is named.

#include <gtest/gtest.h>

#include "system/mini_reg.h"
#include "test_world.h"

namespace velmora::test {
namespace {

const PosixRegistry::Value k15000{PosixRegistry::kDword, std::string("\x98\x3A\0\0", 4)};

TEST(GdiQuota, APathIsSplitAtItsLastBackslashAndOneWithoutNamesNoValue) {
    std::string key = "kept", name = "kept";
    EXPECT_FALSE(SplitValuePath("GDIProcessHandleQuota", key, name));
    EXPECT_EQ(key + name, "keptkept");
    EXPECT_TRUE(SplitValuePath("SOFTWARE\\Windows\\GDIProcessHandleQuota", key, name));
    EXPECT_EQ(key, "SOFTWARE\\Windows");
    EXPECT_EQ(name, "GDIProcessHandleQuota");

    // Even a value planted under such a path can be neither read nor replaced.
    PosixRegistry registry;
    registry.values["GDIProcessHandleQuota"] = k15000;
    uint32_t value = 7;
    EXPECT_FALSE(registry.ReadDword("GDIProcessHandleQuota", value));
    EXPECT_FALSE(registry.WriteDword("GDIProcessHandleQuota", 20000));
    EXPECT_EQ(value, 7u);
    EXPECT_EQ(registry.values.size(), 1u);
    EXPECT_EQ(registry.values["GDIProcessHandleQuota"], k15000);
}

}  // namespace
}  // namespace velmora::test
