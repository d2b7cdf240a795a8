#include "host/codec_binding.h"

#include "plugin_folder.h"

#include <gtest/gtest.h>

namespace {

using host::CodecBinding;

TEST(CodecBindingTest, BindsTheCodecLibraryAndDecodes)
{
    CodecBinding codec;
    ASSERT_TRUE(codec.bind(HANDSETKIT_PATH));
    char out[16] = {};
    EXPECT_EQ(codec.base64Decode("QUJD", out), 3);
    EXPECT_STREQ(out, "ABC");
    EXPECT_EQ(codec.quotedPrintableDecode("=41=42", out), 3);
    EXPECT_STREQ(out, "AB");
}

TEST(CodecBindingTest, SecondBindIsRefusedAndKeepsTheFirst)
{
    CodecBinding codec;
    ASSERT_TRUE(codec.bind(HANDSETKIT_PATH));
    EXPECT_FALSE(codec.bind(HANDSETKIT_PATH));
    EXPECT_TRUE(codec.isBound());
}

TEST(CodecBindingTest, MissingOrIncompleteLibraryBindsNothing)
{
    PluginFolder folder;
    folder.addText("libHandsetKit.so", "not a library");
    // A real library without the codec names.
    folder.addComplete("libOther.so");
    for (const std::string &path : {folder.path() + "absent.so", folder.path() + "libHandsetKit.so",
                                    folder.path() + "libOther.so"}) {
        CodecBinding codec;
        EXPECT_FALSE(codec.bind(path)) << path;
        EXPECT_FALSE(codec.isBound());
        char out[8] = {};
        EXPECT_EQ(codec.base64Decode("QUJD", out), 0);
        EXPECT_EQ(codec.quotedPrintableDecode("=41", out), 0);
    }
}

TEST(CodecBindingTest, UnbindReleasesAndAllowsBindingAgain)
{
    CodecBinding codec;
    ASSERT_TRUE(codec.bind(HANDSETKIT_PATH));
    codec.unbind();
    EXPECT_FALSE(codec.isBound());
    char out[8] = {};
    EXPECT_EQ(codec.base64Decode("QUJD", out), 0);
    EXPECT_TRUE(codec.bind(HANDSETKIT_PATH));
}

} // namespace
