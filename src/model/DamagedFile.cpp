#include "model/DamagedFile.h"

#include "platform/Archive.h"
#include "platform/Ui.h"

namespace tembra {

void FailDamagedFile() {
    AfxMessageBox(IDS_FILE_DAMAGED, MB_OK);
    AfxThrowUserException();
}

} // namespace tembra
