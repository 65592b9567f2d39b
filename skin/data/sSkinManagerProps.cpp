#include "skin/data/sSkinManagerProps.h"

namespace wakespan {

TsStoredManagerProperties MainformSkinManagerProperties(ByteBuffer packedSkin) {
  TsStoredManagerProperties p;
  // Windows appear, disappear and change skin without animation.
  for (TacAnimGroup* g : {&p.AnimEffects.DialogShow, &p.AnimEffects.FormShow, &p.AnimEffects.FormHide,
                          &p.AnimEffects.DialogHide, &p.AnimEffects.PageChange, &p.AnimEffects.SkinChanging})
    g->Active = false;
  p.InternalSkins.push_back(TsStoredSkin{"WMP11 (internal)", std::move(packedSkin)});
  p.MenuSupport.IcoLineSkin = "ICOLINE";
  p.SkinDirectory = "c:\\Skins";
  p.SkinName = "WMP11 (internal)";
  p.SkinInfo = "6.4";
  p.ThirdParty.FillEmptyWithDefaults();
  return p;
}

}  // namespace wakespan
