// The decimal separator of a locale the C library cannot load, from Qt's own
// locale data.
#pragma once

#include <optional>
#include <string>

namespace entry {

// "en_GB.UTF-8" gives ".", "de_DE.UTF-8" gives ","; nullopt for a name Qt
// does not know either.
std::optional<char16_t> separateurSelonQt(const std::string& nom);

} // namespace entry
