// Writes the texts a plan text dialog composed into the pair of frames it was opened on, as one
// undoable step: each frame is recorded against a copy of its old state, an in-place edit of the
// frame shows the new text, the text is laid out anew and the views redraw the frame. The
// document is marked modified. Only the two frames of the pair change, whatever else is selected.
#pragma once

#include <string>

namespace tembra {

class CTembraDoc;
class CZukeiString;

void ApplyPlanTexts(CTembraDoc& doc, CZukeiString& first, const std::string& firstText,
                    CZukeiString& second, const std::string& secondText);

} // namespace tembra
