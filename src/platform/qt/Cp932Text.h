// Text between the dialogs' fields (Qt strings) and the program's CP932 strings. Every dialog of
// both programs converts with these two, so a field shows and returns what the data holds.
#pragma once

#include <QString>

#include <string>

namespace tembra {

QString FromCp932(const std::string& text);
std::string ToCp932(const QString& text);

} // namespace tembra
