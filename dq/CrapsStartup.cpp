#include "dq/CrapsStartup.h"

#include "framework/shell/CasinoCfg.h"
#include "dq/CrapsConfigDialog.h"
#include "dq/CrapsFonts.h"
#include "dq/CrapsOptions.h"
#include "dq/CrapsTableLayout.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/resource.h"

namespace dq {

CDib gMovingPile;
CDib gTickerStrip;
int gTableTextColour = -1;
GlyphTable gSmallFontGlyphs = kSmallFont;

void LoadGameConfig() {
  ReadCasinoCfg(&gCasinoCfg, kCasinoCfgShared);
  LoadCrapsOptions(&gCrapsOptions, kCrapsCfgName);
}

int CreateWorkBitmaps() {
  if (!gMovingPile.Create(kMovingPileWidth, kMovingPileHeight)) return 0;
  return gTickerStrip.Create(kTickerStrip.width, kTickerStrip.height);
}

void FreeWorkBitmaps() {
  gMovingPile.Free();
  gTickerStrip.Free();
}

int RemapBitmaps() {
  const CPalette& palette = gScreen.Palette();
  if (!gPicture.RemapToPalette(palette.Handle()) || !gMovingPile.RemapToPalette(palette.Handle())) {
    return 0;
  }
  const plat::BYTE* text = gPicture.PixelAddress(kTextColourPixel.x, kTextColourPixel.y);
  const plat::BYTE* key = gPicture.PixelAddress(kTransparentPixel.x, kTransparentPixel.y);
  // Remapping may move colours the palette holds twice to their first entry.
  const plat::BYTE* smallKey = gPicture.PixelAddress(kSmallFontLayout.x, kSmallFontLayout.y);
  if (text == nullptr || key == nullptr || smallKey == nullptr) return 0;
  gTableTextColour = *text;
  gTransparentIndex = *key;
  gSmallFontGlyphs[1] = *smallKey;
  gScreen.Refresh(CScreen::kRefreshPicture);
  gScreen.Flush(gDeviceContext, gOffsetX, gOffsetY, CScreen::kFlushWhole);
  gMovingPile.Fill(0, 0, kMovingPileWidth, kMovingPileHeight, gTransparentIndex);
  gTickerStrip.Fill(0, 0, kTickerStrip.width, kTickerStrip.height, gTransparentIndex);
  return 1;
}

void RegisterCrapsResources() {
  plat::RegisterDialogResource(kOptionsDialogResource, &kCrapsConfigDialog);
}

}  // namespace dq
