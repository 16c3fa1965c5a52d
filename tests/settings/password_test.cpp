// Password scrambling, and scrambled passwords in the settings file,
// including the texts a plain private-profile value cannot hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ftp_settings.h"
#include "test_folders.h"

namespace {

using namespace testing_support;

TEST(PasswordScrambling, KnownValues) {
    // Low four bits inverted, plus the position modulo 5, modulo 256.
    EXPECT_EQ("nopqrn", FtpSettings::EncodePassword("aaaaaa"));
    EXPECT_EQ(">>>>", FtpSettings::EncodePassword("1234"));
    EXPECT_EQ("\xF0\xF1\xF2\xF3\xF4", FtpSettings::EncodePassword(std::string(5, '\xFF')));
    EXPECT_EQ(std::string("\xFF\0\x01\x02\x03", 5), FtpSettings::EncodePassword(std::string(5, '\xF0')));
    EXPECT_EQ(std::string(5, '\0'), FtpSettings::EncodePassword("\x0F\xF0\xF1\xF2\xF3"));
}

TEST(PasswordScrambling, EveryCharacterAtEveryPositionRoundTrips) {
    for (unsigned position = 0; position < 5; ++position) {
        for (unsigned value = 0; value < 256; ++value) {
            const std::string text = std::string(position, 'x') + static_cast<char>(value);
            ASSERT_EQ(text, FtpSettings::DecodePassword(FtpSettings::EncodePassword(text)))
                << "value " << value << " at " << position;
        }
    }
}

using StoredPasswords = SettingsTest;

// A password the file holds exactly as its scrambled text is stored that
// way alone, as files of earlier versions have it.
TEST_F(StoredPasswords, RoundTripThroughTheFile) {
    const struct {
        const char* label;
        std::string password;
        bool plainScrambledText;
    } cases[] = {
        {"plain", "secret", true},
        {"empty", "", true},
        {"latin-1", "p\xE4sswort", true},
        {"zero at first position", "\x0F" "abc", false},
        {"zeros at positions 1 to 4", "a\xF0\xF1\xF2\xF3", false},
        {"leading blank", "/leading", false},  // '/' at position 0 scrambles to ' '
        {"trailing blank", "abcde/", false},   // and at position 5
        {"quoted", "-abcd-", false},           // '-' at 0 and 5 scramble to '"'
        {"line break", "\x05" "x", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        FtpProfile profile = MakeProfile("pw", "host", c.password);
        profile.m_fwPassword = "!" + c.password;
        Settings().WriteProfile(profile);
        Reopen();
        FtpProfile read;
        ASSERT_EQ(1, Settings().ReadProfile("pw", &read));
        EXPECT_EQ(c.password, read.m_password);
        EXPECT_EQ("!" + c.password, read.m_fwPassword);
        if (c.plainScrambledText) {
            EXPECT_EQ(FtpSettings::EncodePassword(c.password), Raw("Profile0", "Password"));
        }
        EXPECT_EQ(c.plainScrambledText, Raw("Profile0", "Quill.Password").empty());
    }
}

// Every line a section, a key=value or empty: a line break or other
// character the file cannot hold never reaches it as written.
bool EveryLineWellFormed(const std::string& text, std::string* bad) {
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        const std::string line = text.substr(start, end - start);
        const bool section = line.size() >= 2 && line.front() == '[' && line.back() == ']';
        const size_t equals = line.find('=');
        if (!line.empty() && !section && (equals == std::string::npos || equals == 0)) {
            *bad = line;
            return false;
        }
        start = end + 1;
    }
    return true;
}

// Every byte value 1..255 at each of the five scrambling positions, in both
// password fields, with the other fields around them.
TEST_F(StoredPasswords, EveryByteValueKeepsTheFileWellFormedAndReadsBack) {
    for (unsigned value = 1; value < 256; ++value) {
        FtpProfile profile = MakeProfile("bytes", "host", std::string(5, static_cast<char>(value)));
        profile.m_fwPassword = "f" + profile.m_password;
        profile.m_fwHost = "after";
        Settings().WriteProfile(profile);
        std::string bad;
        ASSERT_TRUE(EveryLineWellFormed(ReadTextFile(Path()), &bad)) << "value " << value << ": line \"" << bad << "\"";
        FtpProfile read;
        ASSERT_EQ(1, Settings().ReadProfile("bytes", &read)) << "value " << value;
        ASSERT_TRUE(profile == read) << "value " << value;
    }
}

TEST_F(StoredPasswords, PasswordWrittenByEarlierVersionWins) {
    SetRaw("Profile0", "Name", "old");
    SetRaw("Profile0", "Password", FtpSettings::EncodePassword("hunter2").c_str());
    FtpProfile read;
    ASSERT_EQ(1, Settings().ReadProfile("old", &read));
    EXPECT_EQ("hunter2", read.m_password);

    // Saved here with an awkward password, then again by an earlier version,
    // which knows nothing of the exact copy.
    Settings().WriteProfile(MakeProfile("old", "host", "\x0F" "zero"));
    SetRaw("Profile0", "Password", FtpSettings::EncodePassword("newer").c_str());
    ASSERT_EQ(1, Settings().ReadProfile("old", &read));
    EXPECT_EQ("newer", read.m_password);
}

TEST_F(StoredPasswords, OrdinaryPasswordRemovesTheCopy) {
    Settings().WriteProfile(MakeProfile("switch", "host", "\x0F" "zero"));
    ASSERT_NE("", Raw("Profile0", "Quill.Password"));
    Settings().WriteProfile(MakeProfile("switch", "host", "ordinary"));
    EXPECT_EQ(std::string::npos, ReadTextFile(Path()).find("Quill.Password"));
}

}  // namespace
