#include "fake_file_system.h"

#include "common/runtime_error.h"
#include "common/text.h"

#include <algorithm>

namespace tw::test {

std::string FakeFileSystem::key(std::string_view path) {
    std::string k = upperCase(path);
    while (k.size() > 3 && k.back() == '\\') k.pop_back();
    if (k.size() == 2 && k[1] == ':') k += '\\';
    return k;
}

std::string FakeFileSystem::parentOf(const std::string& path) {
    const std::string k = key(path);
    const auto slash = k.rfind('\\');
    if (slash == std::string::npos || k.size() <= 3) return {};
    return slash == 2 ? k.substr(0, 3) : k.substr(0, slash);
}

void FakeFileSystem::addDirectory(const std::string& path) {
    std::string given = path;
    while (given.size() > 3 && given.back() == '\\') given.pop_back();
    for (std::string k = key(path); !k.empty(); k = parentOf(k), given = given.substr(0, given.rfind('\\')))
        directories_.try_emplace(k, given.substr(given.rfind('\\') + 1));
}

FakeFileSystem::File& FakeFileSystem::addFile(const std::string& path, std::string content) {
    addDirectory(parentOf(path));
    File& f = files_[key(path)];
    f = {path.substr(path.rfind('\\') + 1), std::move(content)};
    f.length = f.content.size();
    return f;
}

std::set<std::string> FakeFileSystem::namesIn(const std::string& directory) const {
    std::set<std::string> names;
    for (const auto& [k, f] : files_)
        if (parentOf(k) == key(directory)) names.insert(f.name);
    return names;
}

void FakeFileSystem::reach(std::string_view operation, const std::string& path) {
    if (before) before(operation, path);
    if (!directories_.count(parentOf(path))) throw RuntimeError(err::PathNotFound);
}

FakeFileSystem::File& FakeFileSystem::existing(std::string_view operation, std::string_view path) {
    reach(operation, std::string(path));
    const auto it = files_.find(key(path));
    if (it == files_.end()) throw RuntimeError(err::FileNotFound);
    return it->second;
}

void FakeFileSystem::replaceTextFile(std::string_view path, std::string_view utf8) {
    reach("write", std::string(path));
    log.push_back("write " + std::string(path));
    addFile(std::string(path), std::string(utf8));
}

void FakeFileSystem::createEmptyFile(std::string_view path) {
    const std::string p(path);
    reach("create", p);
    if (directories_.count(key(p)) || (exists(p) && file(p).readOnly)) throw RuntimeError(err::PathFileAccessError);
    addFile(p, "");
}

bool FakeFileSystem::createNewFile(std::string_view path) {
    const std::string p(path);
    reach("create", p);
    if (exists(p) || directories_.count(key(p))) return false;
    addFile(p, "");
    return true;
}

void FakeFileSystem::deleteFile(std::string_view path) {
    const File& f = existing("delete", path);
    if (f.readOnly || f.locked) throw RuntimeError(err::PathFileAccessError);
    log.push_back("delete " + std::string(path));
    files_.erase(key(path));
}

std::vector<ListedFile> FakeFileSystem::listFiles(std::string_view directory) {
    const std::string d(directory);
    if (before) before("list", d);
    if (!directories_.count(key(d))) throw RuntimeError(err::PathNotFound);
    std::vector<ListedFile> listed;
    for (const auto& [k, f] : files_)
        if (parentOf(k) == key(d) && !f.hidden) listed.push_back({f.name, f.length});
    // Against the sorted order, so that the order a test sees comes from the file list.
    std::reverse(listed.begin(), listed.end());
    return listed;
}

std::vector<std::string> FakeFileSystem::listDirectories(std::string_view directory) {
    if (!directories_.count(key(directory))) throw RuntimeError(err::PathNotFound);
    std::vector<std::string> names;
    for (const auto& [k, name] : directories_)
        if (parentOf(k) == key(directory)) names.push_back(name);
    // Against the sorted order, so that the order a test sees comes from the directory list.
    std::reverse(names.begin(), names.end());
    return names;
}

}  // namespace tw::test
