// Building generated files as bytes and writing them in one go.
#pragma once

#include <cstdint>
#include <vector>

namespace artwork {

void PutLe16(std::vector<std::uint8_t>& out, std::uint32_t v);
void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t v);
void PutBe16(std::vector<std::uint8_t>& out, std::uint32_t v);
void PutBe32(std::vector<std::uint8_t>& out, std::uint32_t v);

// Answers 1 when the whole file was written and closed, else 0.
int WriteFileBytes(const char* path, const std::vector<std::uint8_t>& bytes);

}  // namespace artwork
