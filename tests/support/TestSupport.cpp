#include "TestSupport.h"

#include <atomic>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace lumivex::test {

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  m_root = std::filesystem::temp_directory_path() /
           ("lumivex-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(m_root);
  std::filesystem::create_directories(m_root);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(m_root, ignored);
}

std::string TempDir::Path(std::string_view name) const {
  return (m_root / name).string();
}

std::string TempDir::Write(std::string_view name, std::string_view contents) const {
  const std::string path = Path(name);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary);
  out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
  return path;
}

std::string TempDir::Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

} // namespace lumivex::test
