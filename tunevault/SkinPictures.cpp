#include "tunevault/SkinPictures.h"

#include "base/DebugOutput.h"
#include "frame/Exception.h"
#include "frame/Module.h"
#include "kiln/Graphics/PngReader.h"
#include "kiln/Graphics/ShadowImage.h"

namespace tunevault {
namespace {

template <class Load>
bool Attempt(const std::string& name, Load load) {
    try {
        load();
        return true;
    } catch (const frame::Exception& error) {
        base::DebugReport("Tunevault: picture %s not loaded: %s", name.c_str(), error.what());
        return false;
    }
}

}  // namespace

bool LoadSkinPicture(const std::string& name, frame::Bitmap& bitmap) {
    return Attempt(name, [&] { kiln::LoadPng(kiln::GetResourceFolder() + name, bitmap); });
}

bool LoadShadowPicture(const std::string& name, frame::Bitmap& bitmap) {
    return Attempt(name, [&] { kiln::BlackenShadowImage(bitmap, name); });
}

void LoadBuiltInPicture(const char* resourceName, frame::Bitmap& bitmap) {
    bitmap.LoadFromResourceName(frame::ThisModule(), resourceName);
}

}  // namespace tunevault
