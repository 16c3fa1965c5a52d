// Scrambled passwords in the settings file: the scrambling of files of
// earlier versions, and the texts a plain private-profile value cannot hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "ftp_settings.h"
#include "test_folders.h"

namespace {

using namespace testing_support;
using StoredPasswords = SettingsTest;

TEST(PasswordScrambling, KnownValues) {
    // Low four bits inverted, plus the position modulo 5, modulo 256.
    EXPECT_EQ("nopqrn", FtpSettings::EncodePassword("aaaaaa"));
    EXPECT_EQ(std::string("\xFF\0\x01\x02\x03", 5), FtpSettings::EncodePassword(std::string(5, '\xF0')));
}

// A password the file holds exactly as its scrambled text is stored that
// way alone, as files of earlier versions have it; the others get a
// printable stand-in and an exact copy.
TEST_F(StoredPasswords, AwkwardScrambledTextsGoToTheExactCopy) {
    const struct {
        const char* password;
        bool plain;
    } cases[] = {
        {"\x0F" "abc", false},  // scrambles to 0
        {"/leading", false},    // '/' at position 0 scrambles to ' '
        {"abcde/", false},      // and at position 5
        {"-abcd-", false},      // '-' at 0 and 5 scramble to '"'
        {"secret", true},       // after an awkward one: the copy goes
        {"", true},
        {"p\xE4sswort", true},
    };
    for (const auto& c : cases) {
        Settings().WriteProfile(MakeProfile("pw", "host", c.password));
        Reopen();
        FtpProfile read;
        ASSERT_EQ(1, Settings().ReadProfile("pw", &read));
        EXPECT_EQ(c.password, read.m_password);
        if (c.plain) {
            EXPECT_EQ(FtpSettings::EncodePassword(c.password), Raw("Profile0", "Password")) << c.password;
        }
        EXPECT_EQ(c.plain, Raw("Profile0", "Quill.Password").empty()) << c.password;
    }
}

// The first line that is neither a section, a key=value nor empty.
std::string FirstBadLine(std::string text) {
    std::replace(text.begin(), text.end(), '\r', '\n');
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && !(line.front() == '[' && line.back() == ']') && line.find('=') + 1 < 2) return line;
    }
    return "";
}

// Every byte value 1..255 at each of the five scrambling positions, in both
// password fields, with the other fields around them: a line break never
// reaches the file and nothing is captured by an orphan line.
TEST_F(StoredPasswords, EveryByteValueKeepsTheFileWellFormedAndReadsBack) {
    for (unsigned value = 1; value < 256; ++value) {
        FtpProfile profile = MakeProfile("bytes", "host", std::string(5, static_cast<char>(value)));
        profile.m_fwPassword = "f" + profile.m_password;
        profile.m_fwHost = "after";
        Settings().WriteProfile(profile);
        ASSERT_EQ("", FirstBadLine(ReadFile(Path()))) << "value " << value;
        FtpProfile read;
        ASSERT_EQ(1, Settings().ReadProfile("bytes", &read)) << "value " << value;
        ASSERT_TRUE(profile == read) << "value " << value;
    }
}

// Saved here with an awkward password, then by an earlier version, which
// knows nothing of the exact copy: the earlier version's password wins.
TEST_F(StoredPasswords, PasswordWrittenByEarlierVersionWins) {
    Settings().WriteProfile(MakeProfile("old", "host", "\x0F" "zero"));
    SetRaw("Profile0", "Password", FtpSettings::EncodePassword("newer").c_str());
    FtpProfile read;
    ASSERT_EQ(1, Settings().ReadProfile("old", &read));
    EXPECT_EQ("newer", read.m_password);
}

}  // namespace
