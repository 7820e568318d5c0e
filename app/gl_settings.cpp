#include "gl_settings.h"

#include <wx/config.h>

namespace {

const char* const kTextureSizeKey = "/Settings/TextureSize";
const char* const kMipmappingKey = "/Settings/Mipmapping";

}  // namespace

GLSettings LoadGLSettings() {
  GLSettings settings;
  wxConfigBase* config = wxConfigBase::Get();
  long size = settings.textureSize;
  config->Read(kTextureSizeKey, &size, settings.textureSize);
  // Any value but Large, Medium and Small selects the tiny set, as the
  // texture loader does; keep it to the four the dialog can show.
  settings.textureSize = size >= 0 && size <= 2 ? static_cast<int>(size) : 3;
  config->Read(kMipmappingKey, &settings.mipmapping, settings.mipmapping);
  return settings;
}

void SaveGLSettings(const GLSettings& settings) {
  wxConfigBase* config = wxConfigBase::Get();
  config->Write(kTextureSizeKey, static_cast<long>(settings.textureSize));
  config->Write(kMipmappingKey, settings.mipmapping);
  config->Flush();
}
