// Password scrambling, and how scrambled passwords are kept in a section.
//
// The scrambled text goes under the field's own key exactly as files of
// earlier versions hold it. Some texts do not survive a private-profile
// value: a character that scrambles to 0 cuts the value, one that scrambles
// to a line break would end the line and start another (which can become a
// section of its own and capture the keys after it), the platform trims
// blanks at either end, drops quotes around the value and may change bytes
// its code page does not know. For those alone the exact scrambled
// bytes are also written, in hexadecimal, under "Quill." plus the key, and
// the field's own key gets a printable stand-in. The copy is used only while
// the stand-in still matches it, so an older program that rewrites the
// password is never overruled by a stale copy.
#include <string>

#include "ftp_settings.h"
#include "ini_file.h"

namespace {

constexpr unsigned kInvertedBits = 0x0F;
constexpr size_t kShiftCycle = 5;

std::string ExactCopyKey(const char* key) { return std::string("Quill.") + key; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// What can be seen without writing: the file cannot hold these as a value.
// Only a change of code page is left to the read-back after the write.
bool FileCannotHold(const std::string& value) {
    if (value.find_first_of(std::string("\0\r\n", 3)) != std::string::npos) return true;
    if (value.empty()) return false;
    const bool quoted = value.size() >= 2 && value.front() == value.back() && (value.front() == '"' || value.front() == '\'');
    return IsBlank(value.front()) || IsBlank(value.back()) || quoted;
}

// Printable, unquoted and without blanks: kept exactly by any code page.
std::string PrintableForm(const std::string& scrambled) {
    std::string form = scrambled;
    for (char& c : form) {
        const unsigned char value = static_cast<unsigned char>(c);
        if (value < 0x21 || value > 0x7E || c == '"' || c == '\'') {
            c = '?';
        }
    }
    return form;
}

std::string ToHex(const std::string& bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (const char c : bytes) {
        const unsigned char value = static_cast<unsigned char>(c);
        hex += kDigits[value >> 4];
        hex += kDigits[value & 0x0F];
    }
    return hex;
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool FromHex(const std::string& hex, std::string* bytes) {
    if (hex.size() % 2 != 0) {
        return false;
    }
    bytes->clear();
    for (size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigitValue(hex[i]);
        const int low = HexDigitValue(hex[i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        *bytes += static_cast<char>(high * 16 + low);
    }
    return true;
}

}  // namespace

std::string FtpSettings::EncodePassword(const std::string& password) {
    std::string scrambled(password.size(), '\0');
    for (size_t i = 0; i < password.size(); ++i) {
        const unsigned value = (static_cast<unsigned char>(password[i]) ^ kInvertedBits) + i % kShiftCycle;
        scrambled[i] = static_cast<char>(value & 0xFF);
    }
    return scrambled;
}

std::string FtpSettings::DecodePassword(const std::string& scrambled) {
    std::string password(scrambled.size(), '\0');
    for (size_t i = 0; i < scrambled.size(); ++i) {
        const unsigned value = (static_cast<unsigned char>(scrambled[i]) - i % kShiftCycle) & 0xFF;
        password[i] = static_cast<char>(value ^ kInvertedBits);
    }
    return password;
}

void FtpSettings::WritePassword(const std::string& section, const char* key,
                                const std::string& password) {
    const settings::IniFile ini(m_iniPath);
    const std::string scrambled = EncodePassword(password);
    const std::string copyKey = ExactCopyKey(key);
    // Screened before anything is written (a line break must never reach
    // the file); reading the value back then covers what the code page may
    // change.
    const bool keptExactly = !FileCannotHold(scrambled) && ini.Write(section.c_str(), key, scrambled) &&
                             ini.Read(section.c_str(), key) == scrambled;
    if (keptExactly) {
        if (!ini.Read(section.c_str(), copyKey.c_str()).empty()) {
            ini.RemoveKey(section.c_str(), copyKey.c_str());
        }
        return;
    }
    ini.Write(section.c_str(), key, PrintableForm(scrambled));
    ini.Write(section.c_str(), copyKey.c_str(), ToHex(scrambled));
}

std::string FtpSettings::ReadPassword(const std::string& section, const char* key) const {
    const settings::IniFile ini(m_iniPath);
    const std::string stored = ini.Read(section.c_str(), key);
    const std::string copy =
        ini.Read(section.c_str(), ExactCopyKey(key).c_str(), 2 * settings::kValueBufferSize);
    std::string exact;
    if (!copy.empty() && FromHex(copy, &exact) && PrintableForm(exact) == stored) {
        return DecodePassword(exact);
    }
    return DecodePassword(stored);
}
