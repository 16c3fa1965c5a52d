// Tests for the directory listing parser: one table per server family, each
// row a real-looking listing line with a case name that says what it covers,
// plus stream tests that run the same rows through ListParser.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "list_parser.h"

namespace {

constexpr int32_t kFile = kDirEntryFile;
constexpr int32_t kDir = kDirEntryFolder;
constexpr int32_t kLink = kDirEntryLink;
constexpr int64_t kInt64Max = INT64_MAX;

struct Date {
    int32_t year, month, day, hour, minute;
};
constexpr Date kNoDate = {0, 0, 0, 0, 0};

struct Row {
    std::string caseName;  // gtest parameter name: letters, digits, '_'
    std::string line;
    bool accepted;
    std::string fileName;
    int64_t size;
    int32_t type;
    Date date;
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.caseName << " \"" << ::testing::PrintToString(row.line) << "\"";
}

Row Ok(const char* caseName, std::string line, const char* fileName, int64_t size, int32_t type, Date date) {
    return Row{caseName, std::move(line), true, fileName, size, type, date};
}

Row Skip(const char* caseName, std::string line) {
    return Row{caseName, std::move(line), false, "", 0, 0, kNoDate};
}

// Keeps embedded NUL bytes that a std::string built from a char* would cut.
template <size_t N>
std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

// ---------------------------------------------------------------------------
// Unix "ls -l" tables.

const std::vector<Row> kVsftpd = {
    Ok("NumericOwnerFile", "-rw-r--r--    1 1000     1000         4096 Dec 05 19:17 index.html",
       "index.html", 4096, kFile, {0, 12, 5, 19, 17}),
    Ok("NumericOwnerDirWithYear", "drwxr-xr-x    2 1000     1000         4096 Jan 12  2023 docs",
       "docs", 4096, kDir, {2023, 1, 12, 0, 0}),
    Ok("Symlink", "lrwxrwxrwx    1 0        0              11 Mar 03 08:05 latest -> release-1.2",
       "latest", 11, kLink, {0, 3, 3, 8, 5}),
    Ok("LargeFile", "-rw-r--r--    1 1000     1000     5000000000 Feb 14 06:30 disk.img",
       "disk.img", 5000000000LL, kFile, {0, 2, 14, 6, 30}),
    Ok("Utf8NameWithBlank", "-rw-r--r--    1 1000     1000           12 Apr 30  2024 caf\xc3\xa9 menu.txt",
       "caf\xc3\xa9 menu.txt", 12, kFile, {2024, 4, 30, 0, 0}),
};

const std::vector<Row> kPyftpdlib = {
    Ok("File", "-rw-r--r--   1 root     root         1234 Jan 05 12:00 a.txt",
       "a.txt", 1234, kFile, {0, 1, 5, 12, 0}),
    Ok("Dir", "drwxr-xr-x   3 root     root         4096 Feb 28 09:30 pub",
       "pub", 4096, kDir, {0, 2, 28, 9, 30}),
    Ok("FileWithYear", "-rw-r--r--   1 root     root       567890 Nov 11  2019 old.tar.gz",
       "old.tar.gz", 567890, kFile, {2019, 11, 11, 0, 0}),
    Ok("Symlink", "lrwxrwxrwx   1 root     root           10 Jun 01 23:59 current -> /srv/data",
       "current", 10, kLink, {0, 6, 1, 23, 59}),
    Ok("NameWithBlanks", "-rw-r--r--   1 root     root            7 Aug 09 10:11 my holiday photo.jpg",
       "my holiday photo.jpg", 7, kFile, {0, 8, 9, 10, 11}),
};

const std::vector<Row> kProftpd = {
    Ok("SpacePaddedDay", "-rw-r--r--   1 ftp      ftp          1234 Jan  5 12:00 readme.txt",
       "readme.txt", 1234, kFile, {0, 1, 5, 12, 0}),
    Ok("DirWithYear", "drwxr-xr-x   2 ftp      ftp          4096 Jul 14  2021 archive",
       "archive", 4096, kDir, {2021, 7, 14, 0, 0}),
    Ok("NameWithBlanks", "-rw-r--r--   1 ftpuser  ftpgroup  1048576 Apr  1 23:59 name with blanks.bin",
       "name with blanks.bin", 1048576, kFile, {0, 4, 1, 23, 59}),
    Ok("EmptyFileLastCentury", "-rw-r--r--   1 ftp      ftp             0 Oct 31  1999 empty",
       "empty", 0, kFile, {1999, 10, 31, 0, 0}),
    Ok("OwnerNamedLikeMonth", "-rw-r--r--   1 jan      jan            77 Jan 05 12:00 owner-jan.txt",
       "owner-jan.txt", 77, kFile, {0, 1, 5, 12, 0}),
};

const std::vector<Row> kPureFtpd = {
    Ok("NumericOwnerFile", "-rw-r--r--    1 1000       1000             6 Sep 30 00:01 hello.txt",
       "hello.txt", 6, kFile, {0, 9, 30, 0, 1}),
    Ok("DirWithYear", "drwxr-xr-x    2 1000       1000          4096 Oct  2  2022 photos",
       "photos", 4096, kDir, {2022, 10, 2, 0, 0}),
    Ok("Symlink", "lrwxrwxrwx    1 0          0                4 Jun  9 14:22 bin -> usr/bin",
       "bin", 4, kLink, {0, 6, 9, 14, 22}),
};

const std::vector<Row> kGnuLs = {
    Ok("WithGroup", "-rw-r--r-- 1 alice staff 2048 May 17 07:45 notes.md",
       "notes.md", 2048, kFile, {0, 5, 17, 7, 45}),
    Ok("WithoutGroup", "-rw-r--r-- 1 alice 2048 May 17 07:45 notes.md",
       "notes.md", 2048, kFile, {0, 5, 17, 7, 45}),
    Ok("WithoutGroupDirWithYear", "drwxr-xr-x 5 alice 4096 Dec 24  2020 src",
       "src", 4096, kDir, {2020, 12, 24, 0, 0}),
    Ok("AclMarker", "-rw-rw-r--+ 1 alice staff 10 Aug  8  2020 acl.txt",
       "acl.txt", 10, kFile, {2020, 8, 8, 0, 0}),
    Ok("SelinuxMarker", "drwxr-xr-x. 4 root root 4096 Dec 31 23:59 etc",
       "etc", 4096, kDir, {0, 12, 31, 23, 59}),
    Ok("StickyDir", "drwxrwxrwt 12 root root 4096 Mar 10 11:11 tmp",
       "tmp", 4096, kDir, {0, 3, 10, 11, 11}),
    Ok("SetuidFile", "-rwsr-xr-x 1 root root 63960 Feb  7  2020 passwd",
       "passwd", 63960, kFile, {2020, 2, 7, 0, 0}),
    Ok("NamedPipeIsFile", "prw-r--r-- 1 alice staff 0 Jan  2 03:04 fifo",
       "fifo", 0, kFile, {0, 1, 2, 3, 4}),
    Ok("SocketIsFile", "srwxrwxrwx 1 root root 0 Jan  2 03:04 sock",
       "sock", 0, kFile, {0, 1, 2, 3, 4}),
    Ok("DotEntryKept", "drwxr-xr-x 2 alice staff 4096 Jan  2 03:04 .",
       ".", 4096, kDir, {0, 1, 2, 3, 4}),
};

const std::vector<Row> kUnixDevices = {
    Ok("CharDeviceMajorMinor", "crw-rw-rw-   1 root     root       1,   3 Jan  1 00:00 null",
       "null", 0, kFile, {0, 1, 1, 0, 0}),
    Ok("BlockDeviceMajorMinor", "brw-rw----   1 root     disk       8,   0 Feb  2 10:10 sda",
       "sda", 0, kFile, {0, 2, 2, 10, 10}),
    Ok("CharDeviceJoinedMajorMinorYear", "crw--w----   1 root     tty      136,0 Mar  3  2021 pts0",
       "pts0", 0, kFile, {2021, 3, 3, 0, 0}),
    Ok("CharDeviceWithoutGroup", "crw-rw-rw- 1 root 1, 5 Jan  1  2020 zero",
       "zero", 0, kFile, {2020, 1, 1, 0, 0}),
};

const std::vector<Row> kUnixLinks = {
    Ok("BlanksOnBothSides", "lrwxrwxrwx 1 u g 12 Jun  1 10:00 my link -> my target",
       "my link", 12, kLink, {0, 6, 1, 10, 0}),
    Ok("WithoutTarget", "lrwxrwxrwx 1 u g 12 Jun  1 10:00 orphan",
       "orphan", 12, kLink, {0, 6, 1, 10, 0}),
    Ok("ArrowInTarget", "lrwxrwxrwx 1 u g 12 Jun  1 10:00 a -> b -> c",
       "a", 12, kLink, {0, 6, 1, 10, 0}),
    Ok("PlainFileWithArrowInName", "-rw-r--r-- 1 u g 5 Jan 05 12:00 a -> b.txt",
       "a -> b.txt", 5, kFile, {0, 1, 5, 12, 0}),
    Ok("DirWithArrowInName", "drwxr-xr-x 2 u g 4096 Jan 05 12:00 old -> new",
       "old -> new", 4096, kDir, {0, 1, 5, 12, 0}),
};

const std::vector<Row> kUnixNames = {
    Ok("InnerDoubleBlanks", "-rw-r--r-- 1 u g 1 Jan 05 12:00 two  spaces  inside",
       "two  spaces  inside", 1, kFile, {0, 1, 5, 12, 0}),
    Ok("TrailingBlankKept", "-rw-r--r-- 1 u g 1 Jan 05 12:00 trailing ",
       "trailing ", 1, kFile, {0, 1, 5, 12, 0}),
    Ok("LeadingBlankKept", "-rw-r--r-- 1 u g 1 Jan 05 12:00  leading",
       " leading", 1, kFile, {0, 1, 5, 12, 0}),
    Ok("NameLooksLikeDate", "-rw-r--r-- 1 u g 1 Jan 05 12:00 Feb 06 13:00 x",
       "Feb 06 13:00 x", 1, kFile, {0, 1, 5, 12, 0}),
    Ok("NameIsYear", "-rw-r--r-- 1 u g 1 Jan 05  2020 2021",
       "2021", 1, kFile, {2020, 1, 5, 0, 0}),
    Ok("NameLooksLikeTotalLine", "-rw-r--r-- 1 u g 1 Jan 05 12:00 total 5",
       "total 5", 1, kFile, {0, 1, 5, 12, 0}),
    Ok("Semicolons", "-rw-r--r-- 1 u g 1 Jan 05 12:00 a;b;c",
       "a;b;c", 1, kFile, {0, 1, 5, 12, 0}),
    Ok("Latin1Byte", "-rw-r--r-- 1 u g 1 Jan 05 12:00 r\xe9sum\xe9",
       "r\xe9sum\xe9", 1, kFile, {0, 1, 5, 12, 0}),
    Ok("SingleCharacter", "-rw-r--r-- 1 u g 1 Jan 05 12:00 x",
       "x", 1, kFile, {0, 1, 5, 12, 0}),
    Ok("UppercaseMonth", "-rw-r--r-- 1 u g 1 JAN 02 03:04 upper-month",
       "upper-month", 1, kFile, {0, 1, 2, 3, 4}),
    Ok("SingleDigitHour", "-rw-r--r-- 1 u g 1 Jan 02 3:04 short-hour",
       "short-hour", 1, kFile, {0, 1, 2, 3, 4}),
    Ok("MidnightWrittenAs24", "-rw-r--r-- 1 u g 1 Jan 02 24:00 end-of-day",
       "end-of-day", 1, kFile, {0, 1, 2, 24, 0}),
};

const std::vector<Row> kUnixSizes = {
    Ok("Zero", "-rw-r--r-- 1 u g 0 Jan 05 12:00 zero", "zero", 0, kFile, {0, 1, 5, 12, 0}),
    Ok("Int32Max", "-rw-r--r-- 1 u g 2147483647 Jan 05 12:00 max32",
       "max32", 2147483647LL, kFile, {0, 1, 5, 12, 0}),
    Ok("Int32MaxPlusOne", "-rw-r--r-- 1 u g 2147483648 Jan 05 12:00 over32",
       "over32", 2147483648LL, kFile, {0, 1, 5, 12, 0}),
    Ok("FiveGigabytes", "-rw-r--r-- 1 u g 5000000000 Jan 05 12:00 big.iso",
       "big.iso", 5000000000LL, kFile, {0, 1, 5, 12, 0}),
    Ok("Int64Max", "-rw-r--r-- 1 u g 9223372036854775807 Jan 05 12:00 max64",
       "max64", kInt64Max, kFile, {0, 1, 5, 12, 0}),
    Ok("Int64OverflowClamped", "-rw-r--r-- 1 u g 99999999999999999999999 Jan 05 12:00 huge",
       "huge", kInt64Max, kFile, {0, 1, 5, 12, 0}),
};

const std::vector<Row> kNetware = {
    Skip("DirWithTrusteeRights", "d [R----F--] supervisor            512       Jan 16 18:53    login"),
    Skip("FileWithTrusteeRights", "- [RWCEAFMS] rhesus             214059       Oct 20 15:27    cx.exe"),
};

const std::vector<Row> kUnixRejected = {
    Skip("TotalLine", "total 1234"),
    Skip("TotalZero", "total 0"),
    Skip("TruncatedAfterTime", "-rw-r--r-- 1 u g 123 Jan 05 12:00"),
    Skip("TruncatedAfterTimeBlank", "-rw-r--r-- 1 u g 123 Jan 05 12:00 "),
    Skip("NameOnlyBlanks", "-rw-r--r-- 1 u g 123 Jan 05 12:00    "),
    Skip("TruncatedAfterDay", "-rw-r--r-- 1 u g 123 Jan 05"),
    Skip("TruncatedAfterYear", "drwxr-xr-x 2 u g 4096 Jan 05  2020"),
    Skip("PermissionsOnly", "-rw-r--r--"),
    Skip("Day99", "-rw-r--r-- 1 u g 123 Jan 99 12:00 x"),
    Skip("Day0", "-rw-r--r-- 1 u g 123 Jan 0 12:00 x"),
    Skip("UnknownMonth", "-rw-r--r-- 1 u g 123 Foo 05 12:00 x"),
    Skip("NumericMonth13", "-rw-r--r-- 1 u g 123 13 05 12:00 x"),
    Skip("Hour25", "-rw-r--r-- 1 u g 123 Jan 05 25:00 x"),
    Skip("Minute60", "-rw-r--r-- 1 u g 123 Jan 05 12:60 x"),
    Skip("After24", "-rw-r--r-- 1 u g 123 Jan 05 24:30 x"),
    Skip("ThreeDigitYear", "-rw-r--r-- 1 u g 123 Jan 05  999 x"),
    Skip("TimeWithJunk", "-rw-r--r-- 1 u g 123 Jan 05 12:00x name"),
    Skip("NonNumericSize", "-rw-r--r-- 1 u g 12a Jan 05 12:00 x"),
    Skip("NegativeSize", "-rw-r--r-- 1 u g -5 Jan 05 12:00 x"),
    Skip("UnknownTypeChar", "xrw-r--r-- 1 u g 1 Jan 05 12:00 x"),
    Skip("PermissionsTooShort", "-rw-r--r- 1 u g 1 Jan 05 12:00 x"),
    Skip("PermissionsBadChar", "-rwxr-xr-q 1 u g 1 Jan 05 12:00 x"),
    Skip("DateDirectlyAfterPermissions", "-rw-r--r-- 123 Jan 05 12:00 x"),
};

// ---------------------------------------------------------------------------
// DOS / IIS table.

const std::vector<Row> kIis = {
    Ok("Dir12Hour", "01-05-24  12:00PM       <DIR>          folder",
       "folder", 0, kDir, {2024, 1, 5, 12, 0}),
    Ok("File12HourAfterMidnight", "01-05-24  12:30AM                 1234 a.txt",
       "a.txt", 1234, kFile, {2024, 1, 5, 0, 30}),
    Ok("MidnightIs0", "07-04-21  12:00AM                   10 midnight.txt",
       "midnight.txt", 10, kFile, {2021, 7, 4, 0, 0}),
    Ok("AfternoonLastCentury", "11-30-99  01:15PM                  512 old.txt",
       "old.txt", 512, kFile, {1999, 11, 30, 13, 15}),
    Ok("File24HourFourDigitYear", "02-29-2024  23:59                 1234 leap.txt",
       "leap.txt", 1234, kFile, {2024, 2, 29, 23, 59}),
    Ok("Dir24HourFourDigitYear", "12-31-1999  00:00       <DIR>          y2k",
       "y2k", 0, kDir, {1999, 12, 31, 0, 0}),
    Ok("YearPivot69", "03-04-69  10:00AM                    1 pivot69.txt",
       "pivot69.txt", 1, kFile, {2069, 3, 4, 10, 0}),
    Ok("YearPivot70", "03-04-70  10:00AM                    1 pivot70.txt",
       "pivot70.txt", 1, kFile, {1970, 3, 4, 10, 0}),
    Ok("ThousandsSeparators", "01-05-24  09:05AM            1,234,567 with commas.txt",
       "with commas.txt", 1234567, kFile, {2024, 1, 5, 9, 5}),
    Ok("LargeSize", "01-05-24  09:05PM           5000000000 big.iso",
       "big.iso", 5000000000LL, kFile, {2024, 1, 5, 21, 5}),
    Ok("LargeSizeWithSeparators", "01-05-24  09:05PM        5,000,000,000 big2.iso",
       "big2.iso", 5000000000LL, kFile, {2024, 1, 5, 21, 5}),
    Ok("LowercasePm", "01-05-24  11:59pm                   42 lower.txt",
       "lower.txt", 42, kFile, {2024, 1, 5, 23, 59}),
    Ok("LowercaseDir", "01-05-24  11:59am       <dir>          lowerdir",
       "lowerdir", 0, kDir, {2024, 1, 5, 11, 59}),
    Ok("SingleDigitHour", "07-04-21  1:05PM                    10 one.txt",
       "one.txt", 10, kFile, {2021, 7, 4, 13, 5}),
    Ok("DirNameWithBlanks", "05-06-2023  08:00       <DIR>          Program Files",
       "Program Files", 0, kDir, {2023, 5, 6, 8, 0}),
    Ok("FileNameWithBlanks", "05-06-2023  08:00                  100 read me now.txt",
       "read me now.txt", 100, kFile, {2023, 5, 6, 8, 0}),
};

const std::vector<Row> kIisRejected = {
    Skip("Month13", "13-01-24  12:00PM       <DIR>          x"),
    Skip("Month0", "00-01-24  12:00PM       <DIR>          x"),
    Skip("Day32", "01-32-24  12:00PM       <DIR>          x"),
    Skip("Hour13Pm", "01-05-24  13:00PM                    1 x"),
    Skip("Hour0Am", "01-05-24  00:30AM                    1 x"),
    Skip("Hour25", "01-05-24  25:00                      1 x"),
    Skip("Minute75", "01-05-24  10:75AM                    1 x"),
    Skip("UnknownMeridiem", "01-05-24  12:00XM                    1 x"),
    Skip("NoName", "01-05-24  12:00PM       <DIR>"),
    Skip("NameOnlyBlanks", "01-05-24  12:00PM       <DIR>          "),
    Skip("NoTime", "01-05-24  <DIR>  x"),
    Skip("DateOnly", "01-05-24"),
    Skip("OneDigitYear", "01-05-2  12:00PM                    1 x"),
    Skip("ThreeDigitYear", "01-05-024  12:00PM                  1 x"),
    Skip("DoubleComma", "01-05-24  12:00PM                 1,,2 x"),
    Skip("LeadingComma", "01-05-24  12:00PM                  ,12 x"),
    Skip("TrailingComma", "01-05-24  12:00PM                  12, x"),
    Skip("SlashDate", "01/05/24  12:00PM                    1 x"),
};

// ---------------------------------------------------------------------------
// MLSD tables.

const std::vector<Row> kMlsd = {
    Ok("File", "type=file;size=1234;modify=20240105123456; report.pdf",
       "report.pdf", 1234, kFile, {2024, 1, 5, 12, 34}),
    Ok("DirWithSizdAndFraction", "type=dir;sizd=4096;modify=20231231235959.123; My Documents",
       "My Documents", 4096, kDir, {2023, 12, 31, 23, 59}),
    Ok("Symlink", "type=OS.unix=symlink;size=11;modify=20220101000000; link",
       "link", 11, kLink, {2022, 1, 1, 0, 0}),
    Ok("SlinkWithTarget", "type=OS.unix=slink:/usr/bin;size=8; bin", "bin", 8, kLink, kNoDate),
    Ok("UppercaseFacts", "Type=FILE;Size=42;Modify=20200229000000; upper.txt",
       "upper.txt", 42, kFile, {2020, 2, 29, 0, 0}),
    Ok("AllCapsFacts", "TYPE=Dir;MODIFY=19991231235959; UPPERDIR",
       "UPPERDIR", 0, kDir, {1999, 12, 31, 23, 59}),
    Ok("MissingSize", "type=file;modify=20240105123456; nosize.txt",
       "nosize.txt", 0, kFile, {2024, 1, 5, 12, 34}),
    Ok("NameWithBlanksAndSemicolons", "type=file;size=3; a; b ;c.txt",
       "a; b ;c.txt", 3, kFile, kNoDate),
    Ok("NameWithLeadingBlank", "type=file;size=3;  leading", " leading", 3, kFile, kNoDate),
    Ok("NoFacts", " bare.txt", "bare.txt", 0, kFile, kNoDate),
    Ok("NoFactsNameWithSemicolon", " a; b", "a; b", 0, kFile, kNoDate),
    Ok("ManyFacts", "type=file;perm=adfrw;unique=801U1B;UNIX.mode=0644;UNIX.uid=1000;size=5;"
                    "modify=20240105123456; facts.txt",
       "facts.txt", 5, kFile, {2024, 1, 5, 12, 34}),
    Ok("LargeSize", "type=file;size=5000000000; big.iso", "big.iso", 5000000000LL, kFile, kNoDate),
    Ok("SizeWinsOverSizdAfter", "type=dir;size=20;sizd=10; d1", "d1", 20, kDir, kNoDate),
    Ok("SizeWinsOverSizdBefore", "type=dir;sizd=10;size=20; d2", "d2", 20, kDir, kNoDate),
    Ok("NoTrailingSemicolon", "type=file;size=3 lenient.txt", "lenient.txt", 3, kFile, kNoDate),
    Ok("BadModifyMonthIgnored", "type=file;size=1;modify=20241301000000; badmonth.txt",
       "badmonth.txt", 1, kFile, kNoDate),
    Ok("ShortModifyIgnored", "type=file;size=1;modify=20240105; short.txt",
       "short.txt", 1, kFile, kNoDate),
    Ok("BadModifyFractionIgnored", "type=file;size=1;modify=20240105123456.x; frac.txt",
       "frac.txt", 1, kFile, kNoDate),
    Ok("BadSizeIgnored", "type=file;size=abc; badsize.txt", "badsize.txt", 0, kFile, kNoDate),
    Ok("DeviceTypeIsFile", "type=OS.unix=chr-13/29;modify=20240105123456; tty",
       "tty", 0, kFile, {2024, 1, 5, 12, 34}),
    Ok("PyftpdlibDir", "type=dir;perm=elcmp;unique=fd01g2;modify=20240105120000; pub",
       "pub", 0, kDir, {2024, 1, 5, 12, 0}),
};

const std::vector<Row> kMlsdRejected = {
    Skip("Cdir", "type=cdir;sizd=4096;modify=20240105123456; ."),
    Skip("Pdir", "type=pdir;sizd=4096;modify=20240105123456; .."),
    Skip("CdirMixedCase", "Type=CDir; /home/user"),
    Skip("NoEqualsSign", "hello world"),
    Skip("NoName", "type=file;size=3;"),
    Skip("EmptyName", "type=file;size=3; "),
    Skip("BlankName", "type=file;size=3;   "),
    Skip("EmptyFactName", "=file; x"),
    Skip("FactWithoutValue", "type=file;junk; x"),
    Skip("UnixLine", "-rw-r--r-- 1 u g 1 Jan 05 12:00 x"),
    Skip("Empty", ""),
    Skip("NulInName", Bytes("type=file;size=1; a\0b")),
};

// ---------------------------------------------------------------------------
// Lines that are no entry in any LIST dialect.

const std::vector<Row> kGarbage = {
    Skip("Empty", ""),
    Skip("OnlyBlanks", "     "),
    Skip("OnlyTabs", "\t\t"),
    Skip("ServerReply", "226 Transfer complete."),
    Skip("NonAsciiBytes", "\x80\x81\xfe\xff\x90\x91"),
    Skip("NonAsciiBeforePermissions", "\xff-rw-r--r-- 1 u g 1 Jan 05 12:00 x"),
    Skip("DateWithoutPermissions", "Jan 05 12:00 x"),
    Skip("MlsdLineInList", "type=file;size=1; x"),
    Skip("SingleDash", "-"),
    Skip("HugeNumbersAsDate", "99999999999999999999-01-01  12:00PM  1 x"),
    Skip("NulInName", Bytes("-rw-r--r-- 1 u g 1 Jan 05 12:00 a\0b")),
    Skip("NulInDosName", Bytes("01-05-24  12:00PM  1 a\0b")),
};

// ---------------------------------------------------------------------------
// Checks.

void ExpectAllZero(const void* data, size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) {
        ASSERT_EQ(bytes[i], 0u) << "byte " << i;
    }
}

