// Temporary folders of the Windows-side and end-to-end tests, removed with the
// care the program itself takes: in the verbatim form (\\?\), so that names
// Windows reserves ("con.jpg", "page.htm.") go too, read-only files included,
// and in one pass that gives up on what it cannot remove, so that nothing an
// earlier failed run left can hang a run.
#pragma once

#include <string>

namespace tw::test {

// Removes a folder and all it holds; false if something is still there.
bool removeTree(const std::wstring& folder);

// A new, empty folder "<prefix><process>-<serial>" in the temporary folder.
// The test command clears the whole prefix before a run.
std::wstring makeTempFolder(const std::wstring& prefix);

}  // namespace tw::test
