#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace forgeline {

// One entry of a file dialog's list of file types: the text shown and the patterns of the
// files it lists, written for a matcher of "*", "?" and "[...]" that tells letter cases apart.
struct DialogFileType {
    std::string shown;
    std::vector<std::string> patterns;

    bool operator==(const DialogFileType&) const = default;
};

// A filter of pairs separated by "|", the text shown and then its patterns separated by ";"
// ("Scenario Files (*.sce)|*.sce|All File Types (*.*)|*.*"). The patterns list what they list
// on Windows: letter case ignored, and "name.*" also lists "name" without a dot, so "*.*"
// lists every file.
std::vector<DialogFileType> DialogFileTypes(std::string_view filter);

// The folder part of a path chosen in a file dialog: everything before its last separator, the
// root for a file in the root, "." for a bare name.
std::string FolderOfChosenPath(std::string_view path);

// A dialog takes a path only in a folder that exists; a file there need not.
bool DialogAcceptsPath(std::string_view path);

} // namespace forgeline
