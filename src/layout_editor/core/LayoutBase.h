// The layout editor builds on the main program's platform layer: its values, device context and
// objects are the editor's too. Its own classes live in namespace marquell.
#pragma once

#include "platform/DC.h"
#include "platform/Object.h"
#include "platform/Types.h"

namespace marquell {

using tembra::BOOL;
using tembra::CDC;
using tembra::CObject;
using tembra::COLORREF;
using tembra::CPoint;
using tembra::CRect;
using tembra::CSize;
using tembra::FALSE;
using tembra::LOGFONT;
using tembra::LONG;
using tembra::RGB;
using tembra::TRUE;
using tembra::UINT;

// The colour of selected elements (their texts, lines and frames).
constexpr COLORREF kSelectedColor = RGB(0, 255, 255);

} // namespace marquell
