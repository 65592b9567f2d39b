#include "SkinRender.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <tuple>

#include "skin/data/acSkinPack.h"
#include "skin/data/sSkinManager.h"
#include "skin/decode/ImageDecode.h"
#include "skin/paint/sCommonData.h"
#include "skin/paint/sSectionPaint.h"
#include "skin/paint/sStateGlyph.h"

namespace wakespan {
namespace {

// Positions and sizes beyond this are refused rather than painted.
constexpr long kLimit = 1000000;

int Number(const std::string& text, const std::string& what) {
  errno = 0;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno != 0 || v < -kLimit || v > kLimit)
    throw ESkinError("bad " + what + " '" + text + "'");
  return static_cast<int>(v);
}

// "AxB" or "A,B" split at `separator`.
std::pair<int, int> Pair(const std::string& text, char separator, const std::string& what) {
  const size_t at = text.find(separator);
  if (at == std::string::npos) throw ESkinError("bad " + what + " '" + text + "'");
  return {Number(text.substr(0, at), what), Number(text.substr(at + 1), what)};
}

// "#RRGGBB" as a colour value 0x00BBGGRR.
uint32_t HexColor(const std::string& text) {
  if (text.size() != 7 || text[0] != '#' || text.find_first_not_of("0123456789abcdefABCDEF", 1) != std::string::npos)
    throw ESkinError("bad parent colour '" + text + "'");
  const uint32_t rgb = uint32_t(std::strtoul(text.c_str() + 1, nullptr, 16));
  return (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
}

}  // namespace

RenderRequest ParseRenderArguments(const std::vector<std::string>& args) {
  if (args.size() < 3) throw ESkinError("render needs SKIN SECTION WxH");
  RenderRequest r;
  r.Skin = args[0];
  r.Section = args[1];
  std::tie(r.Width, r.Height) = Pair(args[2], 'x', "size");
  if (!Bitmap::IsAcceptableSize(r.Width, r.Height)) throw ESkinError("bad size '" + args[2] + "'");
  bool haveAt = false;
  for (size_t i = 3; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw ESkinError(a + " needs a value");
      return args[++i];
    };
    if (a == "--state") {
      r.State = Number(value(), "state");
    } else if (a == "--parent") {
      const std::string& p = value();
      if (p == "none") {
        r.ParentColor = 0xFF00FF;
      } else if (!p.empty() && p[0] == '#') {
        r.ParentColor = HexColor(p);
      } else {
        r.ParentPicture = p;
      }
    } else if (a == "--no-fill") {
      r.Filling = false;
    } else if (a == "--control") {
      r.ControlForm = true;
    } else if (a == "--glyph") {
      r.GlyphKey = value();
    } else if (a == "--at") {
      const auto xy = Pair(value(), ',', "position");
      r.At = Point{xy.first, xy.second};
      haveAt = true;
    } else if (a == "--mode") {
      r.GlyphMode = Number(value(), "glyph mode");
    } else if (a == "--out") {
      r.Out = value();
    } else {
      throw ESkinError("unknown option '" + a + "'");
    }
  }
  if (r.Out.empty()) throw ESkinError("render needs --out OUT.png");
  if (!r.GlyphKey.empty() && !haveAt) throw ESkinError("--glyph needs --at X,Y");
  return r;
}

namespace {

void LoadSkin(TsSkinManager& manager, const std::string& path) {
  if (std::filesystem::is_directory(path)) {
    manager.LoadSkinDirectory(path);
  } else {
    manager.LoadPackedFile(path, std::string());
  }
}

Bitmap ReadPicture(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) throw ESkinError("cannot read parent picture " + fileName);
  const ByteBuffer bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  DecodedImage decoded = DecodePng(bytes.data(), bytes.size());
  if (!decoded.Ok()) throw ESkinError("parent picture " + fileName + ": " + decoded.Error);
  return decoded.Image.ConvertedTo(PixelFormat::Bgr24);
}

}  // namespace

Bitmap RenderSkinImage(const RenderRequest& request) {
  TsSkinManager manager;
  manager.OnMessage = [](const std::string& text) { std::fprintf(stderr, "skintool: %s\n", text.c_str()); };
  LoadSkin(manager, request.Skin);
  const int k = manager.GetSkinIndex(request.Section);
  if (k < 0) throw ESkinError("unknown section '" + request.Section + "'");

  Bitmap parent;
  TCacheInfo ci;
  ci.FillColor = request.ParentColor;
  if (!request.ParentPicture.empty()) {
    parent = ReadPicture(request.ParentPicture);
    ci = CacheInfoOfBitmap(&parent, 0, 0);
  }
  Bitmap item(request.Width, request.Height, PixelFormat::Bgr24);
  const Rect all{0, 0, request.Width, request.Height};
  if (!request.GlyphKey.empty()) {
    const int glyph = manager.GetMaskIndex(k, request.Section, request.GlyphKey);
    if (glyph < 0) throw ESkinError("section '" + request.Section + "' has no image '" + request.GlyphKey + "'");
    PaintStateGlyph(item, request.At, request.State, ci, manager.ma[size_t(glyph)], request.GlyphMode);
  } else if (request.ControlForm) {
    TsCommonData data;
    data.FSkinManager = &manager;
    data.SetSkinSection(request.Section);
    PaintSection(data, ci, request.Filling, request.State, all, Point{}, &item, true);
  } else {
    PaintSection(k, request.Section, ci, request.Filling, request.State, all, Point{}, &item, &manager);
  }
  return item;
}

void WritePng24(const Bitmap& image, const std::string& fileName) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(fileName.c_str(), "wb"), &std::fclose);
  if (!file) throw ESkinError("cannot write " + fileName);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  struct Release {
    png_structp* png;
    png_infop* info;
    ~Release() { png_destroy_write_struct(png, info); }
  } release{&png, &info};
  if (png == nullptr || info == nullptr) throw ESkinError("cannot write " + fileName);
  std::vector<png_byte> row(size_t(image.Width()) * 3);
  if (setjmp(png_jmpbuf(png))) throw ESkinError("cannot write " + fileName);
  png_init_io(png, file.get());
  png_set_IHDR(png, info, png_uint_32(image.Width()), png_uint_32(image.Height()), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < image.Height(); ++y) {
    const uint8_t* s = image.Row(y);
    const int bytes = image.BytesPerPixel();
    for (int x = 0; x < image.Width(); ++x, s += bytes) {
      row[size_t(x) * 3] = s[2];
      row[size_t(x) * 3 + 1] = s[1];
      row[size_t(x) * 3 + 2] = s[0];
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, info);
}

}  // namespace wakespan
