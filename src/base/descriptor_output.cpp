#include "base/descriptor_output.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace zt6 {

namespace {
constexpr std::size_t kBufferBytes = 64 * 1024;
}

DescriptorOutput::DescriptorOutput(int descriptor) : descriptor_(descriptor), buffer_(kBufferBytes) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorOutput::~DescriptorOutput() { Drain(); }

bool DescriptorOutput::Drain() {
  const char* at = pbase();
  while (error_ == 0 && at < pptr()) {
    const ssize_t written = ::write(descriptor_, at, static_cast<std::size_t>(pptr() - at));
    if (written < 0) {
      if (errno == EINTR) continue;
      error_ = errno;
    } else {
      at += written;
    }
  }
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return error_ == 0;
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int DescriptorOutput::sync() { return Drain() ? 0 : -1; }

std::streamsize DescriptorOutput::xsputn(const char* s, std::streamsize n) {
  if (error_ != 0) return 0;
  std::streamsize done = 0;
  while (done < n) {
    if (pptr() == epptr() && !Drain()) return done;
    const std::streamsize room = epptr() - pptr();
    const std::streamsize take = std::min(room, n - done);
    traits_type::copy(pptr(), s + done, static_cast<std::size_t>(take));
    pbump(static_cast<int>(take));
    done += take;
  }
  return done;
}

}  // namespace zt6
