// A program on a pseudo-terminal of our own (TERM xterm-256color, a UTF-8
// locale): bytes, pauses and resizes timed to the millisecond, and every byte
// the program writes kept. For the terminal tests that tmux cannot time, and
// for the benchmarks that count what the game writes.
#pragma once

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <pty.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace testing_support {

class PtyProgram {
public:
    // Starts `program` with `arguments`, in `folder` when one is given, on a
    // terminal of `columns` x `rows`.
    PtyProgram(std::string const& program, std::vector<std::string> const& arguments, int columns = 80,
               int rows = 25, std::string const& folder = "") {
        size_.ws_row = static_cast<unsigned short>(rows);
        size_.ws_col = static_cast<unsigned short>(columns);
        pid_ = forkpty(&fd_, nullptr, nullptr, &size_);
        if (pid_ == 0) {
            if (!folder.empty() && chdir(folder.c_str()) != 0) {
                _exit(126);
            }
            setenv("TERM", "xterm-256color", 1);
            setenv("LANG", "C.UTF-8", 1);
            setenv("LC_ALL", "C.UTF-8", 1);
            std::vector<char*> argv{const_cast<char*>(program.c_str())};
            for (std::string const& a : arguments) {
                argv.push_back(const_cast<char*>(a.c_str()));
            }
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
    }
    ~PtyProgram() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            // Drained, so that the program is not held up writing its goodbye.
            Read(std::chrono::milliseconds(50), std::chrono::milliseconds(200));
            waitpid(pid_, nullptr, 0);
        }
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    PtyProgram(PtyProgram const&) = delete;
    PtyProgram& operator=(PtyProgram const&) = delete;

    // Reads whatever comes until `quiet` passes with nothing, or at most for
    // `limit` (an animated screen is never quiet); returns the bytes read.
    std::size_t Read(std::chrono::milliseconds quiet,
                     std::chrono::milliseconds limit = std::chrono::seconds(1)) {
        std::size_t total = 0;
        auto const deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            std::size_t const n = ReadOnce(quiet);
            if (n == 0) {
                break;
            }
            total += n;
        }
        return total;
    }

    // Reads until what was read holds `text`; false after `limit`.
    bool ReadUntil(std::string const& text, std::chrono::milliseconds limit) {
        auto const deadline = std::chrono::steady_clock::now() + limit;
        while (output_.find(text) == std::string::npos) {
            auto const left =
                std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0 || ReadOnce(left) == 0) {
                return false;
            }
        }
        return true;
    }

    void Send(std::string const& bytes) {
        if (write(fd_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
            std::abort();
        }
    }
    // Resizes the terminal, which signals the program.
    void Resize(int columns, int rows) {
        size_.ws_row = static_cast<unsigned short>(rows);
        size_.ws_col = static_cast<unsigned short>(columns);
        ioctl(fd_, TIOCSWINSZ, &size_);
    }
    // Sends the program a signal (a stop, a continue).
    void Signal(int signal) const { kill(pid_, signal); }
    // Everything the program wrote so far.
    std::string const& Output() const { return output_; }

private:
    // One read, waiting up to `wait` for something to read; 0 when nothing
    // came or the program has gone.
    std::size_t ReadOnce(std::chrono::milliseconds wait) {
        pollfd p{fd_, POLLIN, 0};
        char buffer[8192];
        if (poll(&p, 1, static_cast<int>(wait.count())) <= 0) {
            return 0;
        }
        ssize_t const n = read(fd_, buffer, sizeof buffer);
        if (n <= 0) {
            return 0;
        }
        output_.append(buffer, static_cast<std::size_t>(n));
        return static_cast<std::size_t>(n);
    }

    winsize size_{};
    pid_t pid_ = -1;
    int fd_ = -1;
    std::string output_;
};

}  // namespace testing_support
