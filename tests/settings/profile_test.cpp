// Connection profiles: fields and keys, which section a profile goes to,
// host history, deletion and how names compare.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ftp_settings.h"
#include "test_folders.h"
#include "name_compare.h"

namespace {

using namespace testing_support;
using Profiles = SettingsTest;

std::string Section(int index) { return "Profile" + std::to_string(index); }

TEST_F(Profiles, UnknownProfileReadsAsDefaults) {
    FtpProfile profile = MakeProfile("leftover", "leftover.example.com", "pw");
    EXPECT_EQ(0, Settings().ReadProfile("nowhere", &profile));
    const std::vector<std::string> expected = {"nowhere", "", "", "", "", "", "21", "60", "", "", "none", "", "21",
                                               "", "", "0", "Host &name or IP address:", "User &identifier:",
                                               "User &password:"};
    for (int i = 0; i < settings::kProfileFieldCount; ++i) {
        EXPECT_EQ(expected[i], profile.*settings::kProfileFields[i].member) << settings::kProfileFields[i].key;
    }
}

TEST_F(Profiles, FieldsRoundTripUnderTheirKeys) {
    const char* const keys[] = {"Name", "Host", "User", "Password", "Local", "Remote", "Port", "Timeout",
                                "WWW Address", "WWW Primary Page", "FW Type", "FW Host", "FW Port",
                                "FW Username", "FW Password", "FW Passive", "Host Label", "User Label",
                                "Password Label"};
    FtpProfile written;
    for (const settings::ProfileField& field : settings::kProfileFields) {
        written.*field.member = std::string(field.key) + " value";
    }
    Settings().WriteProfile(written);
    for (int i = 0; i < settings::kProfileFieldCount; ++i) {
        const settings::ProfileField& field = settings::kProfileFields[i];
        EXPECT_STREQ(keys[i], field.key);
        const std::string value = written.*field.member;
        EXPECT_EQ(field.scrambled ? FtpSettings::EncodePassword(value) : value, Raw("Profile0", keys[i])) << keys[i];
    }
    EXPECT_EQ("Remote value", Raw("Profile0", "Remote"));  // the remote folder, not the local one
    Reopen();
    FtpProfile read;
    ASSERT_EQ(1, Settings().ReadProfile("NAME VALUE", &read));
    EXPECT_EQ(written, read);
}

TEST_F(Profiles, EmptyStoredValuesGiveDefaults) {
    Settings().WriteProfile(MakeProfile("blank"));
    for (const char* key : {"Port", "Timeout", "FW Type", "Host Label"}) SetRaw("Profile0", key, "");
    FtpProfile read;
    ASSERT_EQ(1, Settings().ReadProfile("blank", &read));
    EXPECT_EQ(FtpProfile().m_port, read.m_port);
    EXPECT_EQ(FtpProfile().m_timeout, read.m_timeout);
    EXPECT_EQ(FtpProfile().m_fwType, read.m_fwType);
    EXPECT_EQ(FtpProfile().m_hostLabel, read.m_hostLabel);
}

TEST_F(Profiles, EmptyNameIsNeverStoredOrFound) {
    Settings().WriteProfile(MakeProfile(""));
    EXPECT_FALSE(FileExists(Path()));
    FtpProfile read;
    EXPECT_EQ(0, Settings().ReadProfile("", &read));
    EXPECT_EQ(0, Settings().DeleteProfile(""));
    EXPECT_EQ(0, Settings().ReadProfile("x", nullptr));
}

TEST_F(Profiles, NamesCompareIgnoringCaseByLocale) {
    Settings().WriteProfile(MakeProfile("My Caf\xE9", "old.example.com"));  // Latin-1 e acute
    Settings().WriteProfile(MakeProfile("MY CAF\xC9", "new.example.com"));
    EXPECT_EQ("MY CAF\xC9", Raw("Profile0", "Name"));
    EXPECT_EQ("new.example.com", Raw("Profile0", "Host"));
    EXPECT_EQ("", Raw("Profile1", "Name"));
    FtpProfile profile = MakeProfile("my caf\xE9");
    ASSERT_EQ(1, Settings().ReadProfile(profile.m_name, &profile));  // reading into the name's own profile
    EXPECT_EQ("MY CAF\xC9", profile.m_name);
    EXPECT_EQ(0, Settings().ReadProfile("MY CAFE", &profile));
}

TEST(ProfileNames, DoubleByteTrailBytesAreNotLetters) {
    const LCID japanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), SORT_DEFAULT);
    // Two different katakana whose trail bytes are 'A' and 'a'.
    EXPECT_FALSE(SameName("\x83\x41", "\x83\x61", japanese));
    EXPECT_TRUE(SameName("\x83\x41x", "\x83\x41X", japanese));
}

