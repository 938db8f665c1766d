#pragma once

#include "toolkit/Canvas.h"

// The preview: shows the selected photo fitted into the canvas.
class scaleCanvas : public tk::Canvas {};
