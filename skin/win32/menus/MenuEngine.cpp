#include "skin/win32/menus/MenuEngine.h"

#include <memory>


namespace wakespan {

namespace {

std::unique_ptr<MenuEngine>& EngineSlot() {
  static std::unique_ptr<MenuEngine> engine;
  return engine;
}

Bitmap ReadPicture(HBITMAP picture) {
  BITMAP info{};
  if (!GetObjectW(picture, sizeof(info), &info) || !Bitmap::IsAcceptableSize(info.bmWidth, info.bmHeight))
    return {};
  Bitmap read(info.bmWidth, info.bmHeight, PixelFormat::Bgra32);
  BITMAPINFO format = gui::TopDownDibInfo(info.bmWidth, info.bmHeight);
  const gui::WindowDC screen(nullptr);
  const int rows = GetDIBits(screen.get(), picture, 0, UINT(info.bmHeight), read.Bits(), &format, DIB_RGB_COLORS);
  return rows == info.bmHeight ? std::move(read) : Bitmap{};
}

}  // namespace

MenuEngine::MenuEngine(TsSkinManager& manager) : manager_(manager), menus_(manager) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  LOGFONTW font = metrics.lfMenuFont;
  normal_.Reset(CreateFontIndirectW(&font));
  font.lfWeight = FW_BOLD;
  bold_.Reset(CreateFontIndirectW(&font));
  fonts_ = TsMenuFonts{FontRef{normal_.get()}, FontRef{bold_.get()}, FontRef{normal_.get()}};
}

const Bitmap* MenuEngine::PictureOf(HBITMAP picture) {
  if (!picture) return nullptr;
  auto found = pictures_.find(picture);
  if (found == pictures_.end()) found = pictures_.emplace(picture, ReadPicture(picture)).first;
  return found->second.IsEmpty() ? nullptr : &found->second;
}

MenuEngine& MenuEngineFor(TsSkinManager& manager) {
  std::unique_ptr<MenuEngine>& engine = EngineSlot();
  if (!engine || &engine->Manager() != &manager) engine = std::make_unique<MenuEngine>(manager);
  return *engine;
}

MenuEngine* ActiveMenuEngine() { return EngineSlot().get(); }

void ReleaseMenuEngine() { EngineSlot().reset(); }

}  // namespace wakespan
