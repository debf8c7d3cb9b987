#pragma once
// A stream buffer writing to a file descriptor (standard output) that keeps the first
// write error, so a program can say why its output did not arrive ("No space left on
// device") instead of ending as if it had. After an error every further write fails,
// which sets the stream's badbit for writers that check it on the way.

#include <streambuf>
#include <vector>

namespace zt6 {

class DescriptorOutput : public std::streambuf {
 public:
  explicit DescriptorOutput(int descriptor);
  ~DescriptorOutput() override;
  DescriptorOutput(const DescriptorOutput&) = delete;
  DescriptorOutput& operator=(const DescriptorOutput&) = delete;
  // The system's error number of the first failed write; 0 while none failed.
  int Error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;

 private:
  bool Drain();

  int descriptor_;
  int error_ = 0;
  std::vector<char> buffer_;
};

}  // namespace zt6
