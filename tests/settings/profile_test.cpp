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

// Nothing of the caller's record is left over; empty stored values read as
// the defaults.
TEST_F(Profiles, UnknownProfilesAndEmptyValuesReadAsDefaults) {
    FtpProfile profile = MakeProfile("leftover", "leftover.example.com", "pw");
    EXPECT_EQ(0, Settings().ReadProfile("nowhere", &profile));
    EXPECT_EQ(MakeProfile("nowhere", ""), profile);
    Settings().WriteProfile(MakeProfile("blank", ""));
    for (const char* key : {"Port", "Timeout", "FW Type", "Host Label", "Security"}) SetRaw("Profile0", key, "");
    ASSERT_EQ(1, Settings().ReadProfile("blank", &profile));
    EXPECT_EQ(MakeProfile("blank", ""), profile);
}

// Every field under its own key (the local and remote folders not swapped),
// passwords scrambled, and back.
TEST_F(Profiles, FieldsRoundTripUnderTheirKeys) {
    FtpProfile written;
    for (const settings::ProfileField& field : settings::kProfileFields) written.*field.member = std::string(field.key) + " value";
    written.m_remoteFolder = "/remote";
    written.m_localFolder = "C:\\local";
    written.m_fwPassword = "fw";
    Settings().WriteProfile(written);
    EXPECT_EQ("/remote", Raw("Profile0", "Remote"));
    EXPECT_EQ("C:\\local", Raw("Profile0", "Local"));
    EXPECT_EQ(FtpSettings::EncodePassword("fw"), Raw("Profile0", "FW Password"));
    Reopen();
    FtpProfile read;
    ASSERT_EQ(1, Settings().ReadProfile("NAME VALUE", &read));
    EXPECT_EQ(written, read);
}

// Letter case aside, texts other than the three levels are plain FTP.
TEST(ProfileSecurity, TextsAndLevels) {
    for (int level : {0, 1, 2}) EXPECT_EQ(level, settings::SecurityLevel(settings::SecurityText(level)));
    for (const char* text : {"Required", "WHEN OFFERED"}) EXPECT_NE(0, settings::SecurityLevel(text)) << text;
    for (const char* text : {"tls", "", "required!"}) EXPECT_EQ(0, settings::SecurityLevel(text)) << text;
}

TEST_F(Profiles, EmptyNameIsNeverStoredOrFound) {
    Settings().WriteProfile(MakeProfile(""));
    EXPECT_FALSE(FileExists(Path()));
    FtpProfile read;
    EXPECT_EQ(0, Settings().ReadProfile("", &read));
    EXPECT_EQ(0, Settings().DeleteProfile(""));
    EXPECT_EQ(0, Settings().ReadProfile("x", nullptr));
}

// The file gives names back without edge blanks and surrounding quotes: a
// name saved as typed must still find its own section on the next save.
TEST_F(Profiles, NamesAreStoredTrimmedSoEachSaveFindsItsSection) {
    for (const char* name : {" Site ", " Site ", "\" Site \"", "Site"}) Settings().WriteProfile(MakeProfile(name));
    EXPECT_EQ("Site  Site", Raw("Profile0", "Name") + " " + Raw("Profile1", "Name") + " " + Raw("Defaults", "Last Profile"));
    FtpProfile read;
    EXPECT_EQ(1, Settings().ReadProfile("  site\t", &read));
}

TEST_F(Profiles, NamesCompareIgnoringCaseByLocaleAndByCharacter) {
    Settings().WriteProfile(MakeProfile("My Caf\xE9", "old.example.com"));  // Latin-1 e acute
    Settings().WriteProfile(MakeProfile("MY CAF\xC9", "new.example.com"));
    EXPECT_EQ("MY CAF\xC9", Raw("Profile0", "Name"));
    EXPECT_EQ("new.example.com", Raw("Profile0", "Host"));
    EXPECT_EQ("", Raw("Profile1", "Name"));
    FtpProfile profile = MakeProfile("my caf\xE9");
    ASSERT_EQ(1, Settings().ReadProfile(profile.m_name, &profile));  // reading into the name's own profile
    EXPECT_EQ("MY CAF\xC9", profile.m_name);
    EXPECT_EQ(0, Settings().ReadProfile("MY CAFE", &profile));
    // Two different katakana whose trail bytes are 'A' and 'a' are no case pair.
    const LCID japanese = MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), SORT_DEFAULT);
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
// overwritten, wrapping from the limit (31, or as raised) to 0.
TEST_F(Profiles, FullStorageOverwritesSectionsInTurn) {
    const struct {
        const char *limit, *lastWritten;  // nullptr: absent
        int expected;
    } cases[] = {{nullptr, "5", 6}, {nullptr, "30", 31}, {nullptr, "31", 0}, {nullptr, nullptr, 1},
                 {nullptr, "-3", 0}, {nullptr, "400", 0}, {"99", "98", 99}, {"99", "99", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.limit ? c.limit : "-") + " " + (c.lastWritten ? c.lastWritten : "(absent)"));
        const int sections = c.limit ? 100 : 32;
        for (int i = 0; i < sections; ++i) SetRaw(Section(i), "Name", ("site" + std::to_string(i)).c_str());
        SetRaw("Defaults", "Quill.Profile", c.limit);
        SetRaw("Defaults", "Profile", c.lastWritten);
        Reopen();
        Settings().WriteProfile(MakeProfile("overflow"));
        EXPECT_EQ("overflow", Raw(Section(c.expected), "Name"));
        EXPECT_EQ(std::to_string(c.expected), Raw("Defaults", "Profile"));
        EXPECT_EQ("", Raw(Section(sections), "Name"));
    }
}

// One history key per distinct host, in the order first used.
TEST_F(Profiles, HostHistoryKeepsEachHostOnce) {
    const struct {
        const char* host;
        std::vector<std::string> keys;  // Host1, Host2, ...
    } steps[] = {
        {"ftp.one.com", {"ftp.one.com"}}, {"ftp.one.com", {"ftp.one.com"}},
        {"ftp.two.com", {"ftp.one.com", "ftp.two.com"}}, {"ftp.one.com", {"ftp.one.com", "ftp.two.com"}},
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
    EXPECT_EQ(0, Settings().ReadProfileField(0, "User", &value));  // written empty
    EXPECT_EQ(0, Settings().ReadProfileField(1, "Name", &value));
    EXPECT_EQ("untouched", value);
}

}  // namespace
