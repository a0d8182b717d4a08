#include "platform/system/SecretInput.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>

#include "platform/system/Wipe.h"

namespace netvane::system {
namespace {

// Far beyond any key (64 hexadecimal digits), small enough that a wrong file is not read whole.
constexpr std::size_t kMostKeyBytes = 1024;

SecretText Failure(std::string error) {
  SecretText result;
  result.error = std::move(error);
  return result;
}

// Reads up to the first line end or the limit; the buffer is wiped before it goes.
SecretText ReadLine(int fd, const std::string& name) {
  SecretText result;
  std::array<char, kMostKeyBytes + 1> buffer{};
  std::size_t used = 0;
  while (used < buffer.size()) {
    const ssize_t n = ::read(fd, buffer.data() + used, buffer.size() - used);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      SecureWipe(buffer.data(), buffer.size());
      return Failure("cannot read " + name + ": " + std::strerror(errno));
    }
    if (n == 0) break;
    used += static_cast<std::size_t>(n);
    if (std::memchr(buffer.data(), '\n', used) != nullptr) break;
  }
  const void* newline = std::memchr(buffer.data(), '\n', used);
  std::size_t length =
      newline != nullptr
          ? static_cast<std::size_t>(static_cast<const char*>(newline) - buffer.data())
          : used;
  if (newline == nullptr && used > kMostKeyBytes) {
    SecureWipe(buffer.data(), buffer.size());
    return Failure(name + " is longer than any key; give a file holding the key alone");
  }
  if (length > 0 && buffer[length - 1] == '\r') --length;
  result.text.assign(buffer.data(), length);
  result.ok = true;
  SecureWipe(buffer.data(), buffer.size());
  return result;
}

// The signals that end the program while it waits at the prompt: from the keyboard (Ctrl-C,
// Ctrl-\), from kill, and from the terminal going away.
constexpr std::array<int, 4> kEndingSignals = {SIGINT, SIGQUIT, SIGTERM, SIGHUP};

// What the handler needs, set before it is installed; only one prompt runs at a time.
int echoFd = -1;
termios echoSaved{};

// The terminal as it was, then the signal's own default (ending the program) once this
// returns, since the signal stays blocked until then. Only async-signal-safe calls.
extern "C" void RestoreEchoAndEnd(int signal) {
  ::tcsetattr(echoFd, TCSANOW, &echoSaved);
  struct sigaction standard {};
  standard.sa_handler = SIG_DFL;
  ::sigemptyset(&standard.sa_mask);
  ::sigaction(signal, &standard, nullptr);
  ::raise(signal);
}

// Echo off on a terminal for as long as it lives; the saved settings come back however the
// prompt ends: a return, an exception, or a signal that ends the program.
class EchoOff {
 public:
  EchoOff(int fd, const termios& saved) {
    echoFd = fd;
    echoSaved = saved;
    struct sigaction restore {};
    restore.sa_handler = RestoreEchoAndEnd;
    ::sigemptyset(&restore.sa_mask);
    for (const int signal : kEndingSignals) ::sigaddset(&restore.sa_mask, signal);
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
      ::sigaction(kEndingSignals[i], nullptr, &previous_[i]);
      // A signal the program ignores (nohup, a shell's background job) stays ignored.
      if (previous_[i].sa_handler != SIG_IGN) ::sigaction(kEndingSignals[i], &restore, nullptr);
    }
    termios quiet = saved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    quiet.c_lflag |= ECHONL;
    ::tcsetattr(fd, TCSAFLUSH, &quiet);
  }
  EchoOff(const EchoOff&) = delete;
  EchoOff& operator=(const EchoOff&) = delete;
  ~EchoOff() {
    ::tcsetattr(echoFd, TCSAFLUSH, &echoSaved);
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
      ::sigaction(kEndingSignals[i], &previous_[i], nullptr);
    }
  }

 private:
  std::array<struct sigaction, kEndingSignals.size()> previous_{};
};

}  // namespace

SecretText::SecretText(SecretText&& other) noexcept
    // NOLINTNEXTLINE(performance-move-constructor-init) the copy is deliberate, see below
    : ok(other.ok), text(other.text), error(std::move(other.error)) {
  // Copied, not moved: a short key would stay behind in the moved-from string.
  WipeString(other.text);
}

SecretText::~SecretText() {
  WipeString(text);
}

SecretText ReadKeyFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return Failure("cannot open key file " + path + ": " + std::strerror(errno));
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return Failure("key file " + path + " is not a regular file");
  }
  if ((st.st_mode & (S_IRGRP | S_IROTH)) != 0) {
    ::close(fd);
    return Failure("key file " + path + " is readable by others; run chmod 600 " + path);
  }
  SecretText result = ReadLine(fd, "key file " + path);
  ::close(fd);
  return result;
}

SecretText ReadKeyFromTerminal(const std::string& prompt) {
  const int fd = ::open("/dev/tty", O_RDWR | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return Failure("no terminal to ask on; give the key with --key-file FILE");
  termios saved{};
  std::optional<EchoOff> echoOff;
  if (::tcgetattr(fd, &saved) == 0) echoOff.emplace(fd, saved);
  [[maybe_unused]] const ssize_t shown = ::write(fd, prompt.data(), prompt.size());
  SecretText result = ReadLine(fd, "the terminal");
  echoOff.reset();
  ::close(fd);
  return result;
}

}  // namespace netvane::system
