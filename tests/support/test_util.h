#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace nubo::test {

// Polls a condition until it holds; false when the time ran out.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 20000);
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

}  // namespace nubo::test
