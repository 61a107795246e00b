#pragma once
// Declarations of plug-in methods compared as text.

#include <string>
#include <string_view>

namespace runtime {

// The form under which a declaration is registered and looked up: ASCII
// letters lower-cased, leading and trailing white space dropped, white space
// next to "(", ")", "," and ":" dropped, every other run of white space made
// one blank. So "GetIconFromFile( f As FolderItem,iconID   as Integer ) As Picture"
// names the same method as "GetIconFromFile(f As FolderItem, iconID As Integer) As Picture".
// Other bytes, UTF-8 included, are kept as they are.
std::string NormaliseDeclaration(std::string_view declaration);

}  // namespace runtime
