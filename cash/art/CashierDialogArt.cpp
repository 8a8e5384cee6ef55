#include "cash/art/CashierDialogArt.h"

#include <cstdio>
#include <filesystem>

#include "artwork/FileBytes.h"
#include "artwork/Generator.h"
#include "artwork/Shapes.h"
#include "artwork/StandardColours.h"
#include "artwork/Text.h"
#include "cash/CardTypes.h"
#include "cash/DialogArtFiles.h"
#include "cash/TransactionLayout.h"

namespace cash::art {
namespace {

using artwork::IndexedImage;
using artwork::Rect;
using artwork::TextStyle;

constexpr TextStyle kWhiteText{artwork::kWhite, artwork::kBlack, 1, 0};
constexpr TextStyle kTitleText{artwork::kWhite, artwork::kBlack, 2, 0};

int Written(int ok, const std::string& path) {
  if (!ok) std::fprintf(stderr, "artwork: cannot write %s\n", path.c_str());
  return ok;
}

int MakeParent(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  return !error;
}

// The dialogs' background: a light grey face for the pages and a dark
// column holding the title, the name, the balance and the information panel.
void DrawBackground(IndexedImage& image) {
  image.Resize(kDialogWidth, kDialogHeight, artwork::kGreyLight);
  artwork::SetStandardPalette(image);
  const Rect column{10, 10, kInfoPanel.right + 8 - 10, kInfoPanel.bottom + 4 - 10};
  artwork::FillRect(image, column, artwork::kDarkBlue);
  artwork::Bevel(image, column, artwork::kBlue, artwork::kBlack);
  artwork::DrawText(image, 22, 20, "CASHIER", kTitleText);
  artwork::DrawText(image, 22, 44, "Kestrup", kWhiteText);
  artwork::DrawText(image, 22, kNameAt.y + 2, "Name:", kWhiteText);
  artwork::DrawText(image, 22, kBalanceAt.y + 2, "Balance:", kWhiteText);
  const Rect panel{kInfoPanel.left - 4, kInfoPanel.top - 4, kInfoPanel.right - kInfoPanel.left + 8,
                   kInfoPanel.bottom - kInfoPanel.top + 6};
  artwork::FrameRect(image, panel, artwork::kGrey, 1);
}

struct LogoLook {
  std::uint8_t face;
  void (*decorate)(IndexedImage& image);
};

void DecorateVisa(IndexedImage& image) {
  artwork::FillRect(image, Rect{2, 1, 24, 2}, artwork::kDarkBlue);
  artwork::FillRect(image, Rect{2, 14, 24, 2}, artwork::kGold);
  artwork::DrawTextCentred(image, Rect{0, 3, 28, 11}, "VISA", TextStyle{artwork::kDarkBlue, 0, 1, 0});
}

void DecorateMasterCard(IndexedImage& image) {
  artwork::FillEllipse(image, Rect{4, 2, 13, 13}, artwork::kRed);
  artwork::FillEllipse(image, Rect{11, 2, 13, 13}, artwork::kOrange);
}

void DecorateAmex(IndexedImage& image) {
  artwork::DrawTextCentred(image, Rect{0, 0, 28, 17}, "AMEX", kWhiteText);
}

void DecorateJcb(IndexedImage& image) {
  artwork::FillRoundRect(image, Rect{3, 2, 7, 13}, 2, artwork::kDarkBlue);
  artwork::FillRoundRect(image, Rect{11, 2, 7, 13}, 2, artwork::kRed);
  artwork::FillRoundRect(image, Rect{19, 2, 7, 13}, 2, artwork::kFeltLight);
}

// In the order of the card-type table.
constexpr LogoLook kLogoLooks[kCardTypeCount] = {
    {artwork::kWhite, DecorateVisa},
    {artwork::kGreyDark, DecorateMasterCard},
    {artwork::kBlue, DecorateAmex},
    {artwork::kWhite, DecorateJcb},
};

// A card with rounded corners; the corners keep the mask colour.
void DrawLogo(IndexedImage& image, const LogoLook& look) {
  image.Resize(kCardLogoWidth, kCardLogoHeight, artwork::kKey);
  artwork::SetStandardPalette(image);
  const Rect card{0, 0, kCardLogoWidth, kCardLogoHeight};
  artwork::FillRoundRect(image, card, 3, look.face);
  look.decorate(image);
  artwork::FrameRoundRect(image, card, 3, artwork::kGrey);
}

}  // namespace

int WriteCashierDialogArt(const std::string& stage, const char* program) {
  IndexedImage image;
  DrawBackground(image);
  const std::string background = artwork::StagePath(stage, program, kBackgroundPictureFile);
  if (!Written(MakeParent(background) && artwork::WritePictureFile(background.c_str(), image), background)) {
    return 0;
  }
  for (int row = 0; row < kCardTypeCount; ++row) {
    DrawLogo(image, kLogoLooks[row]);
    const std::string logo = artwork::StagePath(stage, program, CardLogoFile(gCardTypes[row].logoBitmap));
    if (!Written(MakeParent(logo) && artwork::WriteFileBytes(logo.c_str(), artwork::EncodeBitmap(image)), logo)) {
      return 0;
    }
  }
  return 1;
}

}  // namespace cash::art
