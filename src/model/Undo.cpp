#include "model/Undo.h"

namespace tembra {

IMPLEMENT_DYNAMIC(CUndoInfo, CObject)

} // namespace tembra
