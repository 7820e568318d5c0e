#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include <wx/image.h>

// The five interface archives, in the order they are loaded.
enum class InterfaceArchive { Tiny, Build, Res, History, Control };

// The decoded pictures of the interface archives (piece icons, palette
// pictures, resources, history icons, turn-panel buttons), kept for the life
// of a game view. Bitmaps are made on demand.
class CInterfaceImages {
 public:
  using MessageSink = std::function<void(const std::string&)>;

  // Loads tiny, build, res, history and control from the data directory.
  // Each failure is reported; a missing archive stops the loading, so the
  // archives after it have no pictures.
  void Load(const std::string& dataDirectory, const MessageSink& report);

  // The picture of a slot; an invalid bitmap when the archive or the entry
  // could not be read.
  wxBitmap Bitmap(InterfaceArchive archive, int slot) const;

 private:
  std::array<std::vector<wxImage>, 5> images_;
};
