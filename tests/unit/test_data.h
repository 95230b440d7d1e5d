// Reading the files under tests/data.
#pragma once
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The whole file, empty when it cannot be read.
inline std::vector<uint8_t> ReadTestData(const std::string& name)
{
    std::ifstream f(std::string(VERKO_TEST_DATA) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}
