// skintool check: the embedded skin passes, a skin with every kind of fault
// gets one clear line for each, and broken input is an error, not a crash.
#include <gtest/gtest.h>

#include <sstream>

#include "../skin/SkinTestSupport.h"
#include "SkinCheck.h"
#include "skin/data/acSkinPack.h"

namespace wakespan {
namespace {

using test::Bytes;
using test::MakeBmp24;
using test::TempDir;
using Kind = SkinFinding::Kind;

// The findings of a kind that hold every one of `parts`.
int Matching(const SkinCheckReport& report, Kind kind, std::initializer_list<const char*> parts) {
  int n = 0;
  for (const SkinFinding& f : report.findings) {
    bool all = f.kind == kind;
    for (const char* part : parts) all = all && f.text.find(part) != std::string::npos;
    n += all;
  }
  return n;
}

std::string Printed(const SkinCheckReport& report) {
  std::ostringstream out;
  PrintSkinReport(report, "skin", out);
  return out.str();
}

TEST(SkinCheck, TheEmbeddedSkinIsUsableAndHasEverythingTheWindowsLookUp) {
  const SkinCheckReport report = CheckSkin(WAKESPAN_EMBEDDED_SKIN_DIR);
  EXPECT_TRUE(report.Usable()) << Printed(report);
  EXPECT_EQ(Matching(report, Kind::Warning, {"no section"}), 0) << Printed(report);
  EXPECT_EQ(Matching(report, Kind::Warning, {"no image"}), 0) << Printed(report);
  // The keys it carries for another engine are named, each once.
  EXPECT_EQ(Matching(report, Kind::Warning, {"key SUID is never read"}), 1) << Printed(report);
  EXPECT_NE(Printed(report).find("skin: usable, 0 errors"), std::string::npos);

  // Packed, it says the same.
  TempDir dir("check_packed");
  const std::vector<PackMember> members{{"Options.dat", Bytes("[GLOBALINFO]\nVERSION=6\n")}};
  dir.Write("tiny.asz", PackSkinMembers(members));
  const SkinCheckReport tiny = CheckSkin((dir.path() / "tiny.asz").string());
  EXPECT_TRUE(tiny.Usable()) << Printed(tiny);
  EXPECT_EQ(Matching(tiny, Kind::Warning, {"no section [FORM]", "not painted from the skin"}), 1);
  EXPECT_EQ(Matching(tiny, Kind::Warning, {"no section [BUTTON]", "system's look"}), 1);
}

TEST(SkinCheck, EveryFaultOfAHandMadeSkinGetsItsOwnLine) {
  TempDir dir("check_faults");
  dir.Write("MASTER.BMP", MakeBmp24(40, 20, 0x808080));
  dir.Write("JUNK.BMP", Bytes("BM this is not a bitmap"));
  dir.Write("Options.dat", Bytes("[GLOBALINFO]\n"
                                 "VERSION=7.5\n"
                                 "MASTERBITMAP=MASTER.BMP\n"
                                 "BOXCHECKED=@0000@0000@0030@0010@3@0\n"
                                 "BICONCLOSE=@0030@0000@0090@0021@3@1\n"
                                 "FONTCOLOUR=0\n"
                                 "[FORM]\n"
                                 "PARENTCLASS=DIALOG\n"
                                 "BORDERSMASK=^0000^0000^0006^0006^0004^0004^0004^0004^1^0^0^0\n"
                                 "COLOR=255\n"
                                 "color=0\n"
                                 "[DIALOG]\n"
                                 "PARENTCLASS=FORM\n"
                                 "[BUTTON]\n"
                                 "GLYPHMASK=@0000@0000@0010@0010@0@0\n"
                                 "HOTPATTERN=@0000@0000@0010@0010@1@2\n"
                                 "PATTERN=!MISSING.BMP!1!0!0\n"
                                 "BORDERSMASK=!JUNK.BMP!1!0!0\n"
                                 "[EDIT]\n"
                                 "PARENTCLASS=NOWHERE\n"
                                 "SHINY=!..\\OUTSIDE.BMP!1!0!0\n"));
  const SkinCheckReport r = CheckSkin(dir.path().string());
  const std::string all = Printed(r);
  EXPECT_FALSE(r.Usable());

  EXPECT_EQ(Matching(r, Kind::Error, {"VERSION 7.5 is above 6.99"}), 1) << all;
  EXPECT_EQ(Matching(r, Kind::Error, {"[GLOBALINFO] BICONCLOSE", "(30, 0) - (90, 21)", "(40 x 20)"}), 1) << all;
  EXPECT_EQ(Matching(r, Kind::Error, {"[FORM] BORDERSMASK", "wider than one state", "(6 x 6)"}), 1) << all;
  EXPECT_EQ(Matching(r, Kind::Error, {"[BUTTON] GLYPHMASK", "image count 0"}), 1) << all;
  EXPECT_EQ(Matching(r, Kind::Error, {"[BUTTON] HOTPATTERN", "mask type 2"}), 1) << all;
  EXPECT_EQ(Matching(r, Kind::Error, {"[BUTTON] PATTERN", "\"MISSING.BMP\", which the skin lacks"}), 1) << all;
  EXPECT_EQ(Matching(r, Kind::Error, {"[BUTTON] BORDERSMASK", "\"JUNK.BMP\" cannot be read"}), 1) << all;
  EXPECT_EQ(Matching(r, Kind::Error, {"PARENTCLASS loop [FORM] -> [DIALOG] -> [FORM]"}), 1) << all;
  EXPECT_EQ(r.Count(Kind::Error), 9) << all;  // the ninth: OUTSIDE.BMP is missing too

  EXPECT_EQ(Matching(r, Kind::Warning, {"key FONTCOLOUR is never read (in [GLOBALINFO])"}), 1) << all;
  EXPECT_EQ(Matching(r, Kind::Warning, {"[FORM] COLOR is given 2 times"}), 1) << all;
  EXPECT_EQ(Matching(r, Kind::Warning, {"[EDIT] PARENTCLASS names [NOWHERE]"}), 1) << all;
  EXPECT_EQ(Matching(r, Kind::Warning, {"[EDIT] SHINY", "outside the skin's directory"}), 1) << all;
  EXPECT_EQ(Matching(r, Kind::Warning, {"image key SHINY is never looked up"}), 1) << all;
  EXPECT_EQ(Matching(r, Kind::Warning, {"no section [FORMTITLE]"}), 1) << all;
  EXPECT_EQ(Matching(r, Kind::Note, {"no section [CAPTION]"}), 1) << all;
  EXPECT_EQ(Matching(r, Kind::Warning, {"no image [GLOBALINFO] RADIOCHECKED", "16 x 16"}), 1) << all;
  // Found, though unusable: not reported as missing as well.
  EXPECT_EQ(Matching(r, Kind::Warning, {"no image [GLOBALINFO] BICONCLOSE"}), 0) << all;
  EXPECT_NE(all.find("skin: not usable, 9 errors"), std::string::npos) << all;
}

TEST(SkinCheck, WhatCannotBeLoadedIsOneErrorWithTheLoadersText) {
  TempDir dir("check_broken");
  dir.Write("junk.asz", Bytes("ASzf this is no container"));
  dir.Write("empty/readme.txt", Bytes("no options here"));
  dir.Write("badnumber/Options.dat", Bytes("[GLOBALINFO]\nSHADOW1BLUR=lots\n"));
  for (const std::string& path : {(dir.path() / "junk.asz").string(), (dir.path() / "empty").string(),
                                 (dir.path() / "badnumber").string(), (dir.path() / "nothing.asz").string()}) {
    const SkinCheckReport r = CheckSkin(path);
    EXPECT_FALSE(r.Usable()) << path;
    EXPECT_EQ(r.findings.size(), 1u) << Printed(r);
  }
  EXPECT_EQ(Matching(CheckSkin((dir.path() / "badnumber").string()), Kind::Error, {"'lots'", "error box"}), 1);
  const uint8_t garbage[] = {0x41, 0x53, 0x7a, 0x66, 0xff, 0xff, 0xff, 0x7f, 1, 2};
  EXPECT_FALSE(CheckPackedSkin(garbage, sizeof garbage).Usable());
  EXPECT_FALSE(CheckPackedSkin(nullptr, 0).Usable());
}

}  // namespace
}  // namespace wakespan
