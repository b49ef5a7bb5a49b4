#include "tests/support/DamagedTypeLib.h"

#include <fstream>
#include <iterator>

namespace obrtest
{
std::vector<unsigned char> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<unsigned char> DamagedCopy(const std::vector<unsigned char>& sound, unsigned seed)
{
    std::vector<unsigned char> data = sound;
    auto next = [&seed]() { return (seed = seed * 1103515245u + 12345u) >> 8; };
    switch (next() % 3)
    {
    case 0:
        for (unsigned k = 0, flips = 1 + next() % 16; k < flips; ++k)
            data[next() % data.size()] ^= static_cast<unsigned char>(1u << (next() % 8));
        break;
    case 1:
        data.resize(next() % data.size());
        break;
    default:
        for (unsigned k = 0, words = 1 + next() % 4; k < words; ++k)
        {
            const size_t at = (next() % (data.size() / 4)) * 4;
            const unsigned char extreme = next() % 2 ? 0xFF : 0x00;
            data[at] = data[at + 1] = data[at + 2] = extreme;
            data[at + 3] = extreme == 0xFF ? 0x7F : 0x80;
        }
    }
    return data;
}
} // namespace obrtest
