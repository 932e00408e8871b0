#pragma once
// Helpers that build real archives with the rar program in a temporary
// folder, and damage or rename their RAR5 blocks afterwards.
#include "tests/support/TempDir.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace extract::test {

using testsupport::ReadFile;
using testsupport::RunRar;
using testsupport::TempDir;
using testsupport::WriteFile;

std::string RandomBytes(std::size_t count, unsigned seed);

// Every file, folder and symbolic link below root, by path relative to root:
// a file maps to its bytes, a folder to "<dir>", a link to "-> target".
std::map<std::string, std::string> ReadTree(const std::string &root);

// One block of a RAR5 archive: the header runs from Start (its CRC32) to
// HeaderEnd, its data area from HeaderEnd to DataEnd.
struct Rar5Block {
    std::size_t Start;
    std::size_t HeaderEnd;
    std::size_t DataEnd;
    std::uint64_t Type; // 1 main, 2 file, 3 service, 5 end of archive
};
constexpr std::uint64_t Rar5FileBlock = 2;

std::vector<Rar5Block> Rar5Blocks(const std::string &archive);

// Replaces text in every block header holding it by text of the same length,
// and fixes those headers' CRC32, so the library takes the new text as stored.
// Returns the number of headers changed.
int ReplaceInHeaders(std::string &archive, const std::string &from, const std::string &to);

} // namespace extract::test
