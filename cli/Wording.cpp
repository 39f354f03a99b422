#include "Wording.h"

#include "MessageLanguage.h"

namespace zelvano::cli {

std::string_view say(std::string_view english, std::string_view russian) {
    static const bool russian_ = convert::russianMessages();
    return russian_ ? russian : english;
}

} // namespace zelvano::cli