void ExpectMatches(const Row& row, const CUT_DIRINFO& info) {
    ASSERT_NE(std::memchr(info.fileName, '\0', sizeof(info.fileName)), nullptr);
    EXPECT_EQ(std::string(info.fileName), row.fileName);
    EXPECT_EQ(info.fileSize64, row.size);
    EXPECT_EQ(info.fileSize, static_cast<int32_t>(row.size > INT32_MAX ? INT32_MAX : row.size));
    EXPECT_EQ(info.fileType, row.type);
    EXPECT_EQ(info.year, row.date.year);
    EXPECT_EQ(info.month, row.date.month);
    EXPECT_EQ(info.day, row.date.day);
    EXPECT_EQ(info.hour, row.date.hour);
    EXPECT_EQ(info.minute, row.date.minute);
    // The whole struct is zeroed first, so the bytes after the name are too.
    const size_t used = std::strlen(info.fileName) + 1;
    ExpectAllZero(info.fileName + used, sizeof(info.fileName) - used);
}

void CheckRow(const Row& row, ListFormat format) {
    CUT_DIRINFO info;
    std::memset(&info, 0xAB, sizeof(info));
    const bool ok = ParseListLine(row.line.data(), row.line.size(), format, &info);
    ASSERT_EQ(ok, row.accepted);
    if (ok) {
        ExpectMatches(row, info);
    } else {
        ExpectAllZero(&info, sizeof(info));
    }
}

