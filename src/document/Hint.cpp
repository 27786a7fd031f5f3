#include "document/Hint.h"

namespace tembra {

IMPLEMENT_DYNAMIC(CHint, CObject)

} // namespace tembra
