#include "platform/SignalSafeIo.h"
#include "support/FileText.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <climits>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

namespace {

TEST(SignalSafeIo, NumbersAndWideTextsAreWrittenWithoutTheCLibrary)
{
    FixedText<128> text;
    text.AppendDecimal(LLONG_MIN).Append(" ").AppendDecimal(0).Append(" ").AppendDecimal(42);
    text.Append(" ").AppendHex(0x10, 16).Append(" ").AppendHex(0xDEADBEEFCAFEull, 1);
    EXPECT_STREQ(text.Text(), "-9223372036854775808 0 42 0x0000000000000010 0xdeadbeefcafe");

    FixedText<32> wide;
    const wchar_t lone[] = {L'a', static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0x110000),
                            L'\0'};
    wide.AppendWide(L"é€😀").AppendWide(lone);
    EXPECT_STREQ(wide.Text(), "é€😀a??");
    EXPECT_FALSE(wide.Cut());
}

TEST(SignalSafeIo, ATextThatDoesNotFitIsMarkedCutAndKeepsWholeCharacters)
{
    FixedText<6> text;
    text.Append("abc").AppendWide(L"€€");
    EXPECT_STREQ(text.Text(), "abc") << "a character that does not fit whole is left out";
    EXPECT_TRUE(text.Cut());
    text.Clear();
    EXPECT_FALSE(text.Cut());
    EXPECT_TRUE(text.Empty());
}

TEST(SignalSafeIo, FoldersAreMadeAndLongTextsAndFilesCopiedWhole)
{
    ScratchFolder scratch;
    std::string folder = (scratch.Path() / "a/b/c").string();
    ASSERT_TRUE(SignalSafeMakeFolders(folder.c_str()));
    ASSERT_TRUE(SignalSafeMakeFolders(folder.c_str())) << "existing folders are fine";

    std::string target = folder + "/out.txt";
    int fd = open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    std::wstring longText(1000, L'€');
    EXPECT_TRUE(SignalSafeWriteWide(fd, longText.c_str()));
    std::string source = folder + "/in.txt";
    std::ofstream(source) << std::string(10000, 'x');
    int in = open(source.c_str(), O_RDONLY);
    EXPECT_TRUE(SignalSafeCopy(in, fd));
    close(in);
    close(fd);

    std::string expected;
    for (int i = 0; i < 1000; ++i)
        expected += "€";
    EXPECT_EQ(ReadFileText(target), expected + std::string(10000, 'x'));

    std::string blocked = target + "/below";
    EXPECT_FALSE(SignalSafeMakeFolders(blocked.c_str())) << "a file stands in the way";
}

} // namespace