std::string CaseName(const ::testing::TestParamInfo<Row>& info) { return info.param.caseName; }

class ListLineTest : public ::testing::TestWithParam<Row> {};
TEST_P(ListLineTest, ParsesLikeTheRowSays) { CheckRow(GetParam(), ListFormat::kList); }

class MlsdLineTest : public ::testing::TestWithParam<Row> {};
TEST_P(MlsdLineTest, ParsesLikeTheRowSays) { CheckRow(GetParam(), ListFormat::kMlsd); }

INSTANTIATE_TEST_SUITE_P(Vsftpd, ListLineTest, ::testing::ValuesIn(kVsftpd), CaseName);
INSTANTIATE_TEST_SUITE_P(Pyftpdlib, ListLineTest, ::testing::ValuesIn(kPyftpdlib), CaseName);
INSTANTIATE_TEST_SUITE_P(Proftpd, ListLineTest, ::testing::ValuesIn(kProftpd), CaseName);
INSTANTIATE_TEST_SUITE_P(PureFtpd, ListLineTest, ::testing::ValuesIn(kPureFtpd), CaseName);
INSTANTIATE_TEST_SUITE_P(GnuLs, ListLineTest, ::testing::ValuesIn(kGnuLs), CaseName);
INSTANTIATE_TEST_SUITE_P(UnixDevices, ListLineTest, ::testing::ValuesIn(kUnixDevices), CaseName);
INSTANTIATE_TEST_SUITE_P(UnixLinks, ListLineTest, ::testing::ValuesIn(kUnixLinks), CaseName);
INSTANTIATE_TEST_SUITE_P(UnixNames, ListLineTest, ::testing::ValuesIn(kUnixNames), CaseName);
INSTANTIATE_TEST_SUITE_P(UnixSizes, ListLineTest, ::testing::ValuesIn(kUnixSizes), CaseName);
INSTANTIATE_TEST_SUITE_P(Netware, ListLineTest, ::testing::ValuesIn(kNetware), CaseName);
INSTANTIATE_TEST_SUITE_P(UnixRejected, ListLineTest, ::testing::ValuesIn(kUnixRejected), CaseName);
INSTANTIATE_TEST_SUITE_P(Iis, ListLineTest, ::testing::ValuesIn(kIis), CaseName);
INSTANTIATE_TEST_SUITE_P(IisRejected, ListLineTest, ::testing::ValuesIn(kIisRejected), CaseName);
INSTANTIATE_TEST_SUITE_P(Garbage, ListLineTest, ::testing::ValuesIn(kGarbage), CaseName);
INSTANTIATE_TEST_SUITE_P(Mlsd, MlsdLineTest, ::testing::ValuesIn(kMlsd), CaseName);
INSTANTIATE_TEST_SUITE_P(MlsdRejected, MlsdLineTest, ::testing::ValuesIn(kMlsdRejected), CaseName);

