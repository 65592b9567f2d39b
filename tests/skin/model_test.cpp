#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "skin/data/acMemIni.h"
#include "skin/data/sSkinLookup.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSysColors.h"

namespace wakespan {
namespace {

using test::Bytes;
using test::MakeBmp24;

TsSkinModel Build(const std::string& text, const test::MapImageSource& images = {}) {
  TsSkinModel model;
  BuildSkinModel(TacMemIni(text), images, SkinBuildSettings{}, model);
  return model;
}

const TsGeneralData& Sec(const TsSkinModel& m, const char* name) {
  const int i = m.GetSkinIndex(name);
  EXPECT_GE(i, 0) << name;
  return m.gd.at(size_t(i));
}

TEST(SkinModelTest, GeneralDataInheritsAlongTheParentChainWithDefaults) {
  const TsSkinModel m = Build(
      "[GLOBALINFO]\r\nCOLOR=100\r\n"
      "[PANEL]\r\nCOLOR=200\r\nFONTCOLOR=300\r\nTRANSPARENCY=40\r\nGRADIENTDATA=1;2;50;0;0\r\nSHOWFOCUS=true\r\n"
      "[PAGECONTROL]\r\nPARENTCLASS=PANEL\r\nFONTCOLOR=-1\r\nHOTCOLOR=7\r\nGRADIENTDATA=?\r\n"
      "[TABCONTROL]\r\nPARENTCLASS=PAGECONTROL\r\nTRANSPARENCY=abc\r\n"
      "[LONELY]\r\nTRANSPARENCY=\r\n");
  const TsGeneralData& tab = Sec(m, "TABCONTROL");
  EXPECT_EQ(tab.ParentClass, "PAGECONTROL");
  EXPECT_EQ(tab.Color, 200);
  EXPECT_EQ(tab.FontColor[0], 300);        // -1 in the parent counts as absent
  EXPECT_EQ(tab.FontColor[1], -1);
  EXPECT_EQ(tab.HotColor, 7);
  EXPECT_EQ(tab.Transparency, 40);         // not a number: inherited
  EXPECT_EQ(tab.GradientData, "1;2;50;0;0");  // "?" counts as absent
  ASSERT_EQ(tab.GradientArray.size(), 1u);
  EXPECT_TRUE(tab.ShowFocus);
  const TsGeneralData& lonely = Sec(m, "LONELY");
  EXPECT_EQ(lonely.Color, 0xFFFFFF);
  EXPECT_EQ(lonely.Transparency, 0);
  EXPECT_EQ(lonely.FadingIterations, 5);
  EXPECT_EQ(lonely.GradientData, " ");
  EXPECT_TRUE(lonely.GradientArray.empty());
  EXPECT_EQ(lonely.BorderIndex, -1);
}

TEST(SkinModelTest, GeneralDataKeysIgnoreCaseAndTheFirstOfRepeatedKeysCounts) {
  const TsSkinModel m = Build(
      "[BASE]\r\nFadingEnabled=True\r\nglow=3\r\ngiveownfont=?\r\n"
      "[CHILD]\r\nparentclass=BASE\r\nGLOW=-1\r\nglow=9\r\nColor=5\r\nCOLOR=6\r\nGiveOwnFont=?\r\n");
  const TsGeneralData& child = Sec(m, "CHILD");
  EXPECT_EQ(child.ParentClass, "BASE");
  EXPECT_EQ(child.GlowCount, 3);  // the first GLOW is -1: inherited, the second is never read
  EXPECT_EQ(child.Color, 5);
  EXPECT_TRUE(child.FadingEnabled);
  EXPECT_FALSE(child.GiveOwnFont);  // "?" all the way up: the default
}

TEST(SkinModelTest, ParentLoopsEndTheWalk) {
  const TsSkinModel m = Build(
      "[A]\r\nPARENTCLASS=B\r\n[B]\r\nPARENTCLASS=C\r\nX=@0000@0000@0010@0010@1@0\r\n"
      "[C]\r\nPARENTCLASS=A\r\n[SELF]\r\nPARENTCLASS=SELF\r\n");
  EXPECT_EQ(Sec(m, "A").Color, 0xFFFFFF);
  EXPECT_EQ(m.GetMaskIndex(m.GetSkinIndex("A"), "A", "X"), 0);  // found in B
  EXPECT_EQ(m.GetMaskIndex(m.GetSkinIndex("C"), "C", "X"), 0);  // C -> A -> B
  EXPECT_EQ(m.GetMaskIndex(m.GetSkinIndex("A"), "A", "NONE"), -1);
  EXPECT_EQ(m.GetMaskIndex(m.GetSkinIndex("SELF"), "SELF", "NONE"), -1);
  // Back at the first section the walk ends, even when it was asked under
  // another name and its own name would match.
  EXPECT_EQ(m.GetMaskIndex(m.GetSkinIndex("B"), "OTHER", "X"), -1);
}

TEST(SkinModelTest, SectionImagesResolveAlongTheChainAndStopAtLoops) {
  const TsSkinModel m = Build(
      "[A]\r\nPARENTCLASS=B\r\n[B]\r\nPARENTCLASS=C\r\nBORDERSMASK=@0000@0000@0010@0010@1@0\r\n"
      "[C]\r\nPARENTCLASS=A\r\n[P]\r\nPARENTCLASS=Q\r\n[Q]\r\nPARENTCLASS=R\r\n[R]\r\nPARENTCLASS=Q\r\n"
      "[B]\r\nBORDERSMASK=@0000@0000@0020@0020@1@0\r\n");
  EXPECT_EQ(Sec(m, "A").BorderIndex, 0);
  EXPECT_EQ(Sec(m, "C").BorderIndex, 0);  // C -> A -> B
  EXPECT_EQ(m.gd.at(6).BorderIndex, 0);   // the repeated B: lookups by name find the first
  EXPECT_EQ(Sec(m, "P").BorderIndex, -1);  // P -> Q -> R -> Q loops without the first
  for (int i = 0; i < int(m.gd.size()); ++i)
    EXPECT_EQ(m.gd[size_t(i)].BorderIndex, m.GetMaskIndex(i, m.gd[size_t(i)].ClassName, "BORDERSMASK")) << i;
}

// The loader resolves its cached indexes through a hashed index; over
// repeated names, names differing only in letter case, loops and more
// entries than the index first makes room for, it must answer exactly as the
// model's own scans do.
TEST(SkinModelTest, HashedLookupsAnswerAsTheTableScansDo) {
  std::string text;
  for (int i = 0; i < 40; ++i) {
    const std::string n = std::to_string(i);
    text += "[S" + n + "]\r\nPARENTCLASS=S" + std::to_string((i * 7 + 3) % 40) + "\r\n";
    if (i % 3 == 0) text += "BORDERSMASK=@0000@0000@0010@0010@1@0\r\n";
    if (i % 5 == 0) text += "PATTERN=~0000~0000~0004~0004~00\r\n";
    if (i % 4 == 0) text += "IMGTOPLEFT=@0000@0000@000" + std::to_string(i % 9 + 1) + "@0004@1@0\r\n";
  }
  text += "[s1]\r\nBORDERSMASK=@0000@0000@0030@0030@1@0\r\n"  // letter case differs
          "[S3]\r\nBORDERSMASK=@0000@0000@0040@0040@1@0\r\nPATTERN=~0000~0000~0008~0008~00\r\n";  // repeated
  const TsSkinModel m = Build(text);
  ASSERT_GT(m.ma.size(), 30u);
  const TsSkinTableIndex index(m);
  const char* keys[] = {"BORDERSMASK", "PATTERN", "IMGTOPLEFT", "GLYPHMASK", ""};
  std::vector<std::string> names{"", "S", "s1", "S1", "S3", "S39", "S40"};
  for (const TsGeneralData& g : m.gd) names.push_back(g.ClassName);
  for (int i = -1; i <= int(m.gd.size()); ++i)
    for (const std::string& name : names) {
      EXPECT_EQ(index.GetSkinIndex(name), m.GetSkinIndex(name)) << name;
      for (const char* key : keys) {
        EXPECT_EQ(index.GetMaskIndex(i, name, key), m.GetMaskIndex(i, name, key)) << i << name << key;
        EXPECT_EQ(index.GetMaskIndex(name, key), m.GetMaskIndex(name, key)) << name << key;
        EXPECT_EQ(index.GetTextureIndex(i, name, key), m.GetTextureIndex(i, name, key)) << i << name << key;
      }
    }
  for (const char* key : keys) {
    const std::vector<int> all = index.InheritedMasksOfAllSections(key);
    ASSERT_EQ(all.size(), m.gd.size());
    for (size_t i = 0; i < all.size(); ++i) EXPECT_EQ(all[i], m.GetMaskIndex(int(i), m.gd[i].ClassName, key)) << i << key;
  }
}

TEST(SkinModelTest, JpegNamesInAnyLetterCaseBecomePatternsOrTextures) {
  test::MapImageSource images;
  images.images["TEX.JPG"] = MakeBmp24(10, 10, 0x123456);
  images.images["BIG.JPEG"] = MakeBmp24(300, 300, 0x654321);
  images.images["X.JP"] = MakeBmp24(10, 10, 0x123456);
  const TsSkinModel m = Build("[Panel]\r\nPattern=tex.Jpg\r\nBig=big.jpeg\r\nNote=x.jp\r\n", images);
  ASSERT_EQ(m.ma.size(), 1u);
  EXPECT_EQ(m.ma[0].ClassName, "PANEL");
  EXPECT_EQ(m.ma[0].PropertyName, "PATTERN");
  EXPECT_EQ(m.ma[0].ImgType, itisaTexture);
  ASSERT_EQ(m.pa.size(), 1u);
  EXPECT_EQ(m.pa[0].ClassName, "Panel");
  EXPECT_EQ(m.pa[0].PropertyName, "Big");
}

TEST(SkinModelTest, ImageReferenceFormsBecomeMaskEntries) {
  test::MapImageSource images;
  images.images["MASTER.BMP"] = MakeBmp24(40, 30, 0x123456);
  images.images["OWN.BMP"] = MakeBmp24(90, 60, 0x00FF00);
  images.images["plain.bmp"] = MakeBmp24(30, 12, 0x0000FF);
  images.images["zero.bmp"] = MakeBmp24(0, 5, 0);
  const TsSkinModel m = Build(
      "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n"
      "G=@0001@$002@0031@ 012@3@0\r\n"  // hexadecimal and blank-led fields read as integers too
      "B=^0000^0000^0063^0030^0000^0000^0000^0000^3^1^7^0\r\n"
      "W=^0000^0000^0030^0030^0000^0000^0000^0000^1^0^1^4\r\n"
      "Z=^0000^0000^0030^0030^0000^0000^0000^0000^0^0^1^0\r\n"
      "T=~0000~0000~0010~0010~10\r\n"
      "TM=~0000~0000~0010~0010~10~1\r\n"
      "F=!OWN.BMP!0!1!9\r\n"
      "FB=!OWN.BMP!3!1!0!0004!0005!0006!0007\r\n"
      "lower=plain.bmp\r\n"
      "OLD=#10 (0 0 10 10) 1 0\r\nNA=N/A\r\nMISS=!NOFILE.BMP!1!0!0\r\nNOTIMG=!README.TXT!1!0!0\r\n"
      "Z0=!zero.bmp!1!0!0\r\n",
      images);
  ASSERT_TRUE(m.MasterBitmap);
  EXPECT_EQ(m.MasterBitmap->Width(), 40);
  ASSERT_EQ(m.ma.size(), 9u);
  const TsMaskData& g = m.ma[0];
  EXPECT_EQ(g.R, (Rect{1, 2, 31, 12}));
  EXPECT_EQ(g.ImageCount, 3);
  EXPECT_EQ(g.ImgType, itisaGlyph);
  const TsMaskData& b = m.ma[1];
  EXPECT_EQ(b.DrawMode, 7);
  EXPECT_EQ(b.WL, 7);  // 63 div 9
  EXPECT_EQ(b.WT, 5);  // 30 div 6
  EXPECT_EQ(m.ma[2].WL, 4);  // BorderWidth used when all widths are 0
  EXPECT_EQ(m.ma[2].WB, 4);
  EXPECT_EQ(m.ma[3].WL, 0);  // image count 0: no division
  EXPECT_EQ(m.ma[3].WT, 10);
  EXPECT_EQ(m.ma[4].ImgType, itisaTexture);
  EXPECT_EQ(m.ma[4].DrawMode, 10);
  EXPECT_EQ(m.ma[4].MaskType, 0);
  EXPECT_EQ(m.ma[5].MaskType, 1);
  const TsMaskData& f = m.ma[6];
  ASSERT_TRUE(f.Bmp);
  EXPECT_EQ(f.R, (Rect{0, 0, 90, 60}));
  EXPECT_EQ(f.ImgType, itisaPngGlyph);  // type 9 clamped to the last known type
  EXPECT_EQ(f.DrawMode, 4);
  EXPECT_EQ(f.WL, 0);                   // image count 0
  EXPECT_EQ(f.WT, 10);                  // 60 div 6
  const TsMaskData& fb = m.ma[7];
  EXPECT_EQ(fb.WL, 4);
  EXPECT_EQ(fb.WB, 7);
  const TsMaskData& plain = m.ma[8];
  EXPECT_EQ(plain.ClassName, "GLOBALINFO");
  EXPECT_EQ(plain.PropertyName, "LOWER");
  EXPECT_EQ(plain.ImageCount, 3);
  EXPECT_EQ(plain.MaskType, 1);
  EXPECT_EQ(plain.WL, 3);  // 30 div 9
  EXPECT_EQ(plain.WT, 2);  // 12 div 6
  EXPECT_EQ(m.GetMaskIndex("GLOBALINFO", "NA"), -1);
  EXPECT_EQ(m.GetTextureIndex(0, "GLOBALINFO", "T"), 4);
  EXPECT_EQ(m.GetTextureIndex(0, "GLOBALINFO", "G"), -1);
}

TEST(SkinModelTest, NonNumericFieldsStopTheLoadWithAConversionError) {
  for (const char* bad : {"X=@00a1@0002@0031@0012@3@0", "X=^0000^0000^0063^0030^0000^0000^0000^0000^x^1^7^0",
                          "X=~0000~0000~0010~0010~x1", "X=!A.BMP!three!0!0", "X=!A.BMP!1", "SHADOW1BLUR=soft",
                          "GRADIENTDATA=1;2;x;0;0"}) {
    EXPECT_THROW(Build(std::string("[GLOBALINFO]\r\n") + bad + "\r\n"), ESkinError) << bad;
  }
  try {
    Build("[GLOBALINFO]\r\nX=@00a1@0002@0031@0012@3@0\r\n");
  } catch (const ESkinError& e) {
    EXPECT_STREQ(e.what(), "'00a1' is not a valid integer value");
  }
}

TEST(SkinModelTest, GradientDataMakesSegmentsOfFiveNumbers) {
  const TsGradArray a = ParseGradientData("0;8874591;97;0;0;;8874591;-5;250;1;9;1;2");
  ASSERT_EQ(a.size(), 2u);
  EXPECT_EQ(a[0].Color2, 8874591);
  EXPECT_EQ(a[0].Percent, 97);
  EXPECT_EQ(a[1].Color2, 0);   // clamped to 0
  EXPECT_EQ(a[1].Percent, 100);
  EXPECT_EQ(a[1].Mode1, 1);
  EXPECT_EQ(a[1].Mode2, 0);
}

TEST(SkinModelTest, BorderWidthsAndSizesFallBackInOrder) {
  TsSkinModel m;
  TsMaskData own;
  own.Bmp = std::make_shared<Bitmap>(90, 40, PixelFormat::Bgr24);
  own.R = {0, 0, 90, 40};
  own.ImageCount = 3;
  own.MaskType = 1;
  TsMaskData zero;
  zero.R = {0, 0, 30, 20};
  zero.MaskType = -1;
  TsMaskData bw;
  bw.BorderWidth = 3;
  bw.WT = 6;
  m.ma = {own, zero, bw};
  EXPECT_EQ(m.MaskSize(0).Width, 30);
  EXPECT_EQ(m.MaskSize(0).Height, 20);
  EXPECT_EQ(m.MaskWidthRight(1), 0);   // image count 0
  EXPECT_EQ(m.MaskWidthTop(1), 0);     // mask type -1
  EXPECT_EQ(m.MaskWidthLeft(1), 30);   // first turns the count into 1
  EXPECT_EQ(m.ma[1].ImageCount, 1);
  EXPECT_EQ(m.MaskWidthLeft(2), 3);
  EXPECT_EQ(m.MaskWidthTop(2), 6);
  EXPECT_EQ(m.MaskWidthLeft(7), 0);
  EXPECT_EQ(m.MaskSize(-1).Width, 0);
}

TEST(SkinModelTest, ColourAccessorsFallBackToSystemColours) {
  const TsSkinModel none = Build("[OTHER]\r\n");
  EXPECT_EQ(none.GetGlobalColor(), SystemColor(kColorBtnFace));
  EXPECT_EQ(none.GetGlobalFontColor(), 0xFF00FF);
  EXPECT_EQ(none.GetActiveEditColor(), SystemColor(kColorWindow));
  EXPECT_EQ(none.GetActiveEditFontColor(), 0xFF00FF);
  EXPECT_EQ(none.GetHighLightColor(), SystemColor(kColorHighlight));
  EXPECT_EQ(none.GetHighLightFontColor(), SystemColor(kColorHighlightText));
  EXPECT_EQ(none.GetSkinIndex("GLOBALINFO"), -1);
  EXPECT_EQ(none.GetMaskIndex(-1, "OTHER", "X"), -1);

  const TsSkinModel m = Build("[GLOBALINFO]\r\nCOLOR=-16777201\r\n[MENUITEM]\r\nHOTCOLOR=16777215\r\nHOTFONTCOLOR=5\r\n");
  EXPECT_EQ(m.GetGlobalColor(), SystemColor(15));  // system colour resolved
  EXPECT_EQ(m.GetHighLightColor(), SystemColor(kColorHighlight));
  EXPECT_EQ(m.GetHighLightFontColor(), SystemColor(kColorHighlightText));
  const TsSkinModel usable = Build("[MENUITEM]\r\nHOTCOLOR=1234\r\nHOTFONTCOLOR=5\r\n");
  EXPECT_EQ(usable.GetHighLightColor(), 1234);
  EXPECT_EQ(usable.GetHighLightFontColor(), 5);
}

TEST(SkinManagerTest, AFailedLoadKeepsThePreviousModelWhole) {
  const ByteBuffer good = PackSkinMembers({{"Options.dat", Bytes("[GLOBALINFO]\r\nVERSION=6.4\r\n[A]\r\nK=@0000@0000@0010@0010@1@0\r\n")}});
  const ByteBuffer bad = PackSkinMembers({{"Options.dat", Bytes("[X]\r\n[Y]\r\nK=@0000@0000@0010@0010@q@0\r\n")}});
  TsSkinManager manager;
  manager.LoadPackedData(good.data(), good.size());
  ASSERT_EQ(manager.gd.size(), 2u);
  EXPECT_EQ(manager.ma.at(0).Manager, &manager);
  EXPECT_THROW(manager.LoadPackedData(bad.data(), bad.size()), ESkinError);
  EXPECT_EQ(manager.gd.size(), 2u);
  EXPECT_EQ(manager.ma.size(), 1u);
  EXPECT_DOUBLE_EQ(manager.SkinData.Version, 6.4);
  std::vector<std::string> names;
  manager.GetSkinSections(names);
  EXPECT_EQ(names, (std::vector<std::string>{"GLOBALINFO", "A"}));

  manager.SetInternalSkins({{"Good", good}, {"Bad", bad}});
  manager.SetSkinName("Good");
  EXPECT_THROW(manager.SelectSkin("Bad", "/nonexistent"), ESkinError);
  EXPECT_EQ(manager.SkinName(), "Good");
  EXPECT_EQ(manager.gd.size(), 2u);
}

TEST(SkinManagerTest, SelectionPrefersPackedFileThenDirectoryThenInternalSkins) {
  test::TempDir dir("select");
  const ByteBuffer internal = PackSkinMembers({{"Options.dat", Bytes("[INTERNAL]\r\n")}});
  TsSkinManager manager;
  manager.SetSkinDirectory(dir.path().string());
  manager.SetInternalSkins({{"First", internal}, {"Second", PackSkinMembers({{"Options.dat", Bytes("[SECOND]\r\n")}})}});

  EXPECT_TRUE(manager.SelectSkin("second", dir.path().string()));  // letter case differs: first skin
  EXPECT_EQ(manager.SkinName(), "First");
  EXPECT_EQ(manager.gd.at(0).ClassName, "INTERNAL");
  EXPECT_TRUE(manager.SkinIsPacked);

  dir.Write("Look/Options.dat", Bytes("[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n[DIR]\r\nK=!own.BMP!1!0!0\r\n"));
  dir.Write("Look/Master.bmp", MakeBmp24(4, 4, 0xFF00FF));
  dir.Write("Look/Own.bmp", MakeBmp24(6, 3, 1));
  EXPECT_TRUE(manager.SelectSkin("Look", dir.path().string()));
  EXPECT_EQ(manager.gd.at(1).ClassName, "DIR");
  EXPECT_FALSE(manager.SkinIsPacked);
  ASSERT_TRUE(manager.MasterBitmap);
  EXPECT_EQ(manager.MasterBitmap->Width(), 4);
  ASSERT_EQ(manager.ma.size(), 1u);
  EXPECT_EQ(manager.ma[0].R.Right, 6);
  EXPECT_TRUE(manager.SkinData.SkinPath.back() == '/' || manager.SkinData.SkinPath.back() == '\\')
      << "the skin path ends with the platform's separator";

  dir.Write("Look.asz", PackSkinMembers({{"Options.dat", Bytes("[PACKED]\r\n")}}));
  EXPECT_TRUE(manager.SelectSkin("Look", dir.path().string()));
  EXPECT_EQ(manager.gd.at(0).ClassName, "PACKED");

  manager.SetInternalSkins({});
  EXPECT_FALSE(manager.SelectSkin("Nothing", dir.path().string()));
  EXPECT_TRUE(manager.gd.empty());
  std::vector<std::string> names{"x"};
  manager.GetSkinSections(names);
  EXPECT_TRUE(names.empty());
}

TEST(SkinManagerTest, SkinDirectoryPathsFollowTheRules) {
  EXPECT_EQ(GetFullSkinDirectory("..\\Skins", "D:\\Apps\\Tool\\"), "D:\\Apps\\Skins");
  EXPECT_EQ(GetFullSkinDirectory("Skins", "D:\\Apps\\Tool\\"), "D:\\Apps\\Tool\\Skins");
  EXPECT_EQ(GetFullSkinDirectory(".\\Skins", "D:\\Apps\\Tool\\"), "D:\\Apps\\Tool\\Skins");
  EXPECT_EQ(GetFullSkinDirectory("\\\\server\\share", "D:\\Apps\\Tool\\"), "\\\\server\\share");
  EXPECT_EQ(GetFullSkinDirectory("c:\\Skins", "D:\\Apps\\Tool\\"), "c:\\Skins");
  const std::string sep = PackedSkinFileName("", "").substr(0, 1);
  EXPECT_EQ(PackedSkinFileName("c:\\Skins", "S"), "c:\\Skins" + sep + "S.asz");
  EXPECT_EQ(PackedSkinFileName("c:/Skins/", "S"), "c:/Skins" + sep + "S.asz");
  EXPECT_EQ(PackedSkinFileName("c", "S"), "c:" + sep + "S.asz");
}

TEST(SkinManagerTest, SaturationAndHueShiftTheLoadedSkin) {
  const std::string text =
      "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nCOLOR=255\r\nFONTCOLOR=-1\r\nBIKEEPHUE=2\r\n"
      "BICONCLOSE=@0000@0000@0002@0002@1@0\r\nBICONMAX=@0002@0000@0004@0002@1@0\r\n"
      "[S]\r\nGRADIENTDATA=255;65280;50;0;0\r\nTCLEFT=-16777201\r\n";
  ByteBuffer master = MakeBmp24(4, 2, 0x0000FF);
  master[54] = 0xFF, master[55] = 0x00, master[56] = 0xFF;  // pixel (0, 1): the key colour
  const ByteBuffer packed = PackSkinMembers({{"Options.dat", Bytes(text)}, {"Master.bmp", master}});

  TsSkinManager grey;
  grey.Saturation = -100;
  grey.LoadPackedData(packed.data(), packed.size());
  EXPECT_EQ(grey.GetGlobalColor(), 0x555555);
  const TsGeneralData& s = grey.gd.at(1);
  EXPECT_EQ(s.GradientArray.at(0).Color1, 0x555555);
  EXPECT_EQ(s.FontColor[1], -16777201);  // a system colour stays a reference
  EXPECT_EQ(grey.MasterBitmap->Pixel(3, 0), 0x555555u);
  EXPECT_EQ(grey.MasterBitmap->Pixel(0, 1), 0xFF00FFu);

  TsSkinManager hue;
  hue.HueOffset = 120;
  hue.LoadPackedData(packed.data(), packed.size());
  EXPECT_EQ(hue.GetGlobalColor(), 255);                // colours keep their hue
  EXPECT_EQ(hue.MasterBitmap->Pixel(0, 0), 0x0000FFu);  // BICONCLOSE kept (BIKEEPHUE 2)
  EXPECT_EQ(hue.MasterBitmap->Pixel(2, 0), 0x00FF00u);  // BICONMAX turned from red to green
  EXPECT_EQ(hue.MasterBitmap->Pixel(0, 1), 0xFF00FFu);
}

TEST(SkinManagerTest, ANewerSkinIsReportedAndLoaded) {
  const ByteBuffer packed = PackSkinMembers({{"Options.dat", Bytes("[GLOBALINFO]\r\nVERSION=7.1\r\n")}});
  TsSkinManager manager;
  std::string message;
  manager.OnMessage = [&message](const std::string& m) { message = m; };
  manager.LoadPackedData(packed.data(), packed.size());
  EXPECT_EQ(message, kSkinTooNewMessage);
  EXPECT_DOUBLE_EQ(manager.SkinData.Version, 7.1);
}

}  // namespace
}  // namespace wakespan
