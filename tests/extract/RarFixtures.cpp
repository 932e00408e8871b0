#include "RarFixtures.h"

#include <array>
#include <filesystem>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace extract::test {

std::string RandomBytes(std::size_t count, unsigned seed) {
    std::mt19937 generator(seed);
    std::string bytes(count, '\0');
    for (char &byte : bytes)
        byte = static_cast<char>(generator());
    return bytes;
}

std::map<std::string, std::string> ReadTree(const std::string &root) {
    std::map<std::string, std::string> tree;
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(root)) {
        const std::string relative = fs::relative(entry.path(), root).string();
        if (entry.is_symlink())
            tree[relative] = "-> " + fs::read_symlink(entry.path()).string();
        else if (entry.is_directory())
            tree[relative] = "<dir>";
        else
            tree[relative] = ReadFile(entry.path().string());
    }
    return tree;
}

namespace {

// RAR5 variable-length integer: 7 bits per byte, lowest first, high bit = more.
std::uint64_t ReadVint(const std::string &bytes, std::size_t &at) {
    std::uint64_t value = 0;
    for (int shift = 0; at < bytes.size() && shift < 64; shift += 7) {
        const auto byte = static_cast<unsigned char>(bytes[at++]);
        value |= std::uint64_t{byte & 0x7fu} << shift;
        if (!(byte & 0x80))
            return value;
    }
    throw std::runtime_error("truncated RAR5 number");
}

std::uint32_t Crc32(const char *data, std::size_t size) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ static_cast<unsigned char>(data[i])) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

constexpr std::size_t SignatureSize = 8;

} // namespace

std::vector<Rar5Block> Rar5Blocks(const std::string &archive) {
    std::vector<Rar5Block> blocks;
    std::size_t at = SignatureSize;
    while (at + 4 < archive.size()) {
        Rar5Block block{};
        block.Start = at;
        std::size_t field = at + 4;
        const std::uint64_t headerSize = ReadVint(archive, field);
        block.HeaderEnd = field + headerSize;
        block.Type = ReadVint(archive, field);
        const std::uint64_t flags = ReadVint(archive, field);
        if (flags & 0x1) // extra area present
            ReadVint(archive, field);
        const std::uint64_t dataSize = (flags & 0x2) ? ReadVint(archive, field) : 0;
        block.DataEnd = block.HeaderEnd + dataSize;
        blocks.push_back(block);
        at = block.DataEnd;
    }
    return blocks;
}

int ReplaceInHeaders(std::string &archive, const std::string &from, const std::string &to) {
    if (from.size() != to.size())
        throw std::invalid_argument("replacement must keep the length");
    int changed = 0;
    for (const Rar5Block &block : Rar5Blocks(archive)) {
        const std::size_t found = archive.find(from, block.Start + 4);
        if (found == std::string::npos || found + from.size() > block.HeaderEnd)
            continue;
        archive.replace(found, to.size(), to);
        const std::uint32_t crc =
            Crc32(archive.data() + block.Start + 4, block.HeaderEnd - block.Start - 4);
        for (int i = 0; i < 4; ++i)
            archive[block.Start + i] = static_cast<char>(crc >> (8 * i));
        ++changed;
    }
    return changed;
}

} // namespace extract::test