// ---------------------------------------------------------------------------
// Single-line checks that do not fit a table row.

TEST(ListLine, LargeSizeClampsOnlyThe32BitField) {
    const std::string line = "-rw-r--r-- 1 u g 5000000000 Jan 05 12:00 big.iso";
    CUT_DIRINFO info;
    ASSERT_TRUE(ParseListLine(line.data(), line.size(), ListFormat::kList, &info));
    EXPECT_EQ(info.fileSize, 2147483647);
    EXPECT_EQ(info.fileSize64, 5000000000LL);
}

// A cut name could name another file: such entries are left out and noted.
TEST(ListLine, NameOver255BytesIsLeftOutAndNoted) {
    const std::string kept(255, 'k');
    std::string text = "-rw-r--r-- 1 u g 1 Jan 05 12:00 " + kept + "\r\n01-05-24  12:00PM  1 " +
                       std::string(300, 'd') + "\r\n";
    for (size_t i = 0; i < 20; ++i) text += "-rw-r--r-- 1 u g 1 Jan 05 12:00 " + std::string(256 + i, 'u') + "\n";
    ListParser parser(ListFormat::kList);
    parser.Feed(text.data(), text.size());
    parser.Finish();
    ASSERT_EQ(parser.Entries().size(), 1u);
    EXPECT_EQ(std::string(parser.Entries()[0].fileName), kept);
    ASSERT_EQ(parser.SkippedNames().size(), ListParser::kMaxSkippedNames);
    EXPECT_EQ(parser.SkippedNames()[0], std::string(ListParser::kSkippedNameBytes, 'd'));
    EXPECT_EQ(parser.SkippedNames()[1], std::string(ListParser::kSkippedNameBytes, 'u'));
    CUT_DIRINFO info;
    const std::string mlsd = "type=file;size=1; " + std::string(256, 'm');
    EXPECT_FALSE(ParseListLine(mlsd.data(), mlsd.size(), ListFormat::kMlsd, &info));
}

