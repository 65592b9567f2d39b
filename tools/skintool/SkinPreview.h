// Previews of Wakespan's skinned windows on the build machine: the whole
// window as the program shows it right after its first start (nothing
// stored), from the same layout tables and the same painting code.
#pragma once

#include <string>
#include <vector>

#include "skin/pixels/Bitmap.h"

namespace wakespan {

class TsSkinManager;
class FreeTypePaintPlatform;

enum class PreviewWindow { Settings, Countdown, About };

struct PreviewRequest {
  std::string Skin;  // a packed .asz or a skin directory
  PreviewWindow Window = PreviewWindow::Settings;
  bool Inactive = false;
  std::string FontDirectory;      // the TrueType files of the Wine session
  std::string ResourceDirectory;  // the program's icon and pictures
  std::string Out;
};

// "preview SKIN --window settings|countdown|about [--inactive] --out OUT.png
// [--fonts DIR] [--resources DIR]"; bad arguments raise std::runtime_error.
PreviewRequest ParsePreviewArguments(const std::vector<std::string>& args, const std::string& fontDirectory,
                                     const std::string& resourceDirectory);

// The window with the skin of `m`, its text drawn by `platform` (which
// must be the installed paint platform); outside the window's region black.
Bitmap RenderWindowPreview(TsSkinManager& m, FreeTypePaintPlatform& platform, const PreviewRequest& request);

// Loads the skin, installs a FreeType platform and renders.
Bitmap RenderPreview(const PreviewRequest& request);

}  // namespace wakespan
