#include "fake_file_system.h"

#include "common/text.h"
#include "platform/runtime_error.h"

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
    if (slash == std::string::npos) return {};
    return slash == 2 ? k.substr(0, 3) : k.substr(0, slash);
}

void FakeFileSystem::addDirectory(const std::string& path) {
    std::string k = key(path);
    while (!k.empty() && !directories_.count(k)) {
        directories_[k] = k;
        if (k.size() <= 3) break;
        k = parentOf(k);
    }
}

void FakeFileSystem::addFile(const std::string& path, std::string content) {
    addDirectory(parentOf(path));
    File f;
    f.length = content.size();
    f.content = std::move(content);
    files_[key(path)] = {path, std::move(f)};
}

FakeFileSystem::File& FakeFileSystem::file(const std::string& path) { return files_.at(key(path)).second; }

bool FakeFileSystem::exists(const std::string& path) const { return files_.count(key(path)) != 0; }

bool FakeFileSystem::directoryExists(const std::string& path) const { return directories_.count(key(path)) != 0; }

std::vector<std::string> FakeFileSystem::filesIn(const std::string& directory) const {
    std::vector<std::string> names;
    const std::string dir = key(directory);
    for (const auto& [k, entry] : files_) {
        if (parentOf(k) != dir) continue;
        const std::string& shown = entry.first;
        names.push_back(shown.substr(shown.rfind('\\') + 1));
    }
    return names;
}

void FakeFileSystem::failIfAsked(const std::string& what, const std::string& path) {
    auto it = failures.find(what);
    if (it == failures.end() && !path.empty()) it = failures.find(what + " " + parentOf(path));
    if (it != failures.end()) throw RuntimeError(it->second, "simulated failure");
}

void FakeFileSystem::requireParent(const std::string& path) const {
    if (!directoryExists(parentOf(path))) throw RuntimeError(err::PathNotFound);
}

std::string FakeFileSystem::readTextFile(std::string_view path) {
    const std::string p(path);
    requireParent(p);
    const auto it = files_.find(key(p));
    if (it == files_.end()) throw RuntimeError(err::FileNotFound);
    log.push_back("read " + p);
    return it->second.second.content;
}

void FakeFileSystem::replaceTextFile(std::string_view path, std::string_view utf8) {
    const std::string p(path);
    failIfAsked("write", p);
    requireParent(p);
    log.push_back("write " + p);
    File& f = files_[key(p)].second;
    files_[key(p)].first = p;
    f.content = std::string(utf8);
    f.length = f.content.size();
}

void FakeFileSystem::createEmptyFile(std::string_view path) {
    const std::string p(path);
    failIfAsked("create", p);
    requireParent(p);
    if (directoryExists(p)) throw RuntimeError(err::PathFileAccessError);
    log.push_back("create " + p);
    auto& entry = files_[key(p)];
    if (entry.first.empty()) entry.first = p;
    if (entry.second.readOnly) throw RuntimeError(err::PathFileAccessError);
    entry.second.content.clear();
    entry.second.length = 0;
}

void FakeFileSystem::deleteFile(std::string_view path) {
    const std::string p(path);
    failIfAsked("delete");
    requireParent(p);
    const auto it = files_.find(key(p));
    if (it == files_.end()) throw RuntimeError(err::FileNotFound);
    if (it->second.second.readOnly || it->second.second.locked) throw RuntimeError(err::PathFileAccessError);
    log.push_back("delete " + p);
    files_.erase(it);
}

bool FakeFileSystem::fileExists(std::string_view path) { return exists(std::string(path)); }

std::uint64_t FakeFileSystem::fileLength(std::string_view path) {
    const std::string p(path);
    if (beforeLength) beforeLength(p);
    failIfAsked("length");
    requireParent(p);
    const auto it = files_.find(key(p));
    if (it == files_.end()) throw RuntimeError(err::FileNotFound);
    return it->second.second.length;
}

std::vector<std::string> FakeFileSystem::listFiles(std::string_view directory) {
    failIfAsked("list");
    const std::string d(directory);
    if (!directoryExists(d)) throw RuntimeError(err::PathNotFound);
    std::vector<std::string> names;
    for (const std::string& n : filesIn(d))
        if (!files_.at(key(key(d) + (key(d).back() == '\\' ? "" : "\\") + n)).second.hidden) names.push_back(n);
    // Against the sorted order, so that the order a test sees comes from the file list.
    std::reverse(names.begin(), names.end());
    return names;
}

std::vector<std::string> FakeFileSystem::listDirectories(std::string_view directory) {
    const std::string d(directory);
    if (!directoryExists(d)) throw RuntimeError(err::PathNotFound);
    std::vector<std::string> names;
    const std::string dk = key(d);
    for (const auto& [k, shown] : directories_) {
        if (k.size() > 3 && parentOf(k) == dk) names.push_back(shown.substr(shown.rfind('\\') + 1));
    }
    return names;
}

}  // namespace tw::test