TEST(ListLine, NullArgumentsAreRejected) {
    CUT_DIRINFO info;
    EXPECT_FALSE(ParseListLine(nullptr, 10, ListFormat::kList, &info));
    EXPECT_FALSE(ParseListLine("x", 1, ListFormat::kMlsd, nullptr));
}

TEST(ListLine, LengthBoundsTheLine) {
    // The bytes after `length` belong to another line and must not be read
    // as part of the name.
    const char text[] = "-rw-r--r-- 1 u g 1 Jan 05 12:00 abcdef";
    CUT_DIRINFO info;
    ASSERT_TRUE(ParseListLine(text, sizeof(text) - 4, ListFormat::kList, &info));
    EXPECT_STREQ(info.fileName, "abc");
}

// ---------------------------------------------------------------------------
// Streams.

std::vector<Row> AllUnixRows() {
    std::vector<Row> rows;
    for (const auto* table : {&kVsftpd, &kPyftpdlib, &kProftpd, &kPureFtpd, &kGnuLs, &kUnixDevices,
                              &kUnixLinks, &kUnixNames, &kUnixSizes, &kNetware, &kUnixRejected}) {
        rows.insert(rows.end(), table->begin(), table->end());
    }
    return rows;
}

std::vector<Row> Accepted(const std::vector<Row>& rows) {
    std::vector<Row> accepted;
    for (const Row& row : rows) {
        if (row.accepted) accepted.push_back(row);
    }
    return accepted;
}

