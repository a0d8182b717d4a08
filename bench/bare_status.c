/* The least a program can do to ask the driver what `netvane-cli status` asks:
 * the same six requests over the same protocol (one structure call and one scalar call per
 * connection), and exit. The baseline of bench_cli. Usage: bare_status SOCKET */
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

struct Header {
  uint32_t magic, kind, selector, inLength, outCapacity;
};

static int ReadAll(int fd, void* buffer, size_t length) {
  char* p = buffer;
  while (length > 0) {
    const ssize_t n = read(fd, p, length);
    if (n <= 0) return -1;
    p += n;
    length -= (size_t)n;
  }
  return 0;
}

static int Request(const char* path, uint32_t oid, uint32_t capacity) {
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  struct sockaddr_un addr = {.sun_family = AF_UNIX};
  strncpy(addr.sun_path, path, sizeof addr.sun_path - 1);
  if (fd < 0 || connect(fd, (struct sockaddr*)&addr, sizeof addr) != 0) return -1;
  char message[sizeof(struct Header) + 64] = {0};
  const struct Header call = {0x4E565543u, 1, oid, capacity, capacity};
  memcpy(message, &call, sizeof call);
  char reply[8 + 64];
  uint32_t answer[2];
  const struct Header scalar = {0x4E565543u, 2, 1, 0, 0};
  if (write(fd, message, sizeof call + capacity) < 0 || ReadAll(fd, answer, 8) != 0 ||
      answer[1] > 64 || ReadAll(fd, reply, answer[1]) != 0 ||
      write(fd, &scalar, sizeof scalar) < 0 || ReadAll(fd, answer, 8) != 0) {
    close(fd);
    return -1;
  }
  close(fd);
  return 0;
}

int main(int argc, char** argv) {
  static const uint32_t requests[][2] = {{0x00010114u, 4},  {0x0D010102u, 36}, {0x0D010101u, 6},
                                         {0x0D010211u, 32}, {0x0D710102u, 16}, {0x0D010206u, 4}};
  if (argc != 2) return 2;
  for (size_t i = 0; i < sizeof requests / sizeof requests[0]; ++i) {
    if (Request(argv[1], requests[i][0], requests[i][1]) != 0) return 1;
  }
  puts("done");
  return 0;
}
