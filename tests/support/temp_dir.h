// A fresh temporary folder for one test, removed with everything in it afterwards.
#pragma once

#include <string>
#include <string_view>

namespace velnix::test {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::u16string& path() const { return path_; }
    // The path of a file in the folder.
    std::u16string File(std::u16string_view name) const;

  private:
    std::u16string path_;
};

// Whole-file helpers that fail the test loudly instead of returning errors.
std::string ReadBytes(const std::u16string& path);
void WriteBytes(const std::u16string& path, std::string_view bytes);

}  // namespace velnix::test
