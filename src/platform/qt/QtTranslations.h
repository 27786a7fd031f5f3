// Qt's own texts in the program's language: the buttons of message boxes (はい/いいえ) and the
// labels of Qt's file, page set-up and colour dialogs (場所, 保存). Debian ships Qt's Japanese
// catalogues in its translations folder (package qt6-translations-l10n); both programs install
// them once, right after their application object is made.
#pragma once

namespace tembra {

// Installs Qt's Japanese catalogue into the running application; false when it is not there (Qt's
// own texts then stay English, nothing else changes).
bool InstallQtTranslations();

} // namespace tembra