TEST_F(Profiles, NewProfileFillsTheGapLeftByADelete) {
    for (int i = 0; i < 5; ++i) Settings().WriteProfile(MakeProfile("site" + std::to_string(i)));
    EXPECT_EQ(1, Settings().DeleteProfile("SITE3"));
    EXPECT_EQ(0, Settings().DeleteProfile("site3"));
    EXPECT_EQ("", Raw("Profile3", "Host1"));  // the whole section went
    EXPECT_EQ("site4", Raw("Profile4", "Name"));
    EXPECT_EQ("4", Raw("Defaults", "Profile"));  // a delete changes neither default
    EXPECT_EQ("site4", Raw("Defaults", "Last Profile"));
    Settings().WriteProfile(MakeProfile("newcomer"));
    EXPECT_EQ("newcomer", Raw("Profile3", "Name"));
    EXPECT_EQ("3", Raw("Defaults", "Profile"));
    std::string last;
    Settings().GetLastProfile(&last);
    EXPECT_EQ("newcomer", last);
}

// With every section in use, the one after the section written last is
// overwritten, wrapping from the limit to 0.
TEST_F(Profiles, FullStorageOverwritesSectionsInTurn) {
    const struct {
        const char* lastWritten;  // nullptr: absent
        int expected;
    } cases[] = {{"5", 6}, {"30", 31}, {"31", 0}, {nullptr, 1}, {"-3", 0}, {"400", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lastWritten ? c.lastWritten : "(absent)");
        for (int i = 0; i < 32; ++i) SetRaw(Section(i), "Name", ("site" + std::to_string(i)).c_str());
        SetRaw("Defaults", "Profile", c.lastWritten);
        Settings().WriteProfile(MakeProfile("overflow"));
        EXPECT_EQ("overflow", Raw(Section(c.expected), "Name"));
        EXPECT_EQ(std::to_string(c.expected), Raw("Defaults", "Profile"));
        EXPECT_EQ("", Raw("Profile32", "Name"));
    }
}

TEST_F(Profiles, RaisedProfileLimitUsesSectionsUpTo99) {
    SetRaw("Defaults", "Quill.Profile", "99");
    for (int i = 0; i < 99; ++i) SetRaw(Section(i), "Name", ("site" + std::to_string(i)).c_str());
    Reopen();
    Settings().WriteProfile(MakeProfile("ninety-nine"));
    EXPECT_EQ("ninety-nine", Raw("Profile99", "Name"));
    Settings().WriteProfile(MakeProfile("wrapped"));
    EXPECT_EQ("wrapped", Raw("Profile0", "Name"));
}

// One history key per distinct host, in the order first used.
TEST_F(Profiles, HostHistoryKeepsEachHostOnce) {
    const struct {
        const char* host;
        std::vector<std::string> keys;  // Host1, Host2, ...
    } steps[] = {
        {"ftp.one.com", {"ftp.one.com"}},
        {"ftp.one.com", {"ftp.one.com"}},
        {"ftp.two.com", {"ftp.one.com", "ftp.two.com"}},
        {"ftp.one.com", {"ftp.one.com", "ftp.two.com"}},
        {"FTP.ONE.COM", {"ftp.one.com", "ftp.two.com", "FTP.ONE.COM"}},  // compared exactly
        {"", {"ftp.one.com", "ftp.two.com", "FTP.ONE.COM"}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.host);
        Settings().WriteProfile(MakeProfile("hosts", step.host));
        std::vector<std::string> keys;
        std::string value;
        while (Settings().ReadProfileField(0, ("Host" + std::to_string(keys.size() + 1)).c_str(), &value)) {
            keys.push_back(value);
        }
        EXPECT_EQ(step.keys, keys);
    }
}

TEST_F(Profiles, ReadProfileFieldReportsOnlyNonEmptyKeys) {
    Settings().WriteProfile(MakeProfile("fields"));
    std::string value = "untouched";
    for (const char* key : {"User", "No Such Key"}) EXPECT_EQ(0, Settings().ReadProfileField(0, key, &value)) << key;
    EXPECT_EQ(0, Settings().ReadProfileField(1, "Name", &value));
    EXPECT_EQ("untouched", value);
    EXPECT_EQ(1, Settings().ReadProfileField(0, "Name", &value));
    EXPECT_EQ("fields", value);
}

}  // namespace