std::string Join(const std::vector<Row>& rows, const std::string& lineEnd) {
    std::string text;
    for (const Row& row : rows) text += row.line + lineEnd;
    return text;
}

void ExpectEntries(const std::vector<CUT_DIRINFO>& entries, const std::vector<Row>& expected) {
    ASSERT_EQ(entries.size(), expected.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(expected[i].caseName);
        ExpectMatches(expected[i], entries[i]);
    }
}

std::vector<CUT_DIRINFO> FeedWhole(const std::string& text, ListFormat format) {
    ListParser parser(format);
    parser.Feed(text.data(), text.size());
    parser.Finish();
    return parser.TakeEntries();
}

std::vector<CUT_DIRINFO> FeedInPieces(const std::string& text, size_t pieceSize) {
    ListParser parser(ListFormat::kList);
    for (size_t pos = 0; pos < text.size(); pos += pieceSize) {
        parser.Feed(text.data() + pos, std::min(pieceSize, text.size() - pos));
    }
    parser.Finish();
    return parser.TakeEntries();
}

TEST(ListStream, AllUnixRowsThroughOneParserWithCrlf) {
    const std::vector<Row> rows = AllUnixRows();
    ExpectEntries(FeedWhole(Join(rows, "\r\n"), ListFormat::kList), Accepted(rows));
}

