#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace torvexa {

// Reads a whole file; failures throw FileError with the mapped Windows code.
std::string readWholeFile(const std::filesystem::path& path);

// A regular file's bytes mapped into memory for reading, without a copy; as readWholeFile
// for failures.
class MappedFile {
  public:
    explicit MappedFile(const std::filesystem::path& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    std::string_view bytes() const noexcept { return {data_, size_}; }

  private:
    const char* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace torvexa
