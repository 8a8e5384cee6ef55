#include "artwork/ButtonFace.h"

#include "artwork/StandardColours.h"
#include "artwork/Text.h"

namespace artwork {

void DrawButtonFace(IndexedImage& image, const Rect& r, const char* label, int state, std::uint8_t face) {
  const Rect inner{r.x + 1, r.y + 1, r.w - 2, r.h - 2};
  FillRect(image, r, kBlack);
  switch (state) {
    case kButtonEnabled:
      FillRect(image, inner, face);
      Bevel(image, inner, kWhite, kGreyDark);
      DrawTextCentred(image, inner, label, {kWhite, kBlack, 1, 0});
      break;
    case kButtonPressed:
      FillRect(image, inner, kGreyDark);
      FillRect(image, {inner.x + 2, inner.y + 2, inner.w - 4, inner.h - 4}, face);
      Bevel(image, inner, kBlack, kGreyLight);
      DrawTextCentred(image, {inner.x + 1, inner.y + 1, inner.w, inner.h}, label, {kYellow, kBlack, 1, 0});
      break;
    default:
      FillRect(image, inner, kGrey);
      Bevel(image, inner, kGreyLight, kGreyDark);
      DrawTextCentred(image, inner, label, {kGreyDark, kGreyLight, 1, 0});
      break;
  }
}

}  // namespace artwork
