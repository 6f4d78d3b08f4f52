// A document type the program declares. Nothing registers it with the
// system and nothing opens or saves a document of it.
#pragma once

#include <string>
#include <vector>

namespace shell {

struct FileType {
    std::string name;
    std::string macType;
    std::string macCreator;
    std::vector<std::string> extensions;
};

} // namespace shell
