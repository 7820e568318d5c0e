#include "interface_images.h"

#include <wx/bitmap.h>

#include "render/image_decode.h"
#include "records/installation.h"
#include "render/texture_archive_files.h"

namespace {

wxImage ToWxImage(const RgbaImage& picture) {
  if (picture.width <= 0 || picture.height <= 0) return wxImage();
  wxImage image(picture.width, picture.height, false);
  image.InitAlpha();
  unsigned char* rgb = image.GetData();
  unsigned char* alpha = image.GetAlpha();
  const size_t pixels = size_t(picture.width) * size_t(picture.height);
  for (size_t i = 0; i < pixels; ++i) {
    rgb[i * 3 + 0] = picture.rgba[i * 4 + 0];
    rgb[i * 3 + 1] = picture.rgba[i * 4 + 1];
    rgb[i * 3 + 2] = picture.rgba[i * 4 + 2];
    alpha[i] = picture.rgba[i * 4 + 3];
  }
  // Interface pictures are opaque; the colour key decides transparency.
  image.ClearAlpha();
  return image;
}

}  // namespace

void CInterfaceImages::Load(const std::string& dataDirectory, const MessageSink& report) {
  for (size_t a = 0; a < std::size(kInterfaceArchives); ++a) {
    const TextureArchiveFile& file = kInterfaceArchives[a];
    const std::string path = LocateArchive(dataDirectory, file.fileName);
    DecodedArchive decoded = LoadDecodedArchive(path, file.count, file.kind);
    bool missing = false;
    for (const std::string& message : decoded.messages) {
      if (report) report(message);
      if (message == CouldNotOpenArchiveMessage(path)) missing = true;
    }
    if (missing) return;
    images_[a].clear();
    for (const RgbaImage& picture : decoded.images) images_[a].push_back(ToWxImage(picture));
  }
}

wxBitmap CInterfaceImages::Bitmap(InterfaceArchive archive, int slot) const {
  const std::vector<wxImage>& images = images_[static_cast<size_t>(archive)];
  if (slot < 0 || static_cast<size_t>(slot) >= images.size() || !images[slot].IsOk()) return wxNullBitmap;
  return wxBitmap(images[slot]);
}
