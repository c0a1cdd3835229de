#include "toolkit/toolkit.h"

#include "toolkit/backend.h"

namespace tk {

void Init() {
    backend::Init();
}

void Shutdown() {
    detail::CloseAllWindows();
    detail::FreeAllImages();
    detail::FreeAllFonts();
    detail::ResetEvents();
    backend::Shutdown();
}

}  // namespace tk
