#include "layout_editor/core/TextValues.h"

namespace marquell {

tembra::ParsePos ParseQuotedText(tembra::ParsePos text, std::string& out, std::size_t max) {
    return tembra::ParseLayoutQuoted(text, out, max, true);
}

} // namespace marquell
