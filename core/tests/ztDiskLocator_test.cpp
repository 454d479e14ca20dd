// Locating a data disc by its ISO-9660 volume label through a mount table. The discs are
// images made by genisoimage, named as the devices of the entries of a temporary mount table.
#include "core/detail/ztDiskLocator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>

#include "core/ZTErrors.h"
#include "core/tests/ztFactoryTesting.h"
#include "testing/ztTempDir.h"

namespace {

const char kFullLabel[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";  // 32 characters, no padding

class DiskLocator : public testing::Test {
 protected:
  void SetUp() override {
    ztConsoleLog::Init();
    ztSetEngineValue("PATH", "old");
  }

  // An ISO-9660 image whose volume identifier is label (padded with blanks to 32).
  std::string MakeImage(const std::string& label) {
    const std::string source = m_dir.File("src");
    std::filesystem::create_directories(source);
    m_dir.Write("src/readme.txt", "data disc\n");
    const std::string image = m_dir.File(label + ".iso");
    const std::string command =
        "genisoimage -quiet -V '" + label + "' -o '" + image + "' '" + source + "' 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return image;
  }

  // Writes the mount table and locates label through it.
  int Locate(const std::string& table, const char* label) {
    ztTakeLog();
    return ztDiskLocator(m_dir.Write("mtab", table).c_str()).AddToPath(label);
  }

  ztTempDir m_dir;
};

TEST_F(DiskLocator, ProbesEveryCandidateUntilTheLabelMatches) {
  const std::string other = MakeImage("OTHER"), disc = MakeImage("ZTDISC");
  const std::string notIso = m_dir.Write("notiso.bin", std::string(40000, 'x'));
  const std::string tooShort = m_dir.Write("short.bin", std::string(100, 'x'));
  const std::string missing = m_dir.File("missing");
  const std::string table =
      "/dev/sda1 / ext4 rw 0 0\n" + missing + " /mnt/gone iso9660 ro 0 0\n" + tooShort +
      " /mnt/short iso9660 ro 0 0\n" + notIso + " /mnt/notiso iso9660 ro 0 0\n" + other +
      " /mnt/other iso9660 ro 0 0\n" + disc + " /media/zt\\040disc iso9660 ro 0 0\n" + disc +
      " /mnt/later iso9660 ro 0 0\n";
  EXPECT_EQ(Locate(table, "ZTDISC"), 0);
  EXPECT_EQ(ztEngineValue("PATH"), "/media/zt disc;old");
  EXPECT_EQ(ztTakeLog(), "Device : " + missing + " : \n" + "Device : " + tooShort + " : \n" +
                             "Device : " + notIso + " : \nNot an iso cdrom\n\n" +
                             "Device : " + other + " : \nvolume name = «OTHER»\n\n" +
                             "Device : " + disc + " : \nvolume name = «ZTDISC»\n\n" +
                             "Found CD «ZTDISC» at : /media/zt disc\n");
}

TEST_F(DiskLocator, UnknownLabelIsNotFoundAndLeavesPathAlone) {
  const std::string disc = MakeImage("ZTDISC");
  EXPECT_EQ(Locate(disc + " /mnt/cdrom iso9660 ro 0 0\n", "NOPE"), ZT_E_NOTFOUND);
  EXPECT_EQ(ztEngineValue("PATH"), "old");
  const std::string log = ztTakeLog();
  EXPECT_EQ(log.substr(log.find("[ZTFactory")), "[ZTFactory::AddDisk] Volume : 'NOPE' not found\n");
}

TEST_F(DiskLocator, MissingMountTableFindsNothing) {
  EXPECT_EQ(ztDiskLocator(m_dir.File("absent").c_str()).AddToPath("ZTDISC"), ZT_E_NOTFOUND);
  EXPECT_EQ(ztDiskLocator(m_dir.File("absent").c_str()).AddToPath(nullptr), ZT_E_INVALID);
}

struct EntryCase {
  const char* entry;  // "IMG" stands for the disc image
  bool probed;
};

void PrintTo(const EntryCase& c, std::ostream* os) {
  *os << c.entry;
}

class DiskLocatorEntry : public DiskLocator, public testing::WithParamInterface<EntryCase> {};

TEST_P(DiskLocatorEntry, ProbesOnlyDevicesThatMayHoldAnIsoDisc) {
  const std::string disc = MakeImage("ZTDISC");
  std::string entry = GetParam().entry;
  entry.replace(entry.find("IMG"), 3, disc);
  EXPECT_EQ(Locate(entry + " 0 0\n", "ZTDISC"), GetParam().probed ? 0 : ZT_E_NOTFOUND);
  EXPECT_EQ(ztTakeLog().find("Device : " + disc + " : \n") != std::string::npos, GetParam().probed);
}

INSTANTIATE_TEST_SUITE_P(
    MountTypes, DiskLocatorEntry,
    testing::Values(EntryCase{"IMG /mnt/x iso9660 ro", true}, EntryCase{"IMG /mnt/x udf ro", false},
                    EntryCase{"none /mnt/x supermount ro,fs=iso9660,dev=IMG", true},
                    EntryCase{"none /mnt/cdrom supermount fs=auto,dev=IMG,--", true},
                    EntryCase{"none /media/dvd supermount dev=IMG,fs=auto", true},
                    EntryCase{"none /mnt/usb supermount fs=auto,dev=IMG", false},
                    EntryCase{"none /mnt/cdrom supermount fs=ext2,dev=IMG", false},
                    EntryCase{"none /mnt/cdrom supermount nofs=iso9660,dev=IMG", false},
                    EntryCase{"none /mnt/cdrom supermount fs=iso9660,devx=IMG", false},
                    EntryCase{"IMG /mnt/cdrom subfs ro,fs=cdfss", true},
                    EntryCase{"IMG /mnt/cdrom subfs fs=vfat", false}));

struct LabelCase {
  const char* disc;
  std::string asked;
  bool found;
};

void PrintTo(const LabelCase& c, std::ostream* os) {
  *os << c.disc << " / " << c.asked;
}

class DiskLocatorLabel : public DiskLocator, public testing::WithParamInterface<LabelCase> {};

TEST_P(DiskLocatorLabel, ComparesAtMostTheIdentifiersThirtyTwoBytes) {
  const std::string disc = MakeImage(GetParam().disc);
  EXPECT_EQ(Locate(disc + " /mnt/cdrom iso9660 ro 0 0\n", GetParam().asked.c_str()),
            GetParam().found ? 0 : ZT_E_NOTFOUND);
  // The identifier is logged whole, and nothing after it, even without blank padding.
  const std::string volume = "volume name = «" + std::string(GetParam().disc) + "»\n";
  EXPECT_NE(ztTakeLog().find(volume), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, DiskLocatorLabel,
    testing::Values(LabelCase{"ZTDISC", "ZTDISC", true}, LabelCase{"ZTDISC", "ztdisc", false},
                    LabelCase{"ZTDISC", "ZTDIS", false}, LabelCase{"ZTDISC", "ZTDISC2", false},
                    LabelCase{kFullLabel, kFullLabel, true},
                    LabelCase{kFullLabel, std::string(kFullLabel) + "MORE", true}));

TEST(ZTFactoryAddDisk, LooksInTheSystemMountTable) {
  ztConsoleLog::Init();
  ztTakeLog();
  EXPECT_EQ(ztTestFactory()->AddDisk("ZT NO SUCH VOLUME", 0), ZT_E_NOTFOUND);
  EXPECT_NE(ztTakeLog().find("[ZTFactory::AddDisk] Volume : 'ZT NO SUCH VOLUME' not found\n"),
            std::string::npos);
}

}  // namespace
