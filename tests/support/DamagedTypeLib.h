// Damaged copies of a type-library file, each changed by a seeded pattern: bits flipped, the file
// cut short, or words set to extremes. The same seed gives the same copy, so a failure replays.
#pragma once

#include <string>
#include <vector>

namespace obrtest
{
std::vector<unsigned char> ReadBytes(const std::string& path);
std::vector<unsigned char> DamagedCopy(const std::vector<unsigned char>& sound, unsigned seed);
// Writes the bytes to the file, replacing it.
void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);
} // namespace obrtest
