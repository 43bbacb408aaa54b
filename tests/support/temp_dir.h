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
    std::u16string File(std::u16string_view name) const;  // a path in the folder

  private:
    std::u16string path_;
};

// Whole files, failing the test loudly; writing creates the missing folders.
std::string ReadBytes(const std::u16string& path);
void WriteBytes(const std::u16string& path, std::string_view bytes);

}  // namespace velnix::test
