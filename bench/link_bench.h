#pragma once

// Helpers shared by the link benchmarks: a clock in microseconds and a
// pseudo-terminal whose master side plays the device.

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <thread>
#include <unistd.h>

namespace LinkBench
{

using Clock = std::chrono::steady_clock;

inline double microseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

struct Pty {
    int master = -1;
    int slave = -1;
    char name[256] = {};
    Pty()
    {
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
            std::perror("openpty");
            std::exit(1);
        }
    }
    ~Pty()
    {
        ::close(master);
        ::close(slave);
    }
    Pty(const Pty &) = delete;
    Pty &operator=(const Pty &) = delete;
};

inline void writeAll(int fd, const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n > 0) {
            data += n;
            size -= size_t(n);
        } else {
            pollfd p{fd, POLLOUT, 0};
            poll(&p, 1, 100);
        }
    }
}

// A device that reads everything the program writes, on a thread of its own.
class Drain
{
public:
    explicit Drain(int master)
        : m_thread([this, master] {
              char buffer[65536];
              while (!m_done) {
                  pollfd p{master, POLLIN, 0};
                  if (poll(&p, 1, 20) > 0)
                      m_drained += std::max<ssize_t>(::read(master, buffer, sizeof buffer), 0);
              }
          })
    {
    }
    ~Drain()
    {
        m_done = true;
        m_thread.join();
    }
    long long drained() const { return m_drained; }

private:
    std::atomic<bool> m_done{false};
    std::atomic<long long> m_drained{0};
    std::thread m_thread;
};

} // namespace LinkBench
