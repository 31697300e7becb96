// libmspack over memory: a CHM archive held in a buffer, unpacked file by
// file into strings, so nothing touches the disk.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace chm {

// A file of the archive, by the name its directory gives it, and its bytes.
struct FichierExtrait {
    std::string nom;
    std::string octets;
};

// Every file of the archive, in the order of its directory. On failure, the
// reason in French, for the user; a damaged archive is refused, never half
// read.
std::variant<std::vector<FichierExtrait>, std::string> extraireArchive(std::string archive);

} // namespace chm
