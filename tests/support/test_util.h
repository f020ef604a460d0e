#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace nubo::test {

// Polls a condition until it holds; false when the time ran out.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 20000);
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
// Bytes that differ everywhere, so an offset error shows in a comparison.
std::string patternBytes(size_t size);

}  // namespace nubo::test
