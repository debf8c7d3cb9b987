#include "base/interrupt_cleanup.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace zt6 {

namespace {

constexpr int kSlots = 64;
constexpr std::size_t kPathBytes = 1024;
constexpr int kDeepest = 8;  // folder levels removed below a private folder

enum SlotState : int { kFree, kBusy, kNamed };

struct Slot {
  std::atomic<int> state{kFree};
  bool folder = false;
  std::array<char, kPathBytes> path{};
};

std::array<Slot, kSlots> slots;

// The entries of an open folder, removed the way of the signal handler: system calls
// only, a buffer on the stack per level.
void RemoveEntries(int folder, int depth) {
  alignas(8) char buffer[4096];
  // Removing while reading may hide entries from the same pass: read again until a
  // pass removes nothing.
  for (int pass = 0; pass < 16; ++pass) {
    bool removed = false;
    ::lseek(folder, 0, SEEK_SET);
    for (;;) {
      const long got = ::syscall(SYS_getdents64, folder, buffer, sizeof buffer);
      if (got <= 0) break;
      for (long at = 0; at < got;) {
        // struct linux_dirent64: inode (8), offset (8), record length (2), type (1), name.
        unsigned short length = 0;
        std::memcpy(&length, buffer + at + 16, sizeof length);
        const char* name = buffer + at + 19;
        at += length;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
        if (::unlinkat(folder, name, 0) == 0) {
          removed = true;
          continue;
        }
        if (depth >= kDeepest) continue;
        const int inner = ::openat(folder, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (inner < 0) continue;
        RemoveEntries(inner, depth + 1);
        ::close(inner);
        if (::unlinkat(folder, name, AT_REMOVEDIR) == 0) removed = true;
      }
    }
    if (!removed) return;
  }
}

void RemoveFolder(const char* path) {
  const int folder = ::open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (folder < 0) return;
  RemoveEntries(folder, 0);
  ::close(folder);
  ::rmdir(path);
}

extern "C" void OnInterrupt(int signal) {
  for (Slot& slot : slots) {
    if (slot.state.load(std::memory_order_acquire) != kNamed) continue;
    if (slot.folder) {
      RemoveFolder(slot.path.data());
    } else {
      ::unlink(slot.path.data());
    }
  }
  // Ends the process by the signal itself, once this handler returns.
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

}  // namespace

void RemoveLeftoversOnInterrupt() {
  for (const int signal : {SIGINT, SIGTERM}) {
    struct sigaction old {};
    if (::sigaction(signal, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaddset(&action.sa_mask, SIGINT);
    sigaddset(&action.sa_mask, SIGTERM);
    ::sigaction(signal, &action, nullptr);
  }
}

LeftoverOnInterrupt::LeftoverOnInterrupt(const std::filesystem::path& path, Kind kind) {
  const std::string& text = path.native();
  if (text.empty() || text.size() >= kPathBytes) return;
  for (int i = 0; i < kSlots; ++i) {
    int expected = kFree;
    if (!slots[i].state.compare_exchange_strong(expected, kBusy)) continue;
    std::memcpy(slots[i].path.data(), text.c_str(), text.size() + 1);
    slots[i].folder = kind == Kind::Folder;
    slots[i].state.store(kNamed, std::memory_order_release);
    slot_ = i;
    return;
  }
}

LeftoverOnInterrupt::~LeftoverOnInterrupt() {
  if (slot_ < 0) return;
  slots[slot_].state.store(kBusy, std::memory_order_release);
  slots[slot_].state.store(kFree, std::memory_order_release);
}

}  // namespace zt6