TEST(ListStream, AllUnixRowsThroughOneParserWithLf) {
    const std::vector<Row> rows = AllUnixRows();
    ExpectEntries(FeedWhole(Join(rows, "\n"), ListFormat::kList), Accepted(rows));
}

TEST(ListStream, AllUnixRowsFedOneByteAtATime) {
    const std::vector<Row> rows = AllUnixRows();
    ExpectEntries(FeedInPieces(Join(rows, "\r\n"), 1), Accepted(rows));
}

TEST(ListStream, AllMlsdRowsThroughOneParser) {
    std::vector<Row> rows = kMlsd;
    // Empty lines would not survive the join as lines of their own meaning.
    for (const Row& row : kMlsdRejected) {
        if (!row.line.empty()) rows.push_back(row);
    }
    ExpectEntries(FeedWhole(Join(rows, "\r\n"), ListFormat::kMlsd), Accepted(rows));
}

TEST(ListStream, SplitAtEveryByteBoundary) {
    const std::vector<Row> rows = {kVsftpd[2], kUnixDevices[0], kUnixRejected[2], kUnixNames[1], kIis[0]};
    const std::string text = Join(rows, "\r\n");
    for (size_t split = 0; split <= text.size(); ++split) {
        SCOPED_TRACE("split at " + std::to_string(split));
        ListParser parser(ListFormat::kList);
        parser.Feed(text.data(), split);
        parser.Feed(text.data() + split, text.size() - split);
        parser.Finish();
        ExpectEntries(parser.Entries(), Accepted(rows));
    }
}

