#include "cash/DialogArtFiles.h"

namespace {

struct CardLogo {
  int resourceId;
  const char* file;
};
constexpr CardLogo kCardLogos[] = {
    {145, "res\\Visa.bmp"},
    {146, "res\\MasterCard.bmp"},
    {147, "res\\AmericanExpress.bmp"},
    {149, "res\\Jcb.bmp"},
};

}  // namespace

const char* CardLogoFile(int resourceId) {
  for (const CardLogo& logo : kCardLogos) {
    if (logo.resourceId == resourceId) return logo.file;
  }
  return nullptr;
}
