#pragma once
// A list of equally sized pictures cut from one 32-bit strip with alpha.
#include <windows.h>

#include <vector>

#include "platform/gui/Component.h"
#include "platform/gui/Handles.h"

namespace gui {

class ImageList : public Component {
 public:
  // Cuts the named bitmap resource into square pictures of its height.
  ImageList(Form* owner, std::wstring name, const wchar_t* stripResource);
  const wchar_t* ClassName() const override { return L"TImageList"; }
  int Count() const { return static_cast<int>(pictures_.size()); }
  // A premultiplied 32-bit picture, owned by the list; null when out of range.
  HBITMAP Picture(int index) const;

 private:
  std::vector<OwnedBitmap> pictures_;
};

// Makes a premultiplied 32-bit copy of part of a bitmap. A 24-bit source has
// its magenta pixels made transparent.
HBITMAP CopyAsAlphaBitmap(HBITMAP source, int left, int top, int width, int height);

}  // namespace gui