TEST(ListStream, FinishParsesUnterminatedLastLine) {
    const std::vector<Row> rows = {kPyftpdlib[0], kPyftpdlib[1]};
    std::string text = Join(rows, "\r\n");
    text.resize(text.size() - 2);
    ExpectEntries(FeedWhole(text, ListFormat::kList), rows);
}

TEST(ListStream, FinishWithCrButNoLf) {
    const std::vector<Row> rows = {kPyftpdlib[0]};
    ExpectEntries(FeedWhole(rows[0].line + "\r", ListFormat::kList), rows);
}

TEST(ListStream, EmptyAndNullInput) {
    ListParser parser(ListFormat::kList);
    parser.Feed(nullptr, 0);
    parser.Feed("", 0);
    parser.Finish();
    EXPECT_TRUE(parser.Entries().empty());
}

// ---------------------------------------------------------------------------
// Over-long lines.

constexpr size_t kMax = ListParser::kMaxLineLength;
const std::string kNextLine = "-rw-r--r-- 1 u g 2 Jan 05 12:00 next.txt";

// A valid line of the file "x" padded with blanks to exactly `length` bytes.
std::string LineOfLength(size_t length) {
    const std::string head = "-rw-r--r-- 1 u g", tail = " 1 Jan 05 12:00 x";
    return head + std::string(length - head.size() - tail.size(), ' ') + tail;
}

TEST(ListOverlong, DroppedAndNextLineStillParses) {
    const std::string text = LineOfLength(kMax + 100) + "\r\n" + kNextLine + "\r\n";
    for (size_t piece : {text.size(), size_t{1000}, size_t{7}, size_t{1}}) {
        SCOPED_TRACE("piece size " + std::to_string(piece));
        const std::vector<CUT_DIRINFO> entries = FeedInPieces(text, piece);
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_STREQ(entries[0].fileName, "next.txt");
    }
}

TEST(ListOverlong, ManyTimesTheLimitInOneChunk) {
    const std::string text = LineOfLength(kMax * 10) + "\n" + kNextLine;
    const std::vector<CUT_DIRINFO> entries = FeedWhole(text, ListFormat::kList);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_STREQ(entries[0].fileName, "next.txt");
}

TEST(ListOverlong, ExactlyTheLimitIsKeptWithEitherLineEnd) {
    for (const char* lineEnd : {"\n", "\r\n"}) {
        SCOPED_TRACE(lineEnd[0] == '\r' ? "CRLF" : "LF");
        const std::vector<CUT_DIRINFO> entries = FeedWhole(LineOfLength(kMax) + lineEnd, ListFormat::kList);
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_STREQ(entries[0].fileName, "x");
    }
}

TEST(ListOverlong, OneByteOverTheLimitIsDroppedWithEitherLineEnd) {
    for (const char* lineEnd : {"\n", "\r\n", ""}) {
        SCOPED_TRACE(std::string("line end size ") + std::to_string(std::strlen(lineEnd)));
        EXPECT_TRUE(FeedWhole(LineOfLength(kMax + 1) + lineEnd, ListFormat::kList).empty());
    }
}

TEST(ListOverlong, UnterminatedOverlongLineAtFinishIsDropped) {
    const std::string text = kNextLine + "\n" + LineOfLength(kMax * 2);
    const std::vector<CUT_DIRINFO> entries = FeedInPieces(text, 4096);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_STREQ(entries[0].fileName, "next.txt");
}

}  // namespace
