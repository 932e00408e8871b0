#include "platform/ProfileReader.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using platform::GetPrivateProfileString;
using platform::ProfileReader;

namespace {

struct ReaderCase {
    const char *name;
    std::string file;
    std::string key;
    std::string expected;
};

std::string Read(const std::string &path, const std::string &key, const std::string &def = "DEF") {
    return ProfileReader(path).ReadString("FLAGS", key, def);
}

} // namespace

TEST(ProfileReader, Choices) {
    const ReaderCase cases[] = {
        {"plain", "[FLAGS]\nSOURCE=data.rar\n", "SOURCE", "data.rar"},
        {"crlf", "[FLAGS]\r\nSOURCE=data.rar\r\nX=1\r\n", "SOURCE", "data.rar"},
        {"no final newline", "[FLAGS]\nSOURCE=data.rar", "SOURCE", "data.rar"},
        {"section case", "[flags]\nSOURCE=a\n", "SOURCE", "a"},
        {"key case", "[FLAGS]\nsource=a\n", "SOURCE", "a"},
        {"white space trimmed", "  [ FLAGS ]  \n  SOURCE  =  a b  \t\n", "SOURCE", "a b"},
        {"comment line", "[FLAGS]\n;SOURCE=commented\nSOURCE=real\n", "SOURCE", "real"},
        {"first duplicate wins", "[FLAGS]\nSOURCE=first\nSOURCE=second\n", "SOURCE", "first"},
        {"first section wins", "[FLAGS]\nA=1\n[FLAGS]\nSOURCE=late\n", "SOURCE", "DEF"},
        {"empty value", "[FLAGS]\nSOURCE=\n", "SOURCE", ""},
        {"quoted value", "[FLAGS]\nSOURCE=\" spaced \"\n", "SOURCE", " spaced "},
        {"equals in value", "[FLAGS]\nSOURCE=a=b\n", "SOURCE", "a=b"},
        {"missing key", "[FLAGS]\nOTHER=1\n", "SOURCE", "DEF"},
        {"missing section", "[OTHER]\nSOURCE=1\n", "SOURCE", "DEF"},
        {"key in other section", "[OTHER]\nSOURCE=1\n[FLAGS]\nX=2\n", "SOURCE", "DEF"},
        {"8-bit bytes kept", "[FLAGS]\nTITLEMAIN=caf\xe9 \xc3\xa9\n", "TITLEMAIN",
         "caf\xe9 \xc3\xa9"},
    };
    testsupport::TempDir dir;
    for (const ReaderCase &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.Write("install.ini", c.file);
        EXPECT_EQ(Read(path, c.key), c.expected);
    }
}

TEST(ProfileReader, MissingFileGivesDefault) {
    testsupport::TempDir dir;
    EXPECT_EQ(Read(dir.Str() + "/absent.ini", "SOURCE"), "DEF");
    // A folder where the file should be is no profile either.
    EXPECT_EQ(Read(dir.Str(), "SOURCE"), "DEF");
}

TEST(ProfileReader, ValueCutToBufferAndCountReported) {
    testsupport::TempDir dir;
    const std::string value(1500, 'v');
    const std::string path = dir.Write("install.ini", "[FLAGS]\nTITLEMAIN=" + value + "\n");
    EXPECT_EQ(Read(path, "TITLEMAIN"), value.substr(0, 1023));

    char small[8];
    EXPECT_EQ(GetPrivateProfileString("FLAGS", "TITLEMAIN", "", small, sizeof small, path), 7u);
    EXPECT_STREQ(small, "vvvvvvv");
    EXPECT_EQ(GetPrivateProfileString("FLAGS", "NONE", "untitled", small, sizeof small, path), 7u);
    EXPECT_STREQ(small, "untitle");
}

TEST(ProfileReader, FileIsConsultedAtEachRead) {
    testsupport::TempDir dir;
    const std::string path = dir.Str() + "/install.ini";
    const ProfileReader reader(path);
    EXPECT_EQ(reader.ReadString("FLAGS", "SOURCE", "none"), "none");
    dir.Write("install.ini", "[FLAGS]\nSOURCE=late.rar\n");
    EXPECT_EQ(reader.ReadString("FLAGS", "SOURCE", "none"), "late.rar");
}
