#pragma once
#include "win/Window.h"

namespace win {

class CStatic : public CWindow {};

}  // namespace win
